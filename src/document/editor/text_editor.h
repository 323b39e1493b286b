#pragma once
// frmTxtEditor: the document composed from the answers, to edit, print and save.
// The window is split by concern across several files:
//   text_editor.cpp    window, load and activation, composition
//   editor_menus.cpp   the menu bar and what each item runs
//   editor_saving.cpp  Save, Save As and the answer data file beside the document
//   editor_file.cpp    Open, Print, Return to Main Menu, Exit, closing, resizing
// Editing, search and formatting live in document/editing (EditingCommands).

#include "app/form.h"

#include "document/reading/work_progress.h"

#include <QString>
#include <memory>

class QAction;
class QMenuBar;
class QTextDocument;
class QTextEdit;
class EditingCommands;
class RichTextBox;

class TextEditor : public Form {
    Q_OBJECT
public:
    explicit TextEditor(QWidget *parent = nullptr);
    ~TextEditor() override;

    void formLoad() override;
    void formActivate() override;
    bool formQueryClose() override;

    QTextEdit *edit() const;
    QAction *action(const QString &objectName) const;
    // The whole text with CR LF line breaks (the edit box itself counts one character a break).
    QString documentText() const;

    // Private state of the window, readable by tests.
    QString leaveMode() const { return m_leaveMode; }
    QString findText() const; // kept by the editing commands
    QString documentPath() const { return m_documentPath; }
    QString saveMode() const { return m_saveMode; }
    QString noteFlag() const { return m_noteFlag; }
    bool docChanged() const { return m_docChanged; }
    bool dialogCancelled() const { return m_dialogCancelled; }
    // A cancelled Font or Color dialog is remembered; a completed one leaves the flag as it was.
    void noteDialogCancelled(bool cancelled) { m_dialogCancelled = m_dialogCancelled || cancelled; }

    // Saving (editor_saving.cpp). Each returns true when the document was written.
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    bool SavingData();
    bool SavingDataAs();
    bool SaveDataFile();

    // File commands (editor_file.cpp).
    // The menu's Save: after a file other than ".rtf" was opened it is Save As, so RTF
    // never overwrites a plain-text file.
    void saveCommand();
    void mnuFileOpen_Click();
    void mnuFilePrint_Click();
    void mnuFileReturn_Click();
    void mnuFileExit_Click();

signals:
    // Emitted by SavingData and SavingDataAs when they end: saved is true when the
    // document was written. Closing and Open wait for it after asking to save first.
    void saveFinished(bool saved);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenus();
    void composeDocument();
    // Puts a filled document into the box in place of the one shown.
    void replaceDocument(QTextDocument *document);
    void txtEdit_Change();
    void unloadLater();
    // Asks to save a changed document first; false when the command is to be abandoned.
    bool saveFirst();
    // Runs Save and waits for it to end, reminder and Save dialog included.
    bool saveAndWait();
    bool loadDocumentFile(const QString &path, QString &error);
    // Long reading and composing (editor_progress.cpp).
    std::unique_ptr<WorkProgress> openingProgress(const QString &path);
    std::unique_ptr<WorkProgress> composingProgress();
    // After a stopped composition: back to the main menu, the editor unloaded as if never opened.
    void abandonOpening();

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    RichTextBox *m_edit = nullptr;
    EditingCommands *m_editing = nullptr;

    QString m_leaveMode = QStringLiteral("N");
    QString m_documentPath;
    QString m_dialogFileName; // the common dialog's file name: the file last opened or saved here; Save writes to it
    QString m_saveMode;
    QString m_noteFlag = QStringLiteral("O");
    bool m_docChanged = true;
    bool m_dialogCancelled = false;
    bool m_openedNotRtf = false; // the file opened last is not ".rtf": Save asks for a name
    bool m_waitingForSave = false;
};
