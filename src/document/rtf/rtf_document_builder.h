#pragma once

#include "document/rtf/rtf_format.h"

#include <QHash>
#include <QTextCharFormat>
#include <QTextCursor>

#include <optional>

class QTextDocument;

namespace Rtf {

// Puts the text of an RTF document into a QTextDocument in merged runs: text with
// equal formatting is collected and inserted at once, paragraphs are opened lazily
// so that the paragraph mark ending the file adds no empty paragraph.
class DocumentBuilder
{
public:
    DocumentBuilder(QTextDocument &doc, const DocumentTables &tables);
    DocumentBuilder(const DocumentBuilder &) = delete;
    DocumentBuilder &operator=(const DocumentBuilder &) = delete;

    void appendText(QStringView text, const CharProps &props);
    void appendChar(char16_t ch, const CharProps &props);
    // A table cell ended: the next text of the row follows a tab.
    void cellBreak() { ++m_pendingTabs; }
    void endParagraph(const ParaProps &para, const CharProps &mark);
    void endRow(const ParaProps &para, const CharProps &mark);
    void finish(const ParaProps &para);
    // The font or colour table changed: text so far keeps the formats it was read with.
    void tablesChanged();

    // Replaces characters a QTextDocument would misread (block and frame markers,
    // control characters, unpaired surrogates).
    static void sanitize(QString &text);

private:
    void beginText(const CharProps &props);
    void openPendingBlock(const CharProps &props);
    void flushRun();
    const QTextCharFormat &format(const CharProps &props);

    const DocumentTables &m_tables;
    QTextCursor m_cursor;
    QString m_run;
    CharProps m_runProps;
    std::optional<CharProps> m_blockProps; // the block character format of the last block
    QHash<CharProps, QTextCharFormat> m_formats;
    int m_pendingTabs = 0;
    bool m_blockPending = false;
    bool m_blockEmpty = true;
    bool m_finished = false;
};

} // namespace Rtf
