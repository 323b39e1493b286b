#include "app/exit_question.h"

#include "app/dialogs.h"
#include "app/recovery_session.h"

bool askExitQuestion(QWidget *parent)
{
    const int answer = Dialogs::get().message(
        parent, QStringLiteral("Are you sure you want to exit?  Any information not saved TO A FILE will be lost."),
        MsgStyle::YesNo | MsgStyle::Exclamation | MsgStyle::DefaultButton2, QStringLiteral("Kinscribe"));
    if (answer != MsgAnswer::Yes)
        return false;
    endProgramDeliberately();
    return true;
}

void endProgramDeliberately()
{
    Recovery::endDeliberately();
    Dialogs::get().endProgram();
}
