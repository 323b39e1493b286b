// Spelling as the user meets it: a misspelt word underlined in a page's box and in the editor,
// nothing marked changed by the marks, a suggestion replacing the word in one undo step,
// Ignore All, and the menu key and Shift+F10 opening the same menu.
#include "editor_steps.h"
#include "questionnaire_helpers.h"
#include "test_dictionary.h"

#include "shell/spelling/spelling_view.h"
#include "text/spelling/document_marks.h"
#include "text/spelling/speller.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

using Spelling::WordSpan;

class TestSpellingWindows : public ProgramTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void pageBoxMarksOnlyTheMisspeltWord();
    void suggestionReplacesTheWordInOneUndoStep();
    void ignoreAllForEveryBox();
    void keysOpenTheSpellingMenu_data();
    void keysOpenTheSpellingMenu();
    void editorMarksWithoutChangingTheDocument();
    void editorMarksAParagraphOnceScrolledTo();

private:
    QTemporaryDir m_dir;
    QString m_aff;
};

namespace {
const QString kPage = QStringLiteral("frmChildhood1");

// Red of the wavy underline among what the box draws.
int redPixels(QAbstractScrollArea *box)
{
    const QImage image = box->viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > c.green() + 50 && c.red() > c.blue() + 50; // red, however smoothed
        }
    return count;
}

QList<WordSpan> firstParagraphMarks(QAbstractScrollArea *box, QTextDocument *doc)
{
    box->viewport()->grab(); // drawing checks what is shown
    return Spelling::DocumentMarks::marksOf(doc->firstBlock());
}

QPlainTextEdit *pageBox(TestProgram &program, const QString &name, const QString &answerOne, const QString &answerTwo = {})
{
    answerStore().setAnswer(1, answerOne);
    answerStore().setAnswer(2, answerTwo);
    qhelp::openPage(program, kPage);
    return qhelp::box(kPage, name);
}
} // namespace

void TestSpellingWindows::initTestCase() { m_aff = writeTestDictionary(m_dir.path()); }

void TestSpellingWindows::init()
{
    Spelling::Speller::instance().useDictionary(m_aff);
    ProgramTest::init();
}

void TestSpellingWindows::pageBoxMarksOnlyTheMisspeltWord()
{
    QPlainTextEdit *right = pageBox(program, QStringLiteral("txtToys"), QStringLiteral("the old car"));
    QCOMPARE(firstParagraphMarks(right, right->document()), QList<WordSpan>{});
    QCOMPARE(redPixels(right), 0);
    QPlainTextEdit *wrong = pageBox(program, QStringLiteral("txtGrowUp"), QStringLiteral("the old hosue"));
    QCOMPARE(firstParagraphMarks(wrong, wrong->document()), (QList<WordSpan>{{8, 5}}));
    QVERIFY(redPixels(wrong) > 0);
    // Drawing the marks is no change of the answer.
    QCOMPARE(qhelp::dataChanged(kPage), QStringLiteral("N"));
    QVERIFY(!wrong->document()->isModified());
}

void TestSpellingWindows::suggestionReplacesTheWordInOneUndoStep()
{
    QPlainTextEdit *box = pageBox(program, QStringLiteral("txtGrowUp"), QStringLiteral("the old hosue"));
    std::unique_ptr<QMenu> menu(SpellingView::of(box)->menuFor(10, QPoint()));
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.first()->text(), QStringLiteral("house"));
    int ignoreAt = 0;
    while (ignoreAt < actions.size() && actions[ignoreAt]->text() != QLatin1String("Ignore All"))
        ++ignoreAt;
    QVERIFY2(ignoreAt >= 1 && ignoreAt <= 5, "up to five suggestions, then Ignore All");
    actions.first()->trigger();
    QCOMPARE(box->toPlainText(), QStringLiteral("the old house"));
    QCOMPARE(qhelp::dataChanged(kPage), QStringLiteral("Y"));
    box->undo();
    QCOMPARE(box->toPlainText(), QStringLiteral("the old hosue"));
    // On a right word there is no spelling menu.
    QVERIFY(!SpellingView::of(box)->menuFor(5, QPoint()));
}

void TestSpellingWindows::ignoreAllForEveryBox()
{
    QPlainTextEdit *one = pageBox(program, QStringLiteral("txtGrowUp"), QStringLiteral("hosue"), QStringLiteral("the hosue"));
    QPlainTextEdit *two = qhelp::box(kPage, QStringLiteral("txtToys"));
    QCOMPARE(firstParagraphMarks(two, two->document()), (QList<WordSpan>{{4, 5}}));
    std::unique_ptr<QMenu> menu(SpellingView::of(one)->menuFor(0, QPoint()));
    QVERIFY(menu);
    for (QAction *a : menu->actions())
        if (a->text() == QLatin1String("Ignore All"))
            a->trigger();
    QCOMPARE(firstParagraphMarks(one, one->document()), QList<WordSpan>{});
    QCOMPARE(firstParagraphMarks(two, two->document()), QList<WordSpan>{});
    QCOMPARE(one->toPlainText(), QStringLiteral("hosue"));
}

void TestSpellingWindows::keysOpenTheSpellingMenu_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("nominal: menu key") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("nominal: Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
}

void TestSpellingWindows::keysOpenTheSpellingMenu()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QPlainTextEdit *box = pageBox(program, QStringLiteral("txtGrowUp"), QStringLiteral("the old hosue"));
    box->moveCursor(QTextCursor::End); // just after the misspelt word
    QString first;
    QTimer::singleShot(0, this, [&first] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            first = menu->actions().value(0) ? menu->actions().value(0)->text() : QString();
            menu->close();
        }
    });
    QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(first, QStringLiteral("house"));
}

void TestSpellingWindows::editorMarksWithoutChangingTheDocument()
{
    TextEditor *editor = openEditorWithFile(program, dir.filePath("notes.txt"), "we drove the old hosue\r\n");
    QVERIFY(editor);
    QCOMPARE(firstParagraphMarks(editor->edit(), editor->edit()->document()), (QList<WordSpan>{{17, 5}}));
    QVERIFY(redPixels(editor->edit()) > 0);
    QVERIFY(!editor->state().docChanged);
    // Saved, the document carries no underline.
    const QString rtf = dir.filePath("notes.rtf");
    saveAs(program, editor, rtf);
    QVERIFY(!fileBytes(rtf).contains("\\ul"));
    // A suggestion is an edit like any other: the document is changed, and one undo restores it.
    std::unique_ptr<QMenu> menu(SpellingView::of(editor->edit())->menuFor(18, QPoint()));
    QVERIFY(menu);
    menu->actions().first()->trigger();
    QCOMPARE(editor->edit()->toPlainText(), QStringLiteral("we drove the old house\n"));
    QVERIFY(editor->state().docChanged);
    editor->edit()->undo();
    QCOMPARE(editor->edit()->toPlainText(), QStringLiteral("we drove the old hosue\n"));
}

// Only what is shown is checked: the last paragraph of a long document is marked once the
// box is scrolled to it and drawn.
void TestSpellingWindows::editorMarksAParagraphOnceScrolledTo()
{
    const QByteArray bytes = QByteArray("we drove the old car\r\n").repeated(600) + "we drove the old hosue\r\n";
    TextEditor *editor = openEditorWithFile(program, dir.filePath("long.txt"), bytes);
    QVERIFY(editor);
    QTextEdit *box = editor->edit();
    const QTextBlock last = box->document()->findBlockByNumber(600);
    box->viewport()->grab();
    QVERIFY(Spelling::DocumentMarks::marksOf(last).isEmpty());
    // The box lays out the rest in idle time; Ctrl+End goes there at once.
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    box->viewport()->grab();
    QCOMPARE(Spelling::DocumentMarks::marksOf(last), (QList<WordSpan>{{17, 5}}));
    QVERIFY(redPixels(box) > 0);
    QVERIFY(!editor->state().docChanged);
}

QTEST_MAIN(TestSpellingWindows)
#include "tst_spelling_windows.moc"
