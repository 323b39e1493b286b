#pragma once
// txtEdit: a QTextEdit whose clipboard, drag and drop and key handling leave the editor's
// menu in charge. Keys that are menu shortcuts reach the menu, never the box's own
// select-all or rich-text clipboard; whatever is pasted or dropped arrives as plain text.

#include <QTextEdit>

class QAction;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The window's menu items: their shortcuts win over the box's own keys, and the
    // platform's other cut, copy and paste keys run the items named mnuEditCut/Copy/Paste.
    void routeKeysTo(const QList<QAction *> &menuItems);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    QAction *menuItemFor(const QKeyEvent *event) const;
    QAction *clipboardItemFor(const QKeyEvent *event) const;
    QList<QAction *> m_menuItems;
};
