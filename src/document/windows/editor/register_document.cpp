#include "document/windows/editor/register_document.h"
#include "shell/window_names.h"

#include "shell/form.h"
#include "document/windows/editor/text_editor.h"
#include "document/windows/note/note_window.h"

void registerDocumentForms()
{
    Forms::registerForm(QLatin1String(WindowName::Editor), [] { return new TextEditor; });
    registerNoteForm();
}
