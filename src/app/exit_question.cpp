#include "app/exit_question.h"

#include "app/dialogs.h"

bool askExitQuestion(QWidget *parent)
{
    const int answer = Dialogs::get().message(
        parent, QStringLiteral("Are you sure you want to exit?  Any information not saved TO A FILE will be lost."),
        MsgStyle::YesNo | MsgStyle::Exclamation | MsgStyle::DefaultButton2, QStringLiteral("Kinscribe"));
    if (answer != MsgAnswer::Yes)
        return false;
    Dialogs::get().endProgram();
    return true;
}
