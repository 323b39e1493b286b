#pragma once

#include "document/reading/outcome.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;
class WorkProgress;

// Reading and writing Rich Text Format, independent of any window.
namespace Rtf {

// Replaces doc's content with the RTF read from in. Input that does not start with
// "{\rtf" is refused (doc is left untouched) so that the caller can load it as text.
// Damaged RTF is read as far as it goes. Clears doc's undo history. Reading fails past the
// editor's paragraph limit (document_limits.h), and is stopped when the progress says so;
// either way doc then holds only part of the file.
Outcome read(QIODevice &in, QTextDocument &doc);
Outcome read(const QByteArray &rtf, QTextDocument &doc, WorkProgress *progress = nullptr);

// True when head starts exactly with "{\rtf", as RTF readers require.
bool isRtf(const QByteArray &head);

// The document as RTF (Windows-1252 with \u escapes for other characters). The output
// depends only on the document.
QByteArray write(const QTextDocument &doc);
Outcome write(const QTextDocument &doc, QIODevice &out);

} // namespace Rtf
