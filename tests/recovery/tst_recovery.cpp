// The recovery session of the running program: page saves written at once, a deliberate end
// that leaves nothing, the offer at the next start, and a run killed after a page's Save.
#include "child_process.h"
#include "recovery_helpers.h"

#include "shell/exit_question.h"
#include "editor_steps.h"
#include "fs_faults.h"

class TestRecovery : public ProgramTest {
    Q_OBJECT
    TestProgram &p = program;
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup()
    {
        ProgramTest::cleanup();
        stopRecovery();
    }
    void pageSaveWritesTheAnswers();
    void deliberateEndLeavesNothing_data();
    void deliberateEndLeavesNothing();
    void offeredAtStart_data();
    void offeredAtStart();
    void damagedFileKeptAside();
    void sessionEnding_data();
    void sessionEnding();
    void killedAfterPageSave();
    void killedWhileTyping_data();
    void killedWhileTyping();
    void failedWriteToldOnce();
};

void TestRecovery::pageSaveWritesTheAnswers()
{
    startOver(dir.path());
    QVERIFY(recoverySession());
    typeAndSave("frmChildhood1", "txtToys", "A wooden horse\r\nand a drum");
    const AnswerDataFile::ReadResult kept = AnswerDataFile::readFile(dir.filePath("recovery.dat"));
    QVERIFY2(kept.ok(), qPrintable(kept.error()));
    QCOMPARE(kept.answers->at(1), std::optional<QString>("A wooden horse\r\nand a drum"));
    QCOMPARE(kept.answers->at(0), std::optional<QString>(""));
    QVERIFY(!kept.answers->at(10).has_value());
    QCOMPARE(QFile::permissions(dir.path()) & 0x0077, QFileDevice::Permissions());
}

// A deliberate end leaves neither the file nor its folder once what it holds is safe in a file,
// or after Yes on the exit question, which warns; otherwise the file stays for the next start.
void TestRecovery::deliberateEndLeavesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<bool>("stays");
    QTest::newRow("nominal: exit question, Yes") << "exitYes" << true << false;
    QTest::newRow("nominal: start-up window's Exit, nothing typed") << "splashExit" << false << false;
    QTest::newRow("nominal: start-up window's close box, nothing typed") << "splashClose" << false << false;
    QTest::newRow("nominal: the editor's Exit after saving both files") << "editorSavedExit" << true << false;
    QTest::newRow("nominal: the editor's Exit, No to saving: the answers stay") << "editorExit" << true << true;
    QTest::newRow("nominal: start-up window's Exit with answers in no file") << "splashExit" << true << true;
}

void TestRecovery::deliberateEndLeavesNothing()
{
    QFETCH(QString, how);
    QFETCH(bool, typed);
    QFETCH(bool, stays);
    const QString folder = dir.filePath("Kinscribe");
    startOver(folder);
    if (typed)
        typeAndSave("frmChildhood1", "txtGrowUp", "a pilot");
    QCOMPARE(QFile::exists(folder + "/recovery.dat"), typed);
    if (how == "exitYes") {
        p.dialogs.answer(MessageAnswer::Yes);
        QVERIFY(askExitQuestion(nullptr));
    } else if (how == "splashExit") {
        p.click("frmSplash", "cmdExit");
    } else if (how == "splashClose") {
        Forms::find("frmSplash")->close();
    } else {
        TextEditor *editor = openEditorFromMainMenu(p);
        if (how == "editorSavedExit")
            saveAs(p, editor, dir.filePath("Story.rtf"));
        else
            p.dialogs.answer(MessageAnswer::No); // do not save the document
        editor->action("mnuFileExit")->trigger();
        settle();
    }
    QCOMPARE(p.dialogs.endCount, 1);
    if (!stays) {
        QVERIFY2(!QFileInfo::exists(folder), qPrintable(folderEntries(folder).join(", ")));
        return;
    }
    stopRecovery();
    const AnswerDataFile::ReadResult kept = AnswerDataFile::readFile(folder + "/recovery.dat");
    QVERIFY2(kept.ok(), qPrintable(kept.error()));
    QCOMPARE(kept.answers->at(0), std::optional<QString>("a pilot"));
}

void TestRecovery::offeredAtStart_data()
{
    QTest::addColumn<MessageAnswer>("reply");
    QTest::newRow("nominal: Yes restores the answers") << MessageAnswer::Yes;
    QTest::newRow("nominal: No keeps a dated copy") << MessageAnswer::No;
}

void TestRecovery::offeredAtStart()
{
    QFETCH(MessageAnswer, reply);
    QVERIFY(leaveRecoveryFile(dir.path(), {{1, "a pilot"}, {40, "Yes, 1971"}, {41, ""}}));
    p.dialogs.answer(reply);
    if (reply == MessageAnswer::No)
        p.dialogs.answer(MessageAnswer::Ok);
    startOver(dir.path());
    const DialogCall offer = p.dialogs.messages().first();
    QCOMPARE(offer.title, "Kinscribe");
    QCOMPARE(offer.request, (MessageRequest{MessageIcon::Question, MessageButtons::YesNo}));
    QCOMPARE(offer.parentName, "frmSplash");
    QVERIFY2(offer.text.contains("did not close normally") && offer.text.contains("2 of the 77 questions"),
             qPrintable(offer.text));
    QCOMPARE(p.dialogs.pendingAnswers(), 0);
    if (reply == MessageAnswer::Yes) {
        QCOMPARE(answerStore().answerOf(1), "a pilot");
        QCOMPARE(answerStore().answerOf(40), "Yes, 1971");
        QVERIFY(answerStore().hasValue(41) && !answerStore().hasValue(42));
        QCOMPARE(folderEntries(dir.path()), QStringList({"recovery.dat", "recovery.dat.lock"}));
        return;
    }
    QCOMPARE(answerStore().answerOf(1), "");
    const QStringList kept = folderEntries(dir.path()).filter(QRegularExpression("^answers-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.dat$"));
    QCOMPARE(kept.size(), 1);
    const DialogCall where = p.dialogs.messages().at(1);
    QCOMPARE(where.request, MessageRequest{MessageIcon::Information});
    QVERIFY2(where.text.contains(dir.filePath(kept.first())) && where.text.contains("Load Previously Saved Data"),
             qPrintable(where.text));
    QVERIFY(AnswerDataFile::readFile(dir.filePath(kept.first())).answers->at(0) == QString("a pilot"));
}

void TestRecovery::damagedFileKeptAside()
{
    QVERIFY(writeBytes(dir.filePath("recovery.dat"), "\"only one field"));
    p.dialogs.answer(MessageAnswer::Ok);
    startOver(dir.path());
    QCOMPARE(p.dialogs.messages().size(), 1);
    const QString text = p.dialogs.messages().first().text;
    QVERIFY2(text.contains(dir.filePath("recovery.dat")) && text.contains("damaged-"), qPrintable(text));
    QCOMPARE(answerStore().answerOf(1), "");
    const QStringList damaged = folderEntries(dir.path()).filter("damaged-");
    QCOMPARE(damaged.size(), 1);
    QCOMPARE(fileBytes(dir.filePath(damaged.first())), QByteArray("\"only one field"));
}

void TestRecovery::sessionEnding_data()
{
    QTest::addColumn<bool>("mayInteract");
    QTest::addColumn<std::optional<MessageAnswer>>("reply"); // to the exit question, if asked
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("fileStays");
    QTest::newRow("nominal: asked, Yes ends and removes the file") << true << std::optional(MessageAnswer::Yes) << true << false;
    QTest::newRow("nominal: asked, No cancels the logout") << true << std::optional(MessageAnswer::No) << false << true;
    QTest::newRow("nominal: no interaction, ends and keeps the file") << false << std::optional<MessageAnswer>() << true << true;
}

void TestRecovery::sessionEnding()
{
    QFETCH(bool, mayInteract);
    QFETCH(std::optional<MessageAnswer>, reply);
    QFETCH(bool, ends);
    QFETCH(bool, fileStays);
    startOver(dir.path());
    typeAndSave("frmChildhood1", "txtGrowUp", "a pilot");
    if (reply)
        p.dialogs.answer(*reply);
    QCOMPARE(Recovery::sessionEnding(Forms::find("frmChildhood1"), mayInteract), ends);
    QCOMPARE(p.dialogs.endCount, ends ? 1 : 0);
    QCOMPARE(p.dialogs.messages().size(), mayInteract ? 1 : 0);
    if (mayInteract)
        QVERIFY(isExitQuestion(p.dialogs.messages().first()));
    QCOMPARE(QFile::exists(dir.filePath("recovery.dat")), fileStays);
}

// The program is killed right after a page's Save; the next start offers the answers and
// Yes brings them back exactly.
void TestRecovery::killedAfterPageSave()
{
    QProcess child;
    QVERIFY(startChild(child, {"page"}, "saved", {"XDG_DATA_HOME=" + dir.path(), "QT_QPA_PLATFORM=offscreen"}));
    killNow(child);
    const QString folder = dir.filePath("Kinscribe");
    QVERIFY2(QFile::exists(folder + "/recovery.dat"), qPrintable(folderEntries(folder).join(", ")));

    p.dialogs.answer(MessageAnswer::Yes);
    startOver(folder);
    QCOMPARE(p.dialogs.messages().size(), 1);
    QVERIFY2(p.dialogs.messages().first().text.contains("1 of the 77 questions had an answer"),
             qPrintable(p.dialogs.messages().first().text));
    QCOMPARE(answerStore().answerOf(3), "Marbles,\r\n\"hide and seek\"");
    stopRecovery();
}

// Typing not yet saved anywhere, in the editor or on a page, survives kill -9: the next start
// offers it, and Yes puts the words back where they were, marked changed.
void TestRecovery::killedWhileTyping_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("part");
    QTest::newRow("nominal: in the editor") << "editor" << "recovery.dat.document.rtf";
    QTest::newRow("nominal: on a page, before its Save") << "page" << "recovery.dat.typing.dat";
}

void TestRecovery::killedWhileTyping()
{
    QFETCH(QString, where);
    QFETCH(QString, part);
    const QString folder = dir.filePath("Kinscribe");
    QProcess child;
    QVERIFY(startChild(child, {"type", where}, "typed", {"XDG_DATA_HOME=" + dir.path(), "QT_QPA_PLATFORM=offscreen"}));
    // Written a short pause after the typing stopped, with no save and no flush.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + "/" + part), 10000);
    QTest::qWait(300); // the name part is written right after the document
    killNow(child);

    p.dialogs.answer(MessageAnswer::Yes);
    startOver(folder);
    QCOMPARE(p.dialogs.messages().size(), 1);
    const QString offer = p.dialogs.messages().first().text;
    QVERIFY2(offer.contains(where == "editor" ? "the editor's document" : "typing not yet saved on 1 page"), qPrintable(offer));
    if (where == "editor") {
        p.dialogs.answer(MessageAnswer::Ok); // the editing note
        p.click("frmSplash", "cmdEnter");
        QTRY_VERIFY(isShown("frmTxtEditor"));
        auto *editor = Forms::find<TextEditor>("frmTxtEditor");
        const QString text = editor->edit()->toPlainText();
        QVERIFY2(text.contains("CHILDHOOD:") && text.endsWith("Our first house had a red door."), qPrintable(text.right(80)));
        QTextCursor cursor = editor->edit()->document()->find("red door");
        QVERIFY(cursor.charFormat().fontWeight() == QFont::Bold);
        QVERIFY(editor->state().docChanged);
    } else {
        Form *page = Forms::show("frmChildhood1");
        QCOMPARE(page->findChild<QPlainTextEdit *>("txtToys")->toPlainText(), "A tin drum");
        QCOMPARE(page->property("DataChanged").toString(), "Y");
        QCOMPARE(answerStore().answerOf(2), ""); // still only typing, not an answer
        p.dialogs.answer(MessageAnswer::Yes);
        p.click("frmChildhood1", "cmdReturn");
        QCOMPARE(p.dialogs.messages().last().title, "Save Changes");
        QCOMPARE(answerStore().answerOf(2), "A tin drum");
    }
    QVERIFY(p.dialogs.unexpected.isEmpty());
    stopRecovery();
}

// A safety copy that cannot be written is told once, with the folder and the reason, and
// again only when it fails anew after having worked.
void TestRecovery::failedWriteToldOnce()
{
    const QString folder = dir.filePath("Kinscribe");
    startOver(folder);
    const auto failuresTold = [this] {
        return int(p.dialogs.messages().size());
    };
    p.dialogs.answer(MessageAnswer::Ok);
    {
        NoPermission guard(folder);
        typeAndSave("frmChildhood1", "txtGrowUp", "a pilot");
        typeAndSave("frmChildhood1", "txtGrowUp", "a sailor");
    }
    QCOMPARE(failuresTold(), 1);
    const DialogCall told = p.dialogs.messages().first();
    QCOMPARE(told.text, "Kinscribe cannot keep a safety copy in " + folder + ": Permission denied. Save your work to a file soon.");
    QCOMPARE(told.request, MessageRequest{MessageIcon::Exclamation});
    typeAndSave("frmChildhood1", "txtGrowUp", "a doctor"); // works again
    QVERIFY2(failuresTold() == 1, qPrintable(p.dialogs.messages().last().text));
    p.dialogs.answer(MessageAnswer::Ok);
    {
        NoPermission guard(folder);
        typeAndSave("frmChildhood1", "txtGrowUp", "a painter");
    }
    QCOMPARE(failuresTold(), 2);
    QCOMPARE(p.dialogs.pendingAnswers(), 0);
}

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
