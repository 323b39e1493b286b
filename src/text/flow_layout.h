#pragma once
// The on-screen layout of a document that is one flow of paragraphs: no tables, frames, lists or
// pictures, as a composed book is. Qt's own layout, after a key typed near the start of a long
// document, moves every later paragraph line by line: in a book of 30,000 paragraphs that is most
// of the key's time. This one keeps each paragraph's height and lays out only the paragraph that
// changed; where the later ones stand follows from the heights above them, added up when asked.
//
// Paragraphs and lines are placed as Qt's layout places them (margins that meet collapse, indents,
// line heights, alignment, zoom through the paint device), so the two look the same. A long
// document is laid out from the top in idle time; whatever is drawn or asked for first is laid
// out at once.
//
// It serves a box that breaks lines at its width. A table added later would be drawn as plain
// paragraphs; the editor adds none, as it reads every file into a new document and pastes plain
// text.

#include <QAbstractTextDocumentLayout>
#include <QBasicTimer>
#include <functional>
#include <vector>

class QTextBlockFormat;

class FlowLayout : public QAbstractTextDocumentLayout {
    Q_OBJECT
    // Read and set by the text box for its cursor, as on Qt's layout.
    Q_PROPERTY(int cursorWidth READ cursorWidth WRITE setCursorWidth)
public:
    explicit FlowLayout(QTextDocument *document);

    // True when the document holds paragraphs of text only, the kind this layout lays out.
    static bool suits(const QTextDocument &document);

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    int pageCount() const override { return 1; }
    // The paragraphs laid out so far, and those waiting at the height they last had (none, in a
    // document new to the layout); documentSizeChanged tells of it as idle time goes on.
    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame *frame) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

    int cursorWidth() const { return m_cursorWidth; }
    void setCursorWidth(int width) { m_cursorWidth = width; }
    // How many paragraphs from the top are laid out.
    int laidOutCount() const { return m_exact; }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // Lengths in 64ths of a pixel, rounded as Qt's layout rounds them, so both place alike.
    struct Para {
        qint64 gap = 0;    // above it: its top margin and the one above's bottom margin, collapsed
        qint64 height = 0; // its lines
    };
    struct Area {
        qint64 left = 0;
        qint64 right = 0;
        qint64 top = 0;
        qint64 bottom = 0; // below the last paragraph
    };

    static qreal real(qint64 fixed) { return qreal(fixed) / 64; }
    Area area() const;
    qreal dpiScale() const;
    qint64 indentOf(const QTextBlockFormat &format) const;
    Para layOut(const QTextBlock &block) const;
    qint64 gapAbove(const QTextBlock &block, const QTextBlockFormat &format) const;
    void layOutLines(const QTextBlock &block, const QTextBlockFormat &format, Para &para) const;
    void layOutNext(const QTextBlock &block) const;
    bool layOutWhile(const std::function<bool()> &more) const;
    void layOutUpTo(int blockNumber) const;
    void layOutBelow(qreal y) const;
    qint64 exactBottom() const;
    void setPara(int blockNumber, Para para) const;
    qint64 topOf(int blockNumber) const;
    // The paragraph at the height: the last one starting at or above it.
    int blockAt(qreal y) const;
    void place(const QTextBlock &block, int blockNumber) const;
    void replace(int first, int lastOld, int lastNew);
    void relayOut(int first, int lastNew);
    void drawBlock(QPainter *painter, const PaintContext &context, const QTextBlock &block) const;
    void runIdleLater() const;

    // Every paragraph's: those from the top up to m_exact are laid out as they stand; the
    // others keep the heights they last had (none, at first) until idle time gets to them.
    mutable std::vector<Para> m_paras;
    mutable int m_exact = 0;
    mutable std::vector<qint64> m_tops;
    mutable int m_topsKnown = 0; // m_tops holds the first this many
    mutable qint64 m_height = 0; // of all paragraphs
    int m_blockCount = 0;        // the document's, when last told of a change
    int m_cursorWidth = 1;
    mutable QBasicTimer m_idle;
};
