// Reading tables: row definitions (\trowd \cellx and the cell words) and the
// QTextTables they become.

#include "document/rtf/rtf_format.h"
#include "document/reading/document_limits.h"
#include "document/rtf/rtf_parser.h"
#include "document/rtf/rtf_table_builder.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace Rtf {

namespace {

using RtfLimits::kMaxCells;
using RtfLimits::kMaxTwips;
// A cell is at most as wide as the largest page; its right edge adds up the cells before it.
constexpr int kMaxRowWidth = kMaxCells * kMaxTwips;
constexpr int kCellsAtOnce = 1 << 16; // in a new table
constexpr int kCellsAdded = 1 << 13;  // to a table that turned out longer

constexpr int kCellSide = 0x10;
constexpr int kDefaultBorderTwips = 15;

// Border words: a side (the row's, or a cell's), then its style and width in either order.
void cellBorderWord(RowDef &r, char16_t kind, int value)
{
    const bool style = kind == 2, width = kind == 3;
    if (kind == 0 || kind >= kCellSide) { // a side; its style follows
        r.borderPending = true;
        r.cellSide = kind >= kCellSide ? int(kind - kCellSide) : -1;
        r.borderWidth = 0;
        return;
    }
    int *side = r.cellSide >= 0 ? &r.next.borders[size_t(r.cellSide)] : nullptr;
    if (width) {
        r.borderWidth = std::max(value, 1);
        if (side && *side > 0 && !r.borderPending)
            *side = r.borderWidth; // the width after the style
        return;
    }
    if (style && r.borderPending) {
        r.borders = true;
        if (side)
            *side = r.borderWidth > 0 ? r.borderWidth : kDefaultBorderTwips;
    }
    r.borderPending = false;
}

} // namespace

void Parser::rowWord(const ControlWordInfo &w, const Token &t)
{
    if (top().nestedProps) // a nested table is flattened into its cell: its rows change nothing
        return;
    RowDef &r = m_rowDef;
    const int value = std::clamp(t.param, -kMaxTwips, kMaxTwips);
    switch (w.action) {
    case Action::RowDefaults: r = RowDef(); break;
    case Action::CellRight:
        if (r.cells.size() < kMaxCells) {
            r.next.right = std::clamp(t.param, -kMaxRowWidth, kMaxRowWidth);
            r.cells.append(r.next);
        }
        r.next = CellDef();
        r.cellSide = -1;
        break;
    case Action::RowGap: r.gap = std::max(value, 0); break;
    case Action::RowLeft: r.left = value; break;
    case Action::RowPadding:
    case Action::CellPadding: r.padding = std::max(r.padding, std::max(value, 0)); break;
    case Action::CellBorder: cellBorderWord(r, w.value, value); break;
    case Action::MergeFirst: r.next.horizontal = CellDef::First; break;
    case Action::MergeNext: r.next.horizontal = CellDef::Next; break;
    case Action::VerticalMergeFirst: r.next.vertical = CellDef::First; break;
    case Action::VerticalMergeNext: r.next.vertical = CellDef::Next; break;
    case Action::NestedTableProps: top().nestedProps = true; break;
    default: break;
    }
}

// The rows of the table being read from here on: its \row words up to the first text or
// paragraph outside a table. Only a guess (a table nested in a destination may fool it);
// the builder adds rows when it was too low and removes those left over.
int Parser::rowsAhead(int limit) const
{
    Tokenizer tok(QByteArrayView(m_tok.position(), m_tok.remaining()));
    std::vector<bool> inTable{true}; // per group: \intbl in force
    int rows = 0;
    bool star = false;
    for (Token t = tok.next(); t.type != TokenType::End && rows < limit; t = tok.next()) {
        if (t.type == TokenType::GroupOpen) {
            inTable.push_back(inTable.back());
        } else if (t.type == TokenType::GroupClose) {
            inTable.pop_back();
            if (inTable.empty())
                break;
        } else if (t.type == TokenType::Text || t.type == TokenType::HexByte) {
            if (!inTable.back())
                break;
        } else if (t.type == TokenType::ControlSymbol) {
            star = t.symbol == '*';
            continue;
        } else if (t.type == TokenType::ControlWord) {
            const ControlWordInfo &w = controlWord(t.text);
            const Action a = w.action;
            if (star || w.kind == Kind::Skipped || a == Action::Picture || a == Action::FontTable) {
                tok.skipGroup(); // nothing in it is text of the table
                inTable.pop_back();
                if (inTable.empty())
                    break;
            } else if (a == Action::Row) {
                ++rows;
            } else if (a == Action::Pard) {
                inTable.back() = false;
            } else if (a == Action::InTable || a == Action::TableDepth) {
                inTable.back() = a == Action::InTable || t.param > 0;
            } else if (a == Action::Par && !inTable.back()) {
                break;
            }
        }
        star = false;
    }
    return rows;
}

void TableBuilder::moveTo(QTextCursor &cursor)
{
    cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
}

bool TableBuilder::enter(QTextCursor &cursor, const RowDef &row)
{
    if (!m_table) {
        QTextTableFormat f;
        f.setCellSpacing(0);
        f.setBorderCollapse(true);
        f.setBorder(row.borders ? 1 : 0);
        f.setCellPadding((row.padding >= 0 ? row.padding : row.gap) / kTwipsPerPixel);
        if (row.left != 0)
            f.setProperty(TableLeftProperty, row.left);
        const int columns = std::max<int>(1, int(row.cells.size()));
        m_table = cursor.insertTable(rowsAhead(columns, kCellsAtOnce), columns, f);
        m_widthRow = row;
        m_mergeStart = QList<int>(columns, -1);
        m_edges.clear();
        for (const CellDef &cell : row.cells)
            m_edges << cell.right;
        m_row = 0;
        startRow(row);
        m_widthsSet = false;
    } else if (m_rowPending) {
        if (m_row + 1 >= m_table->rows())
            m_table->appendRows(rowsAhead(m_table->columns(), kCellsAdded));
        ++m_row;
        startRow(row);
        if (m_widthRow.cells.isEmpty())
            m_widthRow = row;
    } else if (m_cellPending) {
        advance();
        m_cellPending = false;
    } else {
        return false;
    }
    moveTo(cursor);
    return true;
}

// Rows are made many at a time: Qt goes over the whole table each time rows are added. Not
// too many, though: while they are made the progress's Cancel is not asked, and Qt's rows
// added to a table cost it time growing with the square of their number.
int TableBuilder::rowsAhead(int columns, int cells) const
{
    const int limit = std::max(cells / std::max(columns, 1), 1);
    return std::clamp(m_rowsAhead ? m_rowsAhead(limit) : 1, 1, limit);
}

void TableBuilder::startRow(const RowDef &row)
{
    m_starts = columnStarts(row);
    m_cell = m_column = 0;
    m_rowPending = m_cellPending = false;
}

// Where each cell of a row starts among the table's columns. A row with fewer cells
// whose edges all fall on the first row's edges spans those columns (that is how
// merged cells are often written); any other row has one column per cell. The last
// entry is the column after the last declared cell.
QList<int> TableBuilder::columnStarts(const RowDef &row) const
{
    constexpr int kSlack = 20; // twips: rounding between rows
    QList<int> starts;
    int column = 0;
    if (row.cells.size() < m_edges.size()) {
        for (const CellDef &cell : row.cells) {
            const auto edge = std::find_if(m_edges.cbegin() + column, m_edges.cend(),
                                           [&](int e) { return std::abs(e - cell.right) <= kSlack; });
            if (edge == m_edges.cend())
                break;
            starts << column;
            column = int(edge - m_edges.cbegin()) + 1;
        }
    }
    if (starts.size() != row.cells.size() || row.cells.isEmpty()) {
        starts.clear();
        for (column = 0; column < row.cells.size(); ++column)
            starts << column;
    }
    starts << column;
    return starts;
}

void TableBuilder::advance()
{
    ++m_cell;
    const int declared = int(m_starts.size()) - 1;
    m_column = m_cell <= declared ? m_starts.at(m_cell) : m_starts.last() + m_cell - declared;
    while (m_column >= m_table->columns()) {
        m_table->appendColumns(1);
        m_mergeStart.append(-1);
    }
}

bool TableBuilder::lastCell() const
{
    return m_table && !m_rowPending && m_cell + 1 >= kMaxCells;
}

void TableBuilder::nextCell()
{
    if (m_cellPending)
        advance(); // the cell before was empty
    m_cellPending = true;
}

void TableBuilder::endRow(const RowDef &row)
{
    if (!m_widthsSet || m_widthColumns != m_table->columns()) // columns added since: widths anew
        applyWidths(row);
    applyMerges(row);
    applyBorders(row);
    m_rowPending = true;
    m_cellPending = false;
}

// At the end of the table (whole) a row that declares fewer cells than there are columns
// gives the columns after its last cell that cell's width; one that declares more gives
// its first.
void TableBuilder::applyWidths(const RowDef &row, bool whole)
{
    const int columns = m_table->columns();
    if (row.cells.size() != columns && !(whole && !row.cells.isEmpty()))
        return; // a later row may declare every column
    QList<QTextLength> widths;
    int left = row.left;
    for (const CellDef &cell : row.cells.first(std::min<qsizetype>(row.cells.size(), columns))) {
        widths << QTextLength(QTextLength::FixedLength, std::clamp(cell.right - left, 0, kMaxTwips) / kTwipsPerPixel);
        left = std::max(left, cell.right);
    }
    while (widths.size() < columns)
        widths << widths.last();
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
        const std::array<int, 4> &b = row.cells.at(i).borders;
        if (b == std::array<int, 4>{} || m_starts.at(i) >= m_table->columns())
            continue;
        QTextTableCell cell = m_table->cellAt(m_row, m_starts.at(i));
        QTextTableCellFormat f = cell.format().toTableCellFormat();
        f.setTopBorder(b[0] / kTwipsPerPixel);
        f.setLeftBorder(b[1] / kTwipsPerPixel);
        f.setBottomBorder(b[2] / kTwipsPerPixel);
        f.setRightBorder(b[3] / kTwipsPerPixel);
        f.setProperty(CellBordersProperty, true);
        cell.setFormat(f);
        if (!m_table->format().boolProperty(CellBordersProperty)) { // the other cells have none
            QTextTableFormat t = m_table->format();
            t.setProperty(CellBordersProperty, true);
            m_table->setFormat(t);
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

// Qt gives a merged cell whose first paragraph is empty the paragraph format of a cell it
// swallows; the file gave the first cell's.
void TableBuilder::merge(int row, int column, int rows, int columns)
{
    const QTextBlockFormat format = m_table->cellAt(row, column).firstCursorPosition().blockFormat();
    m_table->mergeCells(row, column, rows, columns);
    QTextCursor first = m_table->cellAt(row, column).firstCursorPosition();
    if (first.blockFormat() != format)
        first.setBlockFormat(format);
}

void TableBuilder::finish()
{
    if (m_row + 1 < m_table->rows()) // rows made ahead that the file did not fill
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
    if (!m_widthsSet)
        applyWidths(m_widthRow.cells.isEmpty() ? evenRow() : m_widthRow, true);
    markEmptyCells();
}

// The first block's character format of a cell is the cell's own format: its spans stay
// when the block gets the empty mark, or Qt would take the merged cells apart.
QTextCharFormat TableBuilder::markKeepingCell(const QTextTableCell &cell) const
{
    QTextCharFormat mark = m_emptyMark;
    for (const int span : {QTextFormat::TableCellRowSpan, QTextFormat::TableCellColumnSpan}) {
        if (cell.format().hasProperty(span))
            mark.setProperty(span, cell.format().property(span));
    }
    return mark;
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
            if (first.block().length() <= 1 && !first.block().charFormat().hasProperty(QTextFormat::FontPointSize))
                first.setBlockCharFormat(markKeepingCell(cell));
        }
    }
}

void TableBuilder::leave(QTextCursor &cursor)
{
    finish();
    for (int c = 0; c < m_mergeStart.size(); ++c)
        endVerticalMerge(c, m_row);
    cursor = m_table->lastCursorPosition();
    cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
}

} // namespace Rtf
