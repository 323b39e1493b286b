// Writing paragraphs and tables: the root frame's blocks in order, tables as RTF rows
// with their widths, padding, borders and merged cells, and tables inside cells as Word
// writes them (\itap, \nestcell, \nestrow with its row in \nesttableprops).

#include "document/rtf/rtf_control_words.h"
#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_writer.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <functional>

namespace Rtf {

void writeParagraphFormat(TextEscaper &esc, const QTextBlockFormat &f, double listIndent);

namespace {

constexpr int kTextWidth = 9360; // 6.5 inches: a letter page inside one-inch margins

// A table never reaches past the paper's right edge: wider ones are narrowed evenly.
QList<int> fitToPage(QList<int> edges, const PageGeometry &page, int tableLeft)
{
    return fitEdges(std::move(edges), std::max(page.width - page.left - tableLeft, page.textWidth()));
}

void writeCellBorders(TextEscaper &esc, const QTextTableCellFormat &f)
{
    const double widths[] = {f.topBorder(), f.leftBorder(), f.bottomBorder(), f.rightBorder()};
    const char *sides[] = {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"};
    const int styles = f.intProperty(CellBorderStylesProperty);
    for (int s = 0; s < 4; ++s) {
        if (widths[s] > 0)
            esc.word(sides[s]), esc.word(borderStyleWord((styles >> (8 * s)) & 0xFF)),
                esc.word("brdrw", int(std::lround(widths[s] * kTwipsPerPixel)));
    }
}

// An empty paragraph the reader gave no formatting; the author's have their mark's font.
bool isEmptyBlock(const QTextBlock &b)
{
    if (!b.isValid() || b.length() > 1 || b.textList() || !b.blockFormat().properties().isEmpty())
        return false;
    const auto props = b.charFormat().properties();
    return std::all_of(props.keyBegin(), props.keyEnd(), [](int key) { // a cell's first block carries the cell's format
        return key == QTextFormat::ObjectIndex || key == QTextFormat::ObjectType || isCellProperty(key);
    });
}

// The height the file gave a row, held by the cells it starts.
int rowHeight(const QTextTable *table, int row)
{
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        if (cell.row() == row)
            return cell.format().intProperty(RowHeightProperty);
    }
    return 0;
}

// Cells merged across in a row after the first are written as one wide cell, as Word
// writes them (LibreOffice misplaces a table opening a \clmgf cell); the first row
// gives the reader the table's columns, which it can tell apart only by edges farther
// apart than the rounding it allows between rows.
// Not in nested tables: their rows are defined after their cells, placed by then.
bool writtenWide(const QTextTableCell &cell, int row, int depth, const QList<int> &edges)
{
    return depth == 1 && row > 0 && cell.row() == row && !edges.isEmpty() && edges.first() > 0
        && std::adjacent_find(edges.cbegin(), edges.cend(), [](int a, int b) { return b - a <= kEdgeSlack; }) == edges.cend();
}

} // namespace

QList<int> columnEdges(const QList<QTextLength> &widths, int columns)
{
    QList<int> edges;
    double right = 0;
    for (int c = 0; c < columns; ++c) {
        const QTextLength w = widths.value(c);
        if (w.type() == QTextLength::FixedLength)
            right += w.rawValue() * kTwipsPerPixel;
        else if (w.type() == QTextLength::PercentageLength)
            right += kTextWidth * w.rawValue() / 100.0;
        else
            right += double(kTextWidth) / columns;
        edges << int(std::lround(right));
    }
    return edges;
}

QList<int> fitEdges(QList<int> edges, int room)
{
    if (edges.isEmpty() || edges.last() <= room || room <= 0)
        return edges;
    const double scale = double(room) / edges.last();
    for (int &edge : edges)
        edge = int(std::floor(edge * scale));
    return edges;
}

int cellWidth(const QTextTableCell &cell, const QList<int> &edges)
{
    const int first = cell.column(), last = first + cell.columnSpan() - 1;
    if (first < 0 || last >= edges.size())
        return 0;
    return edges.at(last) - (first > 0 ? edges.at(first - 1) : 0);
}

void Writer::writeFrame(const QTextFrame *frame, int tableDepth)
{
    bool afterTable = false;
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame *child = it.currentFrame()) {
            if (const auto *table = qobject_cast<const QTextTable *>(child))
                writeTable(table, tableDepth);
            else
                writeFrame(child, tableDepth);
            afterTable = true;
            continue;
        }
        const QTextBlock block = it.currentBlock();
        auto next = it;
        ++next;
        // Qt keeps a paragraph before a table that opens the document and after one
        // that ends it; they are not the author's.
        const bool opening = it == frame->begin() && !next.atEnd() && next.currentFrame();
        const bool closing = afterTable && next.atEnd();
        afterTable = false;
        if (frame == m_doc.rootFrame() && (opening || closing) && isEmptyBlock(block))
            continue;
        // a section may start with a table: its first cell's paragraph holds the break
        const QTextBlockFormat after = next.atEnd() ? QTextBlockFormat()
                                     : next.currentFrame() ? m_doc.findBlock(next.currentFrame()->firstPosition()).blockFormat()
                                                           : next.currentBlock().blockFormat();
        const bool endsSection = tableDepth == 0 && after.hasProperty(SectionBreakProperty);
        writeBlock(block, tableDepth, endsSection ? "sect" : "par");
        if (endsSection)
            writeSectionStart(after.stringProperty(SectionBreakProperty));
        m_sectionStarted = endsSection;
    }
}

void Writer::writeBlock(const QTextBlock &block, int tableDepth, const char *end)
{
    m_esc.word("pard");
    if (tableDepth > 0)
        m_esc.word("intbl");
    if (tableDepth > 1)
        m_esc.word("itap", tableDepth);
    QTextBlockFormat f = block.blockFormat();
    if (m_sectionStarted && f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
        const QString kind = f.stringProperty(SectionBreakProperty);
        if (kind != QLatin1String("sbknone") && kind != QLatin1String("sbkcol")) // \sect breaks the page
            f.setPageBreakPolicy(f.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    }
    m_sectionStarted = false;
    QTextList *list = block.textList();
    writeParagraphFormat(m_esc, f, list ? list->format().indent() * m_doc.indentWidth() : 0.0);
    if (m_pageBreakNext == block && !(f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
        m_esc.word("pagebb");
    if (f.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter)
        m_pageBreakNext = block.next();
    if (list)
        writeListParagraph(block, list);
    writeText(block);
    m_esc.word(end);
    m_esc.raw("\n");
}

void Writer::writeRowDefinition(const QTextTable *table, int row, int depth)
{
    const QTextTableFormat tf = table->format();
    const int padding = int(std::lround(tf.cellPadding() * kTwipsPerPixel));
    m_esc.word("trowd");
    m_esc.word("trgaph", padding);
    const int left = tf.intProperty(TableLeftProperty);
    m_esc.word("trleft", left);
    if (const int height = rowHeight(table, row); height != 0)
        m_esc.word("trrh", height);
    m_esc.word("trpaddl", padding), m_esc.word("trpaddr", padding);
    m_esc.word("trpaddfl", 3), m_esc.word("trpaddfr", 3);
    const QList<int> edges = tableEdges(table);
    for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(row, c);
        const bool wide = writtenWide(cell, row, depth, edges) && cell.columnSpan() > 1;
        if (writtenWide(cell, row, depth, edges) && cell.column() != c)
            continue; // inside the wide cell before
        if (cell.row() != row)
            m_esc.word("clvmrg");
        else if (cell.rowSpan() > 1)
            m_esc.word("clvmgf");
        if (cell.column() != c)
            m_esc.word("clmrg");
        else if (cell.columnSpan() > 1 && !wide)
            m_esc.word("clmgf");
        const QTextTableCellFormat cf = cell.format().toTableCellFormat();
        if (const int align = cf.intProperty(CellAlignProperty); align == 1 || align == 2)
            m_esc.word(align == 1 ? "clvertalc" : "clvertalb");
        if (tf.boolProperty(CellBordersProperty)) { // each cell its own sides, or none
            if (cell.row() == row && cell.column() == c && cf.boolProperty(CellBordersProperty))
                writeCellBorders(m_esc, cf);
        } else if (tf.border() > 0) {
            for (const char *side : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"}) {
                m_esc.word(side);
                m_esc.word("brdrs");
                m_esc.word("brdrw", std::max(1, int(std::lround(tf.border() * kTwipsPerPixel))));
            }
        }
        m_esc.word("cellx", left + edges.at(wide ? c + cell.columnSpan() - 1 : c));
    }
    m_esc.raw("\n");
}

// A table in a cell is no wider than the cell is written.
QList<int> Writer::tableEdges(const QTextTable *table) const
{
    const QTextTableFormat f = table->format();
    QList<int> edges = fitToPage(columnEdges(f.columnWidthConstraints(), table->columns()), pageGeometry(m_setup),
                                 f.intProperty(TableLeftProperty));
    if (const auto *outer = qobject_cast<const QTextTable *>(table->parentFrame()))
        edges = fitEdges(std::move(edges), cellWidth(outer->cellAt(table->firstPosition()), tableEdges(outer)));
    return edges;
}

// A table in the frame at tableDepth: its cells are one deeper.
void Writer::writeTable(const QTextTable *table, int tableDepth)
{
    const int depth = tableDepth + 1;
    const QList<int> edges = tableEdges(table);
    for (int r = 0; r < table->rows(); ++r) {
        if (depth == 1)
            writeRowDefinition(table, r, depth);
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (writtenWide(cell, r, depth, edges) && cell.column() != c)
                continue;
            if (cell.row() != r || cell.column() != c) { // covered by a merged cell
                m_esc.word("pard"), m_esc.word("intbl");
                if (depth > 1)
                    m_esc.word("itap", depth);
                m_esc.word(depth == 1 ? "cell" : "nestcell");
                m_esc.raw("\n");
                continue;
            }
            writeCell(cell, depth);
        }
        if (depth == 1) {
            m_esc.word("row");
        } else { // Word's form: the row's definition after its cells
            m_esc.raw("{\\*");
            m_esc.word("nesttableprops");
            writeRowDefinition(table, r, depth);
            m_esc.word("nestrow");
            m_esc.raw("}{\\nonesttables");
            m_esc.word("par");
            m_esc.raw("}");
        }
        m_esc.raw("\n");
    }
}

// A cell's paragraphs and tables; its last paragraph ends the cell. Qt keeps an empty
// paragraph before a table that opens a cell; it is not the author's.
void Writer::writeCell(const QTextTableCell &cell, int depth)
{
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (const auto *table = qobject_cast<const QTextTable *>(it.currentFrame())) {
            writeTable(table, depth);
            continue;
        }
        if (const QTextFrame *frame = it.currentFrame()) {
            writeFrame(frame, depth);
            continue;
        }
        auto next = it;
        ++next;
        if (it == cell.begin() && !next.atEnd() && next.currentFrame() && isEmptyBlock(it.currentBlock()))
            continue;
        writeBlock(it.currentBlock(), depth, !next.atEnd() ? "par" : depth == 1 ? "cell" : "nestcell");
    }
}

} // namespace Rtf
