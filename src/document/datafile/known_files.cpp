#include "document/datafile/known_files.h"

#include "platform/system_file.h"

#include <QFileInfo>
#include <QHash>

namespace {
using SystemFile::Stamp;

QHash<QString, Stamp> &known()
{
    static QHash<QString, Stamp> files;
    return files;
}

QString keyOf(const QString &path) { return QFileInfo(path).absoluteFilePath(); }
} // namespace

namespace KnownFiles {
void remember(const QString &path)
{
    if (const std::optional<Stamp> stamp = SystemFile::stampOf(path))
        known().insert(keyOf(path), *stamp);
    else
        known().remove(keyOf(path));
}

Standing standing(const QString &path)
{
    const std::optional<Stamp> now = SystemFile::stampOf(path);
    if (!now)
        return Standing::Missing;
    const auto it = known().constFind(keyOf(path));
    if (it == known().constEnd())
        return Standing::Unknown;
    return *it == *now ? Standing::Unchanged : Standing::Changed;
}

void clear() { known().clear(); }
} // namespace KnownFiles
