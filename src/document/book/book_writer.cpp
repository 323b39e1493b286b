#include "document/book/book_writer.h"
#include "document/book/book_flow.h"
#include "document/book/book_pages.h"
#include "document/book/book_style.h"
#include "document/reading/save_batch.h"

#include <QBuffer>
#include <QFontMetricsF>

namespace {
qint64 answerLength(const QList<BookSection> &content)
{
    qint64 length = 0;
    for (const BookSection &section : content) {
        for (const BookEntry &entry : section.entries)
            length += entry.answer.size() + 1;
    }
    return qMax<qint64>(length, 1);
}

// The title a third of the way down, the date below it, both centred.
void drawTitlePage(BookPages &pages, const BookOptions &options)
{
    QPainter &p = pages.painter();
    const QPointF origin = pages.textOrigin();
    const qreal width = pages.textWidth();
    const QRectF titleBox(origin.x(), origin.y() + pages.textHeight() / 3, width, pages.textHeight() / 3);
    p.setFont(BookStyle::titleFont());
    QRectF drawn;
    p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, options.title, &drawn);
    p.setFont(BookStyle::smallFont());
    const QRectF dateBox(origin.x(), drawn.bottom() + pages.pixels(28), width, pages.pixels(40));
    p.drawText(dateBox, Qt::AlignHCenter | Qt::AlignTop, options.date);
}

// "Contents", then one row a section: its heading, dotted leaders, its first page.
void drawContentsPage(BookPages &pages, const QList<BookSection> &content, const QList<int> &starts)
{
    QPainter &p = pages.painter();
    const QPointF origin = pages.textOrigin();
    const qreal width = pages.textWidth();
    p.setFont(BookStyle::headingFont());
    const qreal headingHeight = QFontMetricsF(p.font(), p.device()).lineSpacing();
    p.drawText(QRectF(origin.x(), origin.y(), width, headingHeight), Qt::AlignHCenter, QStringLiteral("Contents"));
    p.setFont(BookStyle::bodyFont());
    const QFontMetricsF metrics(p.font(), p.device());
    const qreal row = metrics.lineSpacing() * 1.6;
    qreal y = origin.y() + headingHeight + pages.pixels(BookStyle::kAfterHeading);
    for (qsizetype i = 0; i < content.size(); ++i, y += row) {
        const QString number = QString::number(starts[i]);
        const QRectF line(origin.x(), y, width, row);
        p.drawText(line, Qt::AlignLeft | Qt::AlignTop, content[i].heading);
        p.drawText(line, Qt::AlignRight | Qt::AlignTop, number);
        const qreal from = origin.x() + metrics.horizontalAdvance(content[i].heading + QLatin1Char(' '));
        const qreal to = origin.x() + width - metrics.horizontalAdvance(QLatin1Char(' ') + number);
        const qreal dot = metrics.horizontalAdvance(QStringLiteral(". "));
        const int dots = int((to - from) / dot);
        if (dots > 0)
            p.drawText(QRectF(to - dots * dot, y, dots * dot, row), Qt::AlignLeft | Qt::AlignTop, QStringLiteral(". ").repeated(dots));
    }
}
} // namespace

Outcome writeBook(const QList<BookSection> &content, const BookOptions &options, QIODevice &out, WorkProgress *progress)
{
    BookPages pages(out, options.paper, options.title);
    const qint64 total = 2 * answerLength(content);
    // First without drawing, for the contents page; then again, drawing.
    BookFlow measure(pages, kFirstSectionPage, progress, total, 0);
    const std::optional<QList<int>> starts = measure.run(content, false);
    if (!starts)
        return Outcome::stopped();
    if (!pages.begin())
        return Outcome::failed(QStringLiteral("The PDF could not be drawn."));
    drawTitlePage(pages, options);
    pages.goToPage(kContentsPage);
    drawContentsPage(pages, content, *starts);
    BookFlow draw(pages, kFirstSectionPage, progress, total, measure.done());
    const bool drawn = draw.run(content, true).has_value();
    if (!pages.finish())
        return Outcome::failed(QStringLiteral("The PDF could not be written."));
    return drawn ? Outcome() : Outcome::stopped();
}

Outcome saveBook(const QList<BookSection> &content, const BookOptions &options, const QString &path, WorkProgress *progress)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (const Outcome written = writeBook(content, options, buffer, progress); !written.ok())
        return written;
    return saveFileAtomically(path, buffer.data());
}
