// The editor's load and activation: the editing note, the document composed from the answers,
// edits kept over later activations, and a fresh composition after Return to Main Menu.
#include "editor_steps.h"

#include "document/composer/composer.h"

#include <QTextBlock>
#include <QTimer>
#include <limits>

class TestEditorActivation : public ProgramTest {
    Q_OBJECT
private slots:
    void stateAfterLoad();
    void noteBeforeComposition();
    void composedFromCurrentAnswers();
    void secondActivationKeepsEdits();
    void pendingFlagWithoutSaveModeShowsNote();
    void returnThenReopenComposesAfresh();
    void messageBoxOverEditorIsNoActivation();
};

void TestEditorActivation::stateAfterLoad()
{
    shared().editorOpenCount = 5;
    auto *editor = qobject_cast<TextEditor *>(Forms::load(QStringLiteral("frmTxtEditor")));
    QVERIFY(editor);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->state().leaveMode, LeaveMode::NoReturn);
    QCOMPARE(editor->state().findText, QString());
    QCOMPARE(editor->state().documentPath, QString());
    QCOMPARE(editor->state().saveMode, SaveMode::None);
    QCOMPARE(editor->state().noteFlag, NoteFlag::On);
    QVERIFY(editor->state().docChanged);
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
    QCOMPARE(editor->state().dialogCancelled, false);
    QCOMPARE(shared().editorOpenCount, qint16(0));
    const QTextCharFormat current = editor->edit()->currentCharFormat();
    QCOMPARE(current.fontFamilies().toStringList().value(0).toLower(), QStringLiteral("arial"));
    QCOMPARE(current.fontPointSize(), 12.0);
    QVERIFY(program.dialogs.calls.isEmpty()); // loading asks nothing
    // No save is chosen yet and the first showing brings the note.
    shared().saveRequest = SaveRequest::Yes;
    program.dialogs.answer(MessageAnswer::Ok);
    Forms::show(QStringLiteral("frmTxtEditor"));
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isEditingNote(program.dialogs.calls.first()));
}

void TestEditorActivation::noteBeforeComposition()
{
    program.startToMainMenu();
    answerStore().setAnswer(1, QStringLiteral("A pilot"));
    QString textAtNote = QStringLiteral("<not asked>");
    bool visibleAtNote = false;
    program.dialogs.onCall = [&](const DialogCall &) {
        auto *editor = Forms::find<TextEditor>(QStringLiteral("frmTxtEditor"));
        textAtNote = editor->edit()->toPlainText();
        visibleAtNote = editor->isVisible();
    };
    TextEditor *editor = reopenEditor(program);
    QCOMPARE(program.dialogs.calls.size(), 1);
    const DialogCall note = program.dialogs.calls.first();
    QVERIFY2(isEditingNote(note), qPrintable(note.text));
    QCOMPARE(note.parentName, QStringLiteral("frmTxtEditor"));
    QCOMPARE(textAtNote, QString());
    QVERIFY(visibleAtNote);
    QVERIFY(editor->edit()->toPlainText().contains(QLatin1String("A pilot")));
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmTxtEditor"});
}

void TestEditorActivation::composedFromCurrentAnswers()
{
    program.startToMainMenu();
    answerStore().setAnswer(1, QStringLiteral("Line one\r\nLine two"));
    answerStore().setAnswer(40, QStringLiteral("   "));
    answerStore().setAnswer(77, QStringLiteral("The end."));
    TextEditor *editor = reopenEditor(program);
    QCOMPARE(editor->documentText(), composeDocument(answerStore()));
    QVERIFY(editor->documentText().endsWith(QLatin1String("The end.\r\n")));
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
    QCOMPARE(shared().editorOpenCount, qint16(1));
    // Shown in Arial 12 pt, from the first character to the last.
    QTextDocument *doc = editor->edit()->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QFont f = it.fragment().charFormat().font();
            QCOMPARE(f.families().value(0), QStringLiteral("Arial"));
            QCOMPARE(f.pointSizeF(), 12.0);
        }
    }
    // The composition is not something the user can undo back to an empty page.
    QVERIFY(!doc->isUndoAvailable());
}

void TestEditorActivation::secondActivationKeepsEdits()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QTextCursor c(editor->edit()->document());
    c.insertText(QStringLiteral("My own words. "));
    answerStore().setAnswer(2, QStringLiteral("Changed after composing"));
    Forms::navigate(editor, QStringLiteral("frmMain"));
    reopenEditor(program);
    QCOMPARE(Forms::find<TextEditor>(QStringLiteral("frmTxtEditor")), editor);
    QVERIFY(editor->edit()->toPlainText().startsWith(QLatin1String("My own words. ")));
    QVERIFY(!editor->edit()->toPlainText().contains(QLatin1String("Changed after composing")));
    QCOMPARE(shared().editorOpenCount, qint16(2));
    QCOMPARE(program.dialogs.messages().size(), 2);
    QVERIFY(isEditingNote(program.dialogs.messages().last()));

    // However many activations there were, the count never comes back round to 0.
    shared().editorOpenCount = std::numeric_limits<qint16>::max();
    Forms::navigate(editor, QStringLiteral("frmMain"));
    reopenEditor(program);
    QCOMPARE(shared().editorOpenCount, std::numeric_limits<qint16>::max());
    QVERIFY(editor->edit()->toPlainText().startsWith(QLatin1String("My own words. ")));
}

void TestEditorActivation::pendingFlagWithoutSaveModeShowsNote()
{
    // A stray pending flag with no save chosen runs no save and keeps the flag.
    program.startToMainMenu();
    shared().saveRequest = SaveRequest::Yes;
    TextEditor *editor = reopenEditor(program);
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isEditingNote(program.dialogs.calls.first()));
    QCOMPARE(shared().saveRequest, SaveRequest::Yes);
    Forms::navigate(editor, QStringLiteral("frmMain"));
    reopenEditor(program);
    QCOMPARE(program.dialogs.calls.size(), 2);
    QVERIFY(isEditingNote(program.dialogs.calls.last()));
}

void TestEditorActivation::returnThenReopenComposesAfresh()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->edit()->insertPlainText(QStringLiteral("discard me"));
    program.dialogs.answer(MessageAnswer::No); // save first? No
    editor->action(QStringLiteral("mnuFileReturn"))->trigger();
    QCOMPARE(TestProgram::visibleForms(), QStringList{"frmMain"});
    settle();
    QVERIFY(!Forms::find(QStringLiteral("frmTxtEditor")));

    answerStore().setAnswer(3, QStringLiteral("Marbles"));
    shared().editorOpenCount = 9;
    editor = reopenEditor(program);
    QVERIFY(editor);
    QCOMPARE(editor->documentText(), composeDocument(answerStore()));
    QVERIFY(editor->documentText().contains(QLatin1String("Marbles")));
    QCOMPARE(shared().editorOpenCount, qint16(1));
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds);
}

// On a real desktop focus comes back to the editor when a message box closes; that is no
// activation of the program's own, so the editing note must not appear again.
void TestEditorActivation::messageBoxOverEditorIsNoActivation()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs a window manager");
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QtDialogs real;
    bool closed = false;
    QTimer::singleShot(300, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            QTest::keyClick(box, Qt::Key_Return);
            closed = true;
        }
    });
    real.message(editor, QStringLiteral("The search string was not found."), MessageRequest{MessageIcon::Information},
                 QStringLiteral("Find"));
    QVERIFY(closed);
    QTest::qWait(300);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QTest::qWait(200);
    QCOMPARE(program.dialogs.messages().size(), 1);
    QCOMPARE(shared().editorOpenCount, qint16(1));
}

QTEST_MAIN(TestEditorActivation)
#include "tst_editor_activation.moc"
