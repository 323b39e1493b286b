// A page keeps an answer's characters exactly as held (lone CR or LF, tabs, control
// characters) until the user edits that answer; the box may show a lone break as a line.
#include "questionnaire_helpers.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace qhelp;

namespace {
const QString kPage = QStringLiteral("frmChildhood1");
} // namespace

class TestAnswerBoxExact : public QObject {
    Q_OBJECT
private slots:
    void savedAsHeld_data();
    void savedAsHeld();
};

void TestAnswerBoxExact::savedAsHeld_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("edit"); // "": none; "other": another box; "this": typed at the end; "paste": pasted
    QTest::addColumn<QString>("stored");
    const QString odd = QString::fromLatin1("one\ntwo\rthree\r\r\nfour\tfive\x01\x1F\x7F");
    QTest::newRow("nominal: Save without an edit") << odd << "" << odd;
    QTest::newRow("nominal: another answer edited") << odd << "other" << odd;
    QTest::newRow("robustness: a form feed and a vertical tab") << QString::fromLatin1("a\fb\vc") << "" << QString::fromLatin1("a\fb\vc");
    QTest::newRow("nominal: the answer edited takes what the box shows")
        << QString::fromLatin1("one\ntwo") << "this" << QString::fromLatin1("one\r\ntwo!");
    QTest::newRow("robustness: tab and control characters pasted stay")
        << QString() << "paste" << QString::fromLatin1("a\tb\x01" "c");
}

void TestAnswerBoxExact::savedAsHeld()
{
    QFETCH(QString, held);
    QFETCH(QString, edit);
    QFETCH(QString, stored);
    TestProgram program;
    program.startToMainMenu();
    answerStore().setAnswer(1, held);
    answerStore().setAnswer(2, QStringLiteral("second"));
    openPage(program, kPage);
    QPlainTextEdit *first = box(kPage, QStringLiteral("txtGrowUp")); // question 1
    QPlainTextEdit *second = box(kPage, QStringLiteral("txtToys"));  // question 2
    QVERIFY(first && second);
    if (edit == QLatin1String("other")) {
        second->moveCursor(QTextCursor::End);
        second->insertPlainText(QStringLiteral(" edited"));
    } else if (edit == QLatin1String("this")) {
        first->moveCursor(QTextCursor::End);
        first->insertPlainText(QStringLiteral("!"));
    } else if (edit == QLatin1String("paste")) {
        QGuiApplication::clipboard()->setText(QString::fromLatin1("a\tb\x01" "c"));
        first->paste();
    }
    program.click(kPage, QStringLiteral("cmdSave"));
    QCOMPARE(answerStore().answerOf(1), stored);
    QCOMPARE(answerStore().answerOf(2), edit == QLatin1String("other") ? QStringLiteral("second edited") : QStringLiteral("second"));
}

QTEST_MAIN(TestAnswerBoxExact)
#include "tst_answer_box_exact.moc"
