// docChanged: the document's own modified flag, the one place the editor keeps it.
#include "document/windows/editor/text_editor.h"
#include "document/windows/editor/rich_text_box.h"

#include <QTextDocument>

bool TextEditor::docChanged() const { return m_edit->document()->isModified(); }

// A composed or restored document counts as changed, a saved or opened one as unchanged.
void TextEditor::setDocChanged(bool changed) { m_edit->document()->setModified(changed); }
