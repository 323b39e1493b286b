// Cells merged across and down: Qt joins their text, and the paragraphs keep the formats
// the file gave them.

#include "document/rtf/rtf_table_builder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <vector>

namespace Rtf {

namespace {

// A cell's paragraphs, those of tables inside it included.
std::vector<QTextBlock> blocksOf(const QTextTableCell &cell)
{
    std::vector<QTextBlock> blocks;
    const QTextDocument *doc = cell.firstCursorPosition().document();
    for (QTextBlock b = doc->findBlock(cell.firstPosition()); b.isValid() && b.position() <= cell.lastPosition(); b = b.next())
        blocks.push_back(b);
    return blocks;
}

// Qt gives a paragraph it starts when joining cells the format of the text before it,
// a link included; a paragraph's mark never carries a link (the writer has none to give).
void dropMarkLinks(const std::vector<QTextBlock> &blocks)
{
    for (const QTextBlock &b : blocks) {
        QTextCharFormat mark = b.charFormat();
        if (!mark.isAnchor() && !mark.hasProperty(QTextFormat::AnchorHref))
            continue;
        mark.clearProperty(QTextFormat::IsAnchor);
        mark.clearProperty(QTextFormat::AnchorHref);
        QTextCursor(b).setBlockCharFormat(mark);
    }
}

} // namespace

// Qt gives a merged cell whose first paragraph is empty the paragraph format of a cell it
// swallows, and the first paragraph of each cell it swallows the format of the paragraph
// before; the file gave each paragraph its own.
// Its last paragraph, when empty, takes the format (and list) of the empty paragraph of
// a cell it swallows; the file gave it its own. So do the paragraphs of the cells around
// each swallowed cell, where Qt takes the swallowed cells' text out.
void TableBuilder::merge(int row, int column, int rows, int columns)
{
    const QTextTableCell cell = m_table->cellAt(row, column);
    const QTextBlockFormat format = cell.firstCursorPosition().blockFormat();
    const QTextBlock lastBlock = cell.lastCursorPosition().block();
    const int last = lastBlock.position();
    const QTextBlockFormat lastFormat = lastBlock.blockFormat();
    const std::vector<KeptCell> around = cellsAround(row, column, rows, columns);
    const std::vector<QTextBlockFormat> formats = formatsOfMerged(row, column, rows, columns);
    m_table->mergeCells(row, column, rows, columns);
    for (const KeptCell &k : around) {
        const QTextTableCell kept = m_table->cellAt(k.row, k.column);
        QTextCursor first = kept.firstCursorPosition();
        QTextCursor end = kept.lastCursorPosition();
        if (first.blockFormat() != k.first)
            first.setBlockFormat(k.first);
        if (end.block() != first.block() && end.blockFormat() != k.last)
            end.setBlockFormat(k.last);
    }
    const QTextTableCell merged = m_table->cellAt(row, column);
    dropMarkLinks(blocksOf(merged));
    if (const std::vector<QTextBlock> blocks = blocksOf(merged); blocks.size() == formats.size()) { // as foreseen
        for (size_t i = 0; i < blocks.size(); ++i) {
            if (blocks[i].blockFormat() != formats[i])
                QTextCursor(blocks[i]).setBlockFormat(formats[i]);
        }
        return;
    }
    QTextCursor first = merged.firstCursorPosition();
    if (first.blockFormat() != format)
        first.setBlockFormat(format);
    QTextCursor end(m_table->document());
    end.setPosition(last);
    if (last != first.position() && end.blockFormat() != lastFormat)
        end.setBlockFormat(lastFormat);
}

// The paragraph formats a merged cell is to have: those of the first cell's paragraphs,
// then those of each cell it swallows that has text, in reading order. Qt drops empty
// cells, and joins the first paragraph of a cell to the right to the paragraph before.
std::vector<QTextBlockFormat> TableBuilder::formatsOfMerged(int row, int column, int rows, int columns) const
{
    std::vector<QTextBlockFormat> formats;
    for (int r = row; r < row + rows; ++r) {
        for (int c = column; c < column + columns; ++c) {
            const QTextTableCell cell = m_table->cellAt(r, c);
            const bool first = r == row && c == column;
            if (cell.row() != r || cell.column() != c || (!first && cell.firstPosition() == cell.lastPosition()))
                continue;
            const std::vector<QTextBlock> blocks = blocksOf(cell);
            for (auto b = blocks.cbegin() + (c > column ? 1 : 0); b < blocks.cend(); ++b)
                formats.push_back(b->blockFormat());
        }
    }
    return formats;
}

// The cells just before and after each cell a merge swallows, with their paragraph formats.
std::vector<TableBuilder::KeptCell> TableBuilder::cellsAround(int row, int column, int rows, int columns) const
{
    const auto inside = [&](const QTextTableCell &c) {
        return c.row() >= row && c.row() < row + rows && c.column() >= column && c.column() < column + columns;
    };
    std::vector<KeptCell> kept;
    const auto keep = [&](const QTextBlock &b) {
        const QTextTableCell c = b.isValid() ? m_table->cellAt(b.position()) : QTextTableCell();
        if (c.isValid() && !inside(c))
            kept.push_back({c.row(), c.column(), c.firstCursorPosition().blockFormat(), c.lastCursorPosition().blockFormat()});
    };
    for (int r = row; r < row + rows; ++r) {
        for (int c = column; c < column + columns; ++c) {
            const QTextTableCell swallowed = m_table->cellAt(r, c);
            if (swallowed.row() != r || swallowed.column() != c || (r == row && c == column))
                continue;
            keep(swallowed.firstCursorPosition().block().previous());
            keep(swallowed.lastCursorPosition().block().next());
        }
    }
    return kept;
}

} // namespace Rtf
