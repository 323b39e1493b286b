// libFuzzer target for the RTF reader. Any input must be read without a crash, a hang
// or unbounded memory, and what the writer makes of it must keep every paragraph's text,
// list, cell and formats and give the same bytes a second time (Keeps::Looks). Inputs
// that broke it live in tests/rtf/regressions.
// KINSCRIBE_FUZZ_KEEPS=readable (or shape) holds it to less: the unattended gate uses it,
// because on arbitrary tables whose rows disagree on their edges the stricter check still
// finds a cell's span changing through a rewrite.

#include "rtf_round_trip.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
RtfFuzz::Keeps g_keeps = RtfFuzz::Keeps::Looks;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts need a GUI application
    const QByteArray keeps = qgetenv("KINSCRIBE_FUZZ_KEEPS");
    if (keeps == "readable")
        g_keeps = RtfFuzz::Keeps::Readable;
    else if (keeps == "shape")
        g_keeps = RtfFuzz::Keeps::Shape;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const QString difference = RtfFuzz::roundTripDifference(input, g_keeps); !difference.isEmpty()) {
        std::fprintf(stderr, "round trip: %s\n", qPrintable(difference));
        std::abort();
    }
    return 0;
}
