#pragma once
// The editor's Edit and Options menus: plain-text cut, copy and paste, case-blind search,
// font and colour of the selection. Works on any QTextEdit; the window only wires menus to it.

#include <QObject>
#include <QString>

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
    void chooseFont();
    void chooseColor();
    // Enables Cut and Copy only with a selection, Paste only with text on the clipboard.
    void updateEditMenu(QAction *cut, QAction *copy, QAction *paste) const;

    QString findText() const { return m_findText; }

private:
    QTextEdit *m_edit;
    QWidget *m_window;
    QString m_findText;
};
