#include "editor_test_util.h"

#include "document/windows/editor/text_editor.h"

#include <QCoreApplication>

const QString kEditingNote = QStringLiteral(
    "NOTE:  Any changes made to this page can be saved to a file BUT the answers MUST BE CHANGED IN THEIR "
    "INDIVIDUAL TEXT BOXES in order to be reloaded correctly later.  It is suggested that you MAKE ALL CHANGES "
    "(other than font style and color) IN THE TEXT BOXES, not here.");

TextEditor *openEditorFromMainMenu(TestProgram &program)
{
    if (!Forms::find(QStringLiteral("frmMain")))
        program.startToMainMenu();
    return reopenEditor(program);
}

TextEditor *reopenEditor(TestProgram &program)
{
    program.dialogs.answer(MsgAnswer::Ok);
    Form *main = Forms::find(QStringLiteral("frmMain"));
    if (!main->isVisible())
        Forms::navigate(Forms::active(), QStringLiteral("frmMain"));
    program.click(QStringLiteral("frmMain"), QStringLiteral("cmdSaveFile"));
    return Forms::find<TextEditor>(QStringLiteral("frmTxtEditor"));
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

bool isEditingNote(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe") && call.text == kEditingNote
        && call.style == 48;
}

#include <QPushButton>
#include <QTimer>

void answerReminderWhenShown(QObject *owner, bool ok)
{
    auto *timer = new QTimer(owner);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ok] {
        Form *note = Forms::find(QStringLiteral("frmNote"));
        if (!note || !note->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        if (ok)
            note->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        else
            note->close();
    });
    timer->start(10);
}

bool isSaveQuestion(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe")
        && call.text == QLatin1String("Do you want to save the current document?") && call.style == 563;
}

int countOf(const ScriptedDialogs &dialogs, DialogCall::Kind kind)
{
    int n = 0;
    for (const DialogCall &c : dialogs.calls)
        n += c.kind == kind ? 1 : 0;
    return n;
}
