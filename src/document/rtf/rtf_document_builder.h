#pragma once

#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_table_builder.h"

#include <QPointer>
#include <QTextList>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include <optional>
#include <unordered_map>
#include <vector>

class QTextDocument;
class QTextImageFormat;
class QTextList;

namespace Rtf {

// Puts the text of an RTF document into a QTextDocument in merged runs: text with
// equal formatting is collected and inserted at once, paragraphs are opened lazily
// so that the paragraph mark ending the file adds no empty paragraph.
class DocumentBuilder
{
public:
    DocumentBuilder(QTextDocument &doc, const DocumentTables &tables, RowDefs &rows);
    DocumentBuilder(const DocumentBuilder &) = delete;
    DocumentBuilder &operator=(const DocumentBuilder &) = delete;

    void appendText(QStringView text, const CharProps &props, const ParaProps &para);
    void appendChar(char16_t ch, const CharProps &props, const ParaProps &para);
    void appendImage(const QTextImageFormat &image, const CharProps &props, const ParaProps &para);
    // A cell of the table at depth (1 the outermost) ended; in a paragraph not at that depth
    // the next text follows a tab.
    void cellBreak(const ParaProps &para, const CharProps &mark, int depth);
    void endParagraph(const ParaProps &para, const CharProps &mark);
    void endRow(const ParaProps &para, const CharProps &mark, int depth);
    // \page: the next paragraph starts a new page.
    void pageBreak(const ParaProps &para, const CharProps &mark);
    // \sect: the next paragraph starts a section, whose break setSectionBreak names
    // (\sbknone ..., empty for the default, a new page).
    void sectionBreak()
    {
        m_sectionStart = true;
        m_sectionInTable = !m_open.empty();
    }
    void setSectionBreak(const QByteArray &kind) { m_sectionKind = kind; }
    // \pard or an alignment word: the paragraph takes its format anew at its next text or
    // its end.
    void paragraphRestated() { m_textPara.reset(); }
    // List label text (\listtext, \pntext): dropped when its paragraph is a list item.
    void beginLabel();
    void endLabel();
    // stopped: reading ended before the file did; the document is not kept.
    void finish(const ParaProps &para, bool stopped = false);
    // The font or colour table changed: text so far keeps the formats it was read with.
    void tablesChanged();
    QTextDocument *document() const { return m_cursor.document(); }
    // Counts the rows ahead of an outermost table, and gathers each row's cells' edges when asked.
    void setRowsAhead(std::function<int(int, QList<QList<int>> *)> count) { m_rowsAhead = std::move(count); }
    // Gives the cells' edges of each row of a table nested in a cell, read ahead.
    void setNestedRowsAhead(std::function<QList<QList<int>>()> rows) { m_nestedRowsAhead = std::move(rows); }

    // Replaces characters a QTextDocument would misread (block and frame markers,
    // control characters, unpaired surrogates).
    static void sanitize(QString &text);

private:
    void beginText(const CharProps &props, const ParaProps &para);
    void place(const ParaProps &para);
    bool enterDepth(int depth);
    QTextDocumentFragment takeParagraph();
    void leaveInnermost();
    void openPendingBlock(const CharProps &props);
    void setBlockFormat(const ParaProps &para);
    bool sectionCanStartHere() const;
    void startSection(QTextBlockFormat &f);
    void startSectionAtTable();
    void closeBlock(const ParaProps &para, const CharProps &mark);
    ParaProps shownPara(const ParaProps &atEnd);
    void joinContextualSpace(const ParaProps &para);
    void applyList(const ParaProps &para);
    void flushRun();
    const QTextCharFormat &format(const CharProps &props);

    const DocumentTables &m_tables;
    RowDefs &m_rows;
    QTextCursor m_cursor;
    QString m_run;
    CharProps m_runProps;
    std::optional<CharProps> m_blockProps; // the block character format of the last block
    QHash<CharProps, QTextCharFormat> m_formats;
    std::optional<ParaProps> m_lastPara; // the paragraph format made last, kept for reuse
    QTextBlockFormat m_lastBlockFormat;
    // the paragraph's format as its text (not its label) began, or began again after \pard or
    // an alignment word: other words after the text change the paragraphs that follow, not
    // this one, as other readers show it
    std::optional<ParaProps> m_textPara;
    // the paragraph closed last and where its block starts, for \contextualspace (a position,
    // as tables may remove blocks in between)
    ParaProps m_spacedPara;
    int m_spacedPosition = -1;
    std::vector<TableBuilder> m_open; // the tables the cursor is in, the outermost first
    std::function<int(int, QList<QList<int>> *)> m_rowsAhead;
    std::function<QList<QList<int>>()> m_nestedRowsAhead;
    // the object index of each list by list and level: Qt deletes a list whose last
    // paragraph leaves it (a merged cell) and makes it anew, the same list, from its index
    std::unordered_map<qint64, int> m_lists;
    int m_labelStart = -1, m_labelEnd = -1;          // label text of the current block
    int m_pendingTabs = 0;
    int m_openedBlock = -1; // where the block openPendingBlock opened last starts
    bool m_inLabel = false;
    bool m_cellEnded = false;
    bool m_cellJoined = false; // in a cell merged into the one before, nothing written yet
    bool m_blockPending = false;
    bool m_blockEmpty = true;
    bool m_pageBreak = false;
    bool m_sectionStart = false;
    bool m_sectionInTable = false; // the section break came inside a table, where it cannot be written
    QByteArray m_sectionKind;
    bool m_finished = false;
};

} // namespace Rtf
