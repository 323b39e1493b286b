#pragma once
// The files this run has read or written, each with how it stood on the disk just after, so a
// save can tell its own file from one that someone else (another program, a second copy of
// Kinscribe, an earlier run) wrote or changed meanwhile.

#include <QString>

namespace KnownFiles {
enum class Standing {
    Missing,   // no file of that name
    Unknown,   // a file this run never read nor wrote
    Unchanged, // as this run last read or wrote it
    Changed,   // read or written by this run, changed on the disk since
};

// Notes how the file stands now (after this run read or wrote it).
void remember(const QString &path);
Standing standing(const QString &path);
// Forgets every file (between test cases).
void clear();
} // namespace KnownFiles
