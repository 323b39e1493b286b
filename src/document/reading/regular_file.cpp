#include "document/reading/regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
Outcome itIs(const char *what)
{
    return Outcome::failed(QCoreApplication::translate("RegularFile", "It is %1, not a file.")
                               .arg(QCoreApplication::translate("RegularFile", what)));
}
} // namespace

Outcome checkRegularFile(const QString &path)
{
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
