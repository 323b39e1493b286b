#pragma once
// The answer data file (".dat") beside every saved document: one record of the 77 answers in
// question order, each field either a quoted text or empty (no value), ending in CR LF.
//
//   - Quoted text: a double quote, the answer, a double quote. A double quote inside the answer
//     is doubled; everything else (line breaks of any kind, tabs, control characters) is
//     written exactly as held. Commas and line breaks need no escape.
//   - Empty: nothing between the commas, for an answer that never got a value.
//   - Characters: Windows-1252 when every answer fits in it (the file as it always was),
//     otherwise UTF-8 behind a byte order mark, so nothing is lost.
//
// The reader takes what older versions wrote as well: a quoted field runs to the next single
// double quote and anything between it and the next comma or line end is skipped; an unquoted
// field runs to the next comma or line end. Fields after the 77th are ignored (and counted).
// Files that are plainly something else are refused: control characters outside the quotes
// (a binary file, or UTF-16 without a mark), or Unicode behind a byte order mark that does
// not decode. UTF-16 and UTF-32 behind their marks are read.

#include "questionnaire/catalogue.h"
#include "document/reading/document_limits.h"
#include "document/reading/outcome.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

class AnswerStore;

namespace AnswerDataFile {
using Answers = std::array<std::optional<QString>, kQuestionCount>;

inline constexpr qint64 kMaxFileSize = kMaxDataFileSize;

// The whole file.
QByteArray write(const Answers &answers);
// Fails when a written file must not be saved: read() would refuse it for its size.
Outcome checkSize(QByteArrayView file);

struct ReadResult : Outcome {
    std::optional<Answers> answers; // all 77 when ok(), else none
    QString notice;                 // read, but the user should know (fields beyond the 77th)
};
// A refusal says first, in plain words, what the file is ("... is empty.", "... is not a
// Kinscribe answer file."), naming it by `name` ("The file" without one), then any detail.
ReadResult read(QByteArrayView bytes, const QString &name = QString());
// Reads and checks the whole file before anything is taken from it; the file is closed again
// whatever happens.
ReadResult readFile(const QString &path);

// The data file beside a document: its final ".rtf" (any letter case) becomes ".dat", and a
// name without that extension gets ".dat" added, so both files always share folder and name.
QString pathFor(const QString &documentPath);

Answers answersOf(const AnswerStore &store);
// Every answer replaced; no value gives the always-text questions the empty text.
void storeAnswers(AnswerStore &store, const Answers &answers);
} // namespace AnswerDataFile
