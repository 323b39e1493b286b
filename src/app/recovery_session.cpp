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
void reportFailure(const QString &folder, const QString &reason)
{
    Dialogs::get().message(Forms::active(),
                           QStringLiteral("Kinscribe cannot keep a safety copy in %1: %2. Save your work to a file soon.")
                               .arg(QDir::toNativeSeparators(folder), reason),
                           MessageRequest{MessageIcon::Exclamation}, QString::fromLatin1(kProgramTitle));
}

std::pair<bool, AnswerDataFile::Answers> pagesTyping()
{
    const DraftBoard &board = DraftBoard::instance();
    return {board.hasTyping(), board.typing()};
}
} // namespace

std::unique_ptr<RecoverySession> RecoverySession::start(QWidget *over, const QString &folder)
{
    auto file = std::make_unique<RecoveryFile>(folder);
    if (!file->isHeld()) {
        reportFailure(folder, file->error());
        return nullptr;
    }
    if (file->hasLeftFile() && !offerLeftFile(over, *file))
        return nullptr;
    return std::unique_ptr<RecoverySession>(new RecoverySession(std::move(file)));
}

RecoverySession::RecoverySession(std::unique_ptr<RecoveryFile> file)
    : m_file(std::move(file)), m_copy(std::make_unique<SafetyCopy>(*m_file))
{
    listen();
}

RecoverySession::~RecoverySession()
{
    disconnectAll();
    if (m_copy)
        m_copy->flush(); // nobody is left to tell of a failure
}

void RecoverySession::listen()
{
    SafetyCopy *copy = m_copy.get();
    DraftBoard &board = DraftBoard::instance();
    m_connections << QObject::connect(copy, &SafetyCopy::written, copy, [this](const QString &failure) { written(failure); });
    m_connections << QObject::connect(&answerStore(), &AnswerStore::answersChanged, copy, [copy] { copy->writeAnswers(answerStore()); });
    m_connections << QObject::connect(&board, &DraftBoard::documentChanged, copy, [copy, &board] {
        copy->documentChanged(board.document(), board.documentFileName());
    });
    m_connections << QObject::connect(&board, &DraftBoard::typingChanged, copy, [copy] { copy->typingChanged(&pagesTyping); });
    m_connections << QObject::connect(&DeliberateEnd::notifier(), &DeliberateEnd::ending, copy, [this](bool warned) {
        if (warned || Recovery::contentIsSafe())
            endDeliberately();
        else
            flush(); // kept, up to date, for the next start
    });
}

void RecoverySession::disconnectAll()
{
    for (const auto &c : std::as_const(m_connections))
        QObject::disconnect(c);
    m_connections.clear();
}

void RecoverySession::written(const QString &failure)
{
    if (failure.isEmpty()) {
        m_failing = false;
        return;
    }
    if (m_failing)
        return;
    m_failing = true;
    reportFailure(m_file->folder(), failure);
}

void RecoverySession::endDeliberately()
{
    if (!m_copy)
        return;
    disconnectAll();
    m_copy.reset(); // the writes under way end first
    m_file->discard();
}

void RecoverySession::flush()
{
    if (m_copy)
        m_copy->flush();
}

namespace Recovery {
bool contentIsSafe()
{
    const DraftBoard &board = DraftBoard::instance();
    return answerStore().isInFile() && !board.document() && !board.hasTyping() && !board.hasKeptDocument();
}

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
