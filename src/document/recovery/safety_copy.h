#pragma once
// Keeps the recovery file up to date without making a key press wait for the disk. The GUI
// thread only takes a snapshot (the answers' shared strings, a copy of the editor's document);
// one worker thread turns it into bytes and writes them, in the order asked. Typing is written
// a short pause after it stops, and at least every half minute while it goes on.

#include "document/datafile/answer_data_file.h"
#include "document/recovery/document_snapshot.h"
#include "document/recovery/recovery_file.h"

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QTextDocument>
#include <memory>

class AnswerStore;

class SafetyCopy : public QObject {
    Q_OBJECT
public:
    static constexpr int kPauseMs = 2000;
    static constexpr int kLongestWaitMs = 30000;

    // The file must outlive this object.
    explicit SafetyCopy(RecoveryFile &file, QObject *parent = nullptr);
    ~SafetyCopy() override; // waits for the writes under way

    // At once (a page's Save, a load, a restore).
    void writeAnswers(const AnswerStore &store);
    // The editor's document (nullptr: it has nothing to keep) and the pages' typing, after
    // the pause; `typing` is read when the pause ends.
    void documentChanged(const QTextDocument *document, const QString &fileName);
    void typingChanged(std::function<std::pair<bool, AnswerDataFile::Answers>()> typing);
    // Hands what waits for its pause to the worker now, without waiting for the disk.
    void writeNow();
    // Writes what waits for its pause now and waits for every write to end.
    void flush();

signals:
    // After each write, on the GUI thread; the reason is empty when it worked.
    void written(const QString &failure);

private:
    void arm();
    void run(std::function<Outcome()> job);

    RecoveryFile &m_file;
    QThreadPool m_worker;
    QTimer m_pause, m_longest;
    bool m_documentWaits = false, m_typingWaits = false;
    QPointer<const QTextDocument> m_document; // the editor may drop it before the pause ends
    // The last copy of the document, and its edits since: the next copy reads only those.
    std::shared_ptr<const DocumentSnapshot> m_previous;
    DocumentChanges m_changes;
    QString m_fileName;
    std::function<std::pair<bool, AnswerDataFile::Answers>()> m_typing;
};
