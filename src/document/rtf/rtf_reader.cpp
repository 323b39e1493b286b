#include "document/rtf/rtf.h"
#include "document/rtf/rtf_page_setup.h"
#include "document/rtf/rtf_parser.h"
#include "document/reading/document_limits.h"

#include <QFont>
#include <QIODevice>
#include <QTextDocument>

namespace Rtf {

bool isRtf(const QByteArray &head)
{
    return head.startsWith("{\\rtf");
}

Outcome read(const QByteArray &rtf, QTextDocument &doc, WorkProgress *progress)
{
    if (!isRtf(rtf))
        return Outcome::failed(QStringLiteral("not an RTF file"));
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // a loaded file is not an edit to undo
    doc.clear();
    Parser parser(rtf, doc);
    parser.setProgress(progress);
    parser.run();
    const PageSetup setup = parser.pageSetup();
    setPageSetup(doc, setup);
    if (setup.defaultFontNamed) { // text the file gave no font (before its font table) is in \deff's
        QFont font = doc.defaultFont();
        font.setFamilies({setup.defaultFont});
        doc.setDefaultFont(font);
    }
    doc.setUndoRedoEnabled(undo);
    if (parser.cancelled())
        return Outcome::stopped();
    if (parser.tooLong() || doc.blockCount() > kMaxParagraphs)
        return Outcome::failed(tooManyParagraphs());
    return {};
}

Outcome read(QIODevice &in, QTextDocument &doc)
{
    if (!in.isOpen() || !in.isReadable())
        return Outcome::failed(QStringLiteral("cannot read the file"));
    return read(in.readAll(), doc);
}

} // namespace Rtf
