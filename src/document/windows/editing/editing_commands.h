#pragma once
// The editor's Edit and Options menus: plain-text cut, copy and paste, case-blind search,
// font and colour of the selection. Works on any QTextEdit; the window only wires menus to it.
// Every change goes through the document, so the edit box's textChanged reports it; a command
// that would change nothing leaves the document untouched.

#include <QObject>
#include <QString>

class PlainTextCache;
class QAction;
class QTextEdit;
class QWidget;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    EditingCommands(QTextEdit *edit, QWidget *window);

    void cut();
    void copy();
    void paste();
    void find();
    void findNext();
    // How a Font or Color dialog ended: Cancelled sets the editor's dialogCancelled, Applied
    // marks its document changed, even when only the format of text typed next changed.
    enum class Outcome { Cancelled, Unchanged, Applied };
    Outcome chooseFont();
    Outcome chooseColor();
    // Enables Cut and Copy only with a selection, Paste only with text on the clipboard.
    void updateEditMenu(QAction *cut, QAction *copy, QAction *paste) const;

    QString findText() const { return m_findText; }

    // Where the search for `needle` starting at `from` (0-based) finds it in `text`, or -1.
    // Nothing is found at or beyond the end of the text, not even the empty needle.
    static int searchFrom(const QString &text, const QString &needle, int from);

private:
    // Selects the match at `pos`, or shows `message` under `title` when there is none.
    void selectMatch(int pos, const QString &message, const QString &title);

    QTextEdit *m_edit;
    QWidget *m_window;
    PlainTextCache *m_plainText;
    QString m_findText;
};
