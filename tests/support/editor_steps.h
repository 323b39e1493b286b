#pragma once
// Driving the editor the way the user does: opening it from the main menu, its menu items,
// saves through the reminder, and what leaving it would do.

#include "test_app.h"
#include "test_files.h"

#include "document/windows/editor/text_editor.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTextEdit>
#include <optional>

extern const QString kEditingNote;
extern const QString kUntitledEditor; // the caption before anything was saved or opened

// Starts the program if need be, answers the editing note with OK and opens the editor from
// the main menu.
TextEditor *openEditorFromMainMenu(TestProgram &program);
// Shows the editor again from the main menu (the note answered), as when the user comes back.
TextEditor *reopenEditor(TestProgram &program);
// Goes to the main menu and back to the editor, an ordinary activation (nothing answered).
void showEditorAgain(TestProgram &program, TextEditor *editor);
// Lets queued work (the editor's unloading) run.
void settle();

// Replaces the whole text as the user does, selecting all and typing over it.
void typeOver(TextEditor *editor, const QString &text);
// Runs a menu item of the editor ("mnuFileSave", "mnuFileSaveAs").
void runMenu(TextEditor *editor, const QString &item);
// Open through the File menu, answering No to saving the current document first.
void openThroughMenu(TestProgram &program, TextEditor *editor, const QString &path);
// Writes `bytes` to `path`, opens the editor from the main menu and the file in it.
TextEditor *openEditorWithFile(TestProgram &program, const QString &path, const QByteArray &bytes);
// Save As through the reminder's OK, answering the Save dialog with `path` (nullopt: Cancel).
void saveAs(TestProgram &program, TextEditor *editor, const std::optional<QString> &path);
// Once the reminder window shows, presses its OK (or closes it without OK). The watch ends
// with its owner, so it cannot reach into a later test.
void answerReminderWhenShown(QObject *owner, bool ok);

// What Exit does now, answering No should it ask to save first: "asks to save, then ends the
// program", "ends the program", or the same with "returns to the main menu" or "stays open".
// The scripted end
// only records itself, so the probe takes its record back and leaves the editor as it was;
// a return to the main menu cannot be taken back.
QString exitOutcome(TestProgram &program, TextEditor *editor);
inline const QString kEnds = QStringLiteral("ends the program");
inline const QString kAsksThenEnds = QStringLiteral("asks to save, then ends the program");
inline const QString kAsksThenReturns = QStringLiteral("asks to save, then returns to the main menu");

// The editing note and the editor's save question, exactly as the program shows them.
bool isEditingNote(const DialogCall &call);
bool isSaveQuestion(const DialogCall &call);
