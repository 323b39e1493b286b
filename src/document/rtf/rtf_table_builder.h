#pragma once

#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <array>
#include <functional>
#include <vector>

class QTextCursor;
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
    std::array<int, 4> borders{}; // width in twips of the top, left, bottom and right border; 0: none
};

// The row definition that \trowd starts.
struct RowDef
{
    QList<CellDef> cells;
    CellDef next; // merge words seen before the next \cellx
    int left = 0;
    int gap = 0;
    int padding = -1; // \trpadd, \clpad; -1: from \trgaph
    bool borders = false;
    bool borderPending = false; // a border word waits for its style
    int cellSide = -1;          // the cell side the last border word named, or -1 for the row's
    int borderWidth = 0;        // \brdrw given before the style
};

// Tables inside table cells (\itap) go this deep; deeper paragraphs stay at this depth.
constexpr int kMaxTableDepth = 8;
// The row definition in force at each depth, the outermost first.
using RowDefs = std::array<RowDef, kMaxTableDepth>;

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
    // A cell ended: the next table text goes into the next cell.
    void nextCell();
    void endRow(const RowDef &row);
    // The cell ending now is the last a row may have: what follows stays in it.
    bool lastCell() const;
    // Tells how many rows the table has from the current one on (up to a limit), as far as
    // can be seen.
    void setRowsAhead(std::function<int(int)> count) { m_rowsAhead = std::move(count); }
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
    int rowsAhead(int columns, int cells) const;
    void applyMerges(const RowDef &row);
    void applyBorders(const RowDef &row);
    void endVerticalMerge(int column, int lastRow);
    void merge(int row, int column, int rows, int columns);
    struct KeptCell
    {
        int row, column;
        QTextBlockFormat first, last; // the formats of its first and last paragraphs
    };
    std::vector<KeptCell> cellsAround(int row, int column, int rows, int columns) const;
    void moveTo(QTextCursor &cursor);
    void advance();
    void startRow(const RowDef &row);
    void markEmptyCells();
    void settleBorder();
    void giveCellsTheBorder();
    QTextCharFormat markKeepingCell(const QTextTableCell &cell) const;
    QList<int> columnStarts(const RowDef &row) const;

    QTextTable *m_table = nullptr;
    int m_row = 0;
    int m_column = 0;
    int m_cell = 0;        // index of the cell in its row
    QList<int> m_starts;   // first column of each cell of the row, as columnStarts gives it
    QList<int> m_edges;    // right edges of the first row's cells
    RowDef m_widthRow; // the first row that gave its cells' edges
    std::function<int(int)> m_rowsAhead;
    bool m_rowPending = false;
    bool m_cellPending = false;
    bool m_widthsSet = false;
    bool m_formatPending = false; // the table was made before its first row was defined
    int m_widthColumns = 0; // the number of columns the widths were set for
    QList<int> m_mergeStart; // per column: first row of an open vertical merge, or -1
    QTextCharFormat m_emptyMark;
};

} // namespace Rtf
