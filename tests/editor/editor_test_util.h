#pragma once
// Opening the editor the way the user does: start-up, main menu, "Edit Text && Save to File".

#include "test_app.h"

class TextEditor;

extern const QString kEditingNote;

// Answers the editing note with OK and opens the editor from the main menu.
TextEditor *openEditorFromMainMenu(TestProgram &program);
// Shows the editor again from the main menu, as when the user comes back to it.
TextEditor *reopenEditor(TestProgram &program);
// Lets queued work (the editor's unloading) run.
void settle();
// Was the message the editing note, exactly as the program shows it?
bool isEditingNote(const DialogCall &call);

// Once the reminder window shows, presses its OK (or closes it without OK). The watch ends
// with its owner, so it cannot reach into a later test.
void answerReminderWhenShown(QObject *owner, bool ok);
// The save question of the editor, exactly as the program asks it.
bool isSaveQuestion(const DialogCall &call);
// How many dialogs of a kind the program opened.
int countOf(const ScriptedDialogs &dialogs, DialogCall::Kind kind);
