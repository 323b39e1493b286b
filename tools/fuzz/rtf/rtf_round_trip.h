#pragma once
// The property the fuzzer and the regression tests check on any input: the reader
// either refuses it or reads it, what it read survives the writer and the reader again
// unchanged (paragraph by paragraph: text, list, table cell, paragraph, character, table
// and cell formats), and saving it a second time gives the same bytes as the first.

#include "document/rtf/rtf.h"
#include "document/rtf/rtf_format.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace RtfFuzz {

// A block's text with the structure it is in: its list's style and level, and its
// table cell (in a nested table, the cells it is in, the outermost first).
inline QString blockShape(const QTextBlock &b)
{
    QString shape = b.text();
    if (const QTextList *list = b.textList())
        shape += QStringLiteral(" [list %1 %2]").arg(list->format().style()).arg(list->format().indent());
    QString cells;
    for (QTextFrame *frame = b.document()->frameAt(b.position()); frame; frame = frame->parentFrame()) {
        if (const QTextTable *table = qobject_cast<QTextTable *>(frame)) {
            const QTextTableCell cell = table->cellAt(b.position());
            cells.prepend(QStringLiteral(" [cell %1,%2 %3x%4]").arg(cell.row()).arg(cell.column()).arg(cell.rowSpan()).arg(cell.columnSpan()));
        }
    }
    return shape + cells;
}

inline QStringList blockTexts(const QTextDocument &doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts << blockShape(b);
    return texts;
}

// A format's properties from `from` on, without the document's object numbering. A run
// without a font or size is shown in the default font, which the writer names.
inline QString describe(const QTextFormat &f, const QTextDocument &doc, int from = 0)
{
    QMap<int, QVariant> props = f.properties();
    props.remove(QTextFormat::ObjectIndex);
    props.remove(QTextFormat::ObjectType);
    props.remove(Rtf::FamilyKeyProperty); // the family again, for Qt's hashing
    if (props.contains(QTextFormat::ImageName)) { // numbered in reading order: its data instead
        const QVariant data = doc.resource(QTextDocument::ImageResource, QUrl(f.stringProperty(QTextFormat::ImageName)));
        props.insert(QTextFormat::ImageName, QCryptographicHash::hash(data.toByteArray(), QCryptographicHash::Sha1).toHex());
    }
    if (f.isCharFormat() && from == 0) {
        if (!props.contains(QTextFormat::FontFamilies))
            props.insert(QTextFormat::FontFamilies, QStringList{doc.defaultFont().family()});
        if (!props.contains(QTextFormat::FontPointSize))
            props.insert(QTextFormat::FontPointSize, doc.defaultFont().pointSizeF());
    }
    QString out;
    QDebug debug(&out);
    debug.nospace();
    for (auto it = props.lowerBound(from); it != props.cend(); ++it)
        debug << Qt::hex << it.key() << Qt::dec << '=' << it.value() << ' ';
    return out;
}

// A cell's own properties: its format is also its first paragraph's character format.
inline QString describeCell(const QTextFormat &f)
{
    QString out;
    QDebug debug(&out);
    debug.nospace();
    const QMap<int, QVariant> props = f.properties();
    for (auto it = props.cbegin(); it != props.cend(); ++it) {
        if ((it.key() >= QTextFormat::TableCellRowSpan && it.key() < QTextFormat::ImageName) || it.key() == Rtf::CellBordersProperty)
            debug << Qt::hex << it.key() << Qt::dec << '=' << it.value() << ' ';
    }
    return out;
}

// What a reader sees of each block: its shape, its paragraph format, the runs of text
// with their formats (the font of an empty paragraph's mark), and its table's and
// cell's own formats.
inline QStringList blockLooks(const QTextDocument &doc)
{
    // each format described once: a long table has few formats and many paragraphs
    QHash<int, QString> described;
    const auto describeAt = [&](int index, bool cell = false) -> const QString & {
        const int key = index * 2 + cell;
        auto it = described.find(key);
        if (it == described.end())
            it = described.insert(key, cell ? describeCell(doc.allFormats().value(index))
                                            : describe(doc.allFormats().value(index), doc));
        return *it;
    };
    QStringList looks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QStringList look{blockShape(b), QStringLiteral("paragraph ") + describeAt(b.blockFormatIndex())};
        if (b.length() <= 1)
            look << QStringLiteral("mark ") + describeAt(b.charFormatIndex());
        QString runText, lastFormat;
        const auto endRun = [&] {
            if (!runText.isEmpty() || !lastFormat.isEmpty())
                look << runText + QStringLiteral(": ") + lastFormat;
        };
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString &format = describeAt(it.fragment().charFormatIndex());
            if (format != lastFormat) { // runs Qt keeps apart but a reader cannot tell apart are one
                endRun();
                runText.clear();
                lastFormat = format;
            }
            runText += it.fragment().text();
        }
        endRun();
        if (const auto *table = qobject_cast<QTextTable *>(doc.frameAt(b.position()))) {
            look << QStringLiteral("table ") + describeAt(table->formatIndex())
                 << QStringLiteral("cell ") + describeAt(table->cellAt(b.position()).tableCellFormatIndex(), true);
        }
        looks << look.join(QStringLiteral(" | "));
    }
    return looks;
}

// How much a round trip must keep: that the written file is read back at all; also its
// shape (each paragraph's text, list and table cell); or also every format and the bytes
// of a second save. Files made by real programs keep it all; arbitrary input is held to
// its shape.
enum class Keeps { Readable, Shape, Looks };

// Empty when the round trip holds; else what changed.
inline QString roundTripDifference(const QByteArray &input, Keeps keeps = Keeps::Looks)
{
    QTextDocument doc;
    if (!Rtf::read(input, doc).ok())
        return {};
    const QByteArray once = Rtf::write(doc);
    QTextDocument back;
    if (!Rtf::read(once, back).ok())
        return QStringLiteral("the written document is refused");
    if (keeps == Keeps::Readable)
        return {};
    const QStringList before = keeps == Keeps::Shape ? blockTexts(doc) : blockLooks(doc);
    const QStringList after = keeps == Keeps::Shape ? blockTexts(back) : blockLooks(back);
    for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i) {
        if (before.value(i) != after.value(i))
            return QStringLiteral("paragraph %1 was \"%2\", is \"%3\"").arg(i).arg(before.value(i), after.value(i));
    }
    if (keeps == Keeps::Shape)
        return {};
    const QByteArray twice = Rtf::write(back);
    if (twice != once) {
        qsizetype i = 0;
        while (i < once.size() && i < twice.size() && once.at(i) == twice.at(i))
            ++i;
        return QStringLiteral("saved again, it differs at byte %1: \"%2\", then \"%3\"")
            .arg(i)
            .arg(QString::fromLatin1(once.mid(std::max<qsizetype>(0, i - 40), 80)),
                 QString::fromLatin1(twice.mid(std::max<qsizetype>(0, i - 40), 80)));
    }
    return {};
}

// False when the round trip changes anything.
inline bool roundTripHolds(const QByteArray &input, Keeps keeps = Keeps::Looks)
{
    return roundTripDifference(input, keeps).isEmpty();
}

} // namespace RtfFuzz
