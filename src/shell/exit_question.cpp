#include "shell/exit_question.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"

bool askExitQuestion(QWidget *parent)
{
    const MessageAnswer answer = Dialogs::get().message(
        parent, QStringLiteral("Are you sure you want to exit?  Any information not saved TO A FILE will be lost."),
        MessageRequest{MessageIcon::Exclamation, MessageButtons::YesNo, DefaultButton::Second},
        QString::fromLatin1(kProgramTitle));
    if (answer != MessageAnswer::Yes)
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
