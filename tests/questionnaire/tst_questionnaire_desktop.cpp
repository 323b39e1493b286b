// The questionnaire driven as a user does: keys pressed on the real keyboard of an X server
// with a window manager (xdotool), where closing a message box activates the window again.
// Under the offscreen platform the same steps run with synthetic key events.
#include "questionnaire_helpers.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

using namespace qhelp;

namespace {
bool onDesktop() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

QWidget *focused(QWidget *window)
{
    QWidget *f = QApplication::focusWidget();
    return f && f->window() == window ? f : window->focusWidget();
}

// One key press: through the X server on a desktop, else straight to the focused control.
void press(QWidget *window, const char *xdoKey, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    if (onDesktop()) {
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                                                       QString::fromLatin1(xdoKey)});
        QTest::qWait(100);
    } else {
        QTest::keyClick(focused(window), key, mods);
    }
}

void type(QWidget *window, const QString &text)
{
    if (onDesktop()) {
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                                       QStringLiteral("5"), text});
        QTest::qWait(100);
    } else {
        QTest::keyClicks(focused(window), text);
    }
}

QString focusName(QWidget *window)
{
    QWidget *f = focused(window);
    return f ? f->objectName() : QString();
}

bool ready(QWidget *window) { return !onDesktop() || QTest::qWaitForWindowActive(window); }
} // namespace

class TstQuestionnaireDesktop : public ProgramTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void typeSaveAndReturnFromMainMenu();
    void tabMovesFromBoxToBox_data();
    void tabMovesFromBoxToBox();
    void exitQuestionNoKeepsTyping();
};

void TstQuestionnaireDesktop::initTestCase()
{
    if (onDesktop())
        QVERIFY2(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) == 0, "xdotool is missing");
}

void TstQuestionnaireDesktop::typeSaveAndReturnFromMainMenu()
{
    program.startToMainMenu();
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdChildhood"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmChildMain")});
    program.click(QStringLiteral("frmChildMain"), QStringLiteral("lblToys"));
    Form *page = Forms::find(QStringLiteral("frmChildhood1"));
    QVERIFY(page && ready(page));
    QTRY_COMPARE(focusName(page), QStringLiteral("txtGrowUp"));

    type(page, QStringLiteral("Astronaut"));
    press(page, "Tab", Qt::Key_Tab);
    QTRY_COMPARE(focusName(page), QStringLiteral("txtToys"));
    type(page, QStringLiteral("Blocks"));
    press(page, "Return", Qt::Key_Return);
    type(page, QStringLiteral("Trains"));
    QTRY_COMPARE(box(QStringLiteral("frmChildhood1"), QStringLiteral("txtToys"))->toPlainText(),
                 QStringLiteral("Blocks\nTrains"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmChildhood1")}); // Enter is no button
    press(page, "Escape", Qt::Key_Escape);
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmChildhood1")});

    if (onDesktop()) {
        press(page, "alt+s", Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(answerStore().answerOf(2), QStringLiteral("Blocks\r\nTrains"));
        press(page, "alt+r", Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmChildMain")});
    } else {
        program.click(QStringLiteral("frmChildhood1"), QStringLiteral("cmdSave"));
        program.click(QStringLiteral("frmChildhood1"), QStringLiteral("cmdReturn"));
    }
    QCOMPARE(answerStore().answerOf(1), QStringLiteral("Astronaut"));
    QCOMPARE(answerStore().answerOf(2), QStringLiteral("Blocks\r\nTrains"));
    QVERIFY(program.dialogs.calls.isEmpty());
    for (const char *item : {"GrowUp", "Toys", "Games"})
        QCOMPARE(markOf("frmChildMain", item), qstrcmp(item, "Games") ? "marked" : "unmarked");

    Form *overview = Forms::find(QStringLiteral("frmChildMain"));
    QVERIFY(ready(overview));
    if (onDesktop())
        press(overview, "alt+r", Qt::Key_R, Qt::AltModifier);
    else
        program.click(QStringLiteral("frmChildMain"), QStringLiteral("cmdReturn"));
    QTRY_COMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmMain")});
}

void TstQuestionnaireDesktop::tabMovesFromBoxToBox_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("nominal: band box between the columns") << QStringLiteral("frmVolun1");
    QTest::newRow("nominal: band box last") << QStringLiteral("frmHighSch2");
    QTest::newRow("nominal: two columns, no band") << QStringLiteral("frmCollege1");
    QTest::newRow("nominal: shorter right column") << QStringLiteral("frmCollege2");
}

void TstQuestionnaireDesktop::tabMovesFromBoxToBox()
{
    QFETCH(QString, page);
    Form *w = openPage(program, page);
    QVERIFY(w && ready(w));
    QStringList want;
    for (const expected::PageBox *b : boxesOf(page))
        want << QString::fromLatin1(b->textBox);
    want << QStringLiteral("cmdSave") << QStringLiteral("cmdReturn") << want.first();
    QTRY_COMPARE(focusName(w), want.first());
    for (int i = 1; i < want.size(); ++i) {
        press(w, "Tab", Qt::Key_Tab);
        QTRY_COMPARE(focusName(w), want[i]);
    }
    for (const expected::PageBox *b : boxesOf(page))
        QVERIFY(box(page, QString::fromLatin1(b->textBox))->toPlainText().isEmpty());
}

void TstQuestionnaireDesktop::exitQuestionNoKeepsTyping()
{
    answerStore().setAnswer(52, QStringLiteral("At a dance"));
    Form *w = openPage(program, QStringLiteral("frmWedding1"));
    QVERIFY(w && ready(w));
    QTRY_COMPARE(focusName(w), QStringLiteral("txtMeet"));
    type(w, QStringLiteral(" in June"));
    QTRY_COMPARE(box(QStringLiteral("frmWedding1"), QStringLiteral("txtMeet"))->toPlainText(),
                 QStringLiteral("At a dance in June"));

    // A real modal box takes the focus while the question is asked, as the real dialog does,
    // so on a desktop the page is activated again by the window manager once it closes.
    program.dialogs.onCall = [](const DialogCall &) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Kinscribe"), QStringLiteral("stand-in"), QMessageBox::No);
        QTimer::singleShot(300, &box, [&box] { box.done(QMessageBox::No); });
        box.exec();
    };
    program.dialogs.answer(MessageAnswer::No);
    if (onDesktop())
        press(w, "alt+F4", Qt::Key_F4, Qt::AltModifier);
    else
        QVERIFY(!w->close());
    QTRY_COMPARE(program.dialogs.messages().size(), 1);
    if (onDesktop())
        QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::qWait(200);
    QVERIFY(isExitQuestion(program.dialogs.messages()[0]));
    QCOMPARE(program.dialogs.endCount, 0);
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmWedding1")});
    QCOMPARE(box(QStringLiteral("frmWedding1"), QStringLiteral("txtMeet"))->toPlainText(), QStringLiteral("At a dance in June"));
    QCOMPARE(dataChanged(QStringLiteral("frmWedding1")), QStringLiteral("Y"));
    QCOMPARE(answerStore().answerOf(52), QStringLiteral("At a dance"));

    // The typing is still there to save, and Return asks nothing after it.
    program.dialogs.onCall = nullptr;
    program.click(QStringLiteral("frmWedding1"), QStringLiteral("cmdSave"));
    program.click(QStringLiteral("frmWedding1"), QStringLiteral("cmdReturn"));
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(answerStore().answerOf(52), QStringLiteral("At a dance in June"));
}

QTEST_MAIN(TstQuestionnaireDesktop)
#include "tst_questionnaire_desktop.moc"
