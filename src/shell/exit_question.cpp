#include "shell/exit_question.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"

bool askExitQuestion(QWidget *parent)
{
    const int answer = Dialogs::get().message(
        parent, QStringLiteral("Are you sure you want to exit?  Any information not saved TO A FILE will be lost."),
        MsgStyle::YesNo | MsgStyle::Exclamation | MsgStyle::DefaultButton2, QString::fromLatin1(kProgramTitle));
    if (answer != MsgAnswer::Yes)
        return false;
    endProgramDeliberately(true);
    return true;
}

void endProgramDeliberately(bool warned)
{
    emit DeliberateEnd::notifier().ending(warned);
    Dialogs::get().endProgram();
}

DeliberateEnd &DeliberateEnd::notifier()
{
    static DeliberateEnd notifier;
    return notifier;
}
