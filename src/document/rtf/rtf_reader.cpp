#include "document/rtf/rtf.h"
#include "document/rtf/rtf_parser.h"
#include "document/reading/document_limits.h"

#include <QIODevice>
#include <QTextDocument>

namespace Rtf {

bool isRtf(const QByteArray &head)
{
    return head.startsWith("{\\rtf");
}

ReadResult read(const QByteArray &rtf, QTextDocument &doc, WorkProgress *progress)
{
    if (!isRtf(rtf))
        return {false, QStringLiteral("not an RTF file")};
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // a loaded file is not an edit to undo
    doc.clear();
    Parser parser(rtf, doc);
    parser.setProgress(progress);
    parser.run();
    doc.setUndoRedoEnabled(undo);
    if (parser.cancelled())
        return {false, QStringLiteral("cancelled"), true};
    if (parser.tooLong() || doc.blockCount() > kMaxParagraphs)
        return {false, tooManyParagraphs()};
    return {true, {}};
}

ReadResult read(QIODevice &in, QTextDocument &doc)
{
    if (!in.isOpen() || !in.isReadable())
        return {false, QStringLiteral("cannot read the file")};
    return read(in.readAll(), doc);
}

} // namespace Rtf
