#include "document/reading/regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
QString tr(const char *text) { return QCoreApplication::translate("RegularFile", text); }
QString quotedName(const QString &path) { return QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()); }
} // namespace

enum class Refusal { Barred, Missing, Other };

// What the system says of the path for this user.
static Refusal whyNot(const QString &path)
{
#ifdef Q_OS_UNIX
    // The system's own answer for this user (a folder that may not be entered hides its files:
    // they are barred, not missing).
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == EACCES ? Refusal::Barred : errno == ENOENT || errno == ENOTDIR ? Refusal::Missing : Refusal::Other;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0)
        ::close(fd);
    return fd < 0 && errno == EACCES ? Refusal::Barred : Refusal::Other;
#else
    const QFileInfo info(path);
    return !info.exists() ? Refusal::Missing : !info.isReadable() ? Refusal::Barred : Refusal::Other;
#endif
}

Outcome unreadableFile(const QFile &file)
{
    const QString name = quotedName(file.fileName());
    const Refusal why = whyNot(file.fileName());
    if (why == Refusal::Barred)
        return Outcome::failed(tr("You are not allowed to read %1.").arg(name));
    if (why == Refusal::Missing)
        return Outcome::failed(tr("%1 does not exist.").arg(name));
    return Outcome::failed(tr("%1 could not be read. %2.").arg(name, file.errorString()));
}

Outcome checkRegularFile(const QString &path)
{
    const auto itIs = [&path](const char *what) {
        return Outcome::failed(tr("%1 is %2, not a file.").arg(quotedName(path), tr(what)));
    };
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return {};
    if (S_ISDIR(st.st_mode))
        return itIs("a folder");
    if (S_ISFIFO(st.st_mode))
        return itIs("a named pipe");
    if (S_ISSOCK(st.st_mode))
        return itIs("a socket");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return itIs("a device");
    return itIs("something other than a file");
#else
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    return info.isDir() ? itIs("a folder") : itIs("a device");
#endif
}
