// A page keeps an answer's characters exactly as held (lone CR or LF, tabs, control
// characters) until the user edits that answer; the box may show a lone break as a line.
#include "questionnaire_helpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <functional>

using namespace qhelp;

using BoxEdit = std::function<void(QPlainTextEdit *first, QPlainTextEdit *second)>;
Q_DECLARE_METATYPE(BoxEdit)

namespace {
const QString kPage = QStringLiteral("frmChildhood1");

void typeAtEnd(QPlainTextEdit *box, const QString &text)
{
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(text);
}
} // namespace

class TestAnswerBoxExact : public ProgramTest {
    Q_OBJECT
private slots:
    void savedAsHeld_data();
    void savedAsHeld();
};

void TestAnswerBoxExact::savedAsHeld_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<BoxEdit>("edit"); // what the user does to the boxes of questions 1 and 2
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("storedSecond");
    const QString odd = QString::fromLatin1("one\ntwo\rthree\r\r\nfour\tfive\x01\x1F\x7F");
    const BoxEdit none = [](QPlainTextEdit *, QPlainTextEdit *) {};
    const BoxEdit editSecond = [](QPlainTextEdit *, QPlainTextEdit *second) { typeAtEnd(second, " edited"); };
    const BoxEdit typeIntoFirst = [](QPlainTextEdit *first, QPlainTextEdit *) { typeAtEnd(first, "!"); };
    const BoxEdit pasteIntoFirst = [](QPlainTextEdit *first, QPlainTextEdit *) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1("a\tb\x01" "c"));
        first->paste();
    };
    QTest::newRow("nominal: Save without an edit") << odd << none << odd << "second";
    QTest::newRow("nominal: another answer edited") << odd << editSecond << odd << "second edited";
    QTest::newRow("robustness: a form feed and a vertical tab")
        << QString::fromLatin1("a\fb\vc") << none << QString::fromLatin1("a\fb\vc") << "second";
    QTest::newRow("nominal: the answer edited takes what the box shows")
        << QString::fromLatin1("one\ntwo") << typeIntoFirst << QString::fromLatin1("one\r\ntwo!") << "second";
    QTest::newRow("robustness: tab and control characters pasted stay")
        << QString() << pasteIntoFirst << QString::fromLatin1("a\tb\x01" "c") << "second";
}

void TestAnswerBoxExact::savedAsHeld()
{
    QFETCH(QString, held);
    QFETCH(BoxEdit, edit);
    QFETCH(QString, stored);
    QFETCH(QString, storedSecond);
    program.startToMainMenu();
    answerStore().setAnswer(1, held);
    answerStore().setAnswer(2, QStringLiteral("second"));
    openPage(program, kPage);
    QPlainTextEdit *first = box(kPage, QStringLiteral("txtGrowUp")); // question 1
    QPlainTextEdit *second = box(kPage, QStringLiteral("txtToys"));  // question 2
    QVERIFY(first && second);
    edit(first, second);
    program.click(kPage, QStringLiteral("cmdSave"));
    QCOMPARE(answerStore().answerOf(1), stored);
    QCOMPARE(answerStore().answerOf(2), storedSecond);
}

QTEST_MAIN(TestAnswerBoxExact)
#include "tst_answer_box_exact.moc"
