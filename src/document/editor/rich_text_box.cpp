#include "document/editor/rich_text_box.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A word longer than the line is broken where it meets the edge; laid out whole, one long
    // word (a pasted link, a row of dashes) would take minutes to lay out.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void RichTextBox::routeKeysTo(const QList<QAction *> &menuItems) { m_menuItems = menuItems; }

QAction *RichTextBox::menuItemFor(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction *item : m_menuItems) {
        if (!item->shortcut().isEmpty() && item->shortcut().matches(pressed) == QKeySequence::ExactMatch)
            return item;
    }
    return nullptr;
}

// Shift+Delete, Ctrl+Insert, Shift+Insert and the like do what the Edit menu does.
QAction *RichTextBox::clipboardItemFor(const QKeyEvent *event) const
{
    static const std::pair<QKeySequence::StandardKey, const char *> keys[] = {
        {QKeySequence::Cut, "mnuEditCut"}, {QKeySequence::Copy, "mnuEditCopy"}, {QKeySequence::Paste, "mnuEditPaste"}};
    for (const auto &[key, name] : keys) {
        if (!event->matches(key))
            continue;
        for (QAction *item : m_menuItems) {
            if (item->objectName() == QLatin1String(name))
                return item;
        }
    }
    return nullptr;
}

bool RichTextBox::event(QEvent *event)
{
    // Left unaccepted, the key goes to the shortcut map, where the menu item takes it.
    if (event->type() == QEvent::ShortcutOverride && menuItemFor(static_cast<QKeyEvent *>(event))) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    // A menu key that arrives here belongs to a disabled item: it does nothing.
    if (menuItemFor(event)) {
        event->accept();
        return;
    }
    if (QAction *item = clipboardItemFor(event)) {
        if (item->isEnabled())
            item->trigger();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool RichTextBox::canInsertFromMimeData(const QMimeData *source) const { return source->hasText(); }

void RichTextBox::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        textCursor().insertText(source->text());
}

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(textCursor().selection().toPlainText());
    return data;
}
