#include "app/recovery_session.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "shell/exit_question.h"
#include "shell/form.h"
#include "document/recovery/recovery_file.h"
#include "questionnaire/answer_store.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>
#include <memory>

namespace {
const QString kTitle = QString::fromLatin1(kProgramTitle);
std::unique_ptr<RecoveryFile> g_file;
QMetaObject::Connection g_onDeliberateEnd;

int answeredIn(const AnswerDataFile::Answers &answers)
{
    int n = 0;
    for (const auto &a : answers)
        n += a && !a->isEmpty() ? 1 : 0;
    return n;
}

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

void keepDamaged(QWidget *over, const QString &reason)
{
    const QString kept = g_file->keepAside(QStringLiteral("damaged"));
    const QString where = kept.isEmpty() ? g_file->path() : kept;
    const QString path = g_file->path();
    if (kept.isEmpty())
        g_file.reset(); // it cannot be moved: write nothing over it in this run
    Dialogs::get().message(over,
                           QStringLiteral("The answers kept from the last time could not be read from \"%1\".\n\n%2\n\n"
                                          "The file was kept as \"%3\".  The program starts with no answers.")
                               .arg(native(path), reason, native(where)),
                           MsgStyle::OkOnly | MsgStyle::Exclamation, kTitle);
}

void keepForLater(QWidget *over)
{
    const QString kept = g_file->keepAside(QStringLiteral("answers"));
    const QString where = kept.isEmpty() ? QStringLiteral("The answers stay in the file \"%1\".").arg(native(g_file->path()))
                                         : QStringLiteral("The answers were kept in the file \"%1\".").arg(native(kept));
    if (kept.isEmpty())
        g_file.reset(); // it cannot be moved: write nothing over it in this run
    Dialogs::get().message(over,
                           where + QStringLiteral("  You can load them later with \"Load Previously Saved Data\" on the main menu."),
                           MsgStyle::OkOnly | MsgStyle::Information, kTitle);
}

QString offerText(int answered)
{
    const QString had = answered == 1 ? QStringLiteral("1 of the 77 questions had an answer")
                                      : QStringLiteral("%1 of the 77 questions had answers").arg(answered);
    return QStringLiteral("Kinscribe did not close normally last time.  %1 then.\n\nDo you want to restore %2?")
        .arg(had, answered == 1 ? QStringLiteral("it") : QStringLiteral("them"));
}

void offerLeftFile(QWidget *over)
{
    const AnswerDataFile::ReadResult left = g_file->read();
    if (!left.ok()) {
        keepDamaged(over, left.error());
        return;
    }
    const int answered = answeredIn(*left.answers);
    if (answered == 0)
        return; // no words in it: the next change writes over it
    const int answer = Dialogs::get().message(over, offerText(answered), MsgStyle::YesNo | MsgStyle::Question, kTitle);
    if (answer == MsgAnswer::Yes)
        AnswerDataFile::storeAnswers(answerStore(), *left.answers);
    else
        keepForLater(over);
}
} // namespace

namespace Recovery {
void start(QWidget *over, const QString &folder)
{
    g_file = std::make_unique<RecoveryFile>(folder);
    if (!g_file->isHeld()) {
        g_file.reset();
        return;
    }
    if (g_file->hasLeftFile())
        offerLeftFile(over);
    QObject::disconnect(g_onDeliberateEnd);
    g_onDeliberateEnd = QObject::connect(&DeliberateEnd::notifier(), &DeliberateEnd::ending, [] { endDeliberately(); });
    answerStore().setChangeHandler([] {
        if (!g_file)
            return;
        if (const Outcome written = g_file->write(answerStore()); !written.ok())
            qWarning("The recovery file could not be written: %s", qPrintable(written.error()));
    });
}

void endDeliberately()
{
    if (g_file)
        g_file->remove();
    g_file.reset();
}

void stop()
{
    QObject::disconnect(g_onDeliberateEnd);
    answerStore().setChangeHandler({});
    g_file.reset();
}

RecoveryFile *current() { return g_file.get(); }

bool sessionEnding(QWidget *parent, bool mayInteract)
{
    if (!mayInteract) {
        Dialogs::get().endProgram();
        return true;
    }
    return askExitQuestion(parent);
}

void connectSession(QGuiApplication &app)
{
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &app, [](QSessionManager &manager) {
        const bool mayInteract = manager.allowsInteraction();
        if (!sessionEnding(Forms::active(), mayInteract))
            manager.cancel();
        if (mayInteract)
            manager.release();
    }, Qt::DirectConnection);
    // Nothing to restore in a later session: the program has no command line or saved state.
    QObject::connect(&app, &QGuiApplication::saveStateRequest, &app, [](QSessionManager &manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    }, Qt::DirectConnection);
#else
    Q_UNUSED(app);
#endif
}
} // namespace Recovery
