#include "document/recovery/draft_board.h"

DraftBoard &DraftBoard::instance()
{
    static DraftBoard board;
    return board;
}

void DraftBoard::postPage(const QString &page, PageTyping typing)
{
    if (typing)
        m_pages.insert(page, std::move(typing));
    else if (!m_pages.remove(page))
        return;
    emit typingChanged();
}

AnswerDataFile::Answers DraftBoard::typing() const
{
    AnswerDataFile::Answers all;
    for (auto it = m_keptTyping.begin(); it != m_keptTyping.end(); ++it)
        all[it.key() - 1] = it.value();
    for (const PageTyping &page : m_pages) {
        const QMap<int, QString> boxes = page();
        for (auto it = boxes.begin(); it != boxes.end(); ++it)
            all[it.key() - 1] = it.value();
    }
    return all;
}

bool DraftBoard::hasTyping() const { return !m_pages.isEmpty() || !m_keptTyping.isEmpty(); }

void DraftBoard::postDocument(const QTextDocument *document, const QString &fileName)
{
    if (!document && !m_document)
        return;
    m_document = document;
    m_fileName = fileName;
    emit documentChanged();
}

void DraftBoard::keepForRestore(const AnswerDataFile::Answers &typing)
{
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (typing[n - 1])
            m_keptTyping.insert(n, *typing[n - 1]);
    }
}

void DraftBoard::keepForRestore(const KeptDocument &document) { m_keptDocument = document; }

QMap<int, QString> DraftBoard::takeTyping(const QList<int> &questions)
{
    QMap<int, QString> taken;
    for (const int n : questions) {
        if (m_keptTyping.contains(n))
            taken.insert(n, m_keptTyping.take(n));
    }
    return taken;
}

std::optional<DraftBoard::KeptDocument> DraftBoard::takeDocument()
{
    std::optional<KeptDocument> taken;
    taken.swap(m_keptDocument);
    return taken;
}

void DraftBoard::clear()
{
    m_pages.clear();
    m_keptTyping.clear();
    m_document = nullptr;
    m_fileName.clear();
    m_keptDocument.reset();
}
