// The flow layout puts every paragraph, line and pixel where Qt's own layout puts them, before
// and after edits, and takes only documents of plain paragraphs.
#include "text/flow_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <functional>
#include <memory>

using Edit = std::function<void(QTextDocument &)>;
using Build = std::function<void(QTextCursor &)>;
Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Build)

class TestFlowLayout : public QObject {
    Q_OBJECT
private slots:
    void placesAsQtDoes_data();
    void placesAsQtDoes();
    void editsPlaceAsQtDoes_data();
    void editsPlaceAsQtDoes();
    void randomEditsPlaceAsQtDoes();
    void drawsAndHitsAsQtDoes();
    void takesPlainParagraphsOnly_data();
    void takesPlainParagraphsOnly();
    void longDocumentIsLaidOutAsShown();
};

namespace {
const QString kWords = QStringLiteral("we drove the old car to Grandma's farm every summer and my brother got carsick ");
constexpr qreal kWidth = 420;

// Headings, spacing, indents, alignments, line heights and fonts, as an opened file may have.
QString mixedHtml()
{
    const QString para = kWords.repeated(4);
    return "<h1>My life</h1><p>" + para + "</p><p style='margin-top:18px; margin-bottom:6px; text-indent:30px'>" + para
           + "</p><h2 style='margin-top:2px'>School</h2><p align='center'>" + kWords + "</p><p align='right'>" + kWords
           + "</p><p align='justify'>" + para + "</p><p style='-qt-block-indent:2; margin-left:12px; margin-right:40px'>"
           + para + "</p><p style='line-height:150%'>" + para + "</p><p style='line-height:30px; -qt-line-height-type:fixed'>"
           + para + "</p><p style='line-height:26px; -qt-line-height-type:minimum'>" + para
           + "</p><p></p><p style='background-color:#ffeeaa'><span style='font-size:20pt'>Big</span> words " + para
           + "</p><p>" + QString(300, QLatin1Char('w')) + "</p><p>tab\tstops\tto\tthe end</p><p style='margin-left:-9px; "
           + "margin-right:-30px'>" + para + "</p>";
}

// Qt's layout and the flow layout, each over its own copy of the same text.
struct Pair {
    std::unique_ptr<QTextDocument> qt = std::make_unique<QTextDocument>();
    std::unique_ptr<QTextDocument> flow = std::make_unique<QTextDocument>();
    QImage zoomedScreen;

    Pair(const QString &html, int zoomPercent)
    {
        qt->setHtml(html);
        flow->setHtml(html);
        flow->setDocumentLayout(new FlowLayout(flow.get()));
        if (zoomPercent != 100) {
            zoomedScreen = QImage(4, 4, QImage::Format_RGB32);
            zoomedScreen.setDotsPerMeterY(qRound(96 / 0.0254 * zoomPercent / 100));
            zoomedScreen.setDotsPerMeterX(zoomedScreen.dotsPerMeterY());
            for (QTextDocument *d : {qt.get(), flow.get()})
                d->documentLayout()->setPaintDevice(&zoomedScreen);
        }
        for (QTextDocument *d : {qt.get(), flow.get()})
            d->setTextWidth(kWidth);
    }
};

QString linesOf(const QTextBlock &block)
{
    QString out;
    const QTextLayout *tl = block.layout();
    for (int i = 0; i < tl->lineCount(); ++i) {
        const QTextLine l = tl->lineAt(i);
        out += QStringLiteral("[%1+%2 at %3,%4 w%5]").arg(l.textStart()).arg(l.textLength()).arg(l.x()).arg(l.y()).arg(l.width());
    }
    return out;
}

// The first paragraphs (all by default), each with its lines.
void compareBlocks(const QTextDocument &flow, const QTextDocument &qt, int count = INT_MAX)
{
    QCOMPARE(flow.blockCount(), qt.blockCount());
    QTextBlock f = flow.begin();
    for (QTextBlock q = qt.begin(); q.isValid() && q.blockNumber() < count; q = q.next(), f = f.next()) {
        QCOMPARE(flow.documentLayout()->blockBoundingRect(f), qt.documentLayout()->blockBoundingRect(q));
        QCOMPARE(linesOf(f), linesOf(q));
    }
}

void compareLayouts(const Pair &pair)
{
    compareBlocks(*pair.flow, *pair.qt);
    QCOMPARE(pair.flow->documentLayout()->documentSize(), pair.qt->documentLayout()->documentSize());
}

// The text from one place to another (each kept inside the document), selected.
QTextCursor span(QTextDocument &doc, int from, int to)
{
    QTextCursor c(&doc);
    c.setPosition(qBound(0, from, doc.characterCount() - 1));
    c.setPosition(qBound(0, to, doc.characterCount() - 1), QTextCursor::KeepAnchor);
    return c;
}

QTextCursor at(QTextDocument &doc, int position) { return span(doc, position, position); }

QTextCharFormat pointSize(qreal size)
{
    QTextCharFormat format;
    format.setFontPointSize(size);
    return format;
}

QTextBlockFormat margins(qreal top, qreal bottom)
{
    QTextBlockFormat format;
    format.setTopMargin(top);
    format.setBottomMargin(bottom);
    return format;
}

// A band of the document drawn as the box draws it.
QImage drawn(QTextDocument &doc, qreal top, qreal height, int cursor = -1, const QList<QAbstractTextDocumentLayout::Selection> &selections = {})
{
    QImage image(int(kWidth), int(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(0, -top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, top, kWidth, height);
    context.cursorPosition = cursor;
    context.selections = selections;
    doc.documentLayout()->draw(&painter, context);
    return image;
}
} // namespace

void TestFlowLayout::placesAsQtDoes_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("zoom");
    QTest::newRow("nominal: plain paragraphs") << ("<p>" + kWords.repeated(5) + "</p><p></p><p>" + kWords + "</p>") << 100;
    QTest::newRow("nominal: margins, indents, alignments and line heights") << mixedHtml() << 100;
    QTest::newRow("nominal: the same zoomed in") << mixedHtml() << 175;
    QTest::newRow("nominal: the same zoomed out") << mixedHtml() << 67;
    const QString hebrew = QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u05e2\u05d5\u05dc\u05dd ").repeated(30);
    QTest::newRow("nominal: right-to-left paragraphs")
        << ("<p dir='rtl' style='text-indent:20px; -qt-block-indent:1; margin-right:15px'>" + hebrew + "</p><p>" + hebrew
            + "</p><p dir='rtl' align='left'>" + hebrew + "</p>")
        << 100;
    QTest::newRow("robustness: an empty document") << QString() << 100;
}

void TestFlowLayout::placesAsQtDoes()
{
    QFETCH(QString, html);
    QFETCH(int, zoom);
    compareLayouts(Pair(html, zoom));
}

void TestFlowLayout::editsPlaceAsQtDoes_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("nominal: a letter typed at the start") << Edit([](QTextDocument &d) { at(d, 0).insertText("e"); });
    QTest::newRow("nominal: a paragraph broken in two") << Edit([](QTextDocument &d) { at(d, 700).insertBlock(); });
    QTest::newRow("nominal: paragraphs pasted at the end")
        << Edit([](QTextDocument &d) { at(d, INT_MAX).insertText("one\ntwo words\n" + kWords.repeated(3)); });
    QTest::newRow("nominal: a word made bigger") << Edit([](QTextDocument &d) { span(d, 1200, 1206).mergeCharFormat(pointSize(30)); });
    QTest::newRow("nominal: the edits undone")
        << Edit([](QTextDocument &d) { at(d, 0).insertText("e"), at(d, 900).insertBlock(), d.undo(), d.undo(); });
    QTest::newRow("robustness: a selection across paragraphs deleted") << Edit([](QTextDocument &d) { span(d, 300, 2000).removeSelectedText(); });
    QTest::newRow("robustness: everything deleted") << Edit([](QTextDocument &d) { span(d, 0, INT_MAX).removeSelectedText(); });
    QTest::newRow("robustness: the page made narrower") << Edit([](QTextDocument &d) { d.setTextWidth(kWidth / 2); });
    QTest::newRow("robustness: a margin changed between two paragraphs")
        << Edit([](QTextDocument &d) { at(d, 10).mergeBlockFormat(margins(0, 25)); });
}

void TestFlowLayout::editsPlaceAsQtDoes()
{
    QFETCH(Edit, edit);
    const Pair pair(mixedHtml(), 100);
    compareLayouts(pair); // laid out before the edit, as on screen
    edit(*pair.qt);
    edit(*pair.flow);
    compareLayouts(pair);
}

// Edits of every kind in a random order, some while only a part is laid out, each followed by a
// comparison with Qt's layout of the text as it stands, laid out afresh.
void TestFlowLayout::randomEditsPlaceAsQtDoes()
{
    QRandomGenerator random(25);
    QTextDocument doc;
    doc.setPlainText((kWords + "\n" + kWords.repeated(3) + "\n\n").repeated(60));
    doc.setDocumentLayout(new FlowLayout(&doc));
    for (int step = 0; step < 150; ++step) {
        doc.setTextWidth(step < 100 ? kWidth : kWidth - 70);
        QTextCursor c = at(doc, int(random.bounded(doc.characterCount())));
        const QTextBlockFormat spaced = margins(random.bounded(3) * 7, random.bounded(3) * 9);
        const QTextCharFormat sized = pointSize(8 + random.bounded(20));
        switch (random.bounded(6)) {
        case 0: c.insertText("x"); break;
        case 1: c.insertText("one\ntwo three\n"); break;
        case 2: c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 2), c.removeSelectedText(); break;
        case 3: doc.undo(); break;
        case 4: c.mergeBlockFormat(spaced); break;
        default: c.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor), c.mergeCharFormat(sized);
        }
        std::unique_ptr<QTextDocument> fresh(doc.clone());
        fresh->setTextWidth(doc.textWidth());
        compareBlocks(doc, *fresh, random.bounded(2) ? INT_MAX : int(random.bounded(doc.blockCount())));
        if (QTest::currentTestFailed())
            return;
    }
}

// The same pixels, a selection and the cursor among them, and the same character under a point.
void TestFlowLayout::drawsAndHitsAsQtDoes()
{
    const Pair pair(mixedHtml(), 100);
    const auto render = [](QTextDocument &doc) {
        QAbstractTextDocumentLayout::Selection selection{span(doc, 400, 900), {}};
        selection.format.setBackground(Qt::darkBlue);
        selection.format.setForeground(Qt::white);
        return drawn(doc, 150, 500, 620, {selection});
    };
    QCOMPARE(render(*pair.flow), render(*pair.qt));
    for (int y = 0; y < 1400; y += 7) {
        for (int x = -5; x < kWidth + 10; x += 37) {
            const QPointF p(x, y);
            for (Qt::HitTestAccuracy accuracy : {Qt::FuzzyHit, Qt::ExactHit})
                QCOMPARE(pair.flow->documentLayout()->hitTest(p, accuracy), pair.qt->documentLayout()->hitTest(p, accuracy));
        }
    }
}

void TestFlowLayout::takesPlainParagraphsOnly_data()
{
    QTest::addColumn<Build>("build");
    QTest::addColumn<bool>("suits");
    QTest::newRow("nominal: paragraphs in several sizes") << Build([](QTextCursor &c) { c.insertText("one", pointSize(20)), c.insertBlock(); }) << true;
    QTest::newRow("nominal: a table") << Build([](QTextCursor &c) { c.insertTable(2, 2); }) << false;
    QTest::newRow("nominal: a list") << Build([](QTextCursor &c) { c.insertList(QTextListFormat::ListDisc); }) << false;
    QTest::newRow("nominal: a picture") << Build([](QTextCursor &c) { c.insertImage(QStringLiteral("photo.png")); }) << false;
    QTest::newRow("nominal: a frame") << Build([](QTextCursor &c) { c.insertFrame(QTextFrameFormat()); }) << false;
}

void TestFlowLayout::takesPlainParagraphsOnly()
{
    QFETCH(Build, build);
    QFETCH(bool, suits);
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText("text");
    build(c);
    QCOMPARE(FlowLayout::suits(doc), suits);
}

// What is drawn is laid out at once; the rest follows in idle time, growing the size it reports.
void TestFlowLayout::longDocumentIsLaidOutAsShown()
{
    QTextDocument doc;
    doc.setPlainText((kWords.repeated(6) + "\n").repeated(3000));
    auto *layout = new FlowLayout(&doc);
    doc.setDocumentLayout(layout);
    QSignalSpy grown(layout, &QAbstractTextDocumentLayout::documentSizeChanged);
    doc.setTextWidth(kWidth);
    QCOMPARE(layout->hitTest(QPointF(10, 1), Qt::FuzzyHit), 0); // above the top margin, before anything is drawn
    drawn(doc, 0, 300);
    QVERIFY(layout->laidOutCount() > 0);
    QVERIFY(layout->laidOutCount() < doc.blockCount());
    QVERIFY(doc.firstBlock().next().layout()->lineCount() > 0);
    QTRY_COMPARE_WITH_TIMEOUT(layout->laidOutCount(), doc.blockCount(), 20000);
    QVERIFY(!grown.isEmpty());
    QCOMPARE(grown.last().first().toSizeF(), layout->documentSize());
    QCOMPARE(layout->hitTest(QPointF(10, layout->documentSize().height() - 8), Qt::FuzzyHit), doc.lastBlock().position());
    // A narrower page is laid out again in idle time; the heights it had keep the scroll bar meanwhile.
    const qreal wide = layout->documentSize().height();
    doc.setTextWidth(kWidth - 60);
    QCOMPARE(layout->documentSize().height(), wide);
    QCOMPARE(layout->laidOutCount(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(layout->laidOutCount(), doc.blockCount(), 20000);
    QVERIFY(layout->documentSize().height() > wide);
}

QTEST_MAIN(TestFlowLayout)
#include "tst_flow_layout.moc"
