// libFuzzer target for the RTF reader. Any input must be read without a crash, a hang
// or unbounded memory, and what the writer makes of it must keep every paragraph's text,
// list, cell and formats and give the same bytes a second time (Keeps::Looks). Inputs
// that broke it live in tests/rtf/regressions.

#include "rtf_round_trip.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
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
    if (const QString difference = RtfFuzz::roundTripDifference(input, RtfFuzz::Keeps::Looks); !difference.isEmpty()) {
        std::fprintf(stderr, "round trip: %s\n", qPrintable(difference));
        std::abort();
    }
    return 0;
}
