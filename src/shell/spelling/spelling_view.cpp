#include "shell/spelling/spelling_view.h"

#include "text/spelling/document_marks.h"
#include "text/spelling/shown_blocks.h"
#include "text/spelling/speller.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {
const char *const kViewProperty = "kinscribeSpellingView";
constexpr int kMostSuggestions = 5;
// Paragraphs checked beyond each edge of the screen, so a short scroll finds them marked.
constexpr int kMargin = 3;

template <class Edit>
auto accessTo(Edit *edit)
{
    return std::make_tuple([edit] { return edit->document(); },
                           [edit](const QPoint &p) { return edit->cursorForPosition(p); },
                           [edit] { return edit->textCursor(); }, [edit] { return edit->cursorRect(); },
                           [edit](const QPoint &p) { return edit->createStandardContextMenu(p); });
}
} // namespace

// A rich text box's layout places every paragraph at its height in the document.
SpellingView *SpellingView::attach(QTextEdit *edit)
{
    auto [doc, at, cur, rect, menu] = accessTo(edit);
    const auto shown = [edit] {
        const int top = edit->verticalScrollBar()->value();
        const Spelling::BlockRange range = Spelling::blocksMeeting(*edit->document(), top, top + edit->viewport()->height());
        return std::make_pair(range.first, range.last);
    };
    return new SpellingView(edit, {doc, at, cur, rect, menu, shown});
}

// A plain box lays out only the paragraphs it shows, from the first one on screen.
SpellingView *SpellingView::attach(QPlainTextEdit *edit)
{
    auto [doc, at, cur, rect, menu] = accessTo(edit);
    const auto shown = [edit] {
        const QRect area = edit->viewport()->rect();
        return std::make_pair(edit->cursorForPosition(area.topLeft()).block(), edit->cursorForPosition(area.bottomRight()).block());
    };
    return new SpellingView(edit, {doc, at, cur, rect, menu, shown});
}

SpellingView::~SpellingView() = default;

SpellingView *SpellingView::of(QAbstractScrollArea *box)
{
    return box ? box->property(kViewProperty).value<SpellingView *>() : nullptr;
}

SpellingView::SpellingView(QAbstractScrollArea *box, Access access)
    : QObject(box), m_box(box), m_viewport(box->viewport()), m_access(std::move(access))
{
    box->setProperty(kViewProperty, QVariant::fromValue(this));
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    connect(&Spelling::Speller::instance(), &Spelling::Speller::verdictsChanged, this,
            [this] { m_box->viewport()->update(); });
}

// The marks follow the box's document, which the box may swap for another.
Spelling::DocumentMarks *SpellingView::marks()
{
    QTextDocument *doc = m_access.document();
    if (!m_marks || m_marks->document() != doc)
        m_marks = std::make_unique<Spelling::DocumentMarks>(doc);
    return m_marks.get();
}

void SpellingView::markShown()
{
    if (!Spelling::Speller::instance().isActive())
        return;
    auto [first, last] = m_access.shownBlocks();
    for (int i = 0; i < kMargin && first.previous().isValid(); ++i)
        first = first.previous();
    for (int i = 0; i < kMargin && last.next().isValid(); ++i)
        last = last.next();
    marks()->markBlocks(first, last);
}

QMenu *SpellingView::menuFor(int position, const QPoint &viewportPos)
{
    Spelling::Speller &speller = Spelling::Speller::instance();
    const std::optional<Spelling::MisspeltWord> found = marks()->misspeltWordAt(position);
    if (!found)
        return nullptr;
    auto *menu = new QMenu(m_box);
    menu->setObjectName(QStringLiteral("spellingMenu"));
    const Spelling::MisspeltWord word = *found;
    for (const QString &suggestion : speller.suggestions(word.word, kMostSuggestions)) {
        connect(menu->addAction(suggestion), &QAction::triggered, this,
                [this, word, suggestion] { replaceWord(word.position, word.word, suggestion); });
    }
    connect(menu->addAction(QStringLiteral("Ignore All")), &QAction::triggered, this,
            [word] { Spelling::Speller::instance().ignoreAll(word.word); });
    if (QMenu *standard = m_access.standardMenu(viewportPos)) {
        menu->addSeparator();
        for (QAction *action : standard->actions())
            menu->addAction(action);
        standard->setParent(menu, standard->windowFlags());
    }
    return menu;
}

bool SpellingView::showMenu(int position, const QPoint &viewportPos)
{
    std::unique_ptr<QMenu> menu(menuFor(position, viewportPos));
    if (!menu)
        return false;
    menu->exec(m_box->viewport()->mapToGlobal(viewportPos));
    return true;
}

void SpellingView::replaceWord(int position, const QString &word, const QString &replacement)
{
    QTextCursor cursor(m_access.document());
    cursor.setPosition(position);
    cursor.setPosition(position + int(word.size()), QTextCursor::KeepAnchor);
    if (cursor.selectedText() != word) // the text moved on while the menu was open
        return;
    QTextCursor first(m_access.document());
    first.setPosition(position + 1);
    // One edit, so one undo brings the word back; it keeps the word's own format.
    cursor.insertText(replacement, first.charFormat());
}

bool SpellingView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport) {
        if (event->type() == QEvent::Paint) {
            markShown();
        } else if (event->type() == QEvent::ContextMenu) {
            const QPoint at = static_cast<QContextMenuEvent *>(event)->pos();
            return showMenu(m_access.cursorAt(at).position(), at);
        }
        return false;
    }
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu
                             || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (menuKey)
            return showMenu(m_access.cursor().position(), m_access.cursorRect().bottomLeft());
    }
    return false;
}
