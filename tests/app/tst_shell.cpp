// The start-up window, the main menu and leaving the program, driven through the real windows.
#include "test_app.h"

#include "shell/exit_question.h"
#include "shell/twips.h"

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QTimer>

namespace {
QList<int> frameExtents(const QWidget *w)
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(w->winId()), QStringLiteral("_NET_FRAME_EXTENTS")});
    xprop.waitForFinished(3000);
    const QString out = QString::fromLatin1(xprop.readAllStandardOutput());
    QList<int> ext;
    if (out.contains(QLatin1Char('=')))
        for (const QString &n : out.section(QLatin1Char('='), 1).split(QLatin1Char(',')))
            ext << n.trimmed().toInt();
    return ext;
}
} // namespace

class TestShell : public ProgramTest {
    Q_OBJECT
    TestProgram &p = program;
private slots:
    void startUpCreatesHiddenWindows();
    void enterShowsMainMenu();
    void exitOnStartUpAsksNothing();
    void startUpCloseBoxEnds();
    void mainMenuGeometry_data();
    void mainMenuGeometry();
    void mainMenuLabels();
    void sectionMarkers_data();
    void sectionMarkers();
    void markerStaysAfterAnswerCleared();
    void markedLabelAndTwinStillOpen();
    void accessKeyMovesFocusOnly_data();
    void accessKeyMovesFocusOnly();
    void outerWindowCentred();
    void exitQuestion_data();
    void exitQuestion();
    void exitYesEndsRealLoopOnce();
};

void TestShell::startUpCreatesHiddenWindows()
{
    Forms::show(QStringLiteral("frmSplash"));
    Form *menu = Forms::find(QStringLiteral("frmMain"));
    QVERIFY(menu);
    QVERIFY(!menu->isVisible());
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmSplash"});
    // The main menu's load put the question texts into the store before anything is clicked.
    QCOMPARE(answerStore().questionText(19), QStringLiteral("What was your first car?  (Make, model, year, color, etc.)"));
    auto *enter = p.child<QPushButton>("frmSplash", "cmdEnter");
    QVERIFY(enter);
    QCOMPARE(Forms::find("frmSplash")->focusWidget(), enter);
    QCOMPARE(enter->text(), QStringLiteral("&Enter"));
    QCOMPARE(enter->toolTip(), QStringLiteral("Click here to begin."));
    QCOMPARE(enter->geometry(), twipsRect(3240, 3120, 975, 495));
    QCOMPARE(Forms::find("frmSplash")->size(), QSize(288, 248));
}

void TestShell::enterShowsMainMenu()
{
    Form *menu = p.startToMainMenu();
    QVERIFY(menu);
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    for (const char *name : {"cmdChildhood", "cmdFinal", "cmdSaveFile"})
        QVERIFY(p.child<QPushButton>("frmMain", name)->isVisible());
    QVERIFY(!p.child<QPushButton>("frmMain", "cmdChildhood2")->isVisible());
    QVERIFY(p.dialogs.calls.isEmpty());
}

void TestShell::exitOnStartUpAsksNothing()
{
    Forms::show(QStringLiteral("frmSplash"));
    p.click("frmSplash", "cmdExit");
    QCOMPARE(p.dialogs.endCount, 1);
    QCOMPARE(p.dialogs.messages().size(), 0);
}

void TestShell::startUpCloseBoxEnds()
{
    Form *splash = Forms::show(QStringLiteral("frmSplash"));
    splash->close();
    QCOMPARE(p.dialogs.endCount, 1);
    QCOMPARE(p.dialogs.messages().size(), 0);
}

void TestShell::mainMenuGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twipsGeometry");
    QTest::addColumn<QString>("tooltip");
    auto row = [](const char *n, QRect r, const char *tip = "") { QTest::newRow(n) << QString(n) << r << QString(tip); };
    row("lblInfo", {480, 120, 1830, 240}, "Information about this program.");
    row("cmdInfo", {120, 120, 255, 255});
    row("lblShareware", {480, 1560, 1050, 240}, "Information about shareware in general.");
    row("lblVolun", {480, 3000, 1230, 240}, "Questions about your volunteer services.");
    row("cmdVolunteer", {120, 3000, 255, 255});
    row("lblJobs", {3240, 120, 435, 240}, "Questions about your jobs.");
    row("cmdJobs", {2880, 120, 255, 255});
    row("lblFinal", {3240, 2280, 1410, 240}, "For your final comments.");
    row("cmdFinal2", {2880, 2280, 255, 255});
    row("cmdChildhood2", {120, 1920, 255, 255});
    row("lblSave", {3240, 2640, 2235, 240});
    row("cmdSaveFile", {2880, 2640, 255, 255});
    row("cmdExit", {4320, 3360, 1095, 495}, "Click here to exit the program.");
    row("cmdLoad", {960, 3480, 255, 255});
    row("lblLoad", {1320, 3480, 2685, 240});
}

void TestShell::mainMenuGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsGeometry);
    QFETCH(QString, tooltip);
    p.startToMainMenu();
    QWidget *w = p.child("frmMain", name);
    QVERIFY(w);
    QVERIFY2(placementFault(w, twipsGeometry).isEmpty(), qPrintable(placementFault(w, twipsGeometry)));
    QCOMPARE(w->toolTip(), tooltip);
    QCOMPARE(Forms::find("frmMain")->size(), QSize(twips(5565), twips(3975)));
}

void TestShell::mainMenuLabels()
{
    p.startToMainMenu();
    auto *save = p.child<QLabel>("frmMain", "lblSave");
    QCOMPARE(save->text(), QStringLiteral("Edit Text && Save to File"));
    QVERIFY(save->buddy()); // with a buddy, "&&" shows as one ampersand
    auto *childhood = p.child<QLabel>("frmMain", "lblChildhood");
    QCOMPARE(childhood->buddy(), p.child("frmMain", "cmdChildhood"));
    QCOMPARE(childhood->font().pointSizeF(), 9.75);
    QVERIFY(childhood->font().bold());
    QCOMPARE(childhood->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(p.child("frmMain", "cmdExit")->font().pointSizeF(), 8.25);
    // Tab order follows the table: the first marker button, then the next one.
    QCOMPARE(p.child("frmMain", "cmdInfo")->nextInFocusChain()->objectName(), QStringLiteral("lblInstruc"));
}

void TestShell::sectionMarkers_data()
{
    QTest::addColumn<QList<int>>("answered");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("nominal: empty store") << QList<int>{} << "x" << QStringList{};
    QTest::newRow("nominal: first car one short") << QList<int>{19, 20, 21, 22} << "x" << QStringList{};
    QTest::newRow("nominal: first car complete") << QList<int>{19, 20, 21, 22, 23} << "x" << QStringList{"FirstCar"};
    QTest::newRow("nominal: single spaces count") << QList<int>{74, 75, 76, 77} << " " << QStringList{"Final"};
    QTest::newRow("robustness: empty texts do not count") << QList<int>{74, 75, 76, 77} << "" << QStringList{};
    QTest::newRow("robustness: every section")
        << [] { QList<int> all; for (int n = 1; n <= 77; ++n) all << n; return all; }() << "a"
        << QStringList{"Childhood", "HighSch", "FirstCar", "Volunteer", "Jobs", "College", "Military", "Wedding",
                       "Travel", "Life", "Final"};
}

void TestShell::sectionMarkers()
{
    QFETCH(QList<int>, answered);
    QFETCH(QString, answer);
    QFETCH(QStringList, marked);
    p.startToMainMenu();
    for (int n : answered)
        answerStore().setAnswer(n, answer);
    Forms::show(QStringLiteral("frmMain")); // the menu becomes active again
    for (const SectionInfo &s : QuestionCatalogue::sections())
        QCOMPARE(markOf("frmMain", s.name), marked.contains(QString::fromLatin1(s.name)) ? "marked" : "unmarked");
}

void TestShell::markerStaysAfterAnswerCleared()
{
    p.startToMainMenu();
    for (int n = 19; n <= 23; ++n)
        answerStore().setAnswer(n, QStringLiteral("x"));
    Forms::show(QStringLiteral("frmMain"));
    answerStore().setAnswer(20, QString(""));
    Forms::show(QStringLiteral("frmMain"));
    QCOMPARE(markOf("frmMain", "FirstCar"), "marked");
}

void TestShell::markedLabelAndTwinStillOpen()
{
    // Opening a section needs its overview window; without it the click must do nothing visible.
    p.startToMainMenu();
    for (int n = 74; n <= 77; ++n)
        answerStore().setAnswer(n, QStringLiteral("x"));
    Forms::show(QStringLiteral("frmMain"));
    for (const char *control : {"lblFinal", "cmdFinal2"}) {
        Forms::show(QStringLiteral("frmMain"));
        p.click("frmMain", control);
        const QStringList visible = TestProgram::visibleForms();
        if (Forms::isRegistered("frmFinalMain"))
            QCOMPARE(visible, QStringList{"frmFinalMain"});
        else
            QCOMPARE(visible, QStringList{"frmMain"});
        if (Form *overview = Forms::find("frmFinalMain"))
            overview->hide();
    }
}

void TestShell::accessKeyMovesFocusOnly_data()
{
    QTest::addColumn<bool>("marked");
    QTest::newRow("nominal: unmarked row, to its marker") << false;
    QTest::newRow("nominal: marked row, to its answered twin") << true;
}

void TestShell::accessKeyMovesFocusOnly()
{
    QFETCH(bool, marked);
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("access keys need a real platform; the desktop run covers this");
    for (int q = 19; marked && q <= 23; ++q)
        answerStore().setAnswer(q, QStringLiteral("Blue"));
    Form *menu = p.startToMainMenu();
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_F, Qt::AltModifier);
    QTest::qWait(300); // longer than a button's animated click
    QCOMPARE(QApplication::focusWidget(), p.child("frmMain", marked ? "cmdFirstCar2" : "cmdFirstCar"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_COMPARE(TestProgram::visibleForms(), QStringList{"frmCarMain"});
}

// The whole window, frame included, stands in the middle of the screen, measured against the
// frame the window manager reports; windows after the first are placed right before they show.
void TestShell::outerWindowCentred()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || QStandardPaths::findExecutable("xprop").isEmpty())
        QSKIP("needs a window manager and xprop");
    for (const char *name : {"frmSplash", "frmMain", "frmChildMain"}) {
        const QPoint placed = Forms::show(name)->pos();
        Form *w = Forms::find(name);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QList<int> ext; // left, right, top, bottom
        QTRY_VERIFY_WITH_TIMEOUT((ext = frameExtents(w)).size() == 4, 3000);
        QTest::qWait(100);
        const QRect client(w->mapToGlobal(QPoint(0, 0)), w->size());
        const QRect outer = client.adjusted(-ext[0], -ext[2], ext[1], ext[3]);
        const QRect screen = w->screen()->geometry();
        QVERIFY2(qAbs(outer.top() - (screen.height() - outer.height()) / 2) <= 1, name);
        QVERIFY2(qAbs(outer.left() - (screen.width() - outer.width()) / 2) <= 1, name);
        if (qstrcmp(name, "frmSplash") != 0)
            // No jump once the frame is known: before mapping the window already stood where it
            // ends (Qt counts an unmapped window's position by its frame or by its client area).
            QVERIFY2(placed == outer.topLeft() || placed == client.topLeft(), name);
    }
}

void TestShell::exitQuestion_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("nominal: Exit button, Yes") << "button" << MessageAnswer::Yes;
    QTest::newRow("nominal: Exit button, No") << "button" << MessageAnswer::No;
    QTest::newRow("nominal: close box, Yes") << "close" << MessageAnswer::Yes;
    QTest::newRow("nominal: close box, No") << "close" << MessageAnswer::No;
}

void TestShell::exitQuestion()
{
    QFETCH(QString, how);
    QFETCH(MessageAnswer, answer);
    Form *menu = p.startToMainMenu();
    answerStore().setAnswer(1, QStringLiteral("kept"));
    p.dialogs.answer(answer);
    if (how == "button")
        p.click("frmMain", "cmdExit");
    else
        menu->close();
    QCOMPARE(exitQuestionFault(p, "frmMain"), QString());
    QCOMPARE(p.dialogs.endCount, answer == MessageAnswer::Yes ? 1 : 0);
    QVERIFY(menu->isVisible());
    QCOMPARE(answerStore().answerOf(1), QStringLiteral("kept"));
}

namespace {
// Real dialogs, but the exit question is answered Yes and counted.
class YesCounting : public QtDialogs {
public:
    int asked = 0;
    MessageAnswer message(QWidget *, const QString &, const MessageRequest &, const QString &) override
    {
        ++asked;
        return MessageAnswer::Yes;
    }
};
} // namespace

void TestShell::exitYesEndsRealLoopOnce()
{
    p.startToMainMenu();
    Forms::show(QStringLiteral("frmChildMain")); // more windows open, when they exist
    YesCounting yes;
    Dialogs::set(&yes);
    QTimer::singleShot(0, [] { Forms::find("frmMain")->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    const int code = QCoreApplication::exec();
    Dialogs::set(&p.dialogs);
    QCOMPARE(code, 0);
    QCOMPARE(yes.asked, 1);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
