#pragma once
// Spelling marked as you type in a text box: the paragraphs on screen are checked just before
// they are drawn, and a changed paragraph at once (Spelling::DocumentMarks). Right-click, the
// menu key or Shift+F10 on a marked word offers up to five suggestions, then "Ignore All";
// a suggestion replaces the word in one undo step.

#include <QObject>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <memory>

class QAbstractScrollArea;
class QMenu;
class QPlainTextEdit;
class QTextDocument;
class QTextEdit;

namespace Spelling {
class DocumentMarks;
}

class SpellingView : public QObject {
    Q_OBJECT
public:
    ~SpellingView() override;
    static SpellingView *attach(QTextEdit *edit);
    static SpellingView *attach(QPlainTextEdit *edit);
    // The view attached to a box, if any.
    static SpellingView *of(QAbstractScrollArea *box);

    // Checks what the box shows now (it happens by itself before every drawing).
    void markShown();
    // The spelling menu for the word at a document position, or none when it is not marked.
    // The caller owns the menu.
    QMenu *menuFor(int position, const QPoint &viewportPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Access {
        std::function<QTextDocument *()> document;
        std::function<QTextCursor(const QPoint &)> cursorAt;
        std::function<QTextCursor()> cursor;
        std::function<QRect()> cursorRect;
        std::function<QMenu *(const QPoint &)> standardMenu;
        std::function<std::pair<QTextBlock, QTextBlock>()> shownBlocks;
    };
    SpellingView(QAbstractScrollArea *box, Access access);
    Spelling::DocumentMarks *marks();
    bool showMenu(int position, const QPoint &viewportPos);
    void replaceWord(int position, const QString &word, const QString &replacement);

    QAbstractScrollArea *m_box;
    // Kept apart: the filter still sees events while the box is being destroyed.
    QObject *m_viewport;
    Access m_access;
    std::unique_ptr<Spelling::DocumentMarks> m_marks;
};
