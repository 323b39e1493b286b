#include "document/windows/loading/load_data.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "document/datafile/answer_data_file.h"
#include "document/datafile/known_files.h"
#include "document/recovery/recovery_file.h"
#include "questionnaire/answer_store.h"

#include <QDir>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
const QString kConfirmation = QStringLiteral(
    "NOTE:  Previously saved data must be data previously saved by THIS program and must have a '.dat' extension.  "
    "Also, any current data not yet saved TO A FILE will be lost.  Do you still want to load previously saved data?");

// The reason leads, in plain words; then what it means for the answers.
void reportFailure(QWidget *parent, const QString &reason)
{
    Dialogs::get().message(parent, QStringLiteral("%1\n\nNo answer was changed.").arg(reason),
                           MessageRequest{MessageIcon::Exclamation}, kTitle);
}
} // namespace

void LoadData(QWidget *parent)
{
    Dialogs &dialogs = Dialogs::get();
    const MessageRequest question{MessageIcon::Question, MessageButtons::YesNoCancel, DefaultButton::Third};
    if (dialogs.message(parent, kConfirmation, question, kTitle) != MessageAnswer::Yes)
        return;

    FileDialogRequest request;
    request.title = QStringLiteral("Open");
    request.filter = QStringLiteral("Data Files (*.dat)|*.dat|");
    request.sidePanelFolders = RecoveryFile::keptFolders();
    const std::optional<QString> path = dialogs.openFile(parent, request);
    if (!path)
        return;

    const AnswerDataFile::ReadResult result = AnswerDataFile::readFile(*path);
    if (!result.ok()) {
        reportFailure(parent, result.error());
        return;
    }
    AnswerDataFile::storeAnswers(answerStore(), *result.answers);
    // Saving over this file later is the usual update, and these answers are in a file.
    KnownFiles::remember(*path);
    answerStore().markInFile();
    if (!result.notice.isEmpty())
        dialogs.message(parent,
                        QStringLiteral("The answers were loaded from \"%1\".\n\n%2")
                            .arg(QDir::toNativeSeparators(*path), result.notice),
                        MessageRequest{MessageIcon::Information}, kTitle);
}

