#pragma once
// Records of the answer data file built by hand, shared by the data file suites.

#include "document/datafile/answer_data_file.h"
#include "questionnaire/answer_store.h"

#include <QByteArrayList>

using AnswerDataFile::Answers;
using Answer = std::optional<QString>; // one field: no value, or its text

// The record of a store in which nothing was ever set, field by field.
inline const QByteArray kEmptyStoreLine = QByteArrayLiteral(
    ",,,,,,,,,\"\"" ",,,,,,,,\"\"" ",,,,,\"\"" ",,,\"\"" ",,,,,,,\"\"" ",,,,,,,,,,,\"\""
    ",,,,,,,\"\"" ",,,,,,,,,\"\"" ",,,,,,,\"\"" ",,,,,\"\"" ",,,,,\"\"");

inline Answers freshAnswers() { return AnswerDataFile::answersOf(AnswerStore()); }

// A record whose field `number` is `field` and every other field is empty.
inline QByteArray recordWith(int number, const QByteArray &field)
{
    QByteArrayList fields;
    for (int n = 1; n <= kQuestionCount; ++n)
        fields << (n == number ? field : QByteArray());
    return fields.join(',') + "\r\n";
}
