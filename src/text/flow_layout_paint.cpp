// Drawing the paragraphs a box shows, and finding the character under a point.
#include "text/flow_layout.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {
QList<QTextLayout::FormatRange> selectionsIn(const QTextBlock &block, const QAbstractTextDocumentLayout::PaintContext &context)
{
    QList<QTextLayout::FormatRange> out;
    const int start = block.position();
    const int length = block.length();
    for (const QAbstractTextDocumentLayout::Selection &range : context.selections) {
        const int from = range.cursor.selectionStart() - start;
        const int to = range.cursor.selectionEnd() - start;
        if (from < length && to > 0 && to > from) {
            out.append({from, to - from, range.format});
        } else if (!range.cursor.hasSelection() && range.format.hasProperty(QTextFormat::FullWidthSelection)
                   && block.contains(range.cursor.position())) {
            // A whole line marked from a cursor alone, as for the current line.
            const QTextLine line = block.layout()->lineForTextPosition(range.cursor.position() - start);
            int lineLength = line.textLength();
            if (line.textStart() + lineLength == length - 1)
                ++lineLength;
            out.append({line.textStart(), lineLength, range.format});
        }
    }
    return out;
}
} // namespace

void FlowLayout::draw(QPainter *painter, const PaintContext &context)
{
    const QRectF clip = context.clip;
    if (document()->pageSize().isNull())
        return;
    clip.isValid() ? layOutBelow(clip.bottom()) : layOutUpTo(document()->blockCount() - 1);
    const QBrush background = document()->rootFrame()->frameFormat().background();
    if (background != Qt::NoBrush)
        painter->fillRect(clip.isValid() ? clip : QRectF(QPointF(), documentSize()), background);
    int n = clip.isValid() ? blockAt(clip.top()) : 0;
    if (n < 0)
        return;
    for (QTextBlock block = document()->findBlockByNumber(n); block.isValid() && n < laidOutCount(); block = block.next(), ++n) {
        if (clip.isValid() && real(topOf(n)) > clip.bottom())
            break;
        place(block, n);
        drawBlock(painter, context, block);
    }
}

void FlowLayout::drawBlock(QPainter *painter, const PaintContext &context, const QTextBlock &block) const
{
    const QTextLayout *tl = block.layout();
    QRectF r = tl->boundingRect();
    r.translate(tl->position());
    if (!block.isVisible() || (context.clip.isValid() && (r.bottom() < context.clip.y() || r.top() > context.clip.bottom())))
        return;
    const QTextBlockFormat format = block.blockFormat();
    if (const QBrush background = format.background(); background != Qt::NoBrush) {
        painter->save();
        painter->setBrushOrigin(r.topLeft());
        painter->fillRect(r, background);
        painter->restore();
    }
    const QPen pen = painter->pen();
    painter->setPen(context.palette.color(QPalette::Text));
    // Between the page's margins: a selected line end is drawn up to the right one.
    const Area a = area();
    const QRectF page(real(a.left), 0, real(a.right - a.left), documentSize().height());
    tl->draw(painter, QPointF(), selectionsIn(block, context), context.clip.isValid() ? (context.clip & page) : page);
    const int start = block.position();
    const int cursor = context.cursorPosition;
    if ((cursor >= start && cursor < start + block.length()) || (cursor < -1 && !tl->preeditAreaText().isEmpty()))
        tl->drawCursor(painter, QPointF(), cursor < -1 ? tl->preeditAreaPosition() - (cursor + 2) : cursor - start, m_cursorWidth);
    if (format.hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
        const qreal width = format.lengthProperty(QTextFormat::BlockTrailingHorizontalRulerWidth).value(r.width());
        painter->setPen(context.palette.color(QPalette::Dark));
        const qreal y = block.length() == 1 ? r.top() + r.height() / 2 : r.bottom();
        painter->drawLine(QLineF(r.center().x() - width / 2, y, r.center().x() + width / 2, y));
    }
    painter->setPen(pen);
}

// Above the first paragraph is its start; between two paragraphs, the start of the lower one.
int FlowLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    const int n = blockAt(point.y());
    if (n < 0)
        return -1;
    const QTextBlock block = document()->findBlockByNumber(n);
    place(block, n);
    const QTextLayout *tl = block.layout();
    const QRectF text = tl->boundingRect().translated(tl->position());
    const bool exact = accuracy == Qt::ExactHit;
    if (point.y() < text.top())
        return exact ? -1 : block.position();
    if (point.y() > text.bottom())
        return exact ? -1 : qMin(block.position() + block.length(), document()->characterCount() - 1);
    const QPointF at = point - tl->position();
    int offset = 0;
    for (int i = 0; i < tl->lineCount(); ++i) {
        const QTextLine line = tl->lineAt(i);
        const QRectF rect = line.naturalTextRect();
        if (rect.top() > at.y())
            break;
        if (rect.bottom() <= at.y()) {
            offset = line.textStart() + line.textLength();
            continue;
        }
        if (exact && (at.x() < rect.left() || at.x() > rect.right()))
            return -1;
        return block.position() + line.xToCursor(at.x(), exact ? QTextLine::CursorOnCharacter : QTextLine::CursorBetweenCharacters);
    }
    return exact ? -1 : block.position() + offset;
}
