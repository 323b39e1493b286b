// The composed document filled straight from the answers is the one filled from the composed
// text, format for format, and its traits are those of its paragraphs.
#include "document/composer/composer.h"
#include "document/reading/work_progress.h"
#include "questionnaire/answer_store.h"
#include "document_shape.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace {
struct StoreWithTexts : AnswerStore {
    StoreWithTexts() { loadQuestionTexts(); }
};

// Answers the progress with "go on" until the given call, then "stop".
struct StopAt : WorkProgress {
    explicit StopAt(int call) : stopAt(call) {}
    bool advance(qint64 done, qint64 total) override
    {
        last = {done, total};
        return ++calls < stopAt;
    }
    int stopAt, calls = 0;
    std::pair<qint64, qint64> last;
};
} // namespace

class TestFillFromAnswers : public QObject {
    Q_OBJECT
private slots:
    void sameAsFromText_data();
    void sameAsFromText();
    void progressCountsTheWholeText();
};

void TestFillFromAnswers::sameAsFromText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("answer");
    QTest::newRow("nominal: no answer at all") << 0 << QString();
    QTest::newRow("nominal: paragraphs and empty lines") << 3 << "We drove\r\n\r\nto the farm";
    QTest::newRow("nominal: a right-to-left word") << 40 << QStringLiteral("shalom \u05e9\u05dc\u05d5\u05dd");
    QTest::newRow("robustness: a bare CR at the answer's end") << 12 << "one\r";
    QTest::newRow("robustness: a bare LF at the answer's start") << 13 << "\ntwo";
    QTest::newRow("robustness: the last answer ends in a break") << 77 << "Bye\r\n";
    QTest::newRow("robustness: a word across the pieces of a long answer") << 20 << QString(300 * 1024, QLatin1Char('w'));
}

void TestFillFromAnswers::sameAsFromText()
{
    QFETCH(int, number);
    QFETCH(QString, answer);
    StoreWithTexts store;
    if (number)
        store.setAnswer(number, answer);
    QTextDocument fromText, fromAnswers;
    QVERIFY(fillDocument(fromText, composeDocument(store)));
    FastLayout::TextTraits traits;
    QVERIFY(fillDocument(fromAnswers, store, nullptr, &traits));
    QCOMPARE(fromAnswers.toPlainText(), fromText.toPlainText());
    QCOMPARE(documentShape(fromAnswers), documentShape(fromText));
    QCOMPARE(fromAnswers.defaultFont(), fromText.defaultFont());
    QCOMPARE(fromAnswers.pageSize(), fromText.pageSize());
    QVERIFY(!fromAnswers.isUndoAvailable());
    const FastLayout::TextTraits read = FastLayout::traitsOf(fromAnswers);
    QCOMPARE(traits.longestRun, read.longestRun);
    QCOMPARE(traits.rightToLeft, read.rightToLeft);
}

// A report for every 256 K characters however short the texts that make them up, and one at
// the end: a store of short answers reports once, as its composed text would.
void TestFillFromAnswers::progressCountsTheWholeText()
{
    StoreWithTexts store;
    QTextDocument doc;
    StopAt once(INT_MAX);
    QVERIFY(fillDocument(doc, store, &once));
    QCOMPARE(once.calls, 1);
    store.setAnswer(9, QString(600 * 1024, QLatin1Char('x')));
    const qint64 total = composeDocument(store).size();
    StopAt never(INT_MAX);
    QVERIFY(fillDocument(doc, store, &never));
    QCOMPARE(never.calls, 3);
    QCOMPARE(never.last, std::make_pair(total, total));
    StopAt first(1);
    QVERIFY(!fillDocument(doc, store, &first));
    QCOMPARE(first.calls, 1);
    QVERIFY(doc.characterCount() < total / 2);
}

QTEST_MAIN(TestFillFromAnswers)
#include "tst_fill_from_answers.moc"
