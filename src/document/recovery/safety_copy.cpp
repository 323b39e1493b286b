#include "document/recovery/safety_copy.h"

#include "document/recovery/document_snapshot.h"
#include "document/rtf/rtf.h"
#include "questionnaire/answer_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTextDocument>

SafetyCopy::SafetyCopy(RecoveryFile &file, QObject *parent) : QObject(parent), m_file(file)
{
    m_worker.setMaxThreadCount(1); // writes land in the order asked
    m_worker.setExpiryTimeout(-1);
    m_pause.setSingleShot(true);
    m_pause.setInterval(kPauseMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(kLongestWaitMs);
    connect(&m_pause, &QTimer::timeout, this, &SafetyCopy::writeNow);
    connect(&m_longest, &QTimer::timeout, this, &SafetyCopy::writeNow);
}

SafetyCopy::~SafetyCopy() { m_worker.waitForDone(); }

void SafetyCopy::run(std::function<Outcome()> job)
{
    QPointer<SafetyCopy> self(this);
    m_worker.start([self, job = std::move(job)] {
        const Outcome outcome = job();
        QMetaObject::invokeMethod(
            self.data(), [self, failure = outcome.ok() ? QString() : outcome.error()] {
                if (self)
                    emit self->written(failure);
            },
            Qt::QueuedConnection);
    });
}

void SafetyCopy::writeAnswers(const AnswerStore &store)
{
    const QString path = m_file.partPath(RecoveryFile::Part::Answers);
    run([path, answers = AnswerDataFile::answersOf(store)] { return RecoveryFile::writeQuickly(path, AnswerDataFile::write(answers)); });
}

void SafetyCopy::documentChanged(const QTextDocument *document, const QString &fileName)
{
    if (document && !m_changes.follows(document)) {
        m_previous.reset();
        m_changes.follow(document);
    }
    m_document = document;
    m_fileName = fileName;
    m_documentWaits = true;
    arm();
}

void SafetyCopy::typingChanged(std::function<std::pair<bool, AnswerDataFile::Answers>()> typing)
{
    m_typing = std::move(typing);
    m_typingWaits = true;
    arm();
}

void SafetyCopy::arm()
{
    m_pause.start();
    if (!m_longest.isActive())
        m_longest.start();
}

namespace {
Outcome removed(const QString &path)
{
    return !QFile::exists(path) || QFile::remove(path) ? Outcome() : Outcome::failed(QFile(path).errorString());
}
} // namespace

void SafetyCopy::writeNow()
{
    m_pause.stop();
    m_longest.stop();
    if (m_documentWaits) {
        m_documentWaits = false;
        const QString rtfPath = m_file.partPath(RecoveryFile::Part::Document);
        const QString namePath = m_file.partPath(RecoveryFile::Part::DocumentName);
        if (!m_document) {
            // Nothing there to remove proves nothing about writing: no report either way.
            if (QFile::exists(rtfPath) || QFile::exists(namePath))
                run([rtfPath, namePath] {
                const Outcome rtf = removed(rtfPath);
                return rtf.ok() ? removed(namePath) : rtf;
            });
        } else {
            // The copy is the worker's alone; the editor goes on with its own.
            const DocumentSnapshot *previous = m_changes.follows(m_document) ? m_previous.get() : nullptr;
            std::optional<DocumentSnapshot> taken = DocumentSnapshot::take(*m_document, previous, m_changes.unchanged());
            m_changes.restart();
            m_previous = taken ? std::make_shared<const DocumentSnapshot>(std::move(*taken)) : nullptr;
            std::shared_ptr<const DocumentSnapshot> snapshot = m_previous;
            std::shared_ptr<QTextDocument> clone;
            if (!snapshot) {
                clone.reset(m_document->clone());
                clone->moveToThread(nullptr);
            }
            run([snapshot, clone, rtfPath, namePath, name = m_fileName.toUtf8()] {
                const std::unique_ptr<QTextDocument> rebuilt = snapshot ? snapshot->rebuild() : nullptr;
                const Outcome rtf = RecoveryFile::writeQuickly(rtfPath, Rtf::write(rebuilt ? *rebuilt : *clone));
                return rtf.ok() ? RecoveryFile::writeQuickly(namePath, name) : rtf;
            });
        }
    }
    if (m_typingWaits && m_typing) {
        m_typingWaits = false;
        const auto [any, typing] = m_typing();
        const QString path = m_file.partPath(RecoveryFile::Part::Typing);
        if (any)
            run([path, typing] { return RecoveryFile::writeQuickly(path, AnswerDataFile::write(typing)); });
        else if (QFile::exists(path))
            run([path] { return removed(path); });
    }
}

void SafetyCopy::flush()
{
    writeNow();
    m_worker.waitForDone();
    QCoreApplication::sendPostedEvents(this);
}
