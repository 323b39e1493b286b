// Where the book's lines fall: pages filled in order, no single line of a paragraph alone at
// a page's foot or top, a question kept with its answer's first lines.
#include "document/book/page_flow.h"

#include <QTest>

namespace {
QList<qreal> lines(int count) { return QList<qreal>(count, 10.0); }

// The page of each line, e.g. "0 0 1 1".
QString pagesOf(const QList<LinePlace> &places)
{
    QStringList pages;
    for (const LinePlace &p : places)
        pages << QString::number(p.page);
    return pages.join(QLatin1Char(' '));
}
} // namespace

class TestPageFlow : public QObject {
    Q_OBJECT
private slots:
    void paragraphBreaks_data();
    void paragraphBreaks();
    void linesFollowEachOther();
    void questionKeptWithAnswer_data();
    void questionKeptWithAnswer();
    void spaceDroppedAtPageTop();
    void newPageOnlyAfterContent();
};

// A page of 100 holds ten lines; `before` lines of an earlier paragraph stand above.
void TestPageFlow::paragraphBreaks_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("pages");
    QTest::newRow("nominal: fits whole") << 2 << 5 << "0 0 0 0 0";
    QTest::newRow("nominal: fills the page exactly") << 5 << 5 << "0 0 0 0 0";
    QTest::newRow("nominal: broken with two lines each side") << 6 << 6 << "0 0 0 0 1 1";
    QTest::newRow("robustness: first line alone at the foot goes over") << 9 << 4 << "1 1 1 1";
    QTest::newRow("robustness: last line alone at the top takes one along") << 7 << 4 << "0 0 1 1";
    QTest::newRow("robustness: two-line paragraph is never split") << 9 << 2 << "1 1";
    QTest::newRow("robustness: three lines with one over go over whole") << 8 << 3 << "1 1 1";
    QTest::newRow("robustness: over two pages, last line not alone") << 0 << 21 << "0 0 0 0 0 0 0 0 0 0 1 1 1 1 1 1 1 1 1 2 2";
    QTest::newRow("robustness: one line goes to the foot alone") << 9 << 1 << "0";
}

void TestPageFlow::paragraphBreaks()
{
    QFETCH(int, before);
    QFETCH(int, count);
    QFETCH(QString, pages);
    PageFlow flow(100);
    flow.placeLines(lines(before));
    const QList<LinePlace> places = flow.placeLines(lines(count));
    QCOMPARE(pagesOf(places), pages);
}

void TestPageFlow::linesFollowEachOther()
{
    PageFlow flow(100);
    flow.placeLines(lines(7));
    const QList<LinePlace> places = flow.placeLines(lines(4));
    QCOMPARE(places[0], (LinePlace{0, 70}));
    QCOMPARE(places[1], (LinePlace{0, 80}));
    QCOMPARE(places[2], (LinePlace{1, 0})); // a new page begins at its top
    QCOMPARE(places[3], (LinePlace{1, 10}));
}

// A question of height 10 with a gap of 5 below, then an answer of `answer` lines, after `before` lines.
void TestPageFlow::questionKeptWithAnswer_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("questionPage");
    QTest::newRow("nominal: room for question and answer") << 3 << 3 << 0;
    QTest::newRow("nominal: answer broken after its first two lines") << 6 << 8 << 0;
    QTest::newRow("robustness: question alone at the foot goes over") << 8 << 5 << 1;
    QTest::newRow("robustness: room for one answer line only") << 7 << 5 << 1;
    QTest::newRow("robustness: short answer that would be split goes over with it") << 6 << 3 << 1;
}

void TestPageFlow::questionKeptWithAnswer()
{
    QFETCH(int, before);
    QFETCH(int, answer);
    QFETCH(int, questionPage);
    PageFlow flow(100);
    flow.placeLines(lines(before));
    const LinePlace question = flow.placeKept(10, 5, lines(answer));
    const QList<LinePlace> places = flow.placeLines(lines(answer));
    QCOMPARE(question.page, questionPage);
    QCOMPARE(places.first().page, questionPage); // the answer begins on the question's page
    QVERIFY(places.first().top >= question.top + 15);
}

void TestPageFlow::spaceDroppedAtPageTop()
{
    PageFlow flow(100);
    flow.addSpace(30); // nothing above it yet
    QCOMPARE(flow.placeLines(lines(1)).first(), (LinePlace{0, 0}));
    flow.placeLines(lines(8));
    flow.addSpace(30); // past the foot: the next line opens the next page at its top
    QCOMPARE(flow.placeLines(lines(1)).first(), (LinePlace{1, 0}));
}

void TestPageFlow::newPageOnlyAfterContent()
{
    PageFlow flow(100);
    flow.newPage();
    QCOMPARE(flow.page(), 0);
    flow.placeLines(lines(1));
    flow.newPage();
    flow.newPage();
    QCOMPARE(flow.page(), 1);
}

QTEST_APPLESS_MAIN(TestPageFlow)
#include "tst_page_flow.moc"
