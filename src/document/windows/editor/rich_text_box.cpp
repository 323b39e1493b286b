#include "document/windows/editor/rich_text_box.h"

#include "document/windows/editor/editor_zoom.h"
#include "shell/spelling/spelling_view.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {
bool hasLongWord(QStringView text)
{
    int run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > RichTextBox::kLongestWordLaidOut)
            return true;
    }
    return false;
}
} // namespace

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A word longer than the line is broken where it meets the edge.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    watchDocument();
    SpellingView::attach(this);
    new EditorZoom(this);
}

// The wrap mode is set before the document: the box lays out its first screen at once.
void RichTextBox::showDocument(QTextDocument *document)
{
    setWordWrapMode(hasLongWord(document->toPlainText()) ? QTextOption::WrapAnywhere
                                                         : QTextOption::WrapAtWordBoundaryOrAnywhere);
    setDocument(document);
    watchDocument();
}

// Qt looks for a word boundary to the end of the word before breaking it, which takes time in
// proportion to the square of its length: a pasted megabyte without a space would freeze the
// window for minutes. Text that holds such a run is broken anywhere instead, which is linear.
void RichTextBox::fitWrapTo(QStringView text)
{
    if (wordWrapMode() != QTextOption::WrapAnywhere && hasLongWord(text))
        setWordWrapMode(QTextOption::WrapAnywhere);
}

void RichTextBox::watchDocument()
{
    QTextDocument *doc = document();
    connect(doc, &QTextDocument::contentsChange, this, [this, doc](int position, int, int added) {
        if (added <= kLongestWordLaidOut || doc != document())
            return;
        QTextCursor inserted(doc);
        inserted.setPosition(position);
        inserted.setPosition(qMin(position + added, doc->characterCount() - 1), QTextCursor::KeepAnchor);
        fitWrapTo(inserted.selectedText());
    });
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
