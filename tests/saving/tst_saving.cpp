// Save and Save As in the editor: the reminder, the Save dialog, the document and the
// answer data file beside it, and every way a save can fail.
#include "editor_steps.h"

#include "fs_faults.h"
#include "document/datafile/answer_data_file.h"
#include "document/windows/editor/save_flow.h"
#include "document/windows/note/note_window.h"

#include <QSignalSpy>

namespace {
QByteArray storeBytes() { return AnswerDataFile::write(AnswerDataFile::answersOf(answerStore())); }
} // namespace

class TestSaving : public ProgramTest {
    Q_OBJECT
private slots:
    void saveAsShowsReminderFirst();
    void saveAsThroughReminder();
    void firstSaveBehavesAsSaveAs();
    void laterSaveWritesAtOnce();
    void dataFileComesFromTheStore();
    void dialogProposesLastName();
    void dataFileNameBeside_data();
    void dataFileNameBeside();
    void existingFilesReplaced();
    void cancelInDialog();
    void reminderClosedWithoutOk();
    void saveAsFailure_data();
    void saveAsFailure();
    void saveFailureKeepsState();
    void saveDataFileAlone();
};

void TestSaving::saveAsShowsReminderFirst()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(editor);
    const int before = program.dialogs.calls.size();
    runMenu(editor, "mnuFileSaveAs");
    QCOMPARE(program.dialogs.calls.size(), before); // no dialog until OK
    QVERIFY(Forms::find("frmNote")->isVisible());
    QVERIFY(editor->isVisible()); // the editor stays usable
    // Back in the editor without OK: no save runs, and the save under way shows no note.
    Forms::show("frmTxtEditor");
    QCOMPARE(program.dialogs.calls.size(), before);
}

void TestSaving::saveAsThroughReminder()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const QString path = dir.filePath("Story.rtf");
    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    const int before = program.dialogs.calls.size();
    saveAs(program, editor, path);

    const QList<DialogCall> calls = program.dialogs.calls.mid(before);
    QCOMPARE(calls.size(), 1); // the Save dialog only: no editing note on the saving activation
    QCOMPARE(calls[0].kind, DialogCall::SaveFile);
    QCOMPARE(calls[0].file.filter, QStringLiteral("Rich Text Files (*.rtf)|*.rtf"));
    QCOMPARE(calls[0].file.defaultSuffix, QStringLiteral("rtf"));
    QVERIFY(calls[0].file.overwritePrompt);
    QCOMPARE(calls[0].file.fileName, QString());
    QCOMPARE(calls[0].parentName, QStringLiteral("frmTxtEditor"));

    QVERIFY(fileBytes(path).startsWith("{\\rtf"));
    QCOMPARE(fileBytes(dir.filePath("Story.dat")), QByteArray(",,,,,,,,,\"\",,,,,,,,\"\",,,,,\"\",,,\"\",,,,,,,\"\",,,,,,,,,,,"
                                                              "\"\",,,,,,,\"\",,,,,,,,,\"\",,,,,,,\"\",,,,,\"\",,,,,\"\"\r\n"));
    QCOMPARE(editor->windowTitle(), path + " - Text Editor");
    QCOMPARE(editor->state().documentPath, path);
    QCOMPARE(exitOutcome(program, editor), kEnds);
    QVERIFY(!editor->state().dialogCancelled);
    QVERIFY(!Forms::find("frmNote")->isVisible());
    QVERIFY(editor->isVisible());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), true);
    QVERIFY(program.dialogs.unexpected.isEmpty());
    // The next activation is an ordinary one: the note again, and no second save.
    showEditorAgain(program, editor);
    QCOMPARE(program.dialogs.calls.size(), before + 2);
    QVERIFY(isEditingNote(program.dialogs.calls.last()));
    QCOMPARE(finished.size(), 1);
}

void TestSaving::firstSaveBehavesAsSaveAs()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const int before = program.dialogs.calls.size();
    runMenu(editor, "mnuFileSave");
    QCOMPARE(program.dialogs.calls.size(), before);
    QVERIFY(Forms::find("frmNote")->isVisible());
    program.dialogs.answerFile(dir.filePath("a.rtf"));
    program.click("frmNote", "cmdOK");
    QCOMPARE(program.dialogs.calls.last().kind, DialogCall::SaveFile);
    QVERIFY(QFile::exists(dir.filePath("a.dat")));
}

void TestSaving::laterSaveWritesAtOnce()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const QString path = dir.filePath("Story.rtf");
    saveAs(program, editor, path);
    typeOver(editor, QStringLiteral("Edited after the first save"));
    answerStore().setAnswer(1, QStringLiteral("Changed, \"again\"\r\nline two"));
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);

    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    const int before = program.dialogs.calls.size();
    runMenu(editor, "mnuFileSave");
    QCOMPARE(program.dialogs.calls.size(), before); // no reminder, no dialog
    QVERIFY(!Forms::find("frmNote")->isVisible());
    QCOMPARE(exitOutcome(program, editor), kEnds);
    QVERIFY(fileBytes(path).contains("Edited after the first save"));
    QVERIFY(fileBytes(dir.filePath("Story.dat")).startsWith("\"Changed, \"\"again\"\"\r\nline two\","));
    QCOMPARE(fileBytes(dir.filePath("Story.dat")), storeBytes());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), true);
    // Save leaves the note out of the next activation only.
    showEditorAgain(program, editor);
    QCOMPARE(program.dialogs.calls.size(), before);
    showEditorAgain(program, editor);
    QVERIFY(isEditingNote(program.dialogs.calls.last()));
}

void TestSaving::dataFileComesFromTheStore()
{
    answerStore().setAnswer(3, QStringLiteral("From the store"));
    answerStore().setAnswer(5, QString::fromUtf8("Привет 😀"));
    TextEditor *editor = openEditorFromMainMenu(program);
    typeOver(editor, QStringLiteral("The document says something else"));
    const QString path = dir.filePath(QString::fromUtf8("Папа 😀.rtf"));
    saveAs(program, editor, path);
    // The rest of the record is that of a store in which nothing else was set.
    const QByteArray rest = AnswerDataFile::write(AnswerDataFile::answersOf(AnswerStore())).mid(4);
    const QByteArray expected = "\xEF\xBB\xBF,,\"From the store\",,\"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
                                "\xF0\x9F\x98\x80\"" + rest;
    QCOMPARE(fileBytes(dir.filePath(QString::fromUtf8("Папа 😀.dat"))), expected);
    QVERIFY(fileBytes(path).contains("something else"));
}

void TestSaving::dialogProposesLastName()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    saveAs(program, editor, dir.filePath("first.rtf"));
    saveAs(program, editor, dir.filePath("second.rtf"));
    QCOMPARE(program.dialogs.calls.last().file.fileName, dir.filePath("first.rtf"));
    QCOMPARE(editor->windowTitle(), dir.filePath("second.rtf") + " - Text Editor");
    // Save now goes to the second name.
    QVERIFY(QFile::remove(dir.filePath("second.dat")));
    runMenu(editor, "mnuFileSave");
    QVERIFY(QFile::exists(dir.filePath("second.dat")));
}

void TestSaving::dataFileNameBeside_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("data");
    QTest::newRow("nominal: .rtf") << "Story.rtf" << "Story.dat";
    QTest::newRow("nominal: .RTF") << "Story.RTF" << "Story.dat";
    QTest::newRow("robustness: .rtf in a folder name") << "old.rtf/Story.rtf" << "old.rtf/Story.dat";
    QTest::newRow("robustness: folder .rtf, file without extension") << "old.rtf/Story" << "old.rtf/Story.dat";
    QTest::newRow("robustness: no extension") << "Story" << "Story.dat";
}

void TestSaving::dataFileNameBeside()
{
    QFETCH(QString, document);
    QFETCH(QString, data);
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(QDir(dir.path()).mkdir("old.rtf"));
    saveAs(program, editor, dir.filePath(document));
    QVERIFY(QFile::exists(dir.filePath(document)));
    QCOMPARE(fileBytes(dir.filePath(data)), storeBytes());
    QStringList expected = {"old.rtf", document.section('/', 0, 0), data.section('/', 0, 0)};
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(folderEntries(dir.path()), expected); // nothing written anywhere else
}

void TestSaving::existingFilesReplaced()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(writeBytes(dir.filePath("Story.rtf"), "old document"));
    QVERIFY(writeBytes(dir.filePath("Story.dat"), "old data"));
    const int before = program.dialogs.calls.size();
    saveAs(program, editor, dir.filePath("Story.rtf"));
    QCOMPARE(program.dialogs.calls.size(), before + 1); // the dialog asks about the document; nothing else
    QCOMPARE(fileBytes(dir.filePath("Story.dat")), storeBytes());
    QVERIFY(fileBytes(dir.filePath("Story.rtf")).startsWith("{\\rtf"));
}

void TestSaving::cancelInDialog()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    const int before = program.dialogs.calls.size();
    saveAs(program, editor, std::nullopt);
    QCOMPARE(program.dialogs.calls.size(), before + 1);
    QCOMPARE(program.dialogs.calls.last().kind, DialogCall::SaveFile);
    QVERIFY(editor->state().dialogCancelled);
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    QCOMPARE(editor->state().documentPath, QString());
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    // A later Save still starts with the reminder.
    runMenu(editor, "mnuFileSave");
    QVERIFY(Forms::find("frmNote")->isVisible());
    QCOMPARE(program.dialogs.calls.size(), before + 1);
}

void TestSaving::reminderClosedWithoutOk()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    const int before = program.dialogs.calls.size();
    runMenu(editor, "mnuFileSave");
    Forms::find("frmNote")->close();
    QCOMPARE(program.dialogs.calls.size(), before); // no exit question, no dialog
    QVERIFY(!Forms::find("frmNote")->isVisible());
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    showEditorAgain(program, editor); // no save is pending
    QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 0);
    // Shown and closed twice: one answer each time.
    runMenu(editor, "mnuFileSaveAs");
    Forms::find("frmNote")->close();
    QCOMPARE(finished.size(), 2);
}

void TestSaving::saveAsFailure_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("failedName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("robustness: folder does not exist") << "noFolder" << "gone/Story.rtf" << "No such file";
    QTest::newRow("robustness: folder without write permission") << "noPermission" << "Story.rtf" << "ermission";
    QTest::newRow("robustness: data file name taken by a folder") << "dataIsFolder" << "Story.dat" << "directory";
    QTest::newRow("robustness: disk full") << "diskFull" << "Story.dat" << "too large";
}

void TestSaving::saveAsFailure()
{
    QFETCH(QString, how);
    QFETCH(QString, failedName);
    QFETCH(QString, reason);
    TextEditor *editor = openEditorFromMainMenu(program);
    // After composing: the data file outgrows the "disk", the document does not.
    answerStore().setAnswer(1, QString(20000, QLatin1Char('a')));
    const QString path = how == QLatin1String("noFolder") ? dir.filePath("gone/Story.rtf") : dir.filePath("Story.rtf");
    if (how == QLatin1String("dataIsFolder"))
        QVERIFY(QDir(dir.path()).mkdir("Story.dat"));
    else if (how != QLatin1String("noFolder"))
        QVERIFY(writeBytes(dir.filePath("Story.dat"), "old data"));
    if (how != QLatin1String("noFolder"))
        QVERIFY(writeBytes(path, "old document"));
    const QStringList entries = folderEntries(dir.path());

    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    const int before = program.dialogs.calls.size();
    runMenu(editor, "mnuFileSaveAs");
    program.dialogs.answerFile(path).answer(MessageAnswer::Ok); // the dialog, then the failure message
    if (how == QLatin1String("noPermission")) {
        NoPermission guard(dir.path());
        program.click("frmNote", "cmdOK");
    } else if (how == QLatin1String("diskFull")) {
        DiskFull full(8192);
        program.click("frmNote", "cmdOK");
    } else {
        program.click("frmNote", "cmdOK");
    }

    const QList<DialogCall> messages = program.dialogs.messages(before);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, QStringLiteral("Kinscribe"));
    QCOMPARE(messages[0].request, MessageRequest{MessageIcon::Exclamation});
    QVERIFY2(messages[0].text.startsWith("The file \"" + dir.filePath(failedName) + "\" could not be saved.\n\n"),
             qPrintable(messages[0].text));
    QVERIFY2(messages[0].text.contains(reason), qPrintable(messages[0].text));
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    QCOMPARE(editor->state().documentPath, QString());
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
    QVERIFY(editor->state().dialogCancelled);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QCOMPARE(folderEntries(dir.path()), entries); // no temporary file left, nothing new
    if (how != QLatin1String("noFolder"))
        QCOMPARE(fileBytes(path), QByteArray("old document"));
    if (how == QLatin1String("noPermission") || how == QLatin1String("diskFull"))
        QCOMPARE(fileBytes(dir.filePath("Story.dat")), QByteArray("old data"));
}

void TestSaving::saveFailureKeepsState()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const QString path = dir.filePath("Story.rtf");
    saveAs(program, editor, path);
    const QByteArray savedDoc = fileBytes(path), savedData = fileBytes(dir.filePath("Story.dat"));
    typeOver(editor, QStringLiteral("New text that must not half-replace the old file"));
    answerStore().setAnswer(2, QStringLiteral("new answer"));

    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    program.dialogs.answer(MessageAnswer::Ok);
    const int before = program.dialogs.calls.size();
    {
        NoPermission guard(dir.path());
        runMenu(editor, "mnuFileSave");
    }
    const QList<DialogCall> messages = program.dialogs.messages(before);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].request, MessageRequest{MessageIcon::Exclamation});
    QVERIFY(messages[0].text.contains(path));
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
    QVERIFY(!editor->state().dialogCancelled);
    QCOMPARE(editor->windowTitle(), path + " - Text Editor");
    QCOMPARE(fileBytes(path), savedDoc);
    QCOMPARE(fileBytes(dir.filePath("Story.dat")), savedData);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    // Once the folder can be written again, Save succeeds to the same file.
    runMenu(editor, "mnuFileSave");
    QCOMPARE(exitOutcome(program, editor), kEnds);
    QVERIFY(fileBytes(path).contains("half-replace"));
}

// Only the answers changed: Save writes the data file beside "Story.RTF" from the store again,
// and one that cannot be written stays as it was.
void TestSaving::saveDataFileAlone()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    saveAs(program, editor, dir.filePath("Story.RTF"));
    answerStore().setAnswer(77, QStringLiteral("last"));
    runMenu(editor, "mnuFileSave");
    QVERIFY(fileBytes(dir.filePath("Story.dat")).endsWith(",\"last\"\r\n"));
    answerStore().setAnswer(77, QStringLiteral("later"));
    QSignalSpy finished(editor->saveFlow(), &SaveFlow::finished);
    program.dialogs.answer(MessageAnswer::Ok);
    {
        NoPermission guard(dir.path());
        runMenu(editor, "mnuFileSave");
    }
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0][0].toBool(), false);
    QVERIFY(fileBytes(dir.filePath("Story.dat")).endsWith(",\"last\"\r\n"));
}

QTEST_MAIN(TestSaving)
#include "tst_saving.moc"
