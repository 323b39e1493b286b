#include "platform/system_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SystemFile {
QString errorText(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

#ifdef Q_OS_UNIX
namespace {
QByteArray local(const QString &path) { return QFile::encodeName(path); }
} // namespace

Kind kindOf(const QString &path)
{
    struct stat st {};
    if (::stat(local(path).constData(), &st) != 0)
        return Kind::None;
    if (S_ISREG(st.st_mode))
        return Kind::Regular;
    if (S_ISDIR(st.st_mode))
        return Kind::Folder;
    if (S_ISFIFO(st.st_mode))
        return Kind::Pipe;
    if (S_ISSOCK(st.st_mode))
        return Kind::Socket;
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return Kind::Device;
    return Kind::Other;
}

Refusal whyUnreadable(const QString &path)
{
    const QByteArray name = local(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == EACCES ? Refusal::Barred : errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::Other;
    // Non-blocking, so that asking about a named pipe does not wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
    return fd < 0 && errno == EACCES ? Refusal::Barred : Refusal::Other;
}

std::optional<Stamp> stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(local(path).constData(), &st) != 0)
        return std::nullopt;
    return Stamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), quint64(st.st_dev), quint64(st.st_ino)};
}

qsizetype longestName(const QString &folder)
{
    const long n = ::pathconf(local(folder).constData(), _PC_NAME_MAX);
    return n > 0 ? n : 255;
}

qsizetype longestPath() { return PATH_MAX - 1; }

std::optional<QString> syncToDisk(QFile &file)
{
    if (::fsync(file.handle()) == 0)
        return std::nullopt;
    return errorText(errno);
}

void syncFolder(const QString &folder)
{
    QFile dir(folder);
    if (dir.open(QIODevice::ReadOnly))
        ::fsync(dir.handle());
}

bool addSecondName(const QString &path, const QString &secondName)
{
    return ::link(local(path).constData(), local(secondName).constData()) == 0;
}

std::optional<QString> renameOver(const QString &from, const QString &to)
{
    if (std::rename(local(from).constData(), local(to).constData()) == 0)
        return std::nullopt;
    return errorText(errno);
}
#else
// Qt's nearest answers: no pipes or sockets to tell apart, no identity, no flush of a folder.
Kind kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::None;
    return info.isFile() ? Kind::Regular : info.isDir() ? Kind::Folder : Kind::Device;
}

Refusal whyUnreadable(const QString &path)
{
    const QFileInfo info(path);
    return !info.exists() ? Refusal::Missing : !info.isReadable() ? Refusal::Barred : Refusal::Other;
}

std::optional<Stamp> stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    const qint64 ms = info.lastModified().toMSecsSinceEpoch();
    return Stamp{info.size(), ms / 1000, (ms % 1000) * 1000000, 0, 0};
}

qsizetype longestName(const QString &) { return 255; }
// No limit asked beforehand: the write itself says when a path is too long.
qsizetype longestPath() { return std::numeric_limits<qsizetype>::max(); }

std::optional<QString> syncToDisk(QFile &file)
{
    if (file.flush())
        return std::nullopt;
    return file.errorString();
}

void syncFolder(const QString &) {}

bool addSecondName(const QString &, const QString &) { return false; }

// Not one step here: the old file goes first, then the new one takes its name.
std::optional<QString> renameOver(const QString &from, const QString &to)
{
    QFile::remove(to);
    QFile file(from);
    if (file.rename(to))
        return std::nullopt;
    return file.errorString();
}
#endif
} // namespace SystemFile
