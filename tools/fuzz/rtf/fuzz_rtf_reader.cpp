// libFuzzer target for the RTF reader. Any input must be read without a crash, a hang
// or unbounded memory, and what the writer makes of it must be read back. The full round
// trip is held by the regression and corpus tests. Inputs that broke it live in
// tests/rtf/regressions.

#include "rtf_round_trip.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts need a GUI application
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!RtfFuzz::roundTripHolds(input, RtfFuzz::Keeps::Readable))
        std::abort();
    return 0;
}
