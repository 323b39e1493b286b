#pragma once
// txtEdit: a QTextEdit whose clipboard, drag and drop and key handling leave the editor's
// menu in charge. Keys that are menu shortcuts reach the menu, never the box's own
// select-all or rich-text clipboard; whatever is pasted or dropped arrives as plain text.

#include "text/fast_layout.h"

#include <QTextEdit>
#include <optional>

class QAction;

class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The window's menu items: their shortcuts win over the box's own keys, and the
    // platform's other cut, copy and paste keys run the items named mnuEditCut/Copy/Paste.
    void routeKeysTo(const QList<QAction *> &menuItems);
    // Shows the document in place of the current one, its lines broken to fit the box.
    void showDocument(QTextDocument *document, std::optional<FastLayout::TextTraits> traits = {});
    // Longer than this without a space, a run of text is broken anywhere.
    static constexpr int kLongestWordLaidOut = 4000;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void watchDocument();
    void fitWrapTo(QStringView text);
    QAction *menuItemFor(const QKeyEvent *event) const;
    QAction *clipboardItemFor(const QKeyEvent *event) const;
    QList<QAction *> m_menuItems;
};
