#include "app/recovery_session.h"
#include "shell/window_names.h"

#include "shell/dialogs.h"
#include "shell/exit_question.h"
#include "shell/form.h"
#include "document/recovery/draft_board.h"
#include "document/recovery/recovery_file.h"
#include "document/recovery/safety_copy.h"
#include "questionnaire/answer_store.h"

#include <QDir>
#include <QGuiApplication>
#include <QSessionManager>
#include <memory>

namespace {
struct Session {
    std::unique_ptr<RecoveryFile> file;
    std::unique_ptr<SafetyCopy> copy;
    QList<QMetaObject::Connection> connections;
    bool failing = false; // the last write failed and the user was told
};
std::unique_ptr<Session> g_session;

void reportFailure(const QString &folder, const QString &reason)
{
    Dialogs::get().message(Forms::active(),
                           QStringLiteral("Kinscribe cannot keep a safety copy in %1: %2. Save your work to a file soon.")
                               .arg(QDir::toNativeSeparators(folder), reason),
                           MessageRequest{MessageIcon::Exclamation}, QString::fromLatin1(kProgramTitle));
}

// Told once when writing fails, and again only after it has worked in between.
void written(const QString &failure)
{
    if (!g_session)
        return;
    if (failure.isEmpty()) {
        g_session->failing = false;
        return;
    }
    if (g_session->failing)
        return;
    g_session->failing = true;
    reportFailure(g_session->file->folder(), failure);
}

std::pair<bool, AnswerDataFile::Answers> pagesTyping()
{
    const DraftBoard &board = DraftBoard::instance();
    return {board.hasTyping(), board.typing()};
}

void listen(Session &s)
{
    SafetyCopy *copy = s.copy.get();
    DraftBoard &board = DraftBoard::instance();
    s.connections << QObject::connect(copy, &SafetyCopy::written, copy, &written);
    s.connections << QObject::connect(&answerStore(), &AnswerStore::answersChanged, copy, [copy] { copy->writeAnswers(answerStore()); });
    s.connections << QObject::connect(&board, &DraftBoard::documentChanged, copy, [copy, &board] {
        copy->documentChanged(board.document(), board.documentFileName());
    });
    s.connections << QObject::connect(&board, &DraftBoard::typingChanged, copy, [copy] { copy->typingChanged(&pagesTyping); });
    s.connections << QObject::connect(&DeliberateEnd::notifier(), &DeliberateEnd::ending, copy, [](bool warned) {
        if (warned || Recovery::contentIsSafe())
            Recovery::endDeliberately();
        else
            Recovery::flush(); // kept, up to date, for the next start
    });
}
} // namespace

namespace Recovery {
void start(QWidget *over, const QString &folder)
{
    stop();
    auto file = std::make_unique<RecoveryFile>(folder);
    if (!file->isHeld()) {
        reportFailure(folder, file->error());
        return;
    }
    if (file->hasLeftFile() && !offerLeftFile(over, *file))
        return;
    g_session = std::make_unique<Session>();
    g_session->file = std::move(file);
    g_session->copy = std::make_unique<SafetyCopy>(*g_session->file);
    listen(*g_session);
}

bool contentIsSafe()
{
    const DraftBoard &board = DraftBoard::instance();
    return answerStore().isInFile() && !board.document() && !board.hasTyping() && !board.hasKeptDocument();
}

void endDeliberately()
{
    if (!g_session)
        return;
    for (const auto &c : std::as_const(g_session->connections))
        QObject::disconnect(c);
    g_session->copy.reset(); // the writes under way end first
    g_session->file->remove();
    g_session.reset();
}

void flush()
{
    if (g_session)
        g_session->copy->flush();
}

void stop()
{
    if (!g_session)
        return;
    for (const auto &c : std::as_const(g_session->connections))
        QObject::disconnect(c);
    g_session->copy->flush(); // nobody is left to tell of a failure
    g_session.reset();
}

RecoveryFile *current() { return g_session ? g_session->file.get() : nullptr; }

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
