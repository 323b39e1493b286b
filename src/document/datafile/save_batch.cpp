#include "document/datafile/save_batch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("SaveBatch", text); }

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

// Longest file name the folder's file system takes, in bytes of the local encoding.
long nameMax(const QString &folder)
{
    const long n = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return n > 0 ? n : 255;
}

bool syncToDisk(QFile &file) { return ::fsync(file.handle()) == 0; }

void syncFolder(const QString &folder)
{
    QFile dir(folder);
    if (dir.open(QIODevice::ReadOnly))
        ::fsync(dir.handle());
}

// Saving through a link replaces the file it points to and keeps the link.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}
} // namespace

SaveBatch::SaveBatch() = default;
SaveBatch::~SaveBatch() { dropTemporaries(); }

namespace {
QString besideTarget(const QString &path, const char *suffix)
{
    const QFileInfo info(path);
    const QByteArray hash = QCryptographicHash::hash(info.fileName().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return info.dir().filePath(QStringLiteral(".~kinscribe-%1.%2").arg(QString::fromLatin1(hash), QLatin1String(suffix)));
}
} // namespace

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
            ::link(QFile::encodeName(entry.path).constData(), QFile::encodeName(entry.old).constData());
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
    const QFileInfo folder(info.absolutePath());
    // The system's own words, as a failed open or rename would have given them.
    if (!folder.isDir())
        return fail(entry, systemError(folder.exists() ? ENOTDIR : ENOENT));
    if (info.isDir())
        return fail(entry, systemError(EISDIR));
    if (QFile::encodeName(info.fileName()).size() > nameMax(folder.filePath())
        || QFile::encodeName(info.absoluteFilePath()).size() >= PATH_MAX)
        return fail(entry, systemError(ENAMETOOLONG));
    return true;
}

bool SaveBatch::prepare(Entry &entry)
{
    QFile file(entry.temporary);
    // A file of this name is what a killed save of the same name left behind.
    QFile::remove(entry.temporary);
    // Unbuffered, so every byte reaches the disk now and a full disk shows here, before any
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
    if (!syncToDisk(file))
        return fail(entry, systemError(errno));
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
    // Every file is complete on the disk: the renames follow each other with nothing between.
    holdOldFiles();
    for (Entry &entry : m_entries) {
        if (std::rename(QFile::encodeName(entry.temporary).constData(), QFile::encodeName(entry.path).constData()) != 0) {
            const int code = errno;
            dropTemporaries();
            dropOldFiles();
            return fail(entry, systemError(code));
        }
        entry.written = false;
    }
    dropOldFiles();
    for (const Entry &entry : m_entries)
        syncFolder(QFileInfo(entry.path).absolutePath());
    return true;
}

Outcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    SaveBatch batch;
    batch.add(path, bytes);
    return batch.commit();
}
