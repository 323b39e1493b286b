// The editor window: its controls and menus, keys that must reach the menu rather than the
// text box, plain pastes and drops, and resizing.
#include "editor_steps.h"

#include "text/fast_layout.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTextBlock>

class TestEditorWindow : public ProgramTest {
    Q_OBJECT
private slots:
    void windowLayout();
    void menuItems_data();
    void menuItems();
    void menuOrder_data();
    void menuOrder();
    void menuKeysWinOverTextBox_data();
    void menuKeysWinOverTextBox();
    void pasteOfRichClipboardIsPlain();
    void dropOfRichTextIsPlain();
    void typedRightToLeftTextReadsRightToLeft();
    void resizeFillsClientArea_data();
    void resizeFillsClientArea();
    void cancelledFontOrColorIsRemembered_data();
    void cancelledFontOrColorIsRemembered();
};

void TestEditorWindow::windowLayout()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(editor);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Kinscribe - Text Editor"));
    QVERIFY(!editor->windowIcon().isNull());
    auto *menuBar = editor->findChild<QMenuBar *>();
    QVERIFY(menuBar);
    // Client area 6810 x 4995 twips below the menu bar; the box 120 twips in from its corner.
    QCOMPARE(editor->width(), 454);
    QCOMPARE(editor->height() - menuBar->height(), 333);
    QTextEdit *box = editor->edit();
    QCOMPARE(box->objectName(), QStringLiteral("txtEdit"));
    QCOMPARE(box->mapTo(editor, QPoint(0, 0)), QPoint(8, menuBar->height() + 8));
    QCOMPARE(box->size(), QSize(446, 325)); // ending at the client area's edges
}

void TestEditorWindow::menuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::newRow("nominal: File") << "mnuFile" << "&File" << "";
    QTest::newRow("nominal: Open") << "mnuFileOpen" << "&Open" << "Ctrl+O";
    QTest::newRow("nominal: Save") << "mnuFileSave" << "&Save" << "Ctrl+S";
    QTest::newRow("nominal: Save As") << "mnuFileSaveAs" << "Save &As" << "Ctrl+A";
    QTest::newRow("nominal: Print") << "mnuFilePrint" << "&Print" << "Ctrl+P";
    QTest::newRow("nominal: Print Preview") << "mnuFilePrintPreview" << "Print Pre&view" << "";
    QTest::newRow("nominal: Save Book as PDF") << "mnuFileSaveBook" << QString::fromUtf8("Save &Book as PDF\u2026") << "";
    QTest::newRow("nominal: Return") << "mnuFileReturn" << "&Return to Main Menu" << "Ctrl+R";
    QTest::newRow("nominal: Exit") << "mnuFileExit" << "E&xit" << "";
    QTest::newRow("nominal: Edit") << "mnuEdit" << "&Edit" << "";
    QTest::newRow("nominal: Cut") << "mnuEditCut" << "Cu&t" << "Ctrl+X";
    QTest::newRow("nominal: Copy") << "mnuEditCopy" << "&Copy" << "Ctrl+C";
    QTest::newRow("nominal: Paste") << "mnuEditPaste" << "&Paste" << "Ctrl+V";
    QTest::newRow("nominal: Find") << "mnuEditFind" << "&Find" << "Ctrl+F";
    QTest::newRow("nominal: Find Next") << "mnuEditFindNext" << "Find &Next" << "F3";
    QTest::newRow("nominal: Options") << "mnuOptions" << "&Options" << "";
    QTest::newRow("nominal: Font, no access key") << "mnuOptionsFont" << "Font" << "Ctrl+T";
    QTest::newRow("nominal: Color, no access key") << "mnuOptionsColor" << "Color" << "Ctrl+L";
}

void TestEditorWindow::menuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    TextEditor *editor = openEditorFromMainMenu(program);
    QAction *item = editor->action(name);
    QVERIFY2(item, qPrintable(name));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut().toString(QKeySequence::PortableText), shortcut);
    QVERIFY(item->isEnabled());
}

void TestEditorWindow::menuOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("nominal: File") << "mnuFile"
        << QStringList{"mnuFileOpen", "Hyphen1", "mnuFileSave", "mnuFileSaveAs", "Hyphen2", "mnuFilePrint",
                       "mnuFilePrintPreview", "mnuFileSaveBook", "Hyphen3", "mnuFileReturn", "Hyphen5", "mnuFileExit"};
    QTest::newRow("nominal: Edit") << "mnuEdit"
        << QStringList{"mnuEditCut", "mnuEditCopy", "mnuEditPaste", "Hyphen4", "mnuEditFind", "mnuEditFindNext"};
    QTest::newRow("nominal: Options") << "mnuOptions" << QStringList{"mnuOptionsFont", "mnuOptionsColor"};
}

void TestEditorWindow::menuOrder()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    TextEditor *editor = openEditorFromMainMenu(program);
    auto *menuWidget = editor->findChild<QMenu *>(menu);
    QVERIFY(menuWidget);
    QStringList shown;
    for (QAction *a : menuWidget->actions()) {
        shown << a->objectName();
        QCOMPARE(a->isSeparator(), a->objectName().startsWith(QLatin1String("Hyphen")));
    }
    QCOMPARE(shown, items);
    QStringList bar;
    for (QAction *a : editor->findChild<QMenuBar *>()->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"&File", "&Edit", "&Options"}));
}

void TestEditorWindow::menuKeysWinOverTextBox_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("nominal: Ctrl+A is Save As") << int(Qt::Key_A) << "mnuFileSaveAs";
    QTest::newRow("nominal: Ctrl+X is the Edit menu's Cut") << int(Qt::Key_X) << "mnuEditCut";
    QTest::newRow("nominal: Ctrl+C is the Edit menu's Copy") << int(Qt::Key_C) << "mnuEditCopy";
    QTest::newRow("nominal: Ctrl+V is the Edit menu's Paste") << int(Qt::Key_V) << "mnuEditPaste";
    QTest::newRow("nominal: Ctrl+T is Font") << int(Qt::Key_T) << "mnuOptionsFont";
}

void TestEditorWindow::menuKeysWinOverTextBox()
{
    QFETCH(int, key);
    QFETCH(QString, item);
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QTextEdit *box = editor->edit();
    box->setFocus();
    QTextCursor c = box->textCursor();
    c.setPosition(2);
    c.setPosition(12, QTextCursor::KeepAnchor);
    box->setTextCursor(c);
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    QSignalSpy spy(editor->action(item), &QAction::triggered);
    QSignalSpy saveAs(editor->action(QStringLiteral("mnuFileSaveAs")), &QAction::triggered);
    // Dialogs the command opens are cancelled; only who ran the key matters here.
    program.dialogs.onCall = nullptr;
    QTest::keyClick(box, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(spy.count(), 1);
    Form *reminder = Forms::find(QStringLiteral("frmNote"));
    if (item == QLatin1String("mnuFileSaveAs"))
        QVERIFY(reminder && reminder->isVisible()); // Save As begins with the reminder
    else
        QCOMPARE(saveAs.count(), 0);
    // Never the box's own select-all.
    QVERIFY(box->textCursor().selectedText().size() < box->toPlainText().size());
}

void TestEditorWindow::pasteOfRichClipboardIsPlain()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QTextEdit *box = editor->edit();
    box->setFocus();
    box->moveCursor(QTextCursor::Start);
    auto *rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b style=\"font-size:30pt\">Bold</b> <i>tail</i>"));
    rich->setText(QStringLiteral("Bold tail"));
    QApplication::clipboard()->setMimeData(rich);
    QSignalSpy paste(editor->action(QStringLiteral("mnuEditPaste")), &QAction::triggered);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(paste.count(), 1);
    QVERIFY(box->toPlainText().startsWith(QLatin1String("Bold tail\n\nCHILDHOOD:")));
    QTextCursor c(box->document());
    c.setPosition(1);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(c.charFormat().fontPointSize(), 12.0);
    c.setPosition(8);
    QVERIFY(!c.charFormat().fontItalic());
    // The box's own paste path (a platform key or the context menu) is plain too.
    QMetaObject::invokeMethod(box, "paste");
    QVERIFY(box->toPlainText().startsWith(QLatin1String("Bold tailBold tail")));
    QCOMPARE(box->document()->toHtml().contains(QLatin1String("font-weight:700")), false);
}

void TestEditorWindow::dropOfRichTextIsPlain()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QTextEdit *box = editor->edit();
    QMimeData rich;
    rich.setHtml(QStringLiteral("<b>Dropped</b>"));
    rich.setText(QStringLiteral("Dropped"));
    const QPoint at = box->cursorRect(QTextCursor(box->document())).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &rich, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &rich, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &drop);
    QVERIFY2(box->toPlainText().startsWith(QLatin1String("Dropped")), qPrintable(box->toPlainText().left(40)));
    QTextCursor c(box->document());
    c.setPosition(3);
    QCOMPARE(c.charFormat().fontWeight(), int(QFont::Normal));
}

void TestEditorWindow::resizeFillsClientArea_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("nominal: larger") << QSize(800, 600);
    QTest::newRow("nominal: smaller") << QSize(300, 200);
    QTest::newRow("robustness: tiny") << QSize(60, 60);
}

void TestEditorWindow::resizeFillsClientArea()
{
    QFETCH(QSize, size);
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->resize(size);
    auto *menuBar = editor->findChild<QMenuBar *>();
    const QSize client(editor->width(), editor->height() - menuBar->height());
    // 120 twips in from the left and top, ending at the client area's right and bottom edges.
    QCOMPARE(editor->edit()->mapTo(editor, QPoint(0, 0)), QPoint(8, menuBar->height() + 8));
    QCOMPARE(editor->edit()->size(), client - QSize(8, 8));
    editor->resize(size + QSize(50, 40));
    QCOMPARE(editor->edit()->size(), QSize(editor->width(), editor->height() - menuBar->height()) - QSize(8, 8));
}

void TestEditorWindow::cancelledFontOrColorIsRemembered_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("nominal: Font cancelled") << "mnuOptionsFont" << true;
    QTest::newRow("nominal: Color cancelled") << "mnuOptionsColor" << true;
    QTest::newRow("nominal: Font chosen") << "mnuOptionsFont" << false;
    QTest::newRow("nominal: Color chosen") << "mnuOptionsColor" << false;
}

void TestEditorWindow::cancelledFontOrColorIsRemembered()
{
    QFETCH(QString, item);
    QFETCH(bool, cancel);
    TextEditor *editor = openEditorFromMainMenu(program);
    if (item == QLatin1String("mnuOptionsFont"))
        program.dialogs.answerFont(cancel ? std::nullopt : std::optional<QFont>(QFont(QStringLiteral("Arial"), 14)));
    else
        program.dialogs.answerColor(cancel ? std::nullopt : std::optional<QColor>(Qt::red));
    const int messagesBefore = program.dialogs.messages().size();
    editor->action(item)->trigger();
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    QCOMPARE(editor->state().dialogCancelled, cancel);
    QCOMPARE(program.dialogs.messages().size(), messagesBefore); // Cancel is silent
}

// The box lays a document without right-to-left letters out left to right without reading
// its paragraphs; a paragraph typed in Hebrew still reads right to left, and the others as before.
void TestEditorWindow::typedRightToLeftTextReadsRightToLeft()
{
    TextEditor *editor = openEditorWithFile(program, dir.filePath("story.txt"), "the old house\r\n");
    QTextEdit *box = editor->edit();
    QVERIFY(FastLayout::hasFixedDirection(*box->document()));
    box->moveCursor(QTextCursor::End);
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u05e9\u05dc\u05d5\u05dd"));
    QApplication::sendEvent(box, &typed);
    box->viewport()->grab();
    QVERIFY(!FastLayout::hasFixedDirection(*box->document()));
    QCOMPARE(box->document()->lastBlock().textDirection(), Qt::RightToLeft);
    QCOMPARE(box->document()->firstBlock().textDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TestEditorWindow)
#include "tst_editor_window.moc"
