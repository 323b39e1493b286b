#include "document/windows/editing/plain_text_cache.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

std::optional<QString> plainTextBetween(const QTextDocument *doc, int start, int end)
{
    if (end <= start)
        return QString();
    QTextCursor c(const_cast<QTextDocument *>(doc));
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    if (c.selectionStart() != start || c.selectionEnd() != end)
        return std::nullopt;
    QString text = c.selectedText();
    // The same substitutions as QTextDocument::toPlainText().
    for (QChar &ch : text) {
        switch (ch.unicode()) {
        case 0xfdd0: // frame start
        case 0xfdd1: // frame end
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator: ch = QLatin1Char('\n'); break;
        case QChar::Nbsp: ch = QLatin1Char(' '); break;
        default: break;
        }
    }
    return text;
}

// The document's length in toPlainText() characters: without the final paragraph end.
static qsizetype plainLength(const QTextDocument *doc) { return doc->characterCount() - 1; }

// Changes in and around tables are not reported exactly enough to patch the text: a
// document with tables is read whole every time.
static bool hasTables(const QTextDocument *doc) { return !doc->rootFrame()->childFrames().isEmpty(); }

PlainTextCache::PlainTextCache(QTextEdit *edit) : QObject(edit), m_edit(edit) {}

const QString &PlainTextCache::text()
{
    // The edit box may have been given another document since the last search.
    if (m_edit->document() != m_doc)
        watch(m_edit->document());
    if (!m_valid || !patch())
        rebuildAll();
    return m_text;
}

bool PlainTextCache::patch()
{
    const qsizetype tail = qMin(m_tail, m_length - m_head);
    const qsizetype middle = m_length - m_head - tail;
    const qsizetype oldMiddle = m_text.size() - m_head - tail;
    if (oldMiddle < 0)
        return false;
    if (middle > 0 || oldMiddle > 0) {
        const std::optional<QString> changed = plainTextBetween(m_doc, int(m_head), int(m_head + middle));
        if (!changed)
            return false;
        m_text.replace(m_head, oldMiddle, *changed);
    }
    if (m_text.size() != plainLength(m_doc))
        return false; // the change reports did not add up
    m_head = m_tail = m_length = m_text.size();
    return true;
}

void PlainTextCache::rebuildAll()
{
    m_text = m_doc->toPlainText();
    m_valid = !hasTables(m_doc);
    m_head = m_tail = m_length = m_text.size();
}

void PlainTextCache::noteChange(int position, int removed, int added)
{
    if (!m_valid)
        return;
    // Change reports may include the document's final paragraph end, which the text lacks.
    const qsizetype lengthAfter = plainLength(m_doc);
    const qsizetype removedHere = qMin<qsizetype>(position + removed, m_length) - position;
    const qsizetype addedHere = qMin<qsizetype>(position + added, lengthAfter) - position;
    if (hasTables(m_doc) || position > m_length || removedHere < 0 || addedHere < 0
        || m_length - removedHere + addedHere != lengthAfter) {
        m_valid = false;
        m_text = QString(); // read whole at the next search
        return;
    }
    m_head = qMin<qsizetype>(m_head, position);
    m_tail = qMin(m_tail, m_length - position - removedHere);
    m_length = lengthAfter;
}

void PlainTextCache::watch(QTextDocument *doc)
{
    disconnect(m_changes);
    m_doc = doc;
    m_valid = false;
    m_text = QString();
    m_changes = connect(doc, &QTextDocument::contentsChange, this, &PlainTextCache::noteChange);
}
