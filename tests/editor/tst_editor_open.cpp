// Open in the editor: the save-first question, the Open dialog, RTF and plain text files,
// files that cannot be opened, and where Save writes afterwards.
#include "editor_steps.h"

#include <QDir>
#include <QTextCursor>

namespace {
// RTF files in the manner of other word processors, carried with the tests.
QString fixture(const QString &name) { return testDataPath(QStringLiteral("editor/data/") + name); }
} // namespace

class TestEditorOpen : public ProgramTest {
    Q_OBJECT
private slots:
    void openCancelInQuestionShowsNoDialog();
    void openDialogSettingsAndCancel();
    void openYesSavesBeforeOpenDialog();
    void openRtfFromCorpus_data();
    void openRtfFromCorpus();
    void openPlainText_data();
    void openPlainText();
    void openFailureLeavesEditorAlone_data();
    void openFailureLeavesEditorAlone();
    void saveTargetAfterOpeningRtf();
    void saveAfterOpeningPlainTextAsksForName();
};

void TestEditorOpen::openCancelInQuestionShowsNoDialog()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const QString text = editor->documentText();
    program.dialogs.answer(MessageAnswer::Cancel);
    editor->action(QStringLiteral("mnuFileOpen"))->trigger();
    QVERIFY(isSaveQuestion(program.dialogs.calls.last()));
    QCOMPARE(program.dialogs.count(DialogCall::OpenFile), 0);
    QCOMPARE(editor->documentText(), text);
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

void TestEditorOpen::openDialogSettingsAndCancel()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const QString text = editor->documentText();
    program.dialogs.answer(MessageAnswer::No).answerFile(std::nullopt);
    editor->mnuFileOpen_Click();
    QCOMPARE(program.dialogs.count(DialogCall::OpenFile), 1);
    const DialogCall open = program.dialogs.calls.last();
    QCOMPARE(open.kind, DialogCall::OpenFile);
    QCOMPARE(open.file.filter, QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*.*)|*.*"));
    QCOMPARE(open.file.fileName, QString());
    QCOMPARE(open.parentName, QStringLiteral("frmTxtEditor"));
    // Cancel: nothing changes, nothing more is said.
    QCOMPARE(program.dialogs.messages().size(), 2);
    QCOMPARE(editor->documentText(), text);
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

void TestEditorOpen::openYesSavesBeforeOpenDialog()
{
    const QString saved = dir.filePath(QStringLiteral("First.rtf"));
    TextEditor *editor = openEditorFromMainMenu(program);
    program.dialogs.answer(MessageAnswer::Yes).answerFile(saved).answerFile(std::nullopt);
    answerReminderWhenShown(editor, true);
    editor->mnuFileOpen_Click();
    QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 1);
    QCOMPARE(program.dialogs.count(DialogCall::OpenFile), 1);
    QCOMPARE(program.dialogs.calls.last().kind, DialogCall::OpenFile);
    QVERIFY(QFile::exists(saved));
    QCOMPARE(editor->windowTitle(), saved + QStringLiteral(" - Text Editor"));
}

void TestEditorOpen::openRtfFromCorpus_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: RichEdit file") << "richedit.rtf" << "Saturdays smelled of sawdust";
    QTest::newRow("nominal: hex escapes in the ANSI page") << "accent.rtf" << "Cr\u00e8me br\u00fbl\u00e9e at No\u00ebl";
    QTest::newRow("nominal: unicode escapes") << "unicode.rtf" << "\u201cHome\u201d was the word he used \u2014 \u00f6lmo, \u041f\u0440\u0438\u0432\u0435\u0442.";
    QTest::newRow("nominal: Word formatting") << "word_formatting.rtf" << "We drove to the lake with bold, italic";
    QTest::newRow("robustness: malformed groups and words") << "malformed.rtf" << "unclosed group";
    QTest::newRow("robustness: Outlook HTML in RTF") << "html_in_rtf.rtf" << "Letters from the farm";
}

void TestEditorOpen::openRtfFromCorpus()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const QString path = fixture(file);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    TextEditor *editor = openEditorFromMainMenu(program);
    openThroughMenu(program, editor, path);
    QCOMPARE(editor->windowTitle(), path + QStringLiteral(" - Text Editor"));
    QCOMPARE(exitOutcome(program, editor), kEnds);
    const QString text = editor->edit()->toPlainText();
    QVERIFY(!text.contains(QLatin1String("CHILDHOOD:")));
    QVERIFY2(!text.contains(QLatin1String("{\\rtf")), qPrintable(text.left(80)));
    if (!expected.isEmpty())
        QVERIFY2(text.contains(expected), qPrintable(text.left(200)));
    if (file == QLatin1String("richedit.rtf")) {
        QTextCursor c(editor->edit()->document());
        c.setPosition(2);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold)); // "\b" came through
    }
    // What Open replaced cannot be brought back with Undo.
    QVERIFY(!editor->edit()->document()->isUndoAvailable());
}

void TestEditorOpen::openPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("nominal: UTF-8 text") << QByteArray("Gr\xc3\xbc\xc3\x9f" "e \xe2\x80\x94 ok\r\nline 2") << "notes.txt"
                                         << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f" "e \xe2\x80\x94 ok\nline 2");
    QTest::newRow("nominal: Windows-1252 text") << QByteArray("caf\xe9 \x93quoted\x94 \x80 5") << "old.txt"
                                                << QString::fromUtf8("caf\xc3\xa9 \xe2\x80\x9cquoted\xe2\x80\x9d \xe2\x82\xac 5");
    QTest::newRow("robustness: RTF-like text not at the start") << QByteArray("  {\\rtf1 \\b x}") << "spaced.rtf"
                                                                << "  {\\rtf1 \\b x}";
    QTest::newRow("robustness: empty file") << QByteArray() << "empty.txt" << "";
    QTest::newRow("robustness: no extension, LF breaks") << QByteArray("a\nb\n") << "README" << "a\nb\n";
}

void TestEditorOpen::openPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, text);
    const QString path = dir.filePath(name);
    TextEditor *editor = openEditorWithFile(program, path, bytes);
    QCOMPARE(editor->edit()->toPlainText(), text);
    QCOMPARE(editor->windowTitle(), path + QStringLiteral(" - Text Editor"));
    QCOMPARE(exitOutcome(program, editor), kEnds);
    QCOMPARE(program.dialogs.messages().size(), 2); // the note and the save question only
}

void TestEditorOpen::openFailureLeavesEditorAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("robustness: file gone") << "missing" << "\"%1\" does not exist.";
    QTest::newRow("robustness: a folder") << "folder" << "\"%1\" is a folder, not a file.";
    QTest::newRow("robustness: a named pipe nobody writes to") << "pipe" << "\"%1\" is a named pipe, not a file.";
    QTest::newRow("robustness: a device without end") << "device" << "\"%1\" is a device, not a file.";
}

void TestEditorOpen::openFailureLeavesEditorAlone()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = kind == QLatin1String("missing") ? dir.filePath("missing.rtf") : notAFile(kind, dir.path());
    QVERIFY(!path.isEmpty());
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->edit()->insertPlainText(QStringLiteral("mine "));
    const QString text = editor->documentText();
    program.dialogs.answer(MessageAnswer::No).answerFile(path).answer(MessageAnswer::Ok);
    editor->mnuFileOpen_Click();
    const DialogCall report = program.dialogs.calls.last();
    QCOMPARE(report.kind, DialogCall::Message);
    // What the file is, in plain words, leads the message.
    QCOMPARE(report.text, reason.arg(QFileInfo(path).fileName()));
    QCOMPARE(report.request.icon, MessageIcon::Exclamation);
    QCOMPARE(editor->documentText(), text);
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

void TestEditorOpen::saveTargetAfterOpeningRtf()
{
    const QString path = dir.filePath(QStringLiteral("Story.rtf"));
    QVERIFY(QFile::copy(fixture(QStringLiteral("accent.rtf")), path));
    TextEditor *editor = openEditorFromMainMenu(program);
    openThroughMenu(program, editor, path);
    editor->edit()->moveCursor(QTextCursor::End);
    editor->edit()->insertPlainText(QStringLiteral(" Added line."));
    const int asked = int(program.dialogs.calls.size());
    editor->action(QStringLiteral("mnuFileSave"))->trigger();
    // Written at once: no reminder, no dialog.
    QCOMPARE(int(program.dialogs.calls.size()), asked);
    QVERIFY(!isShown(QStringLiteral("frmNote")));
    QVERIFY(fileBytes(path).startsWith("{\\rtf"));
    QVERIFY(fileBytes(path).contains("Added line."));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Story.dat"))));
    QCOMPARE(editor->state().documentPath, path);
    QCOMPARE(exitOutcome(program, editor), kEnds);
}

void TestEditorOpen::saveAfterOpeningPlainTextAsksForName()
{
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    TextEditor *editor = openEditorWithFile(program, path, "plain notes\r\n");
    program.dialogs.answerFile(std::nullopt);
    answerReminderWhenShown(editor, true);
    editor->action(QStringLiteral("mnuFileSave"))->trigger();
    QTRY_COMPARE(program.dialogs.count(DialogCall::SaveFile), 1);
    // The dialog proposes an RTF name beside the text file, never the text file itself.
    const DialogCall save = program.dialogs.calls.last();
    QCOMPARE(save.file.fileName, dir.filePath(QStringLiteral("notes.rtf")));
    QCOMPARE(fileBytes(path), QByteArray("plain notes\r\n"));

    // Saved under an RTF name, Save writes there again at once.
    const QString rtf = dir.filePath(QStringLiteral("notes.rtf"));
    program.dialogs.answerFile(rtf);
    answerReminderWhenShown(editor, true);
    editor->action(QStringLiteral("mnuFileSave"))->trigger();
    QTRY_VERIFY(QFile::exists(rtf));
    const int asked = int(program.dialogs.calls.size());
    editor->edit()->insertPlainText(QStringLiteral("more"));
    editor->action(QStringLiteral("mnuFileSave"))->trigger();
    QCOMPARE(int(program.dialogs.calls.size()), asked);
    QVERIFY(fileBytes(rtf).contains("more"));
    QCOMPARE(fileBytes(path), QByteArray("plain notes\r\n"));
}

QTEST_MAIN(TestEditorOpen)
#include "tst_editor_open.moc"
