// The windows opened over another: the version history over About, and the star-shaped credits.
#include "info_helpers.h"

namespace {
// The main menu, About, then its version history label.
void openVersionHistory(TestProgram &program, const char *about = "cmdInfo")
{
    program.startToMainMenu();
    program.click("frmMain", about);
    program.click("frmInfo", "Label2");
}
} // namespace

class TestInfoPopups : public ProgramTest {
    Q_OBJECT
private slots:
    void versionHistoryOverAbout();
    void aboutCloseLeavesVersionHistoryOpen();
    void versionHistoryCloseBox();
    void versionHistoryReopenedBeforeUnload();
    void creditsStar();
    void creditsOtherClose();
    void clicksOutsideStarFallThrough();
};

void TestInfoPopups::versionHistoryOverAbout()
{
    openVersionHistory(program);
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
    QPointer<Form> history = Forms::find("frmVersionHx");
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QCOMPARE(history->pos(), centredPosition(history));
    QCOMPARE(label(program, "frmVersionHx", "lblVersionHx")->text(), InfoText::versionHistory());
    program.click("frmVersionHx", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QVERIFY(history); // hidden, not destroyed
    program.click("frmInfo", "Label2");
    QCOMPARE(Forms::find("frmVersionHx"), history.data());
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
    QVERIFY(program.dialogs.calls.isEmpty());
}

void TestInfoPopups::aboutCloseLeavesVersionHistoryOpen()
{
    openVersionHistory(program, "lblInfo");
    QVERIFY(program.child("frmInfo", "cmdClose")->isEnabled());
    program.click("frmInfo", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmMain", "frmVersionHx"}));
}

void TestInfoPopups::versionHistoryCloseBox()
{
    openVersionHistory(program);
    QPointer<Form> history = Forms::find("frmVersionHx");
    history->move(history->pos() + QPoint(40, 30));
    QVERIFY(history->close());
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(program.dialogs.endCount, 0);
    QTRY_VERIFY(!history);
    QVERIFY(!Forms::find("frmVersionHx"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    // Opened again: a new window, centred and filled as the first time.
    program.click("frmInfo", "Label2");
    Form *again = Forms::find("frmVersionHx");
    QVERIFY(again && again->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QCOMPARE(again->pos(), centredPosition(again));
    QCOMPARE(label(program, "frmVersionHx", "lblVersionHx")->text(), InfoText::versionHistory());
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
}

void TestInfoPopups::versionHistoryReopenedBeforeUnload()
{
    // The close box drops the window once the close is over; opened again at once, it must stay.
    openVersionHistory(program);
    Forms::find("frmVersionHx")->close();
    program.click("frmInfo", "Label2");
    QPointer<Form> history = Forms::find("frmVersionHx");
    QTest::qWait(50);
    QVERIFY(history);
    QVERIFY(history->isVisible());
    QCOMPARE(Forms::find("frmVersionHx"), history.data());
}

void TestInfoPopups::creditsStar()
{
    program.startToMainMenu();
    program.click("frmMain", "cmdInfo");
    QLabel *addy = label(program, "frmInfo", "lblAddy");
    const QPoint aboutCentre = Forms::find("frmInfo")->frameGeometry().center();
    program.click("frmInfo", "Picture1");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmCredits2"});
    Form *credits = Forms::find("frmCredits2");
    QCOMPARE(credits->mask(), Star::region());
    // First shown where the about window stood: the star's centre on the about window's centre.
    QCOMPARE(credits->pos() + QPoint(200, 150), aboutCentre);
    // Its controls lie inside the star, or they could not be seen or clicked.
    for (const char *name : {"Label1", "cmdClose"})
        QVERIFY(Star::region().contains(program.child("frmCredits2", name)->geometry()));
    addy->setText("changed while hidden");
    program.click("frmCredits2", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QCOMPARE(addy->text(), InfoText::contactBlock());
    QVERIFY(program.dialogs.calls.isEmpty());
}

void TestInfoPopups::creditsOtherClose()
{
    // Alt+F4 or the window manager: without a way back no window of the program would remain.
    program.startToMainMenu();
    program.click("frmMain", "cmdInfo");
    program.click("frmInfo", "Picture1");
    Form *credits = Forms::find("frmCredits2");
    credits->close();
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QVERIFY(program.dialogs.calls.isEmpty());
    QCOMPARE(program.dialogs.endCount, 0);
    const QPoint placed = credits->pos();
    program.click("frmInfo", "Picture1");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmCredits2"});
    QCOMPARE(credits->pos(), placed);
}

void TestInfoPopups::clicksOutsideStarFallThrough()
{
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("only a real X server cuts the window to its shape");
    program.startToMainMenu();
    program.click("frmMain", "cmdInfo");
    program.click("frmInfo", "Picture1");
    Form *credits = Forms::find("frmCredits2");
    QVERIFY(QTest::qWaitForWindowExposed(credits));
    QTRY_COMPARE(QApplication::widgetAt(credits->mapToGlobal(QPoint(200, 100))), credits);
    for (const QPoint corner : {QPoint(2, 2), QPoint(397, 2), QPoint(2, 297), QPoint(397, 297)})
        QVERIFY(QApplication::widgetAt(credits->mapToGlobal(corner)) != credits);
}

QTEST_MAIN(TestInfoPopups)
#include "tst_info_popups.moc"
