#include "app/form_groups.h"

#include "app/form.h"
#include "document/editor/text_editor.h"
#include "document/note/note_window.h"

void registerDocumentForms()
{
    Forms::registerForm(QStringLiteral("frmTxtEditor"), [] { return new TextEditor; });
    registerNoteForm();
}
