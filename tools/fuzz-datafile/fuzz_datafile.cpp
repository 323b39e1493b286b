// libFuzzer target for the answer data file reader. Whatever the reader accepts must write
// back to a file that reads exactly the same answers again, every line break as it was;
// whatever it refuses must come with a reason.
#include "document/datafile/answer_data_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const AnswerDataFile::ReadResult first = AnswerDataFile::read(bytes);
    if (!first.ok()) {
        if (first.error().isEmpty())
            __builtin_trap();
        return 0;
    }
    const QByteArray written = AnswerDataFile::write(*first.answers);
    const AnswerDataFile::ReadResult second = AnswerDataFile::read(written);
    if (!second.ok() || AnswerDataFile::write(*second.answers) != written)
        __builtin_trap();
    for (std::size_t i = 0; i < first.answers->size(); ++i) {
        if ((*first.answers)[i] != (*second.answers)[i])
            __builtin_trap();
    }
    return 0;
}
