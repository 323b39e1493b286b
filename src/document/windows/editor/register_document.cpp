#include "document/windows/editor/register_document.h"

#include "shell/form.h"
#include "document/windows/editor/text_editor.h"
#include "document/windows/note/note_window.h"

void registerDocumentForms()
{
    Forms::registerForm(QStringLiteral("frmTxtEditor"), [] { return new TextEditor; });
    registerNoteForm();
}
