#pragma once
// Files as the tests see them: whole contents, fixtures written by the test, the project's
// own data files, and paths that are no regular file.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A file's whole contents; "<missing>" when it cannot be read, so that a missing file never
// equals an empty one.
QByteArray fileBytes(const QString &path);
// Writes a fixture; false unless every byte was written. With a `size`, the file is then made
// that long (sparse, so a huge file costs no disk).
bool writeBytes(const QString &path, const QByteArray &bytes, qint64 size = -1);
// A data file carried with the tests, e.g. "editor/data/accent.rtf".
QString testDataPath(const QString &relative);
// A path inside `dir` that is no regular file: "pipe" (a named pipe nobody writes to, so
// opening it would wait for ever), "folder", "socket", or "device" (one that never ends).
QString notAFile(const QString &kind, const QString &dir);
// Names in a folder, hidden ones and folders included, to see that nothing was left behind.
QStringList folderEntries(const QString &path);

// The base of a suite whose test functions each want an empty folder: init() makes `dir`,
// cleanup() removes it with all it holds. A suite with its own init() or cleanup() calls these.
class TempDirTest : public QObject {
    Q_OBJECT
public:
    TempDirTest() {}
    ~TempDirTest() override {}

protected:
    union {
        QTemporaryDir dir; // lives from init() to cleanup() only
    };

protected slots:
    void init();
    void cleanup();
};
