// The paragraphs a box shows, found from its scroll offset without walking the document:
// only those are checked for spelling.
#include "text/spelling/shown_blocks.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using Spelling::blocksMeeting;

class TestShownBlocks : public QObject {
    Q_OBJECT
private slots:
    void paragraphsInTheBand_data();
    void paragraphsInTheBand();
    void aBandBetweenSpacedParagraphs();
    void aTableRowIsShownWhole();
    void onlyWhatIsShownIsLaidOut();
};

namespace {
constexpr int kParagraphs = 300;

// One-line paragraphs, laid out at a box's width.
void fill(QTextDocument &doc, int paragraphs, bool layoutAll = true)
{
    doc.setTextWidth(400);
    QStringList lines;
    for (int n = 0; n < paragraphs; ++n)
        lines << QStringLiteral("line %1").arg(n);
    doc.setPlainText(lines.join('\n'));
    if (layoutAll)
        doc.documentLayout()->documentSize();
}

// From one paragraph's top to the next one's.
qreal lineHeight(const QTextDocument &doc)
{
    const QAbstractTextDocumentLayout *layout = doc.documentLayout();
    return layout->blockBoundingRect(doc.findBlockByNumber(1)).top() - layout->blockBoundingRect(doc.firstBlock()).top();
}
} // namespace

void TestShownBlocks::paragraphsInTheBand_data()
{
    QTest::addColumn<qreal>("topInLines");
    QTest::addColumn<qreal>("linesShown");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("nominal: the top of the document") << 0.0 << 10.0 << 0 << 9;
    QTest::newRow("nominal: the middle, lines cut at both edges") << 100.5 << 10.0 << 100 << 110;
    QTest::newRow("nominal: the end") << 295.0 << 10.0 << 295 << kParagraphs - 1;
    QTest::newRow("robustness: in the margin above the first line") << -0.2 << 5.0 << 0 << 4;
    QTest::newRow("robustness: below the end") << 400.0 << 10.0 << kParagraphs - 1 << kParagraphs - 1;
    QTest::newRow("robustness: a band thinner than a line") << 7.25 << 0.5 << 7 << 7;
}

void TestShownBlocks::paragraphsInTheBand()
{
    QFETCH(qreal, topInLines);
    QFETCH(qreal, linesShown);
    QFETCH(int, first);
    QFETCH(int, last);
    QTextDocument doc;
    fill(doc, kParagraphs);
    const qreal h = lineHeight(doc);
    const qreal top = doc.documentMargin() + topInLines * h;
    const Spelling::BlockRange range = blocksMeeting(doc, top, top + linesShown * h - 0.01);
    QCOMPARE(range.first.blockNumber(), first);
    QCOMPARE(range.last.blockNumber(), last);
}

// A point between two paragraphs lies in neither; the band still starts at the next one.
void TestShownBlocks::aBandBetweenSpacedParagraphs()
{
    QTextDocument doc;
    fill(doc, kParagraphs);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(30);
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(spaced);
    doc.documentLayout()->documentSize();
    const QRectF fifty = doc.documentLayout()->blockBoundingRect(doc.findBlockByNumber(50));
    const qreal gap = fifty.bottom() + 10;
    const Spelling::BlockRange range = blocksMeeting(doc, gap, gap + 5);
    QCOMPARE(range.first.blockNumber(), 51);
    QCOMPARE(range.last.blockNumber(), 51);
}

// A tall first cell reaches below the band; the cells beside it are shown all the same.
void TestShownBlocks::aTableRowIsShownWhole()
{
    QTextDocument doc;
    fill(doc, 20);
    QTextCursor end(&doc);
    end.movePosition(QTextCursor::End);
    QTextTable *table = end.insertTable(1, 3);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("tall\n").repeated(40));
    table->cellAt(0, 2).firstCursorPosition().insertText(QStringLiteral("short"));
    QTextCursor(table->cellAt(0, 2).lastCursorPosition()).insertText(QStringLiteral("\nafter"));
    doc.documentLayout()->documentSize();
    const qreal rowTop = doc.documentLayout()->blockBoundingRect(table->cellAt(0, 0).firstCursorPosition().block()).top();
    const Spelling::BlockRange range = blocksMeeting(doc, rowTop, rowTop + 5 * lineHeight(doc));
    const QTextBlock lastCell = table->cellAt(0, 2).lastCursorPosition().block();
    QCOMPARE(range.last.blockNumber(), lastCell.blockNumber());
    QCOMPARE(lastCell.text(), QStringLiteral("after"));
}

// Right after a long document is put in place only its start is laid out; finding the
// shown paragraphs at the top leaves the rest to be laid out later.
void TestShownBlocks::onlyWhatIsShownIsLaidOut()
{
    QTextDocument doc;
    fill(doc, 5000, false);
    QVERIFY(doc.lastBlock().layout()->lineCount() == 0);
    const Spelling::BlockRange range = blocksMeeting(doc, 0, 20 * lineHeight(doc));
    QCOMPARE(range.first.blockNumber(), 0);
    QVERIFY(range.last.blockNumber() >= 18);
    QVERIFY(range.last.blockNumber() <= 21);
    QCOMPARE(doc.lastBlock().layout()->lineCount(), 0);
}

QTEST_MAIN(TestShownBlocks)
#include "tst_shown_blocks.moc"
