#pragma once
// Opening the editor and driving its saves the way the user does, for the saving tests.

#include "../editor/editor_test_util.h"
#include "test_app.h"

#include <QTemporaryDir>

class TextEditor;

// The program at its main menu with the reminder window registered, and the editor opened
// from the main menu (its editing note answered).
TextEditor *openEditor(TestProgram &program);
// Runs a menu item of the editor ("mnuFileSave", "mnuFileSaveAs").
void runMenu(TextEditor *editor, const QString &item);
// Save As through the reminder's OK, answering the Save dialog with `path` (nullopt: Cancel).
void saveAs(TestProgram &program, TextEditor *editor, const std::optional<QString> &path);
// The messages asked since `from`.
QList<DialogCall> messagesSince(const TestProgram &program, int from);
// Goes to the main menu and back to the editor, an ordinary activation (nothing answered).
void showEditorAgain(TestProgram &program, TextEditor *editor);
