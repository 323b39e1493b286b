#pragma once
// The recovery file: the 77 answers of the running program, in the answer data file's own
// format, rewritten after every change of the store. A deliberate end removes it, so a file
// found at start comes from a run that ended otherwise (a crash, a kill, a power cut).
//
// Every running copy holds its own file under a lock; a second copy takes the next free
// name, so two copies never write over each other.

#include "document/datafile/answer_data_file.h"

#include <QString>
#include <memory>

class AnswerStore;
class QLockFile;

class RecoveryFile {
public:
    // Holds the first name no running copy holds, preferring one with a file left behind.
    explicit RecoveryFile(const QString &folder = defaultFolder());
    ~RecoveryFile(); // lets the name go and keeps the file

    // The user's own data folder, created owner-only when missing.
    static QString defaultFolder();

    bool isHeld() const { return m_lock != nullptr; }
    QString path() const { return m_path; }
    bool hasLeftFile() const; // a file is there, left by a run that did not end deliberately
    AnswerDataFile::ReadResult read() const;

    Outcome write(const AnswerStore &store);
    // A deliberate end: the file goes, and the folder too when nothing else is in it.
    void remove();
    // Moves the file to a dated name in the same folder ("answers" or "damaged" in front);
    // the new path, or empty when it could not be moved.
    QString keepAside(const QString &label);

private:
    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
