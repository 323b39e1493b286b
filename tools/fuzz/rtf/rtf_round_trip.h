#pragma once
// The property the fuzzer and the regression tests check on any input: the reader
// either refuses it or reads it, and what it read survives the writer and the reader
// again unchanged (paragraph by paragraph, with its list and table cell).

#include "document/rtf/rtf.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

namespace RtfFuzz {

// A block's text with the structure it is in: its list's style and level, and its
// table cell.
inline QString blockShape(const QTextBlock &b)
{
    QString shape = b.text();
    if (const QTextList *list = b.textList())
        shape += QStringLiteral(" [list %1 %2]").arg(list->format().style()).arg(list->format().indent());
    if (const QTextTable *table = qobject_cast<QTextTable *>(b.document()->frameAt(b.position()))) {
        const QTextTableCell cell = table->cellAt(b.position());
        shape += QStringLiteral(" [cell %1,%2 %3x%4]").arg(cell.row()).arg(cell.column()).arg(cell.rowSpan()).arg(cell.columnSpan());
    }
    return shape;
}

inline QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts << blockShape(b);
    return texts;
}

// False when the round trip changes the text.
inline bool roundTripHolds(const QByteArray &input)
{
    QTextDocument doc;
    if (!Rtf::read(input, doc).ok())
        return true;
    QTextDocument back;
    return Rtf::read(Rtf::write(doc), back).ok() && blockTexts(back) == blockTexts(doc);
}

} // namespace RtfFuzz
