#include "document/windows/editor/save_guard.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "document/datafile/answer_data_file.h"
#include "document/datafile/known_files.h"
#include "questionnaire/answer_store.h"

#include <QFileInfo>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
constexpr MessageRequest kAskNoFirst{MessageIcon::Exclamation, MessageButtons::YesNo, DefaultButton::Second};

QString quotedName(const QString &path) { return QStringLiteral("“%1”").arg(QFileInfo(path).fileName()); }

QString answers(int n) { return n == 1 ? QStringLiteral("1 answer") : QStringLiteral("%1 answers").arg(n); }

int answeredIn(const AnswerDataFile::Answers &all)
{
    int n = 0;
    for (const auto &a : all)
        n += a && !a->isEmpty() ? 1 : 0;
    return n;
}

int answeredInStore()
{
    int n = 0;
    for (int q = 1; q <= kQuestionCount; ++q)
        n += answerStore().isAnswered(q) ? 1 : 0;
    return n;
}

// Answers in the file, or -1 when it cannot be read as a data file.
int answersInFile(const QString &path)
{
    const AnswerDataFile::ReadResult read = AnswerDataFile::readFile(path);
    return read.ok() ? answeredIn(*read.answers) : -1;
}

bool yes(QWidget *parent, const QString &text) { return Dialogs::get().message(parent, text, kAskNoFirst, kTitle) == MessageAnswer::Yes; }

QString changedText(const QString &path)
{
    return QStringLiteral("%1 was changed on the disk since Kinscribe last opened or saved it, perhaps by another "
                          "program or a second Kinscribe.").arg(quotedName(path));
}

QString replaceAnswersText(const QString &path, int held)
{
    const int mine = answeredInStore();
    return QStringLiteral("%1 holds %2. Replace them with the %3 of this session?")
        .arg(quotedName(path), answers(held), answers(mine));
}

bool mayReplaceDataFile(QWidget *parent, const QString &data)
{
    switch (KnownFiles::standing(data)) {
    case KnownFiles::Standing::Missing:
    case KnownFiles::Standing::Unchanged:
        return true;
    case KnownFiles::Standing::Unknown: {
        const int held = answersInFile(data);
        return held <= 0 || yes(parent, replaceAnswersText(data, held));
    }
    case KnownFiles::Standing::Changed: {
        const int held = answersInFile(data);
        const QString question = held > 0 ? replaceAnswersText(data, held) : QStringLiteral("Replace it?");
        return yes(parent, changedText(data) + QStringLiteral("  ") + question);
    }
    }
    return true;
}
} // namespace

namespace SaveGuard {
Scope ask(QWidget *parent, const QString &documentPath, bool nameJustChosen)
{
    if (!nameJustChosen && KnownFiles::standing(documentPath) == KnownFiles::Standing::Changed
        && !yes(parent, changedText(documentPath) + QStringLiteral("  Replace it with the document in the editor?")))
        return Scope::Nothing;
    return mayReplaceDataFile(parent, AnswerDataFile::pathFor(documentPath)) ? Scope::Both : Scope::DocumentOnly;
}

void reportDataFileKept(QWidget *parent, const QString &documentPath)
{
    const QString data = AnswerDataFile::pathFor(documentPath);
    Dialogs::get().message(parent,
                           QStringLiteral("The document was saved in %1. %2 was left as it was.\n\nThe answers of this "
                                          "session are not in a file yet: to keep them, save with Save As under another name.")
                               .arg(quotedName(documentPath), quotedName(data)),
                           MessageRequest{MessageIcon::Information}, kTitle);
}
} // namespace SaveGuard
