#pragma once
// The recovery file: what the running program holds and no file the user saved holds yet.
// Its main part is the 77 answers in the answer data file's own format; beside it, under the
// same name, lie the editor's unsaved document (RTF, and the name of its file when it had
// one) and the unsaved typing of the question pages (the data file format again, a field for
// each box of a page that has unsaved typing). A deliberate end removes it when its content
// is safe, so a file found at start comes from a run that ended otherwise (a crash, a kill,
// a power cut) or whose user chose to keep it.
//
// Every running copy holds its own file under a lock; a second copy takes the next free
// name, so two copies never write over each other.

#include "document/datafile/answer_data_file.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class AnswerStore;
class QLockFile;

class RecoveryFile {
public:
    enum class Part { Answers, Document, DocumentName, Typing };

    // Holds the first name no running copy holds, preferring one with a file left behind.
    explicit RecoveryFile(const QString &folder = defaultFolder());
    ~RecoveryFile(); // lets the name go and keeps the file

    // The user's own data folder, created owner-only when missing.
    static QString defaultFolder();
    // The folder, when it holds answers kept aside (for the side panel of the file dialogs).
    static QStringList keptFolders(const QString &folder = defaultFolder());

    bool isHeld() const { return m_lock != nullptr; }
    // Why no name could be held.
    QString error() const { return m_error; }
    QString folder() const { return m_folder; }
    QString path() const { return m_path; }
    QString partPath(Part part) const;
    bool hasLeftFile() const; // some part is there, left by a run that did not end deliberately
    bool hasPart(Part part) const;
    AnswerDataFile::ReadResult read() const;

    Outcome write(const AnswerStore &store);
    // Written beside and renamed over, without waiting for the disk; safe to call from a
    // worker thread.
    static Outcome writeQuickly(const QString &path, const QByteArray &bytes);
    void removePart(Part part);
    // A deliberate end: the file goes, and the folder too when nothing else is in it.
    void discard();
    // Moves every part to a dated name in the same folder ("answers" or "damaged" in front);
    // the new path of the answers, or empty when they could not be moved.
    // `moved` receives the new path of each part moved.
    QString keepAside(const QString &label, QMap<Part, QString> *moved = nullptr);
    // Moves one part to a dated name; its new path, or empty.
    QString keepPartAside(Part part, const QString &label);

private:
    void dropHalfWritten(Part part) const;

    QString m_folder;
    QString m_path;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
};
