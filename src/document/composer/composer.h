#pragma once
// The document made from the answers: a thank-you line, then every section heading with
// its questions and answers, each element followed by one empty line.

#include "text/fast_layout.h"

#include <QString>

class AnswerStore;
class QTextCharFormat;
class QTextDocument;
class WorkProgress;

// The whole document with CR LF line breaks; the last answer ends with a single CR LF.
QString composeDocument(const AnswerStore &store);

// The format every composed character gets: Arial, 12 points.
QTextCharFormat composedCharFormat();

// Replaces the whole content of the document by the text (CR LF, LF or CR line breaks)
// in the composed format, on the user's paper (page_setup.h), without keeping the
// replacement on the undo stack. False when the
// progress said stop: the document then holds only the first part of the text.
// The traits of the text, read on the way, go to `traits` when given.
bool fillDocument(QTextDocument &document, const QString &text, WorkProgress *progress = nullptr,
                  FastLayout::TextTraits *traits = nullptr);
// The same for the composed document, taken straight from the answers.
bool fillDocument(QTextDocument &document, const AnswerStore &store, WorkProgress *progress = nullptr,
                  FastLayout::TextTraits *traits = nullptr);
