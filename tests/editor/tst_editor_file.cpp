// The editor's File menu: the save-first step, Print, and leaving through Return to Main Menu,
// Exit or the close box.
#include "editor_steps.h"
#include "pdf_tools.h"

#include <QDir>
#include <QTextCursor>

class TestEditorFile : public ProgramTest {
    Q_OBJECT
private slots:
    void leaving_data();
    void leaving();
    void abandonedReturnKeepsReturnMode();
    void returnYesCancelInSaveDialogKeepsEditor();
    void returnYesReminderClosedKeepsEditor();
    void returnYesSavesThenLeaves();
    void exitWithoutChangesAsksNothing();
    void printWholeDocumentToPdf();
    void printCancelled();
};

void TestEditorFile::leaving_data()
{
    QTest::addColumn<QString>("how");      // "return", "exit" or "close"
    QTest::addColumn<MessageAnswer>("answer");       // to the save question
    QTest::addColumn<bool>("ended");       // the program ended
    QTest::addColumn<bool>("mainShown");   // back on the main menu
    QTest::newRow("nominal: Exit, No ends without saving") << "exit" << MessageAnswer::No << true << false;
    QTest::newRow("nominal: close box, No behaves like Exit") << "close" << MessageAnswer::No << true << false;
    QTest::newRow("nominal: Return, No goes back to the main menu") << "return" << MessageAnswer::No << false << true;
    QTest::newRow("robustness: Exit, Cancel keeps the editor") << "exit" << MessageAnswer::Cancel << false << false;
    QTest::newRow("robustness: close box, Cancel keeps the editor") << "close" << MessageAnswer::Cancel << false << false;
    QTest::newRow("robustness: Return, Cancel keeps the editor") << "return" << MessageAnswer::Cancel << false << false;
}

void TestEditorFile::leaving()
{
    QFETCH(QString, how);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, ended);
    QFETCH(bool, mainShown);
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->edit()->insertPlainText(QStringLiteral("typed"));
    const QString text = editor->documentText();
    program.dialogs.answer(answer);
    if (how == QLatin1String("return"))
        editor->action(QStringLiteral("mnuFileReturn"))->trigger();
    else if (how == QLatin1String("exit"))
        editor->action(QStringLiteral("mnuFileExit"))->trigger();
    else
        editor->close();
    settle();
    // Every way out asks first, even about a freshly composed document.
    QCOMPARE(program.dialogs.messages().size(), 2);
    QVERIFY(isSaveQuestion(program.dialogs.messages().last()));
    QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 0);
    QVERIFY(!isShown(QStringLiteral("frmNote")));
    QCOMPARE(program.dialogs.endCount, ended ? 1 : 0);
    if (mainShown) {
        QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
        QVERIFY(!Forms::find(QStringLiteral("frmTxtEditor")));
        return;
    }
    QVERIFY(Forms::find(QStringLiteral("frmTxtEditor")) == editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->documentText(), text);
    // Still changed, and an abandoned Return leaves Exit going back to the main menu.
    QCOMPARE(exitOutcome(program, editor), how == QLatin1String("return") ? kAsksThenReturns : kAsksThenEnds);
}

void TestEditorFile::abandonedReturnKeepsReturnMode()
{
    // Cancel on Return leaves "R" behind: Exit then goes back to the main menu too.
    TextEditor *editor = openEditorFromMainMenu(program);
    program.dialogs.answer(MessageAnswer::Cancel).answer(MessageAnswer::No);
    editor->mnuFileReturn_Click();
    QVERIFY(editor->isVisible());
    editor->mnuFileExit_Click();
    settle();
    QCOMPARE(program.dialogs.endCount, 0);
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    QVERIFY(!Forms::find(QStringLiteral("frmTxtEditor")));
}

void TestEditorFile::returnYesCancelInSaveDialogKeepsEditor()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->edit()->insertPlainText(QStringLiteral("keep me "));
    const QString text = editor->documentText();
    program.dialogs.answer(MessageAnswer::Yes).answerFile(std::nullopt);
    answerReminderWhenShown(editor, true);
    editor->action(QStringLiteral("mnuFileReturn"))->trigger();
    settle();
    QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 1); // the reminder's OK led to the dialog
    QCOMPARE(Forms::find<TextEditor>(QStringLiteral("frmTxtEditor")), editor);
    QVERIFY(editor->isVisible());
    QVERIFY(!Forms::find(QStringLiteral("frmMain"))->isVisible());
    QCOMPARE(editor->documentText(), text);
    QCOMPARE(editor->windowTitle(), kUntitledEditor);
    QVERIFY(editor->state().dialogCancelled);
    QCOMPARE(program.dialogs.endCount, 0);
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    QCOMPARE(exitOutcome(program, editor), kAsksThenReturns);
}

void TestEditorFile::returnYesReminderClosedKeepsEditor()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    program.dialogs.answer(MessageAnswer::Yes);
    answerReminderWhenShown(editor, false);
    editor->mnuFileReturn_Click();
    settle();
    QCOMPARE(program.dialogs.count(DialogCall::SaveFile), 0);
    QVERIFY(editor->isVisible());
    QVERIFY(Forms::find(QStringLiteral("frmTxtEditor")));
    QCOMPARE(program.dialogs.endCount, 0);
}

void TestEditorFile::returnYesSavesThenLeaves()
{
    const QString path = dir.filePath(QStringLiteral("Story.rtf"));
    TextEditor *editor = openEditorFromMainMenu(program);
    program.dialogs.answer(MessageAnswer::Yes).answerFile(path);
    answerReminderWhenShown(editor, true);
    editor->mnuFileReturn_Click();
    settle();
    QVERIFY(QFile::exists(path));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Story.dat"))));
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    QVERIFY(!Forms::find(QStringLiteral("frmTxtEditor")));
    QCOMPARE(program.dialogs.endCount, 0);
}

void TestEditorFile::exitWithoutChangesAsksNothing()
{
    const QString path = dir.filePath(QStringLiteral("plain.txt"));
    TextEditor *editor = openEditorWithFile(program, path, "just text");
    const int asked = int(program.dialogs.messages().size());
    editor->mnuFileExit_Click();
    QCOMPARE(int(program.dialogs.messages().size()), asked);
    QCOMPARE(program.dialogs.endCount, 1);
}

void TestEditorFile::printWholeDocumentToPdf()
{
    const QString pdf = dir.filePath(QStringLiteral("story.pdf"));
    program.startToMainMenu();
    // Long enough for several pages; the last answer is far below the visible part.
    for (int n = 1; n <= 77; ++n)
        answerStore().setAnswer(n, QStringLiteral("Answer %1 ").arg(n).repeated(20));
    TextEditor *editor = reopenEditor(program);
    QTextCursor c(editor->edit()->document());
    c.movePosition(QTextCursor::NextBlock, QTextCursor::MoveAnchor, 2);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    c.mergeCharFormat(bold); // "CHILDHOOD:" in bold
    program.dialogs.answerPrintToPdf(pdf);
    editor->action(QStringLiteral("mnuFilePrint"))->trigger();
    QCOMPARE(program.dialogs.count(DialogCall::Print), 1);
    QVERIFY(QFile::exists(pdf));

    const QString printed = pdfText(pdf, {QStringLiteral("-layout")});
    QVERIFY2(printed.contains(QLatin1String("CHILDHOOD:")), qPrintable(printed.left(200)));
    QVERIFY(printed.contains(QLatin1String("FINAL COMMENTS:")));
    QVERIFY(printed.contains(QLatin1String("Answer 77")));
    QVERIFY(printed.count(QLatin1Char('\f')) >= 3); // several pages

    const QString used = pdfFontLines(pdf).join(QLatin1Char('\n'));
    QVERIFY2(used.contains(QLatin1String("Bold")), qPrintable(used));
    QVERIFY2(used.contains(QLatin1String("LiberationSans")) || used.contains(QLatin1String("Arial")), qPrintable(used));
}

void TestEditorFile::printCancelled()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    program.dialogs.answerPrintToPdf(std::nullopt);
    editor->mnuFilePrint_Click();
    QCOMPARE(program.dialogs.count(DialogCall::Print), 1);
    QCOMPARE(program.dialogs.messages().size(), 1);
    QVERIFY(QDir(dir.path()).isEmpty());
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

QTEST_MAIN(TestEditorFile)
#include "tst_editor_file.moc"
