#include "document/recovery/document_snapshot.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <climits>

std::optional<DocumentSnapshot> DocumentSnapshot::take(const QTextDocument &document, const DocumentSnapshot *previous,
                                                       UnchangedEnds unchanged)
{
    if (!document.rootFrame()->childFrames().isEmpty())
        return std::nullopt; // tables
    DocumentSnapshot s;
    s.m_formats = document.allFormats();
    s.m_defaultFont = document.defaultFont();
    const int length = document.characterCount();
    int from = 0, to = length;
    Blocks tail;
    if (previous)
        s.keepEnds(*previous, unchanged, length, from, to, tail);
    if (!s.readBlocks(document, from, to))
        return std::nullopt;
    s.m_blocks.insert(s.m_blocks.end(), tail.begin(), tail.end());
    return s;
}

// The paragraphs wholly inside the unchanged ends are shared. An edit of a paragraph's formats
// covers the paragraph; its character format is held by the paragraph end before it, so that
// end must lie in the unchanged tail too.
void DocumentSnapshot::keepEnds(const DocumentSnapshot &previous, UnchangedEnds unchanged, int length, int &middleFrom,
                                int &middleTo, Blocks &tail)
{
    const Blocks &old = previous.m_blocks;
    std::size_t first = 0;
    for (int end = 0; first < old.size() && end + old[first]->length() <= unchanged.from; ++first) {
        end += old[first]->length();
        middleFrom = end;
        m_blocks.push_back(old[first]);
    }
    std::size_t last = old.size();
    int kept = 0;
    while (last > first && kept + old[last - 1]->length() + 1 <= unchanged.tail)
        kept += old[--last]->length();
    tail.assign(old.begin() + qsizetype(last), old.end());
    middleTo = length - kept;
}

// The paragraphs that start in [from, to), read from the document: the whole of it at once in
// one string, a few paragraphs each in its own.
bool DocumentSnapshot::readBlocks(const QTextDocument &document, int from, int to)
{
    if (from >= to)
        return true;
    const QString whole = from == 0 && to == document.characterCount() ? document.toRawText() : QString();
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        if (block.textList())
            return false;
        const int size = block.length() - 1;
        auto b = whole.isNull() ? std::make_shared<Block>(Block{block.text(), 0, size, block.blockFormatIndex(), block.charFormatIndex(), {}})
                                : std::make_shared<Block>(Block{whole, block.position(), size, block.blockFormatIndex(), block.charFormatIndex(), {}});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int format = fragment.charFormatIndex();
            if (m_formats.value(format).isImageFormat())
                return false;
            b->runs.push_back({fragment.position() - block.position(), fragment.length(), format});
        }
        m_blocks.push_back(std::move(b));
        ++m_read;
    }
    return true;
}

std::unique_ptr<QTextDocument> DocumentSnapshot::rebuild() const
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(m_defaultFont);
    QTextCursor cursor(document.get());
    bool first = true;
    for (const auto &b : m_blocks) {
        const QTextBlockFormat blockFormat = m_formats.value(b->blockFormat).toBlockFormat();
        const QTextCharFormat charFormat = m_formats.value(b->charFormat).toCharFormat();
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(charFormat);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, charFormat);
        }
        for (const Run &r : b->runs)
            cursor.insertText(b->source.mid(b->start + r.offset, r.length), m_formats.value(r.format).toCharFormat());
    }
    return document;
}

void DocumentChanges::follow(const QTextDocument *document)
{
    if (follows(document) || !document)
        return;
    QObject::disconnect(m_connection);
    // A document reports its edits only once it has a layout; a box's always has one.
    document->documentLayout();
    m_document = document;
    m_connection = connect(document, &QTextDocument::contentsChange, this, &DocumentChanges::contentsChange);
    restart();
}

void DocumentChanges::restart()
{
    m_from = INT_MAX;
    m_tail = INT_MAX;
}

UnchangedEnds DocumentChanges::unchanged() const
{
    const int length = m_document ? m_document->characterCount() : 0;
    return {qMin(m_from, length), qMin(m_tail, length)};
}

void DocumentChanges::contentsChange(int position, int, int added)
{
    m_from = qMin(m_from, position);
    m_tail = qMax(0, qMin(m_tail, m_document->characterCount() - (position + added)));
}
