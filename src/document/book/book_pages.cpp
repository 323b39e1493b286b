#include "document/book/book_pages.h"
#include "document/book/book_style.h"

#include <QIODevice>

BookPages::BookPages(QIODevice &out, const QPageSize &paper, const QString &title) : m_writer(&out)
{
    // The margins change from page to page, so the writer draws on the whole sheet.
    m_writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
    m_writer.setTitle(title);
    m_writer.setCreator(QStringLiteral("Kinscribe"));
}

QSizeF BookPages::pageSize() const
{
    const QSizeF points = m_writer.pageLayout().pageSize().size(QPageSize::Point);
    return {pixels(points.width()), pixels(points.height())};
}

qreal BookPages::textWidth() const
{
    const QMarginsF m = BookStyle::margins(1);
    return pageSize().width() - pixels(m.left() + m.right());
}

qreal BookPages::textHeight() const
{
    const QMarginsF m = BookStyle::margins(1);
    return pageSize().height() - pixels(m.top() + m.bottom());
}

bool BookPages::begin()
{
    if (!m_painter.begin(&m_writer))
        return false;
    m_painter.setPen(Qt::black);
    m_page = 1;
    return true;
}

QPointF BookPages::textOrigin() const
{
    const QMarginsF m = BookStyle::margins(m_page);
    return {pixels(m.left()), pixels(m.top())};
}

void BookPages::numberPage()
{
    if (m_page <= 1)
        return; // the title page carries none
    const QMarginsF m = BookStyle::margins(m_page);
    const QSizeF sheet = pageSize();
    const QRectF foot(pixels(m.left()), sheet.height() - pixels(m.bottom()), textWidth(), pixels(m.bottom()));
    m_painter.setFont(BookStyle::smallFont());
    m_painter.drawText(foot, Qt::AlignCenter, QString::number(m_page));
}

void BookPages::goToPage(int number)
{
    while (m_page < number) {
        numberPage();
        m_writer.newPage();
        ++m_page;
    }
}

bool BookPages::finish()
{
    numberPage();
    return m_painter.end();
}
