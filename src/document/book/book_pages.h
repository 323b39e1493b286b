#pragma once
// The book's pages as they are drawn into a PDF: page after page, each page's text area
// placed for binding, and the number at the foot of every page but the title page.
// Positions are in the PDF's device pixels; pixels(points) converts.

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPointF>

class QIODevice;

class BookPages {
public:
    BookPages(QIODevice &out, const QPageSize &paper, const QString &title);

    QPaintDevice *device() { return &m_writer; }
    qreal pixels(qreal points) const { return points * m_writer.resolution() / 72.0; }
    qreal textWidth() const;
    qreal textHeight() const;
    QSizeF pageSize() const; // the whole sheet

    // Starts on page 1; false when the PDF cannot be drawn.
    bool begin();
    // The page being drawn, counted from 1.
    int page() const { return m_page; }
    // Goes on to page `number` (never back), numbering each page it leaves behind.
    void goToPage(int number);
    // Top left of the current page's text area.
    QPointF textOrigin() const;
    QPainter &painter() { return m_painter; }
    // Numbers the last page and ends the PDF; false when it could not be written.
    bool finish();

private:
    void numberPage();

    QPdfWriter m_writer;
    QPainter m_painter;
    int m_page = 0;
};
