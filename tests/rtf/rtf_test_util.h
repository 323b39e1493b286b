#pragma once
// Helpers shared by the RTF tests: reading snippets, describing what a document holds,
// and running LibreOffice or pandoc as reference readers.

#include "test_files.h"
#include "document/rtf/rtf.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTextDocument>

class QTextDocument;
class QTextCharFormat;

namespace RtfTest {

// A word of the sample document and the formatting it was given.
struct StyledWord
{
    QString word;
    QString format; // as describe() gives it
};

// A document with every formatting the codec carries: fonts, sizes, bold, italic,
// underline, strikethrough, colours, alignment, tabs, line breaks, empty paragraphs,
// non-Latin text and emoji. Its default font is Liberation Sans 12.
void buildSampleDocument(QTextDocument &doc);
// Distinct words of the sample document with their formatting.
QList<StyledWord> sampleWords();

// A file of the given body whose font table names Arial as \f0.
QByteArray arialDocument(const QByteArray &body);

// Reads RTF into doc; fails the current test when the reader refuses it.
bool load(const QByteArray &rtf, QTextDocument &doc);

// The text of each paragraph, line breaks kept as U+2028.
QStringList paragraphs(const QTextDocument &doc);

// One entry per run of equal resolved formatting, e.g. "bold:Arial,12,b" or
// "red:Arial,10.5,i,u,s,#ff0000" (family, points, then b/i/u/s and colour if set).
QStringList runs(const QTextDocument &doc);
QString describe(const QTextCharFormat &format, const QTextDocument &doc);

// Whitespace folded to single spaces, byte order marks removed, ends trimmed.
QString normalized(const QString &text);

QString corpusDir();
QString dataDir();

// Path of a program on PATH, or empty.
QString tool(const QString &name);

// Converts files with LibreOffice in one run (a private profile, so that runs in
// parallel do not collide). filter is e.g. "html" or "txt:Text (encoded):UTF8".
bool libreOfficeConvert(const QStringList &files, const QString &filter, const QString &outDir,
                        QString *log = nullptr);

} // namespace RtfTest
