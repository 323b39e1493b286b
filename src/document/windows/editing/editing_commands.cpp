// Cut, copy and paste as plain text, the Edit menu's enabling, Find and Find Next.
#include "document/windows/editing/editing_commands.h"

#include "shell/dialogs.h"
#include "document/windows/editing/plain_text_cache.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextEdit>

EditingCommands::EditingCommands(QTextEdit *edit, QWidget *window)
    : QObject(edit), m_edit(edit), m_window(window), m_plainText(new PlainTextCache(edit))
{
}

static QString selectedPlainText(const QTextCursor &c)
{
    // The cursor marks paragraph breaks with U+2029; the clipboard wants line breaks.
    QString text = c.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void EditingCommands::copy()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(selectedPlainText(m_edit->textCursor()));
}

void EditingCommands::cut()
{
    copy();
    QTextCursor c = m_edit->textCursor();
    if (c.hasSelection())
        c.removeSelectedText();
}

void EditingCommands::paste()
{
    // An empty clipboard must not wipe out the selection it would replace.
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    m_edit->textCursor().insertText(text);
}

void EditingCommands::updateEditMenu(QAction *cut, QAction *copy, QAction *paste) const
{
    const bool selected = m_edit->textCursor().hasSelection();
    cut->setEnabled(selected);
    copy->setEnabled(selected);
    paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
}

int EditingCommands::searchFrom(const QString &text, const QString &needle, int from)
{
    if (from < 0 || from >= text.size())
        return -1;
    return int(text.indexOf(needle, from, Qt::CaseInsensitive));
}

void EditingCommands::find()
{
    // Cancel gives the empty text, which a non-empty document finds at its start.
    m_findText = Dialogs::get().input(m_window, QStringLiteral("Find what?"), QStringLiteral("Find")).value_or(QString());
    const int pos = searchFrom(m_plainText->text(), m_findText, 0);
    selectMatch(pos, QStringLiteral("The search string was not found."), QStringLiteral("Find"));
}

void EditingCommands::findNext()
{
    // Restarting one character after the match's start lets matches overlap.
    const int from = m_edit->textCursor().selectionStart() + 1;
    const int pos = searchFrom(m_plainText->text(), m_findText, from);
    selectMatch(pos, QStringLiteral("The search has been completed."), QStringLiteral("Find Next"));
}

void EditingCommands::selectMatch(int pos, const QString &message, const QString &title)
{
    if (pos < 0) {
        Dialogs::get().message(m_window, message, MessageRequest{MessageIcon::Information}, title);
        return;
    }
    QTextCursor c = m_edit->textCursor();
    c.setPosition(pos);
    c.setPosition(pos + int(m_findText.size()), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(c);
}
