// The editor's Print Preview and Save Book as PDF, driven through the File menu as the user
// drives them, on a US user's Letter paper.
#include "editor_steps.h"
#include "pdf_tools.h"
#include "wait_for.h"
#include "document/pages/page_printing.h"

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QString kBookPrompt = QStringLiteral(
    "The book is made from your answers as stored in the question pages, not from the text edited here.\n\n"
    "Title of the book:");

// Several pages of answers in the store; question 2 stays unanswered.
void fillAnswers()
{
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (n != 2)
            answerStore().setAnswer(n, QStringLiteral("Answer %1 ").arg(n).repeated(30));
    }
}

// The editor opened from the main menu, on those answers or on none.
TextEditor *editorOnAnswers(TestProgram &program, bool answers = true)
{
    program.startToMainMenu();
    if (answers)
        fillAnswers();
    return reopenEditor(program);
}
} // namespace

class TestEditorBook : public ProgramTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void previewShowsWhatPrintPrints();
    void previewClosedPrintsNothing();
    void realPreviewShowsThePages();
    void bookFromTheAnswers();
    void bookNotMade_data();
    void bookNotMade();
};

void TestEditorBook::initTestCase()
{
    qunsetenv("LC_ALL");
    qunsetenv("LC_PAPER");
    qputenv("LANG", "en_US.UTF-8");
}

void TestEditorBook::previewShowsWhatPrintPrints()
{
    if (!hasPdfTools())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    TextEditor *editor = editorOnAnswers(program);
    const QString printed = dir.filePath(QStringLiteral("print.pdf"));
    const QString previewed = dir.filePath(QStringLiteral("preview.pdf"));
    program.dialogs.answerPrintToPdf(printed).answerPreviewToPdf(previewed);
    runMenu(editor, QStringLiteral("mnuFilePrint"));
    runMenu(editor, QStringLiteral("mnuFilePrintPreview"));
    QCOMPARE(program.dialogs.count(DialogCall::Preview), 1);
    QCOMPARE(program.dialogs.calls.constLast().parentName, editor->objectName());
    QCOMPARE(pdfPageSize(printed), QStringLiteral("612 x 792 pts (letter)"));
    QCOMPARE(pdfPageSize(previewed), pdfPageSize(printed));
    const QStringList pages = pdfPages(printed);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QCOMPARE(pdfPages(previewed), pages);
    QCOMPARE(pages.constLast().trimmed().split(QLatin1Char('\n')).constLast().trimmed(), QString::number(pages.size()));
    QVERIFY(program.dialogs.unexpected.isEmpty());
}

void TestEditorBook::previewClosedPrintsNothing()
{
    TextEditor *editor = openEditorFromMainMenu(program);
    const qsizetype before = program.dialogs.calls.size();
    program.dialogs.answerPreviewToPdf(std::nullopt);
    runMenu(editor, QStringLiteral("mnuFilePrintPreview"));
    QCOMPARE(program.dialogs.calls.size(), before + 1); // the preview alone, no question after it
    QVERIFY(QDir(dir.path()).isEmpty());
    QCOMPARE(exitOutcome(program, editor), kAsksThenEnds); // the document is as it was
}

// The real dialog behind the layer (not the scripted one the suite installs): Qt's preview,
// drawn by the same printing.
void TestEditorBook::realPreviewShowsThePages()
{
    QWidget parent;
    parent.show();
    QTextDocument document;
    document.setPlainText(QStringLiteral("A line of the story.\n").repeated(120));
    int shownPages = 0;
    whenModal({[&](QWidget *modal) {
        auto *preview = modal->findChild<QPrintPreviewWidget *>();
        if (qobject_cast<QPrintPreviewDialog *>(modal) && preview)
            shownPages = preview->pageCount();
        modal->close();
    }});
    QPrinter printer(QPrinter::HighResolution);
    int paints = 0;
    QtDialogs().printPreview(&parent, printer, [&](QPrinter &target) {
        ++paints;
        printDocument(document, target);
    });
    QVERIFY(paints >= 1);
    QVERIFY2(shownPages >= 2, qPrintable(QString::number(shownPages)));
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::Letter);
}

void TestEditorBook::bookFromTheAnswers()
{
    if (!hasPdfTools())
        QSKIP("poppler-utils (pdftotext, pdfinfo) is not installed");
    TextEditor *editor = editorOnAnswers(program);
    QTextCursor(editor->edit()->document()).insertText(QStringLiteral("Editedonly "));
    const QString pdf = dir.filePath(QStringLiteral("Grandpa.pdf"));
    program.dialogs.answerText(QStringLiteral("Grandpa's Book")).answerFile(pdf).answer(MessageAnswer::Ok);
    const qsizetype before = program.dialogs.calls.size();
    runMenu(editor, QStringLiteral("mnuFileSaveBook"));
    QVERIFY2(program.dialogs.unexpected.isEmpty(), qPrintable(program.dialogs.unexpected.join(QLatin1Char('\n'))));
    const QList<DialogCall> asked = program.dialogs.calls.mid(before);
    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0].text, kBookPrompt);
    QCOMPARE(asked[0].initial, QStringLiteral("My Life Story"));
    QCOMPARE(asked[1].file.filter, QStringLiteral("PDF Files (*.pdf)|*.pdf"));
    QVERIFY(asked[1].file.overwritePrompt);
    QCOMPARE(asked[1].file.fileName, QStringLiteral("Grandpa's Book.pdf"));
    QCOMPARE(asked[2].text, QStringLiteral("The book was saved as \"%1\".").arg(QDir::toNativeSeparators(pdf)));
    QVERIFY(program.dialogs.progressTexts.contains(QStringLiteral("Typesetting the book...")));

    QCOMPARE(pdfPageSize(pdf), QStringLiteral("612 x 792 pts (letter)"));
    const QString text = pdfText(pdf);
    QVERIFY(text.contains(QLatin1String("Grandpa's Book")));
    QVERIFY(text.contains(QLatin1String("Answer 77")));
    QVERIFY(!text.contains(QLatin1String("Editedonly"))); // the answers, not the edited document
    QVERIFY(!text.contains(answerStore().questionText(2).left(25)));
    QVERIFY(editor->state().docChanged); // the document itself was not saved
}

void TestEditorBook::bookNotMade_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("title");   // "-": Cancel in the input box
    QTest::addColumn<QString>("file");    // "-": Cancel in the save dialog
    QTest::addColumn<int>("cancelAt");    // progress report at which Cancel is pressed, -1 never
    QTest::addColumn<QString>("message"); // the start of the message shown, or empty
    QTest::newRow("robustness: no answers yet") << false << "" << "" << -1 << "There are no answers to put in a book yet.";
    QTest::newRow("robustness: Cancel in the title box") << true << "-" << "" << -1 << "";
    QTest::newRow("robustness: Cancel in the save dialog") << true << "T" << "-" << -1 << "";
    QTest::newRow("robustness: Cancel while typesetting") << true << "T" << "book.pdf" << 2 << "";
    QTest::newRow("robustness: folder missing") << true << "T" << "missing/book.pdf" << -1 << "The book could not be saved as";
}

void TestEditorBook::bookNotMade()
{
    QFETCH(bool, answers);
    QFETCH(QString, title);
    QFETCH(QString, file);
    QFETCH(int, cancelAt);
    QFETCH(QString, message);
    TextEditor *editor = editorOnAnswers(program, answers);
    if (!title.isEmpty())
        program.dialogs.answerText(title == QLatin1String("-") ? std::nullopt : std::optional<QString>(title));
    if (!file.isEmpty())
        program.dialogs.answerFile(file == QLatin1String("-") ? std::nullopt : std::optional<QString>(dir.filePath(file)));
    if (!message.isEmpty())
        program.dialogs.answer(MessageAnswer::Ok);
    program.dialogs.cancelProgressAt = cancelAt;
    const qsizetype before = program.dialogs.calls.size();
    runMenu(editor, QStringLiteral("mnuFileSaveBook"));
    QVERIFY2(program.dialogs.unexpected.isEmpty(), qPrintable(program.dialogs.unexpected.join(QLatin1Char('\n'))));
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    const QList<DialogCall> shown = program.dialogs.messages(before);
    QCOMPARE(shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(shown[0].text.startsWith(message), qPrintable(shown[0].text));
    QVERIFY2(QDir(dir.path()).isEmpty(), qPrintable(folderEntries(dir.path()).join(QLatin1Char(' '))));
}

QTEST_MAIN(TestEditorBook)
#include "tst_editor_book.moc"
