// The parts of the recovery file beside the answers at the next start: a damaged part set
// aside with a message naming it while the rest comes back, and kept answers easy to find
// from the Load and Open dialogs.
#include "recovery_helpers.h"

#include "editor_steps.h"

class TestRecoveryParts : public ProgramTest {
    Q_OBJECT
    TestProgram &p = program;
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        ProgramTest::cleanup();
        stopRecovery();
    }
    void damagedPartKeptAside_data();
    void damagedPartKeptAside();
    void keptFolderInSidePanel_data();
    void keptFolderInSidePanel();
};

void TestRecoveryParts::damagedPartKeptAside_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("named");
    QTest::newRow("robustness: the editor's document is not RTF") << "recovery.dat.document.rtf" << "editor's document";
    QTest::newRow("robustness: the pages' typing is cut short") << "recovery.dat.typing.dat" << "unsaved typing";
}

void TestRecoveryParts::damagedPartKeptAside()
{
    QFETCH(QString, part);
    QFETCH(QString, named);
    QVERIFY(leaveRecoveryFile(dir.path(), {{1, "a pilot"}}));
    QVERIFY(writeBytes(dir.filePath(part), "\"only one field"));
    p.dialogs.answer(MessageAnswer::Ok).answer(MessageAnswer::Yes); // the damaged part, then the offer
    startOver(dir.path());
    const QList<DialogCall> messages = p.dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].text.contains("The " + named + " kept from the last time could not be read from \"" + dir.filePath(part) + "\""),
             qPrintable(messages[0].text));
    const QStringList damaged = folderEntries(dir.path()).filter("damaged-");
    QCOMPARE(damaged.size(), 1);
    QVERIFY2(messages[0].text.contains(dir.filePath(damaged.first())), qPrintable(messages[0].text));
    QCOMPARE(fileBytes(dir.filePath(damaged.first())), QByteArray("\"only one field")); // nothing deleted
    QVERIFY2(messages[1].text.contains("1 of the 77 questions had an answer"), qPrintable(messages[1].text));
    QCOMPARE(answerStore().answerOf(1), "a pilot"); // the rest is restored
}

// While the data folder holds kept answers, the Load and Open dialogs show it in their side
// panel; the message after No says how to load them.
void TestRecoveryParts::keptFolderInSidePanel_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("kept");
    QTest::newRow("nominal: Load, answers kept") << "load" << true;
    QTest::newRow("nominal: editor's Open, answers kept") << "open" << true;
    QTest::newRow("nominal: Load, nothing kept") << "load" << false;
}

void TestRecoveryParts::keptFolderInSidePanel()
{
    QFETCH(QString, dialog);
    QFETCH(bool, kept);
    const QString folder = RecoveryFile::defaultFolder();
    QDir(folder).removeRecursively();
    if (kept) {
        QVERIFY(leaveRecoveryFile(folder, {{1, "a pilot"}}));
        p.dialogs.answer(MessageAnswer::No).answer(MessageAnswer::Ok);
    }
    startOver(folder);
    if (kept)
        QVERIFY2(p.dialogs.messages().last().text.contains("side panel"), qPrintable(p.dialogs.messages().last().text));
    if (dialog == "load") {
        p.click("frmSplash", "cmdEnter");
        p.dialogs.answer(MessageAnswer::Yes).answerFile(std::nullopt);
        p.click("frmMain", "cmdLoad");
    } else {
        TextEditor *editor = openEditorFromMainMenu(p);
        p.dialogs.answer(MessageAnswer::No).answerFile(std::nullopt);
        runMenu(editor, "mnuFileOpen");
    }
    QCOMPARE(p.dialogs.count(DialogCall::OpenFile), 1);
    QCOMPARE(p.dialogs.calls.last().file.sidePanelFolders, kept ? QStringList{folder} : QStringList{});
    stopRecovery();
    QDir(folder).removeRecursively();
}

QTEST_MAIN(TestRecoveryParts)
#include "tst_recovery_parts.moc"
