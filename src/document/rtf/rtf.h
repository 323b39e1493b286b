#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;
class WorkProgress;

// Reading and writing Rich Text Format, independent of any window.
namespace Rtf {

struct ReadResult
{
    bool ok = false;
    QString error; // a short reason when !ok, e.g. "not an RTF file"
    bool cancelled = false; // the progress said stop: doc holds only part of the file
};

// Replaces doc's content with the RTF read from in. Input that does not start with
// "{\rtf" is refused (doc is left untouched) so that the caller can load it as text.
// Damaged RTF is read as far as it goes. Clears doc's undo history. Reading stops, and fails,
// when the progress says so or past the editor's paragraph limit (document_limits.h).
ReadResult read(QIODevice &in, QTextDocument &doc);
ReadResult read(const QByteArray &rtf, QTextDocument &doc, WorkProgress *progress = nullptr);

// True when head starts exactly with "{\rtf", as RTF readers require.
bool isRtf(const QByteArray &head);

// The document as RTF (Windows-1252 with \u escapes for other characters). The output
// depends only on the document.
QByteArray write(const QTextDocument &doc);
bool write(const QTextDocument &doc, QIODevice &out);

} // namespace Rtf
