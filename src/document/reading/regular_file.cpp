#include "document/reading/regular_file.h"

#include "platform/system_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
QString tr(const char *text) { return QCoreApplication::translate("RegularFile", text); }
QString quotedName(const QString &path) { return QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()); }
} // namespace

Outcome unreadableFile(const QFile &file)
{
    const QString name = quotedName(file.fileName());
    using SystemFile::Refusal;
    const Refusal why = SystemFile::whyUnreadable(file.fileName());
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
    switch (SystemFile::kindOf(path)) {
    case SystemFile::Kind::None:
    case SystemFile::Kind::Regular: return {};
    case SystemFile::Kind::Folder: return itIs("a folder");
    case SystemFile::Kind::Pipe: return itIs("a named pipe");
    case SystemFile::Kind::Socket: return itIs("a socket");
    case SystemFile::Kind::Device: return itIs("a device");
    case SystemFile::Kind::Other: break;
    }
    return itIs("something other than a file");
}
