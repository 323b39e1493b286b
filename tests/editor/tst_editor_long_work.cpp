// Long work in the editor: a progress dialog whose Cancel leaves everything as it was, and one
// long unbroken word that is laid out in lines like any other text.
#include "editor_steps.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {
// Enough text to report progress many times: RTF of 30,000 paragraphs, or 1 MB of plain text.
QByteArray longFile(bool rtf)
{
    QByteArray bytes = rtf ? "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " : "";
    for (int i = 0; i < 30000; ++i)
        bytes += rtf ? "Paragraph " + QByteArray::number(i) + "\\par\n" : "Line " + QByteArray::number(i) + " of a long letter home\n";
    return bytes + (rtf ? "}" : "");
}

struct EditorState {
    QString text, title, leaving;
    QTextDocument *document;
    bool operator==(const EditorState &) const = default;
};

EditorState stateOf(TestProgram &program, TextEditor *editor)
{
    return {editor->documentText(), editor->windowTitle(), exitOutcome(program, editor), editor->edit()->document()};
}
} // namespace

class TestEditorLongWork : public ProgramTest {
    Q_OBJECT
private slots:
    void cancelDuringOpen_data();
    void cancelDuringOpen();
    void cancelDuringComposeReturnsToMainMenu();
    void tooManyParagraphsRefused_data();
    void tooManyParagraphsRefused();
    void longWordIsShownInLines_data();
    void longWordIsShownInLines();
};

void TestEditorLongWork::cancelDuringOpen_data()
{
    QTest::addColumn<bool>("rtf");
    QTest::addColumn<int>("cancelAt"); // -1: never
    QTest::newRow("nominal: RTF read to the end") << true << -1;
    QTest::newRow("nominal: plain text read to the end") << false << -1;
    QTest::newRow("robustness: Cancel at the first report") << true << 1;
    QTest::newRow("robustness: Cancel late in an RTF file") << true << 10;
    QTest::newRow("robustness: Cancel while reading plain text") << false << 2;
}

void TestEditorLongWork::cancelDuringOpen()
{
    QFETCH(bool, rtf);
    QFETCH(int, cancelAt);
    TextEditor *editor = openEditorFromMainMenu(program);
    editor->edit()->insertPlainText(QStringLiteral("typed before opening "));
    const EditorState before = stateOf(program, editor);
    const QString path = dir.filePath(rtf ? "long.rtf" : "long.txt");
    QVERIFY(writeBytes(path, longFile(rtf)));

    program.dialogs.progressAdvances = 0;
    program.dialogs.cancelProgressAt = cancelAt;
    program.dialogs.answer(MessageAnswer::No).answerFile(path);
    editor->action(QStringLiteral("mnuFileOpen"))->trigger();
    QCOMPARE(program.dialogs.progressTexts.last(), QStringLiteral("Opening \"%1\"...").arg(path));
    QCOMPARE(program.dialogs.messages().size(), 2); // the note and the save question: no failure reported
    QVERIFY(program.dialogs.unexpected.isEmpty());
    if (cancelAt > 0) {
        QCOMPARE(program.dialogs.progressAdvances, cancelAt);
        QVERIFY(stateOf(program, editor) == before);
        return;
    }
    QVERIFY(program.dialogs.progressAdvances > 3);
    QCOMPARE(editor->edit()->document()->blockCount(), 30000 + (rtf ? 0 : 1));
    QCOMPARE(editor->windowTitle(), path + QStringLiteral(" - Text Editor"));
}

void TestEditorLongWork::cancelDuringComposeReturnsToMainMenu()
{
    program.startToMainMenu();
    for (int n = 1; n <= kQuestionCount; ++n)
        answerStore().setAnswer(n, QStringLiteral("a long answer ").repeated(3000));
    const QString first = answerStore().answerOf(1);
    program.dialogs.cancelProgressAt = 1;
    openEditorFromMainMenu(program);
    settle();
    QCOMPARE(program.dialogs.progressTexts, QStringList{QStringLiteral("Composing the document from your answers...")});
    QCOMPARE(TestProgram::visibleForms(), QStringList{QStringLiteral("frmMain")});
    QVERIFY(!Forms::find(QStringLiteral("frmTxtEditor"))); // the next opening composes afresh
    QCOMPARE(answerStore().answerOf(1), first);

    program.dialogs.cancelProgressAt = -1;
    TextEditor *editor = reopenEditor(program);
    QVERIFY(editor && editor->isVisible());
    QVERIFY(editor->documentText().contains(first));
}

void TestEditorLongWork::tooManyParagraphsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("robustness: RTF of empty paragraphs") << "{\\rtf1\\ansi " + QByteArray("\\par\n").repeated(1'000'100) + "}";
    QTest::newRow("robustness: plain text of empty lines") << QByteArray("\r\n").repeated(1'000'000);
}

void TestEditorLongWork::tooManyParagraphsRefused()
{
    QFETCH(QByteArray, bytes);
    TextEditor *editor = openEditorFromMainMenu(program);
    const EditorState before = stateOf(program, editor);
    const QString path = dir.filePath("endless.rtf");
    QVERIFY(writeBytes(path, bytes));
    program.dialogs.answer(MessageAnswer::No).answerFile(path).answer(MessageAnswer::Ok);
    editor->action(QStringLiteral("mnuFileOpen"))->trigger();
    QVERIFY(program.dialogs.unexpected.isEmpty());
    QCOMPARE(program.dialogs.messages().last().text,
             QStringLiteral("\"endless.rtf\" is too long for the editor. It has more than 1,000,000 paragraphs, more than the editor can hold."));
    QVERIFY(stateOf(program, editor) == before);
}

void TestEditorLongWork::longWordIsShownInLines_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<int>("size");
    QTest::newRow("nominal: a composed answer of 1 MB without a space") << false << 1024 * 1024;
    QTest::newRow("robustness: 200 KB without a space pasted into the editor") << true << 200 * 1024;
}

void TestEditorLongWork::longWordIsShownInLines()
{
    QFETCH(bool, pasted);
    QFETCH(int, size);
    program.startToMainMenu();
    const QString word(size, QLatin1Char('w'));
    if (!pasted)
        answerStore().setAnswer(1, word);
    TextEditor *editor = openEditorFromMainMenu(program);
    QTextEdit *edit = editor->edit();
    if (pasted) {
        edit->moveCursor(QTextCursor::End);
        edit->insertPlainText(QStringLiteral("\n") + word + QStringLiteral("\n"));
    }
    QTextBlock block = edit->document()->begin();
    while (block.isValid() && block.length() != word.size() + 1)
        block = block.next();
    QVERIFY(block.isValid());
    QCOMPARE(block.text(), word);
    edit->setTextCursor(QTextCursor(block));
    edit->ensureCursorVisible();
    QTest::qWait(1);
    const QRectF box = edit->document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout *layout = block.layout();
    const int width = edit->viewport()->width();
    QVERIFY2(layout->lineCount() > size / 1000, qPrintable(QString::number(layout->lineCount())));
    for (int i = 0; i < layout->lineCount(); i += 97)
        QVERIFY2(layout->lineAt(i).naturalTextWidth() <= width, qPrintable(QString::number(i)));
    // Its first line is on screen, the rest below it.
    const int top = int(box.top()) - edit->verticalScrollBar()->value();
    QVERIFY2(top >= 0 && top < edit->viewport()->height(), qPrintable(QString::number(top)));
    QCOMPARE(layout->lineAt(0).textStart(), 0);
    QVERIFY(layout->lineAt(0).textLength() > 5);
}

QTEST_MAIN(TestEditorLongWork)
#include "tst_editor_long_work.moc"
