// The editor's menu bar, one row per item, and the command each item runs.
#include "document/windows/editing/editing_commands.h"
#include "document/windows/editor/rich_text_box.h"
#include "document/windows/editor/text_editor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
struct MenuRow {
    const char *name;     // menu, item or separator (Hyphen1..5)
    const char *caption;  // UTF-8; nullptr for a separator; a menu row has no handler
    const char *shortcut; // portable text of the key sequence
    void (*run)(TextEditor &, EditingCommands &);
};

void none(TextEditor &, EditingCommands &) {}

constexpr MenuRow kMenus[] = {
    {"mnuFile", "&File", "", nullptr},
    {"mnuFileOpen", "&Open", "Ctrl+O", [](TextEditor &w, EditingCommands &) { w.mnuFileOpen_Click(); }},
    {"Hyphen1", nullptr, "", none},
    {"mnuFileSave", "&Save", "Ctrl+S", [](TextEditor &w, EditingCommands &) { w.mnuFileSave_Click(); }},
    {"mnuFileSaveAs", "Save &As", "Ctrl+A", [](TextEditor &w, EditingCommands &) { w.mnuFileSaveAs_Click(); }},
    {"Hyphen2", nullptr, "", none},
    {"mnuFilePrint", "&Print", "Ctrl+P", [](TextEditor &w, EditingCommands &) { w.mnuFilePrint_Click(); }},
    {"mnuFilePrintPreview", "Print Pre&view", "", [](TextEditor &w, EditingCommands &) { w.mnuFilePrintPreview_Click(); }},
    {"mnuFileSaveBook", "Save &Book as PDF\u2026", "", [](TextEditor &w, EditingCommands &) { w.mnuFileSaveBook_Click(); }},
    {"Hyphen3", nullptr, "", none},
    {"mnuFileReturn", "&Return to Main Menu", "Ctrl+R", [](TextEditor &w, EditingCommands &) { w.mnuFileReturn_Click(); }},
    {"Hyphen5", nullptr, "", none},
    {"mnuFileExit", "E&xit", "", [](TextEditor &w, EditingCommands &) { w.mnuFileExit_Click(); }},
    {"mnuEdit", "&Edit", "", nullptr},
    {"mnuEditCut", "Cu&t", "Ctrl+X", [](TextEditor &, EditingCommands &e) { e.cut(); }},
    {"mnuEditCopy", "&Copy", "Ctrl+C", [](TextEditor &, EditingCommands &e) { e.copy(); }},
    {"mnuEditPaste", "&Paste", "Ctrl+V", [](TextEditor &, EditingCommands &e) { e.paste(); }},
    {"Hyphen4", nullptr, "", none},
    {"mnuEditFind", "&Find", "Ctrl+F", [](TextEditor &, EditingCommands &e) { e.find(); }},
    {"mnuEditFindNext", "Find &Next", "F3", [](TextEditor &, EditingCommands &e) { e.findNext(); }},
    {"mnuOptions", "&Options", "", nullptr},
    {"mnuOptionsFont", "Font", "Ctrl+T", [](TextEditor &w, EditingCommands &) { w.mnuOptionsFont_Click(); }},
    {"mnuOptionsColor", "Color", "Ctrl+L", [](TextEditor &w, EditingCommands &) { w.mnuOptionsColor_Click(); }},
};
} // namespace

void TextEditor::buildMenus()
{
    m_menuBar->setObjectName(QStringLiteral("mnuBar"));
    QMenu *menu = nullptr;
    QList<QAction *> items;
    for (const MenuRow &row : kMenus) {
        const QString name = QString::fromLatin1(row.name);
        if (!row.run) {
            menu = m_menuBar->addMenu(QString::fromLatin1(row.caption));
            menu->setObjectName(name);
            menu->menuAction()->setObjectName(name);
            continue;
        }
        QAction *item = row.caption ? menu->addAction(QString::fromUtf8(row.caption)) : menu->addSeparator();
        item->setObjectName(name);
        if (!row.caption)
            continue;
        item->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
        const auto run = row.run;
        connect(item, &QAction::triggered, this, [this, run] { run(*this, *m_editing); });
        items << item;
    }
    // Opening the Edit menu decides what Cut, Copy and Paste may do until it is opened again.
    QMenu *editMenu = m_menuBar->findChild<QMenu *>(QStringLiteral("mnuEdit"));
    connect(editMenu, &QMenu::aboutToShow, this, [this] {
        m_editing->updateEditMenu(action(QStringLiteral("mnuEditCut")), action(QStringLiteral("mnuEditCopy")),
                                  action(QStringLiteral("mnuEditPaste")));
    });
    m_edit->routeKeysTo(items);
}

QAction *TextEditor::action(const QString &objectName) const
{
    for (QAction *item : m_menuBar->findChildren<QAction *>()) {
        if (item->objectName() == objectName)
            return item;
    }
    return nullptr;
}
