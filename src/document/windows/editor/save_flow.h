#pragma once
// One owner for the editor's saving. Save to a named file runs at once; a save under a new
// name shows the modeless reminder first, and its OK brings the editor back, whose
// activation runs the save. finished() reports the end either way, so a command that
// asked to save first can wait for it.

#include "document/windows/editor/editor_modes.h"

#include <QObject>

class TextEditor;

class SaveFlow : public QObject {
    Q_OBJECT
public:
    explicit SaveFlow(TextEditor *editor);

    SaveMode mode() const { return m_mode; }
    // A command is waiting for a save to end.
    bool waiting() const { return m_waiting; }
    // The reminder is up and the save waits for its OK.
    bool awaitingReminder() const { return m_awaitingReminder; }

    // Save and Save As as the menu starts them.
    void start(bool newName);
    // The editor's activation: runs the save the reminder's OK asked for; true when one ran.
    bool runPending();
    // Runs the editor's Save and waits until it ends, reminder and Save dialog included;
    // true when the document was written.
    bool saveAndWait();

signals:
    void finished(bool saved);

private:
    void showReminder();
    void run(bool newName);

    TextEditor *m_editor;
    SaveMode m_mode = SaveMode::None;
    bool m_waiting = false;
    bool m_awaitingReminder = false;
};
