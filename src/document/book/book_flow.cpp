#include "document/book/book_flow.h"
#include "document/book/book_pages.h"
#include "document/book/book_style.h"
#include "document/reading/work_progress.h"

#include <QTextLayout>
#include <memory>

// One paragraph laid out to the width of the text area: its lines and their heights.
struct BookFlow::Block {
    std::unique_ptr<QTextLayout> layout;
    QList<qreal> heights;

    qreal height() const
    {
        qreal sum = 0;
        for (const qreal h : heights)
            sum += h;
        return sum;
    }
};

namespace {

void layOut(QTextLayout &layout, QList<qreal> &heights, qreal width, Qt::Alignment alignment)
{
    QTextOption option(alignment);
    // A line of one endless word (a pasted link) is broken anywhere rather than cut off.
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        heights.append(line.height());
    }
    layout.endLayout();
}

bool isBlank(const QString &line) { return line.trimmed().isEmpty(); }

// Qt looks for a word's end before breaking it anywhere, which grows with the square of the
// word's length: a pasted link or a held-down key gets a break opportunity (a zero-width
// space) every so many characters instead.
QString breakable(const QString &line)
{
    constexpr qsizetype kLongestRun = 64;
    QString result;
    qsizetype run = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        run = line[i].isSpace() ? 0 : run + 1;
        if (run > kLongestRun && !line[i].isLowSurrogate()) {
            if (result.isNull())
                result = line.left(i);
            result += QChar(0x200B);
            run = 1;
        }
        if (!result.isNull())
            result += line[i];
    }
    return result.isNull() ? line : result;
}
// The lines of a block kept together, one below the other from where the first was placed.
QList<LinePlace> stacked(const LinePlace &top, const QList<qreal> &heights)
{
    QList<LinePlace> places;
    qreal y = top.top;
    for (const qreal h : heights) {
        places.append({top.page, y});
        y += h;
    }
    return places;
}
} // namespace

BookFlow::BookFlow(BookPages &pages, int firstPage, WorkProgress *progress, qint64 total, qint64 done)
    : m_pages(pages), m_firstPage(firstPage), m_progress(progress), m_total(total), m_done(done),
      m_flow(pages.textHeight()),
      // Resolved for the PDF once, not for every paragraph.
      m_bodyFont(BookStyle::bodyFont(), pages.device()), m_questionFont(BookStyle::questionFont(), pages.device()),
      m_blankHeight(QFontMetricsF(m_bodyFont, pages.device()).lineSpacing())
{
}

std::optional<QList<int>> BookFlow::run(const QList<BookSection> &content, bool draw)
{
    m_draw = draw;
    m_flow = PageFlow(m_pages.textHeight());
    QList<int> starts;
    for (const BookSection &section : content) {
        m_flow.newPage();
        starts.append(m_firstPage + m_flow.page());
        placeSection(section);
        for (const BookEntry &entry : section.entries) {
            if (!placeEntry(entry))
                return std::nullopt;
        }
    }
    return starts;
}

void BookFlow::drawBlock(const Block &block, const QList<LinePlace> &places)
{
    if (!m_draw)
        return;
    for (int i = 0; i < places.size(); ++i) {
        m_pages.goToPage(m_firstPage + places[i].page);
        const QPointF at = m_pages.textOrigin() + QPointF(0, places[i].top);
        block.layout->lineAt(i).draw(&m_pages.painter(), at);
    }
}

void BookFlow::placeSection(const BookSection &section)
{
    Block heading{std::make_unique<QTextLayout>(section.heading, BookStyle::headingFont(), m_pages.device()), {}};
    layOut(*heading.layout, heading.heights, m_pages.textWidth(), Qt::AlignHCenter);
    const LinePlace top = m_flow.placeKept(heading.height(), m_pages.pixels(BookStyle::kAfterHeading), {});
    drawBlock(heading, stacked(top, heading.heights));
}

// A question in bold and its answer below, line by line as typed; false when stopped.
bool BookFlow::placeEntry(const BookEntry &entry)
{
    const qreal width = m_pages.textWidth();
    Block question{std::make_unique<QTextLayout>(entry.question, m_questionFont, m_pages.device()), {}};
    layOut(*question.layout, question.heights, width, Qt::AlignLeft);

    const QStringList lines = answerLines(entry.answer);
    std::vector<Block> answer(lines.size());
    const QList<qreal> *firstLines = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isBlank(lines[i]))
            continue;
        answer[i].layout = std::make_unique<QTextLayout>(breakable(lines[i]), m_bodyFont, m_pages.device());
        layOut(*answer[i].layout, answer[i].heights, width, Qt::AlignJustify);
        if (!firstLines)
            firstLines = &answer[i].heights;
    }

    const LinePlace top = m_flow.placeKept(question.height(), m_pages.pixels(BookStyle::kAfterQuestion),
                                           firstLines ? *firstLines : QList<qreal>{});
    drawBlock(question, stacked(top, question.heights));

    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!answer[i].layout) {
            m_flow.addSpace(m_blankHeight); // an empty line as typed
            continue;
        }
        drawBlock(answer[i], m_flow.placeLines(answer[i].heights));
        m_done += lines[i].size() + 1;
        if (m_progress && !m_progress->advance(m_done, m_total))
            return false;
    }
    m_flow.addSpace(m_pages.pixels(BookStyle::kAfterEntry));
    return true;
}
