#pragma once
// Writes several files so that none of them replaces its old version before all of them are
// written out in full and flushed to the disk: each goes to a temporary file beside its target
// first, and only then are they renamed into place, one right after the other. A crash, a kill
// or a full disk on the way leaves the old files as they were; a temporary file that a killed
// save left behind is removed by the next save to the same name. Every file the program
// writes goes this way: the pair of a save, a data file or a book alone, and the parts of the
// recovery file.

#include "document/reading/outcome.h"

#include <QByteArray>
#include <QString>
#include <vector>

class SaveBatch {
public:
    // Synced waits until every byte is on the disk, so that a power cut leaves old or new.
    // Quick leaves that to the system: a killed program loses nothing the system already
    // has, and a copy written after every change does not wait for the disk each time.
    enum class Durability { Synced, Quick };

    explicit SaveBatch(Durability durability = Durability::Synced);
    ~SaveBatch(); // drops every temporary file not moved into place

    void add(const QString &path, const QByteArray &bytes);
    // Checks every name, writes and flushes every temporary file, then renames them into place
    // in the order added. Fails at the first failure; before the renames, no file is replaced.
    Outcome commit();
    // The file the failure came from.
    QString failedPath() const { return m_failedPath; }

    // The temporary file used for a target: short and fixed, so that it fits beside a name of
    // any length and a later save can find what a killed one left.
    static QString temporaryPathFor(const QString &path);
    // A second name for the old file while the new one takes its place.
    static QString oldPathFor(const QString &path);

private:
    struct Entry {
        QString path;    // where the file goes (a link's target, when the name is a link)
        QByteArray bytes;
        QString temporary;
        QString old;
        bool written = false;
    };
    bool run();
    bool check(const Entry &entry);
    bool prepare(Entry &entry);
    bool fail(const Entry &entry, const QString &why);
    void dropTemporaries();
    void holdOldFiles();
    void dropOldFiles();

    Durability m_durability;
    std::vector<Entry> m_entries;
    QString m_failedPath;
    QString m_error;
};

// One file on its own, with the same care.
Outcome saveFileAtomically(const QString &path, const QByteArray &bytes,
                           SaveBatch::Durability durability = SaveBatch::Durability::Synced);
