// A table's widths, borders, row heights and empty cells, set as its rows end and when
// the table ends.

#include "document/reading/document_limits.h"
#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_table_builder.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <vector>

namespace Rtf {

using RtfLimits::kMaxTwips;

// At the end of the table (whole) a row that declares fewer cells than there are columns
// gives the columns after its last cell that cell's width; one that declares more gives
// its first. A column after the first is wider than the rounding between rows, so that
// its edge, written back, is not read as a cell merged into the one before.
void TableBuilder::applyWidths(const RowDef &row, bool whole)
{
    const int columns = m_table->columns();
    if (row.cells.size() != columns && !(whole && !row.cells.isEmpty()))
        return; // a later row may declare every column
    QList<int> twips;
    int left = row.left;
    for (const CellDef &cell : row.cells.first(std::min<qsizetype>(row.cells.size(), columns))) {
        twips << std::clamp(cell.right - left, 0, kMaxTwips);
        left = std::max(left, cell.right);
    }
    while (twips.size() < columns)
        twips << twips.last();
    QList<QTextLength> widths;
    for (const int w : std::as_const(twips))
        widths << QTextLength(QTextLength::FixedLength, (widths.isEmpty() ? w : std::max(w, kEdgeSlack + 1)) / kTwipsPerPixel);
    QTextTableFormat f = m_table->format();
    f.setColumnWidthConstraints(widths);
    m_table->setFormat(f);
    m_widthsSet = true;
    m_widthColumns = m_table->columns();
}

// For a table no row gave an edge: the edges a writer gives it, so that they read back the same.
RowDef TableBuilder::evenRow() const
{
    RowDef even;
    for (const int edge : columnEdges({}, m_table->columns()))
        even.cells.append(CellDef{edge});
    return even;
}

void TableBuilder::applyMerges(const RowDef &row)
{
    const int cells = std::min<int>(int(row.cells.size()), int(m_starts.size()) - 1);
    for (int i = 0; i < cells; ++i) {
        const CellDef &cell = row.cells.at(i);
        const int c = m_starts.at(i);
        if (c >= m_table->columns())
            break;
        if (c == m_starts.at(i + 1) && cell.horizontal != CellDef::First)
            continue; // no column of its own
        if (cell.vertical != CellDef::Next)
            endVerticalMerge(c, m_row - 1);
        if (cell.vertical == CellDef::First)
            m_mergeStart[c] = m_row;
        if (cell.vertical != CellDef::None)
            continue;
        if (cell.horizontal == CellDef::Next)
            continue;
        int last = i; // the cells \clmrg joins to this one
        while (cell.horizontal == CellDef::First && last + 1 < cells
               && row.cells.at(last + 1).horizontal == CellDef::Next)
            ++last;
        const int span = std::min(m_starts.at(last + 1), m_table->columns()) - c;
        if (span > 1)
            merge(m_row, c, 1, span);
    }
}

// Cells that name their own sides keep them; the table then writes no others.
void TableBuilder::applyBorders(const RowDef &row)
{
    const int cells = std::min<int>(int(row.cells.size()), int(m_starts.size()) - 1);
    for (int i = 0; i < cells; ++i) {
        applyAlign(row.cells.at(i).align, i);
        const std::array<int, 4> &b = row.cells.at(i).borders;
        if (b == std::array<int, 4>{} || m_starts.at(i) >= m_table->columns() || m_starts.at(i) == m_starts.at(i + 1))
            continue;
        QTextTableCell cell = m_table->cellAt(m_row, m_starts.at(i));
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setTopBorder(b[0] / kTwipsPerPixel);
        f.setLeftBorder(b[1] / kTwipsPerPixel);
        f.setBottomBorder(b[2] / kTwipsPerPixel);
        f.setRightBorder(b[3] / kTwipsPerPixel);
        f.setProperty(CellBordersProperty, true);
        const std::array<unsigned char, 4> &s = row.cells.at(i).styles;
        const int styles = s[0] | s[1] << 8 | s[2] << 16 | s[3] << 24;
        styles ? f.setProperty(CellBorderStylesProperty, styles) : f.clearProperty(CellBorderStylesProperty);
        cell.setFormat(f);
        if (!m_table->format().boolProperty(CellBordersProperty)) { // the other cells have none
            QTextTableFormat t = m_table->format();
            t.setProperty(CellBordersProperty, true);
            m_table->setFormat(t);
        }
    }
}

// A cell whose text stands in its middle or at its bottom keeps that, to be written back.
void TableBuilder::applyAlign(int align, int i)
{
    if (align == 0 || m_starts.at(i) >= m_table->columns() || m_starts.at(i) == m_starts.at(i + 1))
        return;
    QTextTableCell cell = m_table->cellAt(m_row, m_starts.at(i));
    if (cell.row() != m_row)
        return; // the lower part of a cell merged down: the first row says
    QTextTableCellFormat f = cell.format().toTableCellFormat();
    f.setProperty(CellAlignProperty, align);
    cell.setFormat(f);
}

// Every cell the row starts holds its height, so that it outlives merges into the rows
// above; settleHeights leaves it on the first.
void TableBuilder::applyHeight(const RowDef &row)
{
    if (row.height == 0)
        return;
    m_heightsGiven = true;
    for (int c = 0; c < m_table->columns(); ++c) {
        QTextTableCell cell = m_table->cellAt(m_row, c);
        if (cell.row() != m_row || cell.column() != c)
            continue;
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setProperty(RowHeightProperty, row.height);
        cell.setFormat(f);
    }
}

// A row's height ends on the first cell the row starts, where the writer looks for it,
// whichever cells merges and columns added later left it on.
void TableBuilder::settleHeights()
{
    if (!m_heightsGiven)
        return;
    const auto starts = [this](int r, int c) {
        const QTextTableCell cell = m_table->cellAt(r, c);
        return cell.row() == r && cell.column() == c;
    };
    for (int r = 0; r < m_table->rows(); ++r) {
        int height = 0;
        for (int c = 0; c < m_table->columns() && height == 0; ++c)
            height = starts(r, c) ? m_table->cellAt(r, c).format().intProperty(RowHeightProperty) : 0;
        bool first = true;
        for (int c = 0; c < m_table->columns() && height != 0; ++c) {
            if (!starts(r, c))
                continue;
            QTextTableCell cell = m_table->cellAt(r, c);
            QTextTableCellFormat f = cell.format().toTableCellFormat();
            first ? f.setProperty(RowHeightProperty, height) : f.clearProperty(RowHeightProperty);
            first = false;
            if (f != cell.format())
                cell.setFormat(f);
        }
    }
}

void TableBuilder::endVerticalMerge(int column, int lastRow)
{
    const int first = m_mergeStart.value(column, -1);
    if (first >= 0 && lastRow > first)
        merge(first, column, lastRow - first + 1, 1);
    if (column < m_mergeStart.size())
        m_mergeStart[column] = -1;
}

void TableBuilder::finish()
{
    if (m_row + 1 < m_table->rows()) // rows made ahead that the file did not fill
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
    if (!m_widthsSet)
        applyWidths(m_widthRow.cells.isEmpty() ? evenRow() : m_widthRow, true);
    for (int c = 0; c < m_mergeStart.size(); ++c) // also where the file ends in the table
        endVerticalMerge(c, m_row);
    settleHeights();
    markEmptyCells();
    settleBorder();
}

// The first block's character format of a cell is the cell's own format: its spans and
// sides stay when the block gets the empty mark, or Qt would take merged cells apart.
QTextCharFormat TableBuilder::markKeepingCell(const QTextTableCell &cell) const
{
    QTextCharFormat mark = m_emptyMark;
    const QMap<int, QVariant> own = cell.format().properties();
    for (auto it = own.cbegin(); it != own.cend(); ++it) {
        if (isCellProperty(it.key()))
            mark.setProperty(it.key(), it.value());
    }
    return mark;
}

// A table whose cells name their own sides is written with those sides only: it has a
// border of its own when a cell of its first row has one, as it has when read back.
void TableBuilder::settleBorder()
{
    QTextTableFormat f = m_table->format();
    if (!f.boolProperty(CellBordersProperty)) {
        if (f.border() > 0)
            giveCellsTheBorder();
        return;
    }
    bool firstRowSides = false;
    for (int c = 0; c < m_table->columns() && !firstRowSides; ++c)
        firstRowSides = m_table->cellAt(0, c).format().boolProperty(CellBordersProperty);
    bool anySides = firstRowSides; // or the cells that named them were merged away
    for (int r = 1; r < m_table->rows() && !anySides; ++r) {
        for (int c = 0; c < m_table->columns() && !anySides; ++c)
            anySides = m_table->cellAt(r, c).format().boolProperty(CellBordersProperty);
    }
    if (!anySides)
        f.clearProperty(CellBordersProperty);
    if (!anySides || f.border() != (firstRowSides ? 1 : 0)) {
        f.setBorder(firstRowSides ? 1 : 0);
        m_table->setFormat(f);
    }
}

namespace {

constexpr QChar kFrameStart(0xFDD0); // the character a frame (a table) begins with

// Read from the text: while the document is being built Qt's list of child frames lags.
bool opensWithTable(const QTextTableCell &cell)
{
    const QTextBlock first = cell.firstCursorPosition().block();
    const int end = first.position() + first.length() - 1;
    return end < cell.lastPosition() && first.document()->characterAt(end) == kFrameStart;
}

} // namespace

// A table with a border and no cell that names its sides (the row's border words, or a
// row that never ended) is written with the border on every side of every cell: so it is
// read, with the sides as wide as they are written.
void TableBuilder::giveCellsTheBorder()
{
    QTextTableFormat t = m_table->format();
    const double side = std::max(1L, std::lround(t.border() * kTwipsPerPixel)) / kTwipsPerPixel;
    for (int r = 0; r < m_table->rows(); ++r) {
        for (int c = 0; c < m_table->columns(); ++c) {
            QTextTableCell cell = m_table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue;
            QTextTableCellFormat f = cell.format().toTableCellFormat();
            f.setTopBorder(side);
            f.setLeftBorder(side);
            f.setBottomBorder(side);
            f.setRightBorder(side);
            f.setProperty(CellBordersProperty, true);
            cell.setFormat(f);
        }
    }
    t.setProperty(CellBordersProperty, true);
    m_table->setFormat(t);
}

// Cells Qt made for rows with fewer cells than others have no font of their own; shown in
// Qt's default font, they would change when the file's default font is written for them.
void TableBuilder::markEmptyCells()
{
    for (int r = 0; r < m_table->rows(); ++r) {
        for (int c = 0; c < m_table->columns(); ++c) {
            const QTextTableCell cell = m_table->cellAt(r, c);
            if (cell.row() != r || cell.column() != c)
                continue; // a merged cell, seen at its first row and column
            QTextCursor first = cell.firstCursorPosition();
            // the paragraph Qt keeps before a table opening the cell is not the author's
            if (first.block().length() <= 1 && !first.block().charFormat().hasProperty(QTextFormat::FontPointSize)
                && !opensWithTable(cell))
                first.setBlockCharFormat(markKeepingCell(cell));
        }
    }
}

void TableBuilder::leave(QTextCursor &cursor)
{
    finish();
    cursor = m_table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
}

// Widths in twips as the writer gives them, so that a fitted table is written as fitted.
void fitNestedTables(const QTextFrame *frame)
{
    const auto *table = qobject_cast<const QTextTable *>(frame);
    const QList<int> edges = table ? columnEdges(table->format().columnWidthConstraints(), table->columns()) : QList<int>();
    for (QTextFrame *child : frame->childFrames()) {
        auto *inner = qobject_cast<QTextTable *>(child);
        if (table && inner && !inner->format().columnWidthConstraints().isEmpty()) {
            QTextTableFormat f = inner->format();
            const QList<int> own = columnEdges(f.columnWidthConstraints(), inner->columns());
            const QList<int> fitted = fitEdges(own, cellWidth(table->cellAt(inner->firstPosition()), edges));
            if (fitted != own) {
                QList<QTextLength> widths;
                for (qsizetype c = 0; c < fitted.size(); ++c)
                    widths << QTextLength(QTextLength::FixedLength, (fitted.at(c) - (c > 0 ? fitted.at(c - 1) : 0)) / kTwipsPerPixel);
                f.setColumnWidthConstraints(widths);
                inner->setFormat(f);
            }
        }
        fitNestedTables(child); // the outer ones first
    }
}

} // namespace Rtf
