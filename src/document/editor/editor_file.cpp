// Open, Print, Return to Main Menu, Exit, closing and resizing.
#include "document/editor/text_editor.h"

#include <QResizeEvent>

void TextEditor::mnuFileOpen_Click() {}
void TextEditor::mnuFilePrint_Click() {}
void TextEditor::mnuFileReturn_Click() { Forms::navigate(this, QStringLiteral("frmMain")); }
void TextEditor::mnuFileExit_Click() {}
bool TextEditor::formQueryClose() { return true; }
void TextEditor::resizeEvent(QResizeEvent *event) { Form::resizeEvent(event); }
