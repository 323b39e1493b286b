#include "document/reading/regular_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
QString tr(const char *text) { return QCoreApplication::translate("RegularFile", text); }
QString quotedName(const QString &path) { return QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()); }
} // namespace

Outcome unreadableFile(const QFile &file)
{
    const QString name = quotedName(file.fileName());
    const QFileInfo info(file.fileName());
    // A folder that may not be entered hides its files: they are not missing, they are barred.
    const bool barred = !QFileInfo(info.absolutePath()).isExecutable() || (info.exists() && !info.isReadable());
    if (barred)
        return Outcome::failed(tr("You are not allowed to read %1.").arg(name));
    if (!info.exists())
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
