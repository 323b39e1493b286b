#include "saving_test_util.h"

#include "document/windows/editor/text_editor.h"
#include "document/windows/note/note_window.h"

#include <QAction>

TextEditor *openEditor(TestProgram &program)
{
    registerNoteForm();
    program.startToMainMenu();
    program.dialogs.answer(MsgAnswer::Ok); // the editing note
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdSaveFile"));
    return Forms::find<TextEditor>(QStringLiteral("frmTxtEditor"));
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

void saveAs(TestProgram &program, TextEditor *editor, const std::optional<QString> &path)
{
    runMenu(editor, QStringLiteral("mnuFileSaveAs"));
    program.dialogs.answerFile(path);
    program.click(QStringLiteral("frmNote"), QStringLiteral("cmdOK"));
}

QList<DialogCall> messagesSince(const TestProgram &program, int from)
{
    QList<DialogCall> out;
    for (int i = from; i < program.dialogs.calls.size(); ++i) {
        if (program.dialogs.calls[i].kind == DialogCall::Message)
            out << program.dialogs.calls[i];
    }
    return out;
}

void showEditorAgain(TestProgram &program, TextEditor *editor)
{
    Forms::navigate(editor, QStringLiteral("frmMain"));
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdSaveFile"));
}
