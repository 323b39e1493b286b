#include "document/recovery/recovery_file.h"

#include "questionnaire/answer_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kMaxCopies = 9;

QString slotName(int slot)
{
    return slot == 1 ? QStringLiteral("recovery.dat") : QStringLiteral("recovery-%1.dat").arg(slot);
}

bool makeOwnerOnlyFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    if (!makeOwnerOnlyFolder(folder))
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
    if (m_lock)
        QFile::remove(m_path + QStringLiteral(".new")); // half written when its writer died
}

RecoveryFile::~RecoveryFile() = default;

QString RecoveryFile::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

bool RecoveryFile::hasLeftFile() const { return isHeld() && QFile::exists(m_path); }

AnswerDataFile::ReadResult RecoveryFile::read() const { return AnswerDataFile::readFile(m_path); }

Outcome RecoveryFile::write(const AnswerStore &store)
{
    if (!isHeld())
        return Outcome::failed(QStringLiteral("No recovery file is held."));
    // Written beside and renamed over, like QSaveFile, but without waiting for the disk: this
    // runs after every page Save, and a killed process loses nothing the kernel already has.
    const QString fresh = m_path + QStringLiteral(".new");
    const QByteArray bytes = AnswerDataFile::write(AnswerDataFile::answersOf(store));
    QFile file(fresh);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        const QString why = file.errorString();
        file.close();
        QFile::remove(fresh);
        return Outcome::failed(why);
    }
    file.close();
    if (std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(m_path).constData()) != 0) {
        QFile::remove(fresh);
        return Outcome::failed(QString::fromLocal8Bit(std::strerror(errno)));
    }
    return {};
}

void RecoveryFile::remove()
{
    if (!isHeld())
        return;
    QFile::remove(m_path);
    QFile::remove(m_path + QStringLiteral(".new"));
    m_lock.reset();
    QDir().rmdir(m_folder); // only when empty
}

QString RecoveryFile::keepAside(const QString &label)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QDir dir(m_folder);
    QString target = dir.filePath(QStringLiteral("%1-%2.dat").arg(label, stamp));
    for (int n = 2; QFile::exists(target); ++n)
        target = dir.filePath(QStringLiteral("%1-%2-%3.dat").arg(label, stamp).arg(n));
    return QFile::rename(m_path, target) ? target : QString();
}
