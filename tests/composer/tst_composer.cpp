#include "document/composer/composer.h"
#include "questionnaire/answer_store.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {
const QString CRLF = QStringLiteral("\r\n");

// A store with its question texts (the store is a QObject and is not copied).
struct StoreWithTexts : AnswerStore {
    StoreWithTexts() { loadQuestionTexts(); }
};

// The composed document cut at its line breaks; a trailing break leaves one empty last piece.
QStringList linesOf(const QString &doc) { return doc.split(CRLF); }
} // namespace

class TestComposer : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreLayout();
    void emptyStoreLength();
    void answersInsertedAsHeld_data();
    void answersInsertedAsHeld();
    void lastAnswerEndsWithOneBreak_data();
    void lastAnswerEndsWithOneBreak();
    void noValueAndEmptyTextComposeAlike();
    void fillDocumentCountsOneCharacterPerBreak_data();
    void fillDocumentCountsOneCharacterPerBreak();
    void fillDocumentInArial12();
    void fillDocumentReplacesEverything();
};

void TestComposer::emptyStoreLayout()
{
    const QString doc = composeDocument(StoreWithTexts());
    QVERIFY(doc.startsWith(QStringLiteral(
        "\r\n\r\nCHILDHOOD:\r\n\r\nWhen you were a child, what did you always want to be when you grew up?\r\n\r\n"
        "\r\n\r\nWhat were the toys you remember having?\r\n\r\n\r\n\r\n")));
    QVERIFY(doc.endsWith(QStringLiteral("\r\n\r\n\r\n")));
    QVERIFY(!doc.endsWith(QStringLiteral("\r\n\r\n\r\n\r\n")));
    QVERIFY(!doc.contains(QStringLiteral("\n\n"))); // every break is a CR LF pair
    QCOMPARE(doc.count(QLatin1Char('\r')), doc.count(QLatin1Char('\n')));

    // Thank-you line, then per section its heading and per question its text and (empty) answer.
    const QStringList lines = linesOf(doc);
    QCOMPARE(lines.size(), 2 + 2 * 11 + 4 * 77 - 1 + 1);
    const QStringList headings{"CHILDHOOD:", "HIGH SCHOOL:", "FIRST CAR:", "VOLUNTEERING:", "JOBS:", "COLLEGE:",
                               "MILITARY:", "WEDDING:", "TRAVELING:", "LIFE IN GENERAL:", "FINAL COMMENTS:"};
    const int firstOfSection[] = {1, 11, 19, 24, 29, 34, 45, 52, 61, 68, 74, 78};
    const StoreWithTexts store;
    int at = 2;
    for (int s = 0; s < 11; ++s) {
        QCOMPARE(lines[at], headings[s]);
        QCOMPARE(lines[at + 1], QString());
        at += 2;
        for (int n = firstOfSection[s]; n < firstOfSection[s + 1]; ++n) {
            QVERIFY2(!lines[at].isEmpty(), qPrintable(QString::number(n)));
            QCOMPARE(lines[at], store.questionText(n));
            QCOMPARE(lines[at + 1], QString());
            QCOMPARE(lines[at + 2], QString()); // the empty answer
            at += 4;
        }
    }
    QCOMPARE(at, lines.size());
}

void TestComposer::emptyStoreLength()
{
    const StoreWithTexts store;
    qsizetype texts = 0;
    for (int n = 1; n <= 77; ++n)
        texts += store.questionText(n).size();
    const qsizetype headings = QStringLiteral("CHILDHOOD:HIGH SCHOOL:FIRST CAR:VOLUNTEERING:JOBS:COLLEGE:MILITARY:"
                                              "WEDDING:TRAVELING:LIFE IN GENERAL:FINAL COMMENTS:").size();
    // 331 line breaks of two characters each.
    QCOMPARE(composeDocument(store).size(), texts + headings + 331 * 2);
}

void TestComposer::answersInsertedAsHeld_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("answer");
    QTest::newRow("nominal: one line") << 1 << "A fireman";
    QTest::newRow("nominal: three lines, CR LF") << 2 << "A ball\r\nA kite\r\nA sled";
    QTest::newRow("nominal: blank lines inside") << 34 << "First\r\n\r\n\r\nLast";
    QTest::newRow("robustness: only spaces") << 5 << "   ";
    QTest::newRow("robustness: untrimmed spaces and breaks") << 44 << "  \r\n  x  \r\n";
    QTest::newRow("robustness: bare LF kept as is") << 12 << "one\ntwo";
    QTest::newRow("robustness: commas and quotes") << 60 << "He said \"yes\", then left.";
}

void TestComposer::answersInsertedAsHeld()
{
    QFETCH(int, number);
    QFETCH(QString, answer);
    StoreWithTexts store;
    const QString before = composeDocument(store);
    store.setAnswer(number, answer);
    const QString doc = composeDocument(store);
    const QString block = store.questionText(number) + CRLF + CRLF + answer + CRLF + CRLF;
    QVERIFY2(doc.contains(block), qPrintable(doc.left(300)));
    QCOMPARE(doc.size(), before.size() + answer.size());
    // Nothing else moved: the text before the answer is the same as in the empty document.
    const qsizetype at = doc.indexOf(block) + block.size() - answer.size() - 4;
    QCOMPARE(doc.left(at), before.left(at));
    QCOMPARE(doc.mid(at + answer.size()), before.mid(at));
}

void TestComposer::lastAnswerEndsWithOneBreak_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("nominal: words") << "Thank you for asking.";
    QTest::newRow("robustness: answer ends in a break") << "Bye\r\n";
    QTest::newRow("robustness: spaces") << "  ";
}

void TestComposer::lastAnswerEndsWithOneBreak()
{
    QFETCH(QString, answer);
    StoreWithTexts store;
    store.setAnswer(76, QStringLiteral("Seventy-six"));
    store.setAnswer(77, answer);
    const QString doc = composeDocument(store);
    QVERIFY(doc.endsWith(QStringLiteral("Seventy-six\r\n\r\n") + store.questionText(77) + CRLF + CRLF + answer + CRLF));
}

void TestComposer::noValueAndEmptyTextComposeAlike()
{
    StoreWithTexts a;
    StoreWithTexts b;
    for (int n = 1; n <= 77; ++n)
        b.setAnswer(n, QString(""));
    QCOMPARE(composeDocument(a), composeDocument(b));
}

void TestComposer::fillDocumentCountsOneCharacterPerBreak_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    QTest::newRow("nominal: CR LF") << "ab\r\ncd\r\n" << "ab\ncd\n";
    QTest::newRow("nominal: empty lines") << "\r\n\r\nX" << "\n\nX";
    QTest::newRow("robustness: bare LF and CR") << "a\nb\rc" << "a\nb\nc";
}

void TestComposer::fillDocumentCountsOneCharacterPerBreak()
{
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QTextDocument doc;
    fillDocument(doc, text);
    QCOMPARE(doc.toPlainText(), plain);
    // The cursor position of each character equals its index in the plain text.
    const int last = int(plain.size()) - 1;
    QTextCursor cursor(&doc);
    cursor.setPosition(last);
    cursor.setPosition(last + 1, QTextCursor::KeepAnchor);
    QCOMPARE(cursor.selection().toPlainText(), plain.mid(last));
    QCOMPARE(doc.characterCount(), plain.size() + 1);
}

void TestComposer::fillDocumentInArial12()
{
    QTextDocument doc;
    fillDocument(doc, composeDocument(StoreWithTexts()));
    int checked = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat f = b.charFormat();
        QCOMPARE(f.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
        QCOMPARE(f.fontPointSize(), 12.0);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QCOMPARE(it.fragment().charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
            QCOMPARE(it.fragment().charFormat().fontPointSize(), 12.0);
            ++checked;
        }
    }
    QCOMPARE(checked, 11 + 77); // headings and questions; empty answers have no fragment
    QCOMPARE(doc.defaultFont().pointSize(), 12);
}

void TestComposer::fillDocumentReplacesEverything()
{
    QTextDocument doc;
    doc.setHtml(QStringLiteral("<b>old</b> text<table><tr><td>cell</td></tr></table>"));
    fillDocument(doc, QStringLiteral("new\r\n"));
    QCOMPARE(doc.toPlainText(), QStringLiteral("new\n"));
    QVERIFY(!doc.isUndoAvailable());
    QCOMPARE(doc.begin().begin().fragment().charFormat().fontWeight(), int(QFont::Normal));
}

QTEST_MAIN(TestComposer)
#include "tst_composer.moc"
