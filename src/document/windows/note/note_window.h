#pragma once
// frmNote: the reminder shown before a document is saved under a new name. Its OK sets the
// pending-save flag and shows the editor again, whose activation then saves.

#include "shell/form.h"

class QLabel;
class QPushButton;

class NoteWindow : public Form {
    Q_OBJECT
public:
    explicit NoteWindow(QWidget *parent = nullptr);

    void formLoad() override;
    void formActivate() override;
    // The close box only hides the reminder; no exit question, no save.
    bool formQueryClose() override;

    void cmdOK_Click();

signals:
    // The reminder was closed without OK: the save it announced will not happen.
    void closedWithoutOk();
};

// Registers frmNote and installs the main menu's load command.
void registerNoteForm();
