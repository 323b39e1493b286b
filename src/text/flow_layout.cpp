#include "text/flow_layout.h"

#include <QElapsedTimer>
#include <QPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimerEvent>
#include <algorithm>
#include <cmath>

namespace {
// The screen's dots per inch that font sizes in pixels are given for.
constexpr qreal kBaseDpi = 96;
// Idle time spent laying out before the window gets its events again.
constexpr int kIdleSliceMs = 4;
constexpr int kIdleIntervalMs = 10;

qint64 fix(qreal r) { return qint64(r * 64); }

// Left and right swap in a right-to-left paragraph unless they are absolute.
Qt::Alignment visualAlignment(Qt::LayoutDirection direction, Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    if (!(alignment & Qt::AlignAbsolute) && (alignment & (Qt::AlignLeft | Qt::AlignRight))) {
        if (direction == Qt::RightToLeft)
            alignment ^= (Qt::AlignLeft | Qt::AlignRight);
        alignment |= Qt::AlignAbsolute;
    }
    return alignment;
}

struct LineHeights {
    qint64 advance = 0;    // to the next line
    qint64 bottom = 0;     // of this line's box
    qint64 adjustment = 0; // the line drawn this much higher
};

LineHeights heightsOf(const QTextBlockFormat &format, const QTextLine &line, qreal scaling)
{
    LineHeights h;
    h.advance = fix(format.lineHeight(std::ceil(line.ascent() + line.descent() + line.leading()), scaling));
    h.bottom = fix(format.lineHeight(line.height(), scaling));
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
        h.adjustment = fix(line.ascent() + qMax(line.leading(), qreal(0))) - h.advance * 4 / 5;
    else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
        h.adjustment = fix(line.height()) - h.advance;
    return h;
}

bool isPlainFormat(const QTextFormat &format)
{
    if (format.isListFormat() || format.isTableFormat() || format.isTableCellFormat())
        return false;
    return !format.isCharFormat() || format.toCharFormat().objectType() == QTextFormat::NoObject;
}
} // namespace

FlowLayout::FlowLayout(QTextDocument *document) : QAbstractTextDocumentLayout(document) {}

bool FlowLayout::suits(const QTextDocument &document)
{
    if (!document.rootFrame()->childFrames().isEmpty())
        return false;
    const QList<QTextFormat> formats = document.allFormats();
    return std::all_of(formats.begin(), formats.end(), isPlainFormat);
}

FlowLayout::Area FlowLayout::area() const
{
    const QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    // The page's margins grow with the zoom, in whole pixels.
    const auto scaled = [scale = dpiScale(), edge = frame.border() + frame.padding()](qreal margin) {
        return fix(qRound(margin * scale)) + fix(qRound(edge * scale));
    };
    Area a;
    a.left = scaled(frame.leftMargin());
    a.right = fix(document()->pageSize().width()) - scaled(frame.rightMargin());
    a.top = scaled(frame.topMargin());
    a.bottom = scaled(frame.bottomMargin());
    return a;
}

// A zoomed screen measures with more dots per inch: margins and indents grow with the text.
qreal FlowLayout::dpiScale() const { return paintDevice() ? paintDevice()->logicalDpiY() / kBaseDpi : 1; }

qint64 FlowLayout::indentOf(const QTextBlockFormat &format) const
{
    const int indent = format.indent();
    return indent ? fix(indent * dpiScale() * document()->indentWidth()) : 0;
}

FlowLayout::Para FlowLayout::layOut(const QTextBlock &block) const
{
    Para para;
    if (!block.isVisible())
        return para;
    const QTextBlockFormat format = block.blockFormat();
    para.gap = gapAbove(block, format);
    layOutLines(block, format, para);
    return para;
}

qint64 FlowLayout::gapAbove(const QTextBlock &block, const QTextBlockFormat &format) const
{
    const QTextBlock above = block.previous();
    if (!above.isValid() || !block.isVisible())
        return 0;
    const qreal margin = qMax(format.topMargin(), above.blockFormat().bottomMargin());
    return fix(margin > 0 ? margin * dpiScale() : margin);
}

void FlowLayout::layOutLines(const QTextBlock &block, const QTextBlockFormat &format, Para &para) const
{
    QTextLayout *tl = block.layout();
    const Qt::LayoutDirection direction = block.textDirection();
    const bool leftToRight = direction != Qt::RightToLeft;
    const Area page = area();
    const qint64 indent = indentOf(format);
    const qint64 left = page.left + fix(format.leftMargin()) + (leftToRight ? indent : 0);
    const qint64 rightMargin = fix(format.rightMargin()) + (leftToRight ? 0 : indent);
    const qint64 right = page.right - rightMargin;

    QTextOption option = document()->defaultTextOption();
    option.setTextDirection(direction);
    option.setTabs(format.tabPositions());
    const Qt::Alignment align = format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
    option.setAlignment(visualAlignment(direction, align));
    if (format.nonBreakableLines() || document()->pageSize().width() < 0)
        option.setWrapMode(QTextOption::ManualWrap);
    tl->setTextOption(option);
    const bool mayBreakWords = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;
    const qreal scaling = paintDevice() && paintDevice()->logicalDpiY() != kBaseDpi ? dpiScale() : 1;

    qint64 y = 0;
    qint64 bottom = 0;
    tl->beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = tl->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        // Margins below zero reach no further than the page's own.
        const qint64 textIndent = first ? fix(format.textIndent()) : 0;
        const qint64 l = qMax(page.left, left) + (leftToRight ? textIndent : 0);
        const qint64 r = qMin(page.right, right) - (leftToRight ? 0 : textIndent);
        line.setLineWidth(real(r - l));
        // A word wider than the line is broken anywhere; as in Qt's layout, the lines after it then
        // break between words only.
        if (fix(line.naturalTextWidth()) > r - l) {
            if (mayBreakWords) {
                option.setWrapMode(QTextOption::WrapAnywhere);
                tl->setTextOption(option);
            }
            line.setLineWidth(qMax(line.naturalTextWidth(), real(r - l)));
            if (mayBreakWords) {
                option.setWrapMode(QTextOption::WordWrap);
                tl->setTextOption(option);
            }
        }
        const LineHeights h = heightsOf(format, line, scaling);
        line.setPosition(QPointF(real(l - page.left), real(y - h.adjustment)));
        bottom = y + h.bottom;
        y += h.advance;
    }
    tl->endLayout();
    para.height = qMax(y, bottom);
}

// Lays out the paragraphs after those laid out while more() holds; true when it laid out any.
bool FlowLayout::layOutWhile(const std::function<bool()> &more) const
{
    if (document()->pageSize().isNull())
        return false;
    const int before = m_exact;
    for (QTextBlock b = document()->findBlockByNumber(m_exact); b.isValid() && m_exact < int(m_paras.size()) && more(); b = b.next())
        layOutNext(b);
    return m_exact != before;
}

void FlowLayout::layOutUpTo(int blockNumber) const
{
    if (layOutWhile([&] { return m_exact <= blockNumber; }))
        runIdleLater();
}

void FlowLayout::layOutBelow(qreal y) const
{
    if (layOutWhile([&] { return real(exactBottom()) <= y; }))
        runIdleLater();
}

// Where the paragraphs laid out from the top end.
qint64 FlowLayout::exactBottom() const { return m_exact ? topOf(m_exact - 1) + m_paras[m_exact - 1].height : area().top; }

// Placed as it is laid out, for readers of its position such as a screen reader's.
void FlowLayout::layOutNext(const QTextBlock &block) const
{
    setPara(m_exact, layOut(block));
    place(block, m_exact++);
}

void FlowLayout::setPara(int blockNumber, Para para) const
{
    Para &old = m_paras[blockNumber];
    m_height += para.gap + para.height - old.gap - old.height;
    old = para;
    m_topsKnown = qMin(m_topsKnown, blockNumber);
}

qint64 FlowLayout::topOf(int blockNumber) const
{
    if (m_topsKnown > blockNumber)
        return m_tops[blockNumber];
    m_tops.resize(m_paras.size());
    qint64 top = m_topsKnown ? m_tops[m_topsKnown - 1] + m_paras[m_topsKnown - 1].height : area().top;
    for (int i = m_topsKnown; i <= blockNumber; ++i) {
        top += m_paras[i].gap;
        m_tops[i] = top;
        top += m_paras[i].height;
    }
    m_topsKnown = blockNumber + 1;
    return m_tops[blockNumber];
}

int FlowLayout::blockAt(qreal y) const
{
    layOutBelow(y);
    layOutUpTo(0); // a point above the page's top margin still finds the first paragraph
    if (m_exact == 0)
        return -1;
    topOf(m_exact - 1);
    const auto after = std::upper_bound(m_tops.begin(), m_tops.begin() + m_exact, fix(y));
    return int(qMax<qsizetype>(0, after - m_tops.begin() - 1));
}

// A paragraph's layout learns where it stands when it is drawn or asked for, not when a paragraph
// above it changes.
void FlowLayout::place(const QTextBlock &block, int blockNumber) const
{
    block.layout()->setPosition(QPointF(real(area().left), real(topOf(blockNumber))));
}

QSizeF FlowLayout::documentSize() const
{
    const Area page = area();
    return {document()->pageSize().width(), real(page.top + m_height + page.bottom)};
}

QRectF FlowLayout::frameBoundingRect(QTextFrame *frame) const
{
    return frame == document()->rootFrame() ? QRectF(QPointF(), documentSize()) : QRectF();
}

QRectF FlowLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (document()->pageSize().isNull() || !block.isValid() || !block.isVisible())
        return {};
    const int number = block.blockNumber();
    layOutUpTo(number);
    if (number >= m_exact)
        return {};
    place(block, number);
    QRectF rect = block.layout()->boundingRect();
    rect.moveTopLeft(block.layout()->position());
    return rect;
}

// The paragraphs first..lastOld as they were are now first..lastNew, not laid out yet.
void FlowLayout::replace(int first, int lastOld, int lastNew)
{
    for (int i = first; i <= lastOld; ++i)
        setPara(i, Para{});
    m_paras.erase(m_paras.begin() + first, m_paras.begin() + (lastOld + 1));
    m_paras.insert(m_paras.begin() + first, lastNew - first + 1, Para{});
    m_topsKnown = qMin(m_topsKnown, first);
}

// Changed paragraphs among those laid out are laid out again at once. The gap above the one after
// them depends on the last one's bottom margin.
void FlowLayout::relayOut(int first, int lastNew)
{
    QTextBlock block = document()->findBlockByNumber(first);
    for (int i = first; i <= lastNew && block.isValid(); ++i, block = block.next())
        setPara(i, layOut(block));
    if (lastNew + 1 < m_exact && block.isValid()) {
        Para next = m_paras[lastNew + 1];
        next.gap = gapAbove(block, block.blockFormat());
        setPara(lastNew + 1, next);
    }
}

void FlowLayout::documentChanged(int from, int, int charsAdded)
{
    QTextDocument *doc = document();
    const int count = doc->blockCount();
    const int first = doc->findBlock(from).blockNumber();
    const QTextBlock end = doc->findBlock(from + charsAdded);
    const int lastNew = end.isValid() ? end.blockNumber() : count - 1;
    QTextBlock b = doc->findBlockByNumber(first);
    for (int i = first; b.isValid() && i <= lastNew; ++i, b = b.next())
        b.clearLayout();
    const qreal oldHeight = documentSize().height();
    const int delta = count - m_blockCount;
    const int lastOld = lastNew - delta;
    const bool whole = first <= 0 && lastNew >= count - 1;
    if (int(m_paras.size()) != m_blockCount || first < 0 || lastOld >= m_blockCount) {
        m_paras.assign(count, Para{});
        m_height = 0;
        m_exact = m_topsKnown = 0;
    } else if (!(whole && delta == 0)) {
        replace(first, lastOld, lastNew);
    }
    m_blockCount = count;
    if (doc->pageSize().isNull()) {
        m_exact = 0;
        return;
    }
    if (first >= 0 && first < m_exact && lastOld < m_exact && !whole) {
        m_exact += delta;
        relayOut(first, lastNew);
        const qreal top = real(topOf(first) - m_paras[first].gap);
        const qreal bottom = real(topOf(lastNew) + m_paras[lastNew].height);
        emit update(QRectF(0, top, 1e9, documentSize().height() != oldHeight ? 1e9 : bottom - top));
    } else {
        // All of it, or reaching past what is laid out: laid out again from there in idle time.
        // Meanwhile the heights the paragraphs had stand in, so the scroll bar keeps its place.
        m_exact = qMin(m_exact, qMax(0, first));
        runIdleLater();
        emit update(QRectF(0, 0, 1e9, 1e9));
    }
    if (documentSize().height() != oldHeight)
        emit documentSizeChanged(documentSize());
}

// The idle turn also tells of the size that grew since, outside a change of the document.
void FlowLayout::runIdleLater() const
{
    if (!m_idle.isActive())
        m_idle.start(kIdleIntervalMs, const_cast<FlowLayout *>(this));
}

void FlowLayout::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_idle.timerId())
        return QAbstractTextDocumentLayout::timerEvent(event);
    QElapsedTimer slice;
    slice.start();
    layOutWhile([&] { return slice.elapsed() < kIdleSliceMs; });
    if (document()->pageSize().isNull() || m_exact >= int(m_paras.size()))
        m_idle.stop();
    emit documentSizeChanged(documentSize());
}
