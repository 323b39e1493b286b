// The windows opened over another: the version history over About, and the star-shaped credits.
#include "info_helpers.h"

namespace {
// The main menu, About, then its version history label.
void openVersionHistory(TestProgram &p, const char *about = "cmdInfo")
{
    p.startToMainMenu();
    p.click("frmMain", about);
    p.click("frmInfo", "Label2");
}
} // namespace

class TestInfoPopups : public QObject {
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
    TestProgram p;
    openVersionHistory(p);
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
    QPointer<Form> history = Forms::find("frmVersionHx");
    QVERIFY(QTest::qWaitForWindowExposed(history));
    QCOMPARE(history->pos(), centredPosition(history));
    QCOMPARE(label(p, "frmVersionHx", "lblVersionHx")->text(), InfoText::versionHistory());
    p.click("frmVersionHx", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QVERIFY(history); // hidden, not destroyed
    p.click("frmInfo", "Label2");
    QCOMPARE(Forms::find("frmVersionHx"), history.data());
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
    QVERIFY(p.dialogs.calls.isEmpty());
}

void TestInfoPopups::aboutCloseLeavesVersionHistoryOpen()
{
    TestProgram p;
    openVersionHistory(p, "lblInfo");
    QVERIFY(p.child("frmInfo", "cmdClose")->isEnabled());
    p.click("frmInfo", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmMain", "frmVersionHx"}));
}

void TestInfoPopups::versionHistoryCloseBox()
{
    TestProgram p;
    openVersionHistory(p);
    QPointer<Form> history = Forms::find("frmVersionHx");
    history->move(history->pos() + QPoint(40, 30));
    QVERIFY(history->close());
    QVERIFY(p.dialogs.calls.isEmpty());
    QCOMPARE(p.dialogs.endCount, 0);
    QTRY_VERIFY(!history);
    QVERIFY(!Forms::find("frmVersionHx"));
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    // Opened again: a new window, centred and filled as the first time.
    p.click("frmInfo", "Label2");
    Form *again = Forms::find("frmVersionHx");
    QVERIFY(again && again->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QCOMPARE(again->pos(), centredPosition(again));
    QCOMPARE(label(p, "frmVersionHx", "lblVersionHx")->text(), InfoText::versionHistory());
    QCOMPARE(TestProgram::visibleForms(), (QStringList{"frmInfo", "frmVersionHx"}));
}

void TestInfoPopups::versionHistoryReopenedBeforeUnload()
{
    // The close box drops the window once the close is over; opened again at once, it must stay.
    TestProgram p;
    openVersionHistory(p);
    Forms::find("frmVersionHx")->close();
    p.click("frmInfo", "Label2");
    QPointer<Form> history = Forms::find("frmVersionHx");
    QTest::qWait(50);
    QVERIFY(history);
    QVERIFY(history->isVisible());
    QCOMPARE(Forms::find("frmVersionHx"), history.data());
}

void TestInfoPopups::creditsStar()
{
    TestProgram p;
    p.startToMainMenu();
    p.click("frmMain", "cmdInfo");
    QLabel *addy = label(p, "frmInfo", "lblAddy");
    const QPoint aboutCentre = Forms::find("frmInfo")->frameGeometry().center();
    p.click("frmInfo", "Picture1");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmCredits2"});
    Form *credits = Forms::find("frmCredits2");
    QCOMPARE(credits->mask(), Star::region());
    // First shown where the about window stood: the star's centre on the about window's centre.
    QCOMPARE(credits->pos() + QPoint(200, 150), aboutCentre);
    // Its controls lie inside the star, or they could not be seen or clicked.
    for (const char *name : {"Label1", "cmdClose"})
        QVERIFY(Star::region().contains(p.child("frmCredits2", name)->geometry()));
    addy->setText("changed while hidden");
    p.click("frmCredits2", "cmdClose");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QCOMPARE(addy->text(), InfoText::contactBlock());
    QVERIFY(p.dialogs.calls.isEmpty());
}

void TestInfoPopups::creditsOtherClose()
{
    // Alt+F4 or the window manager: without a way back no window of the program would remain.
    TestProgram p;
    p.startToMainMenu();
    p.click("frmMain", "cmdInfo");
    p.click("frmInfo", "Picture1");
    Form *credits = Forms::find("frmCredits2");
    credits->close();
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmInfo"});
    QVERIFY(p.dialogs.calls.isEmpty());
    QCOMPARE(p.dialogs.endCount, 0);
    const QPoint placed = credits->pos();
    p.click("frmInfo", "Picture1");
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmCredits2"});
    QCOMPARE(credits->pos(), placed);
}

void TestInfoPopups::clicksOutsideStarFallThrough()
{
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("only a real X server cuts the window to its shape");
    TestProgram p;
    p.startToMainMenu();
    p.click("frmMain", "cmdInfo");
    p.click("frmInfo", "Picture1");
    Form *credits = Forms::find("frmCredits2");
    QVERIFY(QTest::qWaitForWindowExposed(credits));
    QTRY_COMPARE(QApplication::widgetAt(credits->mapToGlobal(QPoint(200, 100))), credits);
    for (const QPoint corner : {QPoint(2, 2), QPoint(397, 2), QPoint(2, 297), QPoint(397, 297)})
        QVERIFY(QApplication::widgetAt(credits->mapToGlobal(corner)) != credits);
}

QTEST_MAIN(TestInfoPopups)
#include "tst_info_popups.moc"
