#include "document/reading/save_batch.h"

#include "platform/system_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("SaveBatch", text); }

// Saving through a link replaces the file it points to and keeps the link.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

QString besideTarget(const QString &path, const char *suffix)
{
    const QFileInfo info(path);
    const QByteArray hash = QCryptographicHash::hash(info.fileName().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return info.dir().filePath(QStringLiteral(".~kinscribe-%1.%2").arg(QString::fromLatin1(hash), QLatin1String(suffix)));
}

// Why a folder to save into is none: a file, out of this user's reach, or missing.
int notAFolder(const QFileInfo &folder)
{
    if (folder.exists())
        return ENOTDIR;
    return SystemFile::whyUnreadable(folder.filePath()) == SystemFile::Refusal::Barred ? EACCES : ENOENT;
}
} // namespace

SaveBatch::SaveBatch(Durability durability) : m_durability(durability) {}
SaveBatch::~SaveBatch() { dropTemporaries(); }

QString SaveBatch::temporaryPathFor(const QString &path) { return besideTarget(path, "tmp"); }
QString SaveBatch::oldPathFor(const QString &path) { return besideTarget(path, "old"); }

void SaveBatch::add(const QString &path, const QByteArray &bytes)
{
    const QString target = resolved(path);
    m_entries.push_back({target, bytes, temporaryPathFor(target), oldPathFor(target)});
}

// A rename that replaces the last name of a large file frees its blocks, and a kill that came
// meanwhile takes effect right after it, between the two renames. With a second name on each
// old file the renames free nothing and follow each other at once; the old files go after.
void SaveBatch::holdOldFiles()
{
    for (const Entry &entry : m_entries) {
        QFile::remove(entry.old);
        if (QFile::exists(entry.path))
            SystemFile::addSecondName(entry.path, entry.old);
    }
}

void SaveBatch::dropOldFiles()
{
    for (const Entry &entry : m_entries)
        QFile::remove(entry.old);
}

bool SaveBatch::fail(const Entry &entry, const QString &why)
{
    m_failedPath = entry.path;
    m_error = why;
    return false;
}

void SaveBatch::dropTemporaries()
{
    for (Entry &entry : m_entries) {
        if (entry.written)
            QFile::remove(entry.temporary);
        entry.written = false;
    }
}

// Everything that would make the rename fail, found before any file is replaced.
bool SaveBatch::check(const Entry &entry)
{
    const QFileInfo info(entry.path);
    const QFileInfo folder{info.absolutePath()};
    // The system's own words, as a failed open or rename would have given them.
    if (!folder.isDir())
        return fail(entry, SystemFile::errorText(notAFolder(folder)));
    if (info.isDir())
        return fail(entry, SystemFile::errorText(EISDIR));
    if (QFile::encodeName(info.fileName()).size() > SystemFile::longestName(folder.filePath())
        || QFile::encodeName(info.absoluteFilePath()).size() > SystemFile::longestPath())
        return fail(entry, SystemFile::errorText(ENAMETOOLONG));
    return true;
}

bool SaveBatch::prepare(Entry &entry)
{
    QFile file(entry.temporary);
    // A file of this name is what a killed save of the same name left behind.
    QFile::remove(entry.temporary);
    // Unbuffered, so every byte reaches the system now and a full disk shows here, before any
    // file is moved into place; the reason then comes from the write that failed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(entry, file.errorString());
    entry.written = true;
    if (QFile::exists(entry.path))
        file.setPermissions(QFile::permissions(entry.path));
    const char *data = entry.bytes.constData();
    qint64 left = entry.bytes.size();
    while (left > 0) {
        const qint64 written = file.write(data, left);
        if (written <= 0)
            return fail(entry, file.error() != QFileDevice::NoError ? file.errorString() : tr("The disk is full."));
        data += written;
        left -= written;
    }
    if (m_durability == Durability::Synced) {
        if (const std::optional<QString> why = SystemFile::syncToDisk(file))
            return fail(entry, *why);
    }
    return true;
}

Outcome SaveBatch::commit()
{
    return run() ? Outcome() : Outcome::failed(m_error);
}

bool SaveBatch::run()
{
    for (const Entry &entry : m_entries) {
        if (!check(entry))
            return false;
    }
    for (Entry &entry : m_entries) {
        if (!prepare(entry)) {
            dropTemporaries();
            return false;
        }
    }
    // Every file is complete: the renames follow each other with nothing between. A single
    // file has no second rename to wait for, and needs no second name.
    if (m_entries.size() > 1)
        holdOldFiles();
    for (Entry &entry : m_entries) {
        if (const std::optional<QString> why = SystemFile::renameOver(entry.temporary, entry.path)) {
            dropTemporaries();
            dropOldFiles();
            return fail(entry, *why);
        }
        entry.written = false;
    }
    dropOldFiles();
    if (m_durability == Durability::Synced) {
        for (const Entry &entry : m_entries)
            SystemFile::syncFolder(QFileInfo(entry.path).absolutePath());
    }
    return true;
}

Outcome saveFileAtomically(const QString &path, const QByteArray &bytes, SaveBatch::Durability durability)
{
    SaveBatch batch(durability);
    batch.add(path, bytes);
    return batch.commit();
}
