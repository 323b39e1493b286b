#include "document/recovery/recovery_file.h"

#include "document/reading/save_batch.h"
#include "platform/system_file.h"
#include "questionnaire/answer_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>

namespace {
constexpr int kMaxCopies = 9;

QString slotName(int slot)
{
    return slot == 1 ? QStringLiteral("recovery.dat") : QStringLiteral("recovery-%1.dat").arg(slot);
}

QString systemError() { return SystemFile::errorText(errno); }

// Empty when the folder is there, else the system's reason.
QString makeOwnerOnlyFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return {};
    errno = 0;
    if (!QDir().mkpath(folder))
        return errno ? systemError() : QStringLiteral("The folder cannot be made.");
    if (!QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return systemError();
    return {};
}

const char *suffixOf(RecoveryFile::Part part)
{
    switch (part) {
    case RecoveryFile::Part::Answers: return "";
    case RecoveryFile::Part::Document: return ".document.rtf";
    case RecoveryFile::Part::DocumentName: return ".document-name.txt";
    case RecoveryFile::Part::Typing: return ".typing.dat";
    }
    return "";
}

constexpr RecoveryFile::Part kParts[] = {RecoveryFile::Part::Answers, RecoveryFile::Part::Document,
                                         RecoveryFile::Part::DocumentName, RecoveryFile::Part::Typing};

// "answers-2026-01-31-120000.dat", "...-document.rtf": the parts of one keeping side by side.
QString keptName(const QString &label, const QString &stamp, RecoveryFile::Part part)
{
    switch (part) {
    case RecoveryFile::Part::Answers: return QStringLiteral("%1-%2.dat").arg(label, stamp);
    case RecoveryFile::Part::Document: return QStringLiteral("%1-%2-document.rtf").arg(label, stamp);
    case RecoveryFile::Part::DocumentName: return QStringLiteral("%1-%2-document-name.txt").arg(label, stamp);
    case RecoveryFile::Part::Typing: return QStringLiteral("%1-%2-typing.dat").arg(label, stamp);
    }
    return {};
}

std::unique_ptr<QLockFile> tryHold(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    // Only a dead holder makes a lock stale: a copy may run for weeks.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}
} // namespace

RecoveryFile::RecoveryFile(const QString &folder) : m_folder(folder)
{
    m_error = makeOwnerOnlyFolder(folder);
    if (!m_error.isEmpty())
        return;
    const QDir dir(folder);
    // First pass: a free name whose file a dead run left; second pass: any free name.
    for (int pass = 0; pass < 2 && !m_lock; ++pass) {
        for (int slot = 1; slot <= kMaxCopies && !m_lock; ++slot) {
            const QString path = dir.filePath(slotName(slot));
            if (pass == 0 && !QFile::exists(path))
                continue;
            m_lock = tryHold(path);
            if (m_lock)
                m_path = path;
        }
    }
    if (!m_lock) {
        m_error = QStringLiteral("Every name is in use by another copy of Kinscribe.");
        return;
    }
    for (const Part part : kParts)
        dropHalfWritten(part);
}

// What a writer that died left half written; ".new" is where earlier versions wrote.
void RecoveryFile::dropHalfWritten(Part part) const
{
    QFile::remove(SaveBatch::temporaryPathFor(partPath(part)));
    QFile::remove(partPath(part) + QStringLiteral(".new"));
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QStringList RecoveryFile::keptFolders(const QString &folder)
{
    const QStringList kept = QDir(folder).entryList({QStringLiteral("answers-*"), QStringLiteral("damaged-*")}, QDir::Files);
    return kept.isEmpty() ? QStringList() : QStringList{folder};
}

QString RecoveryFile::partPath(Part part) const { return m_path + QLatin1String(suffixOf(part)); }

bool RecoveryFile::hasPart(Part part) const { return isHeld() && QFile::exists(partPath(part)); }

bool RecoveryFile::hasLeftFile() const
{
    for (const Part part : kParts) {
        if (hasPart(part))
            return true;
    }
    return false;
}

AnswerDataFile::ReadResult RecoveryFile::read() const { return AnswerDataFile::readFile(m_path); }

Outcome RecoveryFile::write(const AnswerStore &store)
{
    if (!isHeld())
        return Outcome::failed(QStringLiteral("No recovery file is held."));
    return writeQuickly(m_path, AnswerDataFile::write(AnswerDataFile::answersOf(store)));
}

// Quick: this runs after every change, and a killed process loses nothing the system already has.
Outcome RecoveryFile::writeQuickly(const QString &path, const QByteArray &bytes)
{
    return saveFileAtomically(path, bytes, SaveBatch::Durability::Quick);
}

void RecoveryFile::removePart(Part part)
{
    if (isHeld())
        QFile::remove(partPath(part));
}

void RecoveryFile::discard()
{
    if (!isHeld())
        return;
    for (const Part part : kParts) {
        QFile::remove(partPath(part));
        dropHalfWritten(part);
    }
    m_lock.reset();
    QDir().rmdir(m_folder); // only when empty
}

namespace {
QString stampNow() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")); }

// A stamp under which no part of this label is taken yet.
QString freeStamp(const QDir &dir, const QString &label)
{
    const QString stamp = stampNow();
    QString candidate = stamp;
    for (int n = 2; QFile::exists(dir.filePath(keptName(label, candidate, RecoveryFile::Part::Answers)))
                    || QFile::exists(dir.filePath(keptName(label, candidate, RecoveryFile::Part::Document)));
         ++n)
        candidate = QStringLiteral("%1-%2").arg(stamp).arg(n);
    return candidate;
}
} // namespace

QString RecoveryFile::keepAside(const QString &label, QMap<Part, QString> *movedParts)
{
    const QDir dir(m_folder);
    const QString stamp = freeStamp(dir, label);
    QString answers, first;
    bool allMoved = true;
    for (const Part part : kParts) {
        if (!QFile::exists(partPath(part)))
            continue;
        const QString target = dir.filePath(keptName(label, stamp, part));
        const bool moved = QFile::rename(partPath(part), target);
        allMoved = allMoved && moved;
        if (moved && first.isEmpty())
            first = target;
        if (moved && movedParts)
            movedParts->insert(part, target);
        if (part == Part::Answers && moved)
            answers = target;
    }
    return allMoved ? (answers.isEmpty() ? first : answers) : QString();
}

QString RecoveryFile::keepPartAside(Part part, const QString &label)
{
    const QDir dir(m_folder);
    const QString target = dir.filePath(keptName(label, freeStamp(dir, label), part));
    return QFile::rename(partPath(part), target) ? target : QString();
}
