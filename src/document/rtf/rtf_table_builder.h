#pragma once

#include "document/reading/document_limits.h"
#include "document/rtf/rtf_format.h"

#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <array>
#include <functional>
#include <vector>

class QTextCursor;
class QTextFrame;
class QTextTable;
class QTextTableCell;
class QTextTableFormat;

namespace Rtf {

// A cell of a table row as \cellx and the merge words before it describe it.
struct CellDef
{
    enum Merge : unsigned char { None, First, Next };
    int right = 0; // twips from the row's left edge
    Merge horizontal = None;
    Merge vertical = None;
    unsigned char align = 0; // \clvertalt, \clvertalc, \clvertalb
    std::array<int, 4> borders{}; // width in twips of the top, left, bottom and right border; 0: none
    std::array<unsigned char, 4> styles{}; // their styles (borderStyleWord), 0: \brdrs
};

// The row definition that \trowd starts.
struct RowDef
{
    QList<CellDef> cells;
    CellDef next; // merge words seen before the next \cellx
    int left = 0;
    int gap = 0;
    int height = 0; // \trrh: > 0 at least, < 0 exactly, 0 as the text needs
    int padding = -1; // \trpadd, \clpad; -1: from \trgaph
    bool borders = false;
    bool borderPending = false; // a border word waits for its style
    int cellSide = -1;          // the cell side the last border word named, or -1 for the row's
    int borderWidth = 0;        // \brdrw given before the style
};

// Tables inside table cells (\itap) go this deep; deeper paragraphs stay at this depth.
constexpr int kMaxTableDepth = 8;
// A cell is at most as wide as the largest page; its right edge adds up the cells before it.
constexpr int kMaxRowWidth = RtfLimits::kMaxCells * RtfLimits::kMaxTwips;
// The row definition in force at each depth, the outermost first.
using RowDefs = std::array<RowDef, kMaxTableDepth>;

// Narrows each table inside a table cell to its cell where wider, keeping its proportions.
void fitNestedTables(const QTextFrame *frame);

// Builds QTextTables at a cursor from RTF rows: the cursor is moved into the cell
// the next text belongs to. Rows and columns grow as cells arrive, so that no text
// of a row with more cells than it declares is lost.
class TableBuilder
{
public:
    bool active() const { return m_table; }
    QTextTable *table() const { return m_table; }
    bool hasRowsAhead() const { return bool(m_rowsAhead); }
    // Puts the cursor where a table paragraph's text goes, opening the table, its next
    // row or its next cell; false when the cursor is already there.
    bool enter(QTextCursor &cursor, const RowDef &row);
    // The cursor went on to a cell without a column of its own: to the end of the cell before.
    bool joinsCellBefore() const { return m_joined; }
    // A cell ended: the next table text goes into the next cell.
    void nextCell();
    void endRow(const RowDef &row);
    // The cell ending now is the last a row may have: what follows stays in it.
    bool lastCell() const;
    // Tells how many rows the table has from the current one on (up to a limit), as far as
    // can be seen, and the right edges of each row's cells, as in force at its end, when
    // given a list (an empty list: the row before's).
    void setRowsAhead(std::function<int(int, QList<QList<int>> *)> count) { m_rowsAhead = std::move(count); }
    // For a table in a cell, whose rows are defined after their cells: each row's edges, read ahead.
    void setNestedRowsAhead(std::function<QList<QList<int>>()> rows) { m_nestedRowsAhead = std::move(rows); }
    // The font of a cell the file left out (the file's default font).
    void setEmptyMark(const QTextCharFormat &mark) { m_emptyMark = mark; }
    // The file ends in the table.
    void finish();
    // Leaves the table: the cursor goes to the block after it.
    void leave(QTextCursor &cursor);

private:
    static void setRowFormat(QTextTableFormat &f, const RowDef &row);
    void applyWidths(const RowDef &row, bool whole = false);
    RowDef evenRow() const;
    int rowsAhead(int columns, int cells, QList<QList<int>> *edges = nullptr) const;
    QList<int> columnsOfRows(const RowDef &first, QList<int> edges) const;
    void applyMerges(const RowDef &row);
    void applyBorders(const RowDef &row);
    void applyAlign(int align, int i);
    void applyHeight(const RowDef &row);
    void settleHeights();
    void endVerticalMerge(int column, int lastRow);
    void merge(int row, int column, int rows, int columns);
    struct KeptCell
    {
        int row, column;
        QTextBlockFormat first, last; // the formats of its first and last paragraphs
    };
    std::vector<KeptCell> cellsAround(int row, int column, int rows, int columns) const;
    std::vector<QTextBlockFormat> formatsOfMerged(int row, int column, int rows, int columns) const;
    void moveTo(QTextCursor &cursor);
    void advance();
    void startRow(const RowDef &row);
    static RowDef edgesRow(const QList<int> &edges);
    static QList<int> edgesOf(const RowDef &row);
    void markEmptyCells();
    void settleBorder();
    void giveCellsTheBorder();
    QTextCharFormat markKeepingCell(const QTextTableCell &cell) const;
    QList<int> columnStarts(const QList<int> &rights) const;

    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    int m_cell = 0;        // index of the cell in its row
    QList<int> m_starts;   // first column of each cell of the row, as columnStarts gives it
    QList<int> m_edges;    // right edges of the first row's cells
    RowDef m_widthRow; // the first row that gave its cells' edges
    std::function<int(int, QList<QList<int>> *)> m_rowsAhead;
    std::function<QList<QList<int>>()> m_nestedRowsAhead;
    QList<QList<int>> m_rowEdges; // each row's cells' right edges, read ahead
    bool m_rowPending = false;
    bool m_cellPending = false;
    bool m_joined = false;
    bool m_widthsSet = false;
    bool m_heightsGiven = false; // a row gave its height
    bool m_formatPending = false; // the table was made before its first row was defined
    int m_widthColumns = 0; // the number of columns the widths were set for
    QList<int> m_mergeStart; // per column: first row of an open vertical merge, or -1
    QTextCharFormat m_emptyMark;
};

} // namespace Rtf
