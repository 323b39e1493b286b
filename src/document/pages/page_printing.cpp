#include "document/pages/page_printing.h"
#include "document/pages/page_setup.h"
#include "text/fast_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

namespace {
// A copy laid out for the device, filling the area inside the margins exactly.
std::unique_ptr<QTextDocument> pagedCopy(const QTextDocument &source, QPagedPaintDevice &device)
{
    std::unique_ptr<QTextDocument> copy(source.clone());
    FastLayout::forPrinting(*copy);
    copy->documentLayout()->setPaintDevice(&device);
    QTextFrameFormat frame = copy->rootFrame()->frameFormat();
    frame.setMargin(0);
    copy->rootFrame()->setFrameFormat(frame);
    copy->setPageSize(QSizeF(device.width(), device.height()));
    return copy;
}

void drawPage(QPainter &painter, QTextDocument &document, int index, const QSizeF &body)
{
    const QRectF view(0, index * body.height(), body.width(), body.height());
    painter.save();
    painter.translate(0, -view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black); // paper is white whatever the desktop's colours
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

// The page number, centred in the bottom margin.
void drawPageNumber(QPainter &painter, const QTextDocument &document, int number, const QSizeF &body,
                    qreal bottomMargin)
{
    painter.save();
    painter.setClipping(false);
    painter.setPen(Qt::black);
    painter.setFont(QFont(document.defaultFont(), painter.device()));
    const QRectF foot(0, body.height(), body.width(), bottomMargin);
    painter.drawText(foot, Qt::AlignCenter, QString::number(number));
    painter.restore();
}
} // namespace

void printDocument(const QTextDocument &document, QPagedPaintDevice &device)
{
    const QPageLayout layout = documentPageLayout(document);
    device.setPageLayout(layout);
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    const std::unique_ptr<QTextDocument> copy = pagedCopy(document, device);
    const QSizeF body(device.width(), device.height());
    const qreal bottomMargin = layout.marginsPixels(device.logicalDpiY()).bottom();
    const QPageRanges ranges = device.pageRanges();
    const int pages = copy->pageCount();
    bool first = true;
    for (int page = 1; page <= pages; ++page) {
        if (!ranges.isEmpty() && !ranges.contains(page))
            continue;
        if (!first && !device.newPage())
            return;
        first = false;
        drawPage(painter, *copy, page - 1, body);
        drawPageNumber(painter, *copy, page, body, bottomMargin);
    }
}
