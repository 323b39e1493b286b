#pragma once
// The few things the core asks of the operating system that Qt does not answer: what a path
// names for this user, a file's identity on its disk, the longest names, flushing to the disk,
// a second name for a file, and renaming over a file. On Unix they come from the system
// itself; elsewhere Qt's nearest answer stands in, so the core builds on any Qt platform.

#include <QString>
#include <QtGlobal>
#include <optional>

class QFile;

namespace SystemFile {
enum class Kind { None, Regular, Folder, Pipe, Socket, Device, Other };
// What the path names; None when nothing is there or it cannot be looked at.
Kind kindOf(const QString &path);

enum class Refusal { Barred, Missing, Other };
// Why this user cannot read the path: a folder that may not be entered hides its files, so
// they are barred, not missing.
Refusal whyUnreadable(const QString &path);

// Size, modification time to the nanosecond and the file's identity on its disk: a save by
// rename gives a new identity, an edit in place a new time.
struct Stamp {
    qint64 size = 0, seconds = 0, nanoseconds = 0;
    quint64 device = 0, inode = 0;
    bool operator==(const Stamp &) const = default;
};
std::optional<Stamp> stampOf(const QString &path);

// Longest file name the folder's file system takes, and longest path, in bytes of the local
// encoding.
qsizetype longestName(const QString &folder);
qsizetype longestPath();

// Waits until the file's bytes are on the disk; the system's reason when that failed.
std::optional<QString> syncToDisk(QFile &file);
// Waits until the folder's entries (a rename into it) are on the disk, where that can be asked.
void syncFolder(const QString &folder);
// A second name for an existing file; false where the file system has none to give.
bool addSecondName(const QString &path, const QString &secondName);
// Moves `from` over `to` in one step where the system can; the system's reason when it failed.
std::optional<QString> renameOver(const QString &from, const QString &to);
// The system's words for an error number ("Permission denied").
QString errorText(int code);
} // namespace SystemFile
