#include "document/rtf/rtf_document_builder.h"

#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTextTable>

namespace Rtf {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr char16_t kLineSeparator = 0x2028;

bool needsCare(char16_t c)
{
    return (c < 0x20 && c != '\t') || QChar::isSurrogate(c) || c == 0x2029 || c == 0xFDD0
        || c == 0xFDD1 || c == 0xFFFC;
}

// A paragraph mark is no link's text: a link that starts at an empty paragraph is nowhere.
CharProps markProps(CharProps props)
{
    props.link = -1;
    return props;
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument &doc, const DocumentTables &tables, RowDefs &rows)
    : m_tables(tables)
    , m_rows(rows)
    , m_cursor(&doc)
{
    m_cursor.beginEditBlock();
}

void DocumentBuilder::sanitize(QString &text)
{
    const auto bad = std::find_if(text.cbegin(), text.cend(),
                                  [](QChar c) { return needsCare(c.unicode()); });
    if (bad == text.cend())
        return;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            out.append(text.at(i)).append(text.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            out.append(QChar(kReplacement));
        } else if (c == 0x0B || c == 0x2029) {
            out.append(QChar(kLineSeparator));
        } else if (!needsCare(c)) {
            out.append(QChar(c));
        }
    }
    text = out;
}

const QTextCharFormat &DocumentBuilder::format(const CharProps &props)
{
    auto it = m_formats.find(props);
    if (it == m_formats.end())
        it = m_formats.insert(props, m_tables.charFormat(props));
    return *it;
}

void DocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    sanitize(m_run);
    m_cursor.insertText(m_run, format(m_runProps));
    m_run.resize(0);
}

void DocumentBuilder::openPendingBlock(const CharProps &next)
{
    if (!m_blockPending)
        return;
    flushRun();
    const CharProps props = markProps(next);
    m_cursor.insertBlock(QTextBlockFormat(), format(props));
    m_openedBlock = m_cursor.position();
    m_blockProps = props;
    m_blockPending = false;
    m_blockEmpty = true;
    m_labelStart = -1;
}

void DocumentBuilder::place(const ParaProps &para)
{
    const int depth = tableDepth(para);
    if (depth == 0 && m_open.empty())
        return;
    flushRun();
    bool moved = false;
    while (int(m_open.size()) > depth) {
        if (m_open.size() == 1)
            startSectionAtTable();
        leaveInnermost();
        moved = true;
    }
    QTextDocumentFragment begun; // \intbl is the paragraph's, though it came after its first text
    if (depth > int(m_open.size()) && !m_blockPending && !m_blockEmpty && !m_cellEnded)
        begun = takeParagraph();
    for (int d = 1; d <= depth; ++d)
        moved = enterDepth(d) || moved;
    if (!begun.isEmpty())
        m_cursor.insertFragment(begun);
    if (!moved)
        return;
    // the text of a cell merged into the one before is a paragraph of its own there
    m_cellJoined = depth > 0 && m_open.back().joinsCellBefore();
    m_blockPending = m_cellJoined;
    m_blockProps.reset(); // a block Qt made: its character format is not the last one set
    if (begun.isEmpty())
        m_textPara.reset(); // the paragraph moved into the cell keeps the format its text began with
    m_blockEmpty = begun.isEmpty();
    m_cellEnded = false;
    m_pendingTabs = 0;
    m_labelStart = -1;
}

// Takes the text of the paragraph so far out of the document, and the paragraph's block
// with it when it was opened for it.
QTextDocumentFragment DocumentBuilder::takeParagraph()
{
    QTextCursor text(m_cursor);
    text.setPosition(m_cursor.block().position(), QTextCursor::KeepAnchor);
    const QTextDocumentFragment taken = text.selection();
    text.removeSelectedText();
    if (m_cursor.position() == m_openedBlock && m_cursor.block().length() <= 1)
        m_cursor.deletePreviousChar();
    return taken;
}

// Puts the cursor into the cell of the table at depth the next text belongs to, opening
// the table where the cursor is when there is none.
bool DocumentBuilder::enterDepth(int depth)
{
    if (int(m_open.size()) < depth) {
        m_open.emplace_back();
        m_open.back().setEmptyMark(format(CharProps{}));
        if (depth == 1)
            m_open.back().setRowsAhead(m_rowsAhead);
        else if (depth == 2)
            m_open.back().setNestedRowsAhead(m_nestedRowsAhead);
    }
    return m_open[size_t(depth - 1)].enter(m_cursor, m_rows[size_t(depth - 1)]);
}

void DocumentBuilder::leaveInnermost()
{
    m_open.back().leave(m_cursor);
    m_open.pop_back();
    if (!m_open.empty()) // a nested table's rows say what they are at their end
        m_rows[m_open.size()] = RowDef();
}

void DocumentBuilder::beginText(const CharProps &props, const ParaProps &para)
{
    place(para);
    openPendingBlock(props);
    m_cellJoined = false;
    if (!(props == m_runProps)) {
        flushRun();
        m_runProps = props;
    }
    if (m_pendingTabs > 0) {
        m_run.append(QString(m_pendingTabs, u'\t'));
        m_pendingTabs = 0;
    }
    if (m_inLabel && m_labelStart < 0) {
        flushRun();
        m_labelStart = m_cursor.position();
    }
    m_blockEmpty = false;
    if (!m_inLabel && !m_textPara)
        m_textPara = para;
}

void DocumentBuilder::appendText(QStringView text, const CharProps &props, const ParaProps &para)
{
    if (text.isEmpty())
        return;
    beginText(props, para);
    m_run.append(text);
}

void DocumentBuilder::appendChar(char16_t ch, const CharProps &props, const ParaProps &para)
{
    beginText(props, para);
    m_run.append(QChar(ch));
}

void DocumentBuilder::appendImage(const QTextImageFormat &image, const CharProps &props, const ParaProps &para)
{
    beginText(props, para);
    flushRun();
    m_cursor.insertImage(image);
}

// The label starts with its first character: its group may set its own paragraph
// (\pard, \intbl), which decides whether the label opens a table cell or follows one.
void DocumentBuilder::beginLabel()
{
    m_inLabel = true;
    m_labelStart = -1;
}

void DocumentBuilder::endLabel()
{
    flushRun();
    m_inLabel = false;
    m_labelEnd = m_cursor.position();
}

void DocumentBuilder::setBlockFormat(const ParaProps &para)
{
    if (m_lastPara != para) {
        m_lastBlockFormat = DocumentTables::blockFormat(para);
        m_lastPara = para;
    }
    const bool section = m_sectionStart && sectionCanStartHere();
    if (!m_pageBreak && !section) {
        if (!m_lastBlockFormat.properties().isEmpty())
            m_cursor.setBlockFormat(m_lastBlockFormat);
        return;
    }
    QTextBlockFormat f = m_lastBlockFormat;
    if (section)
        startSection(f);
    if (m_pageBreak)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_cursor.setBlockFormat(f);
    m_pageBreak = false;
}

void DocumentBuilder::startSection(QTextBlockFormat &f)
{
    f.setProperty(SectionBreakProperty, QString::fromLatin1(m_sectionKind));
    if (m_sectionKind != "sbknone" && m_sectionKind != "sbkcol")
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_sectionStart = false;
}

// A section starts outside tables or at the first paragraph of a table, as it is written.
bool DocumentBuilder::sectionCanStartHere() const
{
    return m_open.empty() || m_cursor.block().position() == m_open.front().table()->firstPosition();
}

// A section that came before a table but not at a paragraph of its own starts with the
// table, as the table ends: that is where it can be written. One that came inside the
// table cannot be written anywhere.
void DocumentBuilder::startSectionAtTable()
{
    if (!m_sectionStart || m_open.empty())
        return;
    if (m_sectionInTable) {
        m_sectionStart = false;
        return;
    }
    QTextCursor first(m_cursor.document());
    first.setPosition(m_open.front().table()->firstPosition());
    QTextBlockFormat f = first.blockFormat();
    startSection(f);
    first.setBlockFormat(f);
}

ParaProps DocumentBuilder::shownPara(const ParaProps &atEnd)
{
    if (!m_textPara)
        return atEnd;
    ParaProps para = *std::exchange(m_textPara, std::nullopt);
    para.tableDepth = atEnd.tableDepth;
    return para;
}

// Two paragraphs of one style next to each other: one with \contextualspace loses its
// space on that side.
void DocumentBuilder::joinContextualSpace(const ParaProps &para)
{
    const QTextBlock block = m_cursor.block();
    const QTextBlock previous = block.previous();
    const QTextTable *table = m_open.empty() ? nullptr : m_open.back().table();
    const bool joined = previous.isValid() && previous.position() == m_spacedPosition && m_spacedPara.style == para.style
        && (!table || table->cellAt(previous.position()) == table->cellAt(block.position()));
    if (joined && m_spacedPara.contextualSpace) {
        QTextCursor before(previous);
        QTextBlockFormat f = before.blockFormat();
        f.clearProperty(QTextFormat::BlockBottomMargin);
        before.setBlockFormat(f);
    }
    if (joined && para.contextualSpace) {
        QTextBlockFormat f = m_cursor.blockFormat();
        f.clearProperty(QTextFormat::BlockTopMargin);
        m_cursor.setBlockFormat(f);
    }
    m_spacedPara = para;
    m_spacedPosition = block.position();
}

void DocumentBuilder::closeBlock(const ParaProps &atEnd, const CharProps &end)
{
    const CharProps mark = markProps(end);
    place(atEnd);
    openPendingBlock(mark);
    flushRun();
    const ParaProps para = shownPara(atEnd);
    setBlockFormat(para);
    joinContextualSpace(para);
    applyList(para);
    // an empty paragraph (a list label taken out, text that was only control characters
    // included) keeps the font of its mark
    if ((m_blockEmpty || m_cursor.block().length() <= 1) && m_blockProps != mark) {
        m_cursor.setBlockCharFormat(format(mark));
        m_blockProps = mark;
    }
}

void DocumentBuilder::endParagraph(const ParaProps &para, const CharProps &mark)
{
    closeBlock(para, mark);
    m_cellJoined = false;
    m_pendingTabs = 0;
    m_blockPending = true;
}

void DocumentBuilder::cellBreak(const ParaProps &para, const CharProps &mark, int depth)
{
    if (tableDepth(para) != depth) { // outside a table, or not at that depth
        ++m_pendingTabs;
        return;
    }
    place(para);
    if (!m_cellJoined) // an empty cell merged into the one before leaves no paragraph there
        closeBlock(para, mark);
    TableBuilder &table = m_open[size_t(depth - 1)];
    if (table.lastCell()) {
        ++m_pendingTabs; // Word's limit of cells in a row: the rest share the last
        return;
    }
    table.nextCell();
    m_pendingTabs = 0;
    m_cellEnded = true; // the cursor stays in the cell until text for the next one comes
}

void DocumentBuilder::endRow(const ParaProps &para, const CharProps &mark, int depth)
{
    m_pendingTabs = 0; // tabs after the last cell would only pad the line
    if (int(m_open.size()) < depth)
        return endParagraph(para, mark);
    flushRun();
    while (int(m_open.size()) > depth) // a nested table the row ends with it
        leaveInnermost();
    m_open.back().endRow(m_rows[size_t(depth - 1)]);
}

void DocumentBuilder::pageBreak(const ParaProps &para, const CharProps &mark)
{
    if (!m_blockPending && !m_blockEmpty)
        endParagraph(para, mark);
    m_pageBreak = true;
}

void DocumentBuilder::tablesChanged()
{
    flushRun();
    m_formats.clear();
}

void DocumentBuilder::finish(const ParaProps &para, bool stopped)
{
    if (m_finished)
        return;
    m_finished = true;
    if (!m_blockPending && !m_cellEnded) {
        flushRun();
        const ParaProps shown = shownPara(para);
        setBlockFormat(shown);
        applyList(shown);
    }
    startSectionAtTable();
    if (!stopped) { // tidying a table up costs time a stop should not wait for
        for (auto table = m_open.rbegin(); table != m_open.rend(); ++table)
            table->finish();
    }
    m_cursor.endEditBlock();
    if (!stopped) // Qt lists the tables inside tables once the edit ends
        fitNestedTables(m_cursor.document()->rootFrame());
}

} // namespace Rtf
