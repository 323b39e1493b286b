#include "document/windows/editor/rich_text_box.h"

#include "document/windows/editor/editor_zoom.h"
#include "shell/spelling/spelling_view.h"
#include "text/fast_layout.h"

#include <QAction>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QTextDocumentFragment>

RichTextBox::RichTextBox(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtEdit"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A word longer than the line is broken where it meets the edge.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The box hands its own font to its document whenever its font changes.
    setFont(FastLayout::screenFont(font()));
    FastLayout::prepare(*document(), {});
    watchDocument();
    SpellingView::attach(this);
    new EditorZoom(this);
}

// The wrap mode and layout settings come before the document: the box lays out its first
// screen at once. Traits read while the document was filled spare reading it again.
void RichTextBox::showDocument(QTextDocument *document, std::optional<FastLayout::TextTraits> known)
{
    const FastLayout::TextTraits traits = known ? *known : FastLayout::traitsOf(*document);
    setWordWrapMode(traits.longestRun > kLongestWordLaidOut ? QTextOption::WrapAnywhere
                                                            : QTextOption::WrapAtWordBoundaryOrAnywhere);
    FastLayout::prepare(*document, traits);
    setDocument(document);
    watchDocument();
}

// Qt looks for a word boundary to the end of the word before breaking it, which takes time in
// proportion to the square of its length: a pasted megabyte without a space would freeze the
// window for minutes. Text that holds such a run is broken anywhere instead, which is linear.
void RichTextBox::fitWrapTo(QStringView text)
{
    if (wordWrapMode() != QTextOption::WrapAnywhere && FastLayout::traitsOf(text).longestRun > kLongestWordLaidOut)
        setWordWrapMode(QTextOption::WrapAnywhere);
}

// What is typed, pasted or dropped may bring a long run or right-to-left letters.
void RichTextBox::watchDocument()
{
    QTextDocument *doc = document();
    connect(doc, &QTextDocument::contentsChange, this, [this, doc](int position, int, int added) {
        const bool longRun = added > kLongestWordLaidOut && wordWrapMode() != QTextOption::WrapAnywhere;
        if (added == 0 || doc != document() || !(longRun || FastLayout::hasFixedDirection(*doc)))
            return;
        QTextCursor inserted(doc);
        inserted.setPosition(position);
        inserted.setPosition(qMin(position + added, doc->characterCount() - 1), QTextCursor::KeepAnchor);
        const QString text = inserted.selectedText();
        FastLayout::noteAdded(*doc, text);
        if (longRun)
            fitWrapTo(text);
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
