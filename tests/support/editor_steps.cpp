#include "editor_steps.h"
#include "wait_for.h"

#include <QCoreApplication>
#include <QPushButton>

const QString kEditingNote = QStringLiteral(
    "NOTE:  Any changes made to this page can be saved to a file BUT the answers MUST BE CHANGED IN THEIR "
    "INDIVIDUAL TEXT BOXES in order to be reloaded correctly later.  It is suggested that you MAKE ALL CHANGES "
    "(other than font style and color) IN THE TEXT BOXES, not here.");
const QString kUntitledEditor = QStringLiteral("Kinscribe - Text Editor");

TextEditor *openEditorFromMainMenu(TestProgram &program)
{
    if (!Forms::find(QStringLiteral("frmMain")))
        program.startToMainMenu();
    return reopenEditor(program);
}

TextEditor *reopenEditor(TestProgram &program)
{
    program.dialogs.answer(MessageAnswer::Ok);
    Form *main = Forms::find(QStringLiteral("frmMain"));
    if (!main->isVisible())
        Forms::navigate(Forms::active(), QStringLiteral("frmMain"));
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdSaveFile"));
    return Forms::find<TextEditor>(QStringLiteral("frmTxtEditor"));
}

void showEditorAgain(TestProgram &program, TextEditor *editor)
{
    Forms::navigate(editor, QStringLiteral("frmMain"));
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdSaveFile"));
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void typeOver(TextEditor *editor, const QString &text)
{
    editor->edit()->selectAll();
    editor->edit()->insertPlainText(text);
}

void runMenu(TextEditor *editor, const QString &item)
{
    QAction *action = editor->action(item);
    if (!action) {
        QTest::qFail(qPrintable(QStringLiteral("no menu item %1").arg(item)), __FILE__, __LINE__);
        return;
    }
    action->trigger();
}

void openThroughMenu(TestProgram &program, TextEditor *editor, const QString &path)
{
    program.dialogs.answer(MessageAnswer::No).answerFile(path);
    runMenu(editor, QStringLiteral("mnuFileOpen"));
}

TextEditor *openEditorWithFile(TestProgram &program, const QString &path, const QByteArray &bytes)
{
    if (!writeBytes(path, bytes))
        QTest::qFail(qPrintable(QStringLiteral("could not write %1").arg(path)), __FILE__, __LINE__);
    TextEditor *editor = openEditorFromMainMenu(program);
    openThroughMenu(program, editor, path);
    return editor;
}

void saveAs(TestProgram &program, TextEditor *editor, const std::optional<QString> &path)
{
    runMenu(editor, QStringLiteral("mnuFileSaveAs"));
    program.dialogs.answerFile(path);
    program.click(QStringLiteral("frmNote"), QStringLiteral("cmdOK"));
}

void answerReminderWhenShown(QObject *owner, bool ok)
{
    whenFormShown(owner, QStringLiteral("frmNote"), [ok](Form *note) {
        if (ok)
            note->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        else
            note->close();
    });
}

QString exitOutcome(TestProgram &program, TextEditor *editor)
{
    ScriptedDialogs &dialogs = program.dialogs;
    if (dialogs.pendingAnswers() != 0)
        return QStringLiteral("<answers still queued>");
    const qsizetype recorded = dialogs.calls.size();
    const int ends = dialogs.endCount;
    const auto onCall = dialogs.onCall;
    bool asked = false;
    dialogs.onCall = [&](const DialogCall &call) {
        asked = asked || isSaveQuestion(call);
        dialogs.answer(MessageAnswer::No);
    };
    editor->mnuFileExit_Click();
    dialogs.onCall = onCall;
    const bool ended = dialogs.endCount > ends;
    dialogs.calls.resize(recorded);
    dialogs.endCount = ends;
    const QString then = ended               ? kEnds
                         : editor->isVisible() ? QStringLiteral("stays open")
                                               : QStringLiteral("returns to the main menu");
    return asked ? QStringLiteral("asks to save, then ") + then : then;
}

bool isEditingNote(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe") && call.text == kEditingNote
        && call.request == MessageRequest{MessageIcon::Exclamation};
}

bool isSaveQuestion(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe")
        && call.text == QLatin1String("Do you want to save the current document?")
        && call.request == MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNoCancel, DefaultButton::Third};
}
