// At start: what a run that did not end normally left in its recovery file, offered back.
#include "app/recovery_session.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "shell/form.h"
#include "document/recovery/draft_board.h"
#include "document/recovery/recovery_file.h"
#include "document/rtf/rtf.h"
#include "questionnaire/answer_store.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

namespace {
using Part = RecoveryFile::Part;
const QString kTitle = QString::fromLatin1(kProgramTitle);

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

int answeredIn(const AnswerDataFile::Answers &answers)
{
    int n = 0;
    for (const auto &a : answers)
        n += a && !a->isEmpty() ? 1 : 0;
    return n;
}

int pagesIn(const AnswerDataFile::Answers &typing)
{
    QSet<QString> pages;
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (typing[n - 1])
            pages.insert(QString::fromLatin1(QuestionCatalogue::question(n).entryWindow));
    }
    return int(pages.size());
}

struct LeftBehind {
    std::optional<AnswerDataFile::Answers> answers;
    std::optional<DraftBoard::KeptDocument> document;
    std::optional<AnswerDataFile::Answers> typing;
    bool keepsFile = true; // false: a damaged part could not be moved, write nothing over it

    int answered() const { return answers ? answeredIn(*answers) : 0; }
    bool worthOffering() const { return answered() > 0 || document || typing; }
};

// A part that cannot be read goes aside under a dated name, and the user is told which.
void keepDamaged(QWidget *over, RecoveryFile &file, Part part, const QString &what, const QString &reason, LeftBehind &left)
{
    const QString path = file.partPath(part);
    const QString kept = file.keepPartAside(part, QStringLiteral("damaged"));
    left.keepsFile = left.keepsFile && !kept.isEmpty();
    const QString rest = part == Part::Answers ? QStringLiteral("The program starts with no answers.")
                                               : QStringLiteral("Nothing else is lost by it.");
    Dialogs::get().message(over,
                           QStringLiteral("The %1 kept from the last time could not be read from \"%2\".\n\n%3\n\n"
                                          "The file was kept as \"%4\".  %5")
                               .arg(what, native(path), reason, native(kept.isEmpty() ? path : kept), rest),
                           MessageRequest{MessageIcon::Exclamation}, kTitle);
}

LeftBehind readLeft(QWidget *over, RecoveryFile &file)
{
    LeftBehind left;
    if (file.hasPart(Part::Answers)) {
        AnswerDataFile::ReadResult read = file.read();
        if (read.ok())
            left.answers = read.answers;
        else
            keepDamaged(over, file, Part::Answers, QStringLiteral("answers"), read.error(), left);
    }
    if (file.hasPart(Part::Document)) {
        QFile rtf(file.partPath(Part::Document)), name(file.partPath(Part::DocumentName));
        const QByteArray bytes = rtf.open(QIODevice::ReadOnly) ? rtf.readAll() : QByteArray();
        if (Rtf::isRtf(bytes.left(5)))
            left.document = DraftBoard::KeptDocument{bytes, name.open(QIODevice::ReadOnly) ? QString::fromUtf8(name.readAll()) : QString()};
        else
            keepDamaged(over, file, Part::Document, QStringLiteral("editor's document"), QStringLiteral("It is not RTF."), left);
    }
    if (file.hasPart(Part::Typing)) {
        const AnswerDataFile::ReadResult read = AnswerDataFile::readFile(file.partPath(Part::Typing));
        if (read.ok())
            left.typing = read.answers;
        else
            keepDamaged(over, file, Part::Typing, QStringLiteral("unsaved typing"), read.error(), left);
    }
    return left;
}

QString offerText(const LeftBehind &left)
{
    const int answered = left.answered();
    const QString had = answered == 1 ? QStringLiteral("1 of the 77 questions had an answer")
                                      : QStringLiteral("%1 of the 77 questions had answers").arg(answered);
    QStringList also;
    if (left.document)
        also << (left.document->fileName.isEmpty() ? QStringLiteral("the editor's document")
                                                   : QStringLiteral("the editor's document (“%1”)").arg(native(left.document->fileName)));
    if (left.typing) {
        const int pages = pagesIn(*left.typing);
        also << (pages == 1 ? QStringLiteral("typing not yet saved on 1 page") : QStringLiteral("typing not yet saved on %1 pages").arg(pages));
    }
    const QString kept = also.isEmpty() ? QString() : QStringLiteral("  Also kept: %1.").arg(also.join(QStringLiteral(", ")));
    const bool one = answered == 1 && also.isEmpty();
    return QStringLiteral("Kinscribe did not close normally last time.  %1 then.%2\n\nDo you want to restore %3?")
        .arg(had, kept, one ? QStringLiteral("it") : QStringLiteral("them"));
}

// The editor opens with its kept document once the user leaves the start-up window.
void openEditorAfterEnter(QWidget *over)
{
    auto *enter = over ? over->findChild<QPushButton *>(QStringLiteral("cmdEnter")) : nullptr;
    if (!enter)
        return;
    QObject::connect(enter, &QPushButton::clicked, enter, [] {
        if (DraftBoard::instance().hasKeptDocument())
            Forms::navigate(Forms::find(QLatin1String(WindowName::Main)), QLatin1String(WindowName::Editor));
    }, Qt::QueuedConnection);
}

void restore(QWidget *over, const LeftBehind &left)
{
    if (left.answers)
        AnswerDataFile::storeAnswers(answerStore(), *left.answers);
    if (left.typing)
        DraftBoard::instance().keepForRestore(*left.typing);
    if (left.document) {
        DraftBoard::instance().keepForRestore(*left.document);
        openEditorAfterEnter(over);
    }
}

bool keepForLater(QWidget *over, RecoveryFile &file)
{
    QMap<Part, QString> moved;
    const QString kept = file.keepAside(QStringLiteral("answers"), &moved);
    QString text = kept.isEmpty() ? QStringLiteral("The answers stay in the file \"%1\".").arg(native(file.path()))
                                  : QStringLiteral("The answers were kept in the file \"%1\".").arg(native(kept));
    text += QStringLiteral("  You can load them later with \"Load Previously Saved Data\" on the main menu: its "
                           "Open dialog shows the folder \"%1\" in its side panel.").arg(native(file.folder()));
    if (moved.contains(Part::Document))
        text += QStringLiteral("\n\nThe editor's document was kept as \"%1\": open it with Open in the editor.").arg(native(moved.value(Part::Document)));
    Dialogs::get().message(over, text, MessageRequest{MessageIcon::Information}, kTitle);
    return !kept.isEmpty();
}
} // namespace

bool offerLeftFile(QWidget *over, RecoveryFile &file)
{
    const LeftBehind left = readLeft(over, file);
    if (!left.keepsFile)
        return false;
    if (!left.worthOffering())
        return true; // no words in it: the next change writes over it
    const MessageAnswer answer =
        Dialogs::get().message(over, offerText(left), MessageRequest{MessageIcon::Question, MessageButtons::YesNo}, kTitle);
    if (answer == MessageAnswer::Yes) {
        restore(over, left);
        return true;
    }
    return keepForLater(over, file);
}
