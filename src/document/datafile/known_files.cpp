#include "document/datafile/known_files.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <optional>
#include <sys/stat.h>

namespace {
// Size, modification time to the nanosecond and the file's identity on its disk: a save by
// rename gives a new identity, an edit in place a new time.
struct Stamp {
    qint64 size = 0, seconds = 0, nanoseconds = 0;
    quint64 device = 0, inode = 0;
    bool operator==(const Stamp &) const = default;
};

std::optional<Stamp> stampOf(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return Stamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), quint64(st.st_dev), quint64(st.st_ino)};
}

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
    if (const std::optional<Stamp> stamp = stampOf(path))
        known().insert(keyOf(path), *stamp);
    else
        known().remove(keyOf(path));
}

Standing standing(const QString &path)
{
    const std::optional<Stamp> now = stampOf(path);
    if (!now)
        return Standing::Missing;
    const auto it = known().constFind(keyOf(path));
    if (it == known().constEnd())
        return Standing::Unknown;
    return *it == *now ? Standing::Unchanged : Standing::Changed;
}

void clear() { known().clear(); }
} // namespace KnownFiles
