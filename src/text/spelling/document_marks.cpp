#include "text/spelling/document_marks.h"

#include "text/spelling/speller.h"

#include <QTextDocument>
#include <QTextLayout>

namespace Spelling {
namespace {
struct CheckedState : QTextBlockUserData {
    int revision = 0;
    int generation = 0;
};

QTextCharFormat misspeltFormat()
{
    QTextCharFormat f;
    f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    f.setUnderlineColor(QColor(220, 0, 0));
    return f;
}

// A change bigger than this many paragraphs is left to the view: only what is shown is checked.
constexpr int kParagraphsCheckedAtOnce = 8;
} // namespace

DocumentMarks::DocumentMarks(QTextDocument *document, QObject *parent) : QObject(parent), m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &DocumentMarks::contentsChange);
    connect(&Speller::instance(), &Speller::verdictsChanged, this, [this] { ++m_generation; });
}

bool DocumentMarks::isCurrent(const QTextBlock &block) const
{
    const auto *state = static_cast<const CheckedState *>(block.userData());
    return state && state->revision == block.revision() && state->generation == m_generation;
}

void DocumentMarks::markBlocks(QTextBlock first, const QTextBlock &last)
{
    Redraw redraw;
    for (QTextBlock b = first; b.isValid(); b = b.next()) {
        if (!isCurrent(b) && markBlock(b))
            redraw.add(b);
        if (b == last)
            break;
    }
    redraw.run(*m_document);
}

// Each redrawing lays the paragraph out again (and, in Qt's own layout, every one after it): the
// paragraphs whose marks changed are redrawn together, once.
void DocumentMarks::Redraw::add(const QTextBlock &block)
{
    from = from < 0 ? block.position() : qMin(from, block.position());
    to = qMax(to, block.position() + block.length());
}

// Outside an edit this raises no change signal.
void DocumentMarks::Redraw::run(QTextDocument &document) const
{
    if (from >= 0)
        document.markContentsDirty(from, to - from);
}

bool DocumentMarks::markBlock(const QTextBlock &block)
{
    Speller &speller = Speller::instance();
    const QString text = block.text();
    QList<QTextLayout::FormatRange> ranges;
    if (speller.isActive()) {
        const QTextCharFormat format = misspeltFormat();
        for (const WordSpan &span : wordsToCheck(text)) {
            if (speller.isMisspelt(text.mid(span.start, span.length)))
                ranges.append({int(span.start), int(span.length), format});
        }
    }
    auto *state = static_cast<CheckedState *>(block.userData());
    if (!state) {
        state = new CheckedState;
        const_cast<QTextBlock &>(block).setUserData(state);
    }
    state->revision = block.revision();
    state->generation = m_generation;
    QTextLayout *layout = block.layout();
    if (layout->formats() == ranges)
        return false;
    layout->setFormats(ranges);
    return true;
}

void DocumentMarks::contentsChange(int position, int removed, int added)
{
    if (removed == 0 && added == 0)
        return;
    QTextBlock block = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    Redraw redraw;
    for (int n = 0; block.isValid() && n < kParagraphsCheckedAtOnce; ++n, block = block.next()) {
        if (markBlock(block))
            redraw.add(block);
        if (block == last)
            break;
    }
    redraw.run(*m_document);
}

std::optional<MisspeltWord> DocumentMarks::misspeltWordAt(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    const QString text = block.text();
    const int offset = position - block.position();
    for (const WordSpan &span : wordsToCheck(text)) {
        if (offset < span.start || offset > span.start + span.length)
            continue;
        const QString word = text.mid(span.start, span.length);
        if (Speller::instance().isMisspelt(word))
            return MisspeltWord{int(block.position() + span.start), word};
    }
    return std::nullopt;
}

QList<WordSpan> DocumentMarks::marksOf(const QTextBlock &block)
{
    QList<WordSpan> out;
    for (const QTextLayout::FormatRange &r : block.layout()->formats()) {
        if (r.format.underlineStyle() == QTextCharFormat::WaveUnderline)
            out.append({r.start, r.length});
    }
    return out;
}
} // namespace Spelling
