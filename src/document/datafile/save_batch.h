#pragma once
// Writes several files so that none of them replaces its old version before all of them are
// written out in full: each goes to a temporary file beside its target first. A crash or a
// full disk on the way leaves the old files as they were.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class QSaveFile;

class SaveBatch {
public:
    SaveBatch();
    ~SaveBatch(); // drops every temporary file not moved into place

    void add(const QString &path, const QByteArray &bytes);
    // Writes all temporaries, then moves them into place in the order added. False at the
    // first failure; a file after it keeps its old version.
    bool commit();

    QString failedPath() const { return m_failedPath; }
    QString errorString() const { return m_error; }

private:
    struct Entry {
        QString path;
        QByteArray bytes;
        std::unique_ptr<QSaveFile> file;
    };
    bool prepare(Entry &entry);
    bool fail(const Entry &entry, const QString &why);

    std::vector<Entry> m_entries;
    QString m_failedPath;
    QString m_error;
};

// One file on its own, with the same care. Empty when written, else the reason.
QString saveFileAtomically(const QString &path, const QByteArray &bytes);
