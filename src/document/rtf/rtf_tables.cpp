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
        if (side) // the row has a border once a cell with one is defined
            *side = r.borderWidth > 0 ? r.borderWidth : kDefaultBorderTwips;
        else
            r.borders = true;
    }
    r.borderPending = false;
}

} // namespace

int tableDepth(const ParaProps &props)
{
    return std::min(props.tableDepth, kMaxTableDepth);
}

void Parser::rowWord(const ControlWordInfo &w, const Token &t)
{
    // a nested table's row is defined after its cells, for the depth its paragraphs were at
    RowDef &r = m_rowDefs[size_t(top().nestedProps ? std::max(tableDepth(top().para), 2) - 1 : 0)];
    const int value = std::clamp(t.param, -kMaxTwips, kMaxTwips);
    if (w.action == Action::CellBorder) { // a paragraph's border words, or a row's and cells'
        ParaProps &p = top().para;
        if (w.value == 0 || w.value >= kCellSide)
            p.borderOpen = false;
        else if (p.borderOpen)
            addBorderWord(p, t);
    }
    switch (w.action) {
    case Action::RowDefaults: r = RowDef(); break;
    case Action::CellRight:
        if (r.cells.size() < kMaxCells) {
            r.next.right = std::clamp(t.param, -kMaxRowWidth, kMaxRowWidth);
            r.borders = r.borders || r.next.borders != std::array<int, 4>{};
            r.cells.append(r.next);
        }
        r.next = CellDef();
        r.cellSide = -1;
        break;
    case Action::RowGap: r.gap = std::max(value, 0); break;
    case Action::RowLeft: r.left = value; break;
    case Action::RowHeight: r.height = value; break;
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
        setRowFormat(f, row);
        m_formatPending = row.cells.isEmpty(); // a nested table's rows are defined at their end
        const int rows = rowsAhead(std::max<int>(1, int(row.cells.size())), kCellsAtOnce, m_formatPending ? nullptr : &m_rowEdges);
        if (m_formatPending && m_nestedRowsAhead)
            m_rowEdges = m_nestedRowsAhead();
        for (qsizetype r = 0; r < m_rowEdges.size(); ++r) { // no \trowd: the row before's cells
            if (m_rowEdges.at(r).isEmpty())
                m_rowEdges[r] = r > 0 ? m_rowEdges.at(r - 1) : edgesOf(row);
        }
        RowDef first = m_rowEdges.isEmpty() ? row : edgesRow(m_rowEdges.first());
        first.left = row.left;
        QList<int> edges;
        for (qsizetype r = 1; r < m_rowEdges.size(); ++r)
            edges += m_rowEdges.at(r);
        m_edges = columnsOfRows(first, edges);
        const int columns = std::max<int>(1, int(m_edges.size()));
        m_table = cursor.insertTable(rows, columns, f);
        m_widthRow = row;
        if (m_edges.size() > row.cells.size() && m_edges.size() > 1) { // the columns every row's edges fall on
            m_widthRow.cells.clear();
            for (const int edge : std::as_const(m_edges))
                m_widthRow.cells.append(CellDef{edge});
        }
        m_mergeStart = QList<int>(columns, -1);
        m_row = 0;
        startRow(row);
        m_widthsSet = false;
        if (m_edges.size() > row.cells.size() && m_edges.size() > 1 && !m_formatPending)
            applyWidths(m_widthRow); // a nested table's left edge comes with its first row's end
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
int TableBuilder::rowsAhead(int columns, int cells, QList<QList<int>> *edges) const
{
    const int limit = std::max(cells / std::max(columns, 1), 1);
    return std::clamp(m_rowsAhead ? m_rowsAhead(limit, edges) : 1, 1, limit);
}

// The table's columns: one between each two edges any of its rows gives (edges closer than
// the rounding between rows are one), so that a row with fewer, wider cells spans
// columns. The first row's own edges when its cells are out of order or there would be
// more columns than a row may have.
QList<int> TableBuilder::columnsOfRows(const RowDef &first, QList<int> edges) const
{
    constexpr int kSlack = kEdgeSlack; // as columnStarts allows
    const QList<int> own = edgesOf(first);
    if (edges.isEmpty() || !std::is_sorted(own.cbegin(), own.cend()))
        return own;
    edges += own;
    std::sort(edges.begin(), edges.end());
    QList<int> columns;
    for (const int edge : std::as_const(edges)) {
        if (edge > first.left && (columns.isEmpty() || edge - columns.last() > kSlack))
            columns << edge;
    }
    const bool ownFallOnThem = std::all_of(own.cbegin(), own.cend(), [&](int e) {
        return std::any_of(columns.cbegin(), columns.cend(), [&](int c) { return std::abs(c - e) <= kSlack; });
    });
    return columns.size() > kMaxCells || !ownFallOnThem ? own : columns;
}

QList<int> TableBuilder::edgesOf(const RowDef &row)
{
    QList<int> edges;
    for (const CellDef &cell : row.cells)
        edges << cell.right;
    return edges;
}

RowDef TableBuilder::edgesRow(const QList<int> &edges)
{
    RowDef row;
    for (const int edge : edges)
        row.cells.append(CellDef{edge});
    return row;
}

void TableBuilder::startRow(const RowDef &row)
{
    m_starts = columnStarts(m_row < m_rowEdges.size() ? m_rowEdges.at(m_row) : edgesOf(row));
    m_cell = m_column = 0;
    m_rowPending = m_cellPending = false;
}

// Where each cell of a row starts among the table's columns. A row with fewer cells
// whose edges all fall on the first row's edges spans those columns (that is how
// merged cells are often written); any other row has one column per cell. The last
// entry is the column after the last declared cell.
QList<int> TableBuilder::columnStarts(const QList<int> &rights) const
{
    constexpr int kSlack = kEdgeSlack; // rounding between rows
    QList<int> starts;
    int column = 0;
    if (rights.size() < m_edges.size()) {
        for (const int right : rights) {
            const auto edge = std::find_if(m_edges.cbegin() + column, m_edges.cend(),
                                           [&](int e) { return std::abs(e - right) <= kSlack; });
            if (edge == m_edges.cend())
                break;
            starts << column;
            column = int(edge - m_edges.cbegin()) + 1;
        }
    }
    if (starts.size() != rights.size() || rights.isEmpty()) {
        starts.clear();
        for (column = 0; column < rights.size(); ++column)
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

// What a table takes from its first row: borders, padding and its left edge.
void TableBuilder::setRowFormat(QTextTableFormat &f, const RowDef &row)
{
    f.setBorder(row.borders ? 1 : 0);
    f.setCellPadding((row.padding >= 0 ? row.padding : row.gap) / kTwipsPerPixel);
    if (row.left != 0)
        f.setProperty(TableLeftProperty, row.left);
    else
        f.clearProperty(TableLeftProperty);
}

void TableBuilder::endRow(const RowDef &row)
{
    if (m_formatPending && !row.cells.isEmpty()) {
        QTextTableFormat f = m_table->format();
        setRowFormat(f, row);
        m_table->setFormat(f);
        m_formatPending = false;
        for (const CellDef &cell : row.cells) {
            if (m_rowEdges.isEmpty()) // else the edges read ahead are the columns
                m_edges << cell.right;
        }
        if (!m_rowEdges.isEmpty() && m_widthRow.cells.size() == m_table->columns()) {
            m_widthRow.left = row.left;
            applyWidths(m_widthRow);
        }
    }
    if (m_starts.size() <= 1 && !row.cells.isEmpty()) // the row was defined at its end
        m_starts = columnStarts(edgesOf(row));
    if (!m_widthsSet || m_widthColumns != m_table->columns()) // columns added since: widths anew
        applyWidths(row);
    applyMerges(row);
    applyBorders(row);
    applyHeight(row);
    m_rowPending = true;
    m_cellPending = false;
}

} // namespace Rtf
