// Zoom in the editor: the keys and Ctrl+wheel make the text larger or smaller on screen,
// from 50 % to 400 %, while the document, its file and its changed state stay as they were.
#include "editor_steps.h"

#include "document/windows/editor/editor_zoom.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QWheelEvent>

class TestEditorZoom : public ProgramTest {
    Q_OBJECT
private slots:
    void keysZoom_data();
    void keysZoom();
    void wheelWithCtrlZooms();
    void zoomLeavesTheDocumentAlone();
};

namespace {
// Height of the document's first line as laid out on screen.
qreal firstLineHeight(QTextEdit *edit)
{
    edit->viewport()->grab();
    const QTextLayout *layout = edit->document()->firstBlock().layout();
    return layout->lineCount() > 0 ? layout->lineAt(0).height() : 0;
}

void press(QTextEdit *edit, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(edit, key, Qt::ControlModifier);
}
} // namespace

void TestEditorZoom::keysZoom_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("times");
    QTest::addColumn<int>("percent");
    QTest::newRow("nominal: Ctrl+plus") << int(Qt::Key_Plus) << 1 << 110;
    QTest::newRow("nominal: Ctrl+= as on a keyboard without a plus key") << int(Qt::Key_Equal) << 5 << 200;
    QTest::newRow("nominal: Ctrl+minus") << int(Qt::Key_Minus) << 2 << 80;
    QTest::newRow("robustness: no further than 400 %") << int(Qt::Key_Plus) << 30 << 400;
    QTest::newRow("robustness: no smaller than 50 %") << int(Qt::Key_Minus) << 30 << 50;
}

void TestEditorZoom::keysZoom()
{
    QFETCH(int, key);
    QFETCH(int, times);
    QFETCH(int, percent);
    TextEditor *editor = openEditorFromMainMenu(program);
    QTextEdit *edit = editor->edit();
    const qreal normal = firstLineHeight(edit);
    press(edit, Qt::Key(key), times);
    QCOMPARE(EditorZoom::percentOf(edit), percent);
    const qreal zoomed = firstLineHeight(edit);
    QVERIFY2(qAbs(zoomed / normal - percent / 100.0) < 0.25, qPrintable(QStringLiteral("%1 -> %2").arg(normal).arg(zoomed)));
    press(edit, Qt::Key_0);
    QCOMPARE(EditorZoom::percentOf(edit), 100);
    QCOMPARE(firstLineHeight(edit), normal);
}

void TestEditorZoom::wheelWithCtrlZooms()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    QTextEdit *edit = editor->edit();
    const auto wheel = [edit](int delta, Qt::KeyboardModifiers modifiers) {
        const QPointF at(10, 10);
        QWheelEvent event(at, edit->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit->viewport(), &event);
    };
    wheel(120, Qt::ControlModifier);
    wheel(120, Qt::ControlModifier);
    QCOMPARE(EditorZoom::percentOf(edit), 125);
    wheel(-120, Qt::ControlModifier);
    QCOMPARE(EditorZoom::percentOf(edit), 110);
    wheel(-120, Qt::NoModifier); // an ordinary wheel scrolls
    QCOMPARE(EditorZoom::percentOf(edit), 110);
}

void TestEditorZoom::zoomLeavesTheDocumentAlone()
{
    TextEditor *editor = openEditorWithFile(program, dir.filePath("story.txt"), "the old house\r\nsecond line\r\n");
    QTextEdit *edit = editor->edit();
    const QString html = edit->document()->toHtml();
    const bool modified = edit->document()->isModified();
    const int undoSteps = edit->document()->availableUndoSteps();
    press(edit, Qt::Key_Plus, 4);
    QCOMPARE(EditorZoom::percentOf(edit), 175);
    firstLineHeight(edit);
    QVERIFY(!editor->state().docChanged);
    QCOMPARE(edit->document()->isModified(), modified);
    QCOMPARE(edit->document()->availableUndoSteps(), undoSteps);
    QCOMPARE(edit->document()->toHtml(), html);
    saveAs(program, editor, dir.filePath("zoomed.rtf"));
    press(edit, Qt::Key_0);
    saveAs(program, editor, dir.filePath("normal.rtf"));
    QCOMPARE(fileBytes(dir.filePath("zoomed.rtf")), fileBytes(dir.filePath("normal.rtf")));
    // The zoom stays with the box when another document comes into it.
    press(edit, Qt::Key_Minus);
    openThroughMenu(program, editor, dir.filePath("normal.rtf"));
    QCOMPARE(EditorZoom::percentOf(edit), 90);
    const qreal small = firstLineHeight(edit);
    press(edit, Qt::Key_0);
    QVERIFY2(firstLineHeight(edit) > small, "the opened document was laid out zoomed");
}

QTEST_MAIN(TestEditorZoom)
#include "tst_editor_zoom.moc"
