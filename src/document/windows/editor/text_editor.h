#pragma once
// frmTxtEditor: the document composed from the answers, to edit, print and save.
// The window is split by concern across several files:
//   text_editor.cpp    window, load and activation, composition
//   editor_changed.cpp docChanged, kept by the document itself
//   editor_menus.cpp   the menu bar and what each item runs
//   editor_saving.cpp  Save, Save As and the answer data file beside the document
//   save_flow.cpp      who runs a save, when, and when it has ended
//   editor_file.cpp    Open, Print, Print Preview, Return to Main Menu, Exit, closing, resizing
//   editor_book.cpp    Save Book as PDF
// Editing, search and formatting live in document/windows/editing (EditingCommands).

#include "shell/form.h"
#include "document/windows/editing/editing_commands.h"
#include "document/windows/editor/document_file.h"
#include "document/windows/editor/editor_modes.h"

#include "document/reading/outcome.h"
#include "document/reading/work_progress.h"

#include "text/fast_layout.h"

#include <QString>
#include <memory>
#include <optional>

class QAction;
class QMenuBar;
class QTextDocument;
class QTextEdit;
class RichTextBox;
class SaveFlow;

// The window's private state as its commands leave it, to read.
struct TextEditorState {
    LeaveMode leaveMode;
    QString findText;
    QString documentPath; // the file Save writes, and beside which the data file goes
    SaveMode saveMode;
    NoteFlag noteFlag;
    bool docChanged;
    bool dialogCancelled; // the last Save As, Font or Color dialog was cancelled or failed
};

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
    TextEditorState state() const;
    SaveFlow *saveFlow() const;

    // Saving (editor_saving.cpp).
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();

    // File commands (editor_file.cpp).
    void mnuFileOpen_Click();
    void mnuFilePrint_Click();
    void mnuFilePrintPreview_Click();
    void mnuFileSaveBook_Click(); // editor_book.cpp
    void mnuFileReturn_Click();
    void mnuFileExit_Click();

    void mnuOptionsFont_Click();
    void mnuOptionsColor_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class SaveFlow;
    // The document has changes that no file holds: the document's own modified state.
    bool docChanged() const;
    void setDocChanged(bool changed);
    // Each returns true when the document was written.
    bool SavingData();
    bool SavingDataAs();
    // A cancelled Font or Color dialog is remembered; a completed one leaves the flag as it
    // was. A format applied marks the document changed, with or without a selection.
    void formatDialogEnded(EditingCommands::Outcome outcome);
    void buildMenus();
    void composeDocument();
    // Puts a filled document into the box in place of the one shown (traits: its text's, when known).
    void replaceDocument(QTextDocument *document, std::optional<FastLayout::TextTraits> traits = {});
    void txtEdit_Change();
    // Tells the recovery file whether the document has changes no file holds.
    void postDocument();
    // The document a run that did not end normally left, in place of a composed one.
    bool adoptKeptDocument();
    void unloadLater();
    // Asks to save a changed document first; false when the command is to be abandoned.
    bool saveFirst();
    // readAsRtf tells whether the file began as RTF or was read as plain text.
    Outcome loadDocumentFile(const QString &path, bool &readAsRtf);
    // Long reading and composing (editor_progress.cpp).
    std::unique_ptr<WorkProgress> openingProgress(const QString &path);
    std::unique_ptr<WorkProgress> composingProgress();
    // After a stopped composition: back to the main menu, the editor unloaded as if never opened.
    void abandonOpening();

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    RichTextBox *m_edit = nullptr;
    EditingCommands *m_editing = nullptr;

    LeaveMode m_leaveMode = LeaveMode::NoReturn;
    DocumentFile m_file;
    SaveFlow *m_saveFlow = nullptr;
    NoteFlag m_noteFlag = NoteFlag::On;
    bool m_dialogCancelled = false;
};
