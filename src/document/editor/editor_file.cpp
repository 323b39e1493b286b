// Open, Print, Return to Main Menu, Exit, closing and resizing.
#include "document/editor/text_editor.h"

#include "document/editor/rich_text_box.h"

#include <QMenuBar>
#include <QResizeEvent>

void TextEditor::mnuFileOpen_Click() {}
void TextEditor::mnuFilePrint_Click() {}

void TextEditor::mnuFileReturn_Click()
{
    m_leaveMode = QStringLiteral("R");
    Forms::navigate(this, QStringLiteral("frmMain"));
    unloadLater();
}

void TextEditor::mnuFileExit_Click() {}
bool TextEditor::formQueryClose() { return true; }

// The client area lies below the menu bar. The box keeps its place and takes the client
// area's full size, so it reaches past the right and bottom edges by its offset.
void TextEditor::resizeEvent(QResizeEvent *event)
{
    Form::resizeEvent(event);
    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height() - menuHeight);
    m_edit->resize(m_client->size());
}
