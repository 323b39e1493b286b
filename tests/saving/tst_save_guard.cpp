// A save never replaces answers or a file behind the user's back: a data file holding answers
// this run never loaded nor saved, and a file changed on the disk since this run read or wrote
// it, are replaced only after a Yes; No keeps the data file and still saves the document.
#include "editor_steps.h"

#include "document/datafile/answer_data_file.h"

namespace {
const MessageRequest kAskNoFirst{MessageIcon::Exclamation, MessageButtons::YesNo, DefaultButton::Second};

// A data file of `count` answers, as an earlier run saved it.
QByteArray dataFileWith(int count)
{
    AnswerDataFile::Answers answers;
    for (int n = 1; n <= count; ++n)
        answers[n - 1] = QStringLiteral("answer %1").arg(n);
    return AnswerDataFile::write(answers);
}

int answersIn(const QString &path)
{
    const AnswerDataFile::ReadResult read = AnswerDataFile::readFile(path);
    int n = 0;
    for (const auto &a : *read.answers)
        n += a && !a->isEmpty() ? 1 : 0;
    return read.ok() ? n : -1;
}

void answerInStore() { answerStore().setAnswer(1, QStringLiteral("a pilot")); }
} // namespace

class TestSaveGuard : public ProgramTest {
    Q_OBJECT
private slots:
    void replacingAnswers_data();
    void replacingAnswers();
    void usualUpdateAsksNothing_data();
    void usualUpdateAsksNothing();
    void changedOnDisk_data();
    void changedOnDisk();
};

// The two roads by which a save met a pair of files from an earlier run.
void TestSaveGuard::replacingAnswers_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<MessageAnswer>("reply");
    QTest::addColumn<QString>("question");
    const QString opened = QString::fromUtf8("“My Story.dat” holds 19 answers. Replace them with the 0 answers of this session?");
    const QString saveAs = QString::fromUtf8("“My Story.dat” holds 19 answers. Replace them with the 1 answer of this session?");
    QTest::newRow("nominal: Save of an opened document, No keeps the answers") << "open" << MessageAnswer::No << opened;
    QTest::newRow("nominal: Save of an opened document, Yes replaces them") << "open" << MessageAnswer::Yes << opened;
    QTest::newRow("nominal: Save As over a pair, No keeps the answers") << "saveAs" << MessageAnswer::No << saveAs;
    QTest::newRow("nominal: Save As over a pair, Yes replaces them") << "saveAs" << MessageAnswer::Yes << saveAs;
}

void TestSaveGuard::replacingAnswers()
{
    QFETCH(QString, road);
    QFETCH(MessageAnswer, reply);
    QFETCH(QString, question);
    const QString rtf = dir.filePath("My Story.rtf"), dat = dir.filePath("My Story.dat");
    QVERIFY(writeBytes(dat, dataFileWith(19)));
    TextEditor *editor = nullptr;
    if (road == "open") {
        editor = openEditorWithFile(program, rtf, "{\\rtf1 An old story.}");
        editor->edit()->textCursor().insertText("A changed word. ");
    } else {
        QVERIFY(writeBytes(rtf, "{\\rtf1 An old story.}"));
        answerInStore();
        editor = openEditorFromMainMenu(program);
    }
    const int before = program.dialogs.calls.size();
    if (road == "saveAs") {
        runMenu(editor, "mnuFileSaveAs"); // the reminder first; the save runs at its OK
        program.dialogs.answerFile(rtf);
    }
    program.dialogs.answer(reply);
    if (reply == MessageAnswer::No)
        program.dialogs.answer(MessageAnswer::Ok); // what was saved and what was kept
    if (road == "saveAs")
        program.click("frmNote", "cmdOK");
    else
        runMenu(editor, "mnuFileSave");

    const QList<DialogCall> messages = program.dialogs.messages(before);
    QCOMPARE(messages.size(), reply == MessageAnswer::No ? 2 : 1);
    QCOMPARE(messages[0].text, question);
    QCOMPARE(messages[0].request, kAskNoFirst);
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    // The document is saved either way; the answers only after Yes.
    QVERIFY(fileBytes(rtf).contains(road == "open" ? "A changed word" : "CHILDHOOD"));
    QCOMPARE(answersIn(dat), reply == MessageAnswer::Yes ? (road == "open" ? 0 : 1) : 19);
    // An empty store has nothing a file could lose.
    QCOMPARE(answerStore().isInFile(), reply == MessageAnswer::Yes || road == "open");
    if (reply == MessageAnswer::No)
        QVERIFY2(messages[1].text.contains(QString::fromUtf8("“My Story.dat” was left as it was")), qPrintable(messages[1].text));
}

// Files this run loaded or saved itself, unchanged since, are updated without a question.
void TestSaveGuard::usualUpdateAsksNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("nominal: saved again after Save As") << "saveAs";
    QTest::newRow("nominal: saved over the data file this run loaded") << "load";
    QTest::newRow("nominal: a data file with no answers") << "empty";
}

void TestSaveGuard::usualUpdateAsksNothing()
{
    QFETCH(QString, how);
    const QString rtf = dir.filePath("Story.rtf"), dat = dir.filePath("Story.dat");
    program.startToMainMenu();
    if (how == "load") {
        QVERIFY(writeBytes(dat, dataFileWith(5)));
        program.dialogs.answer(MessageAnswer::Yes).answerFile(dat);
        program.click("frmMain", "cmdLoad");
        QCOMPARE(answerStore().answerOf(5), "answer 5");
        answerStore().setAnswer(6, QStringLiteral("one more"));
    } else if (how == "empty") {
        QVERIFY(writeBytes(dat, dataFileWith(0)));
    }
    TextEditor *editor = openEditorFromMainMenu(program);
    if (how == "saveAs") {
        answerInStore();
        saveAs(program, editor, rtf);
        answerStore().setAnswer(2, QStringLiteral("toys"));
    }
    const int before = program.dialogs.calls.size();
    saveAs(program, editor, rtf);
    QCOMPARE(program.dialogs.messages(before).size(), 0);
    QCOMPARE(fileBytes(dat), AnswerDataFile::write(AnswerDataFile::answersOf(answerStore())));
    QVERIFY(answerStore().isInFile());
}

// Another program changed a file after this run saved it: Save asks before overwriting it.
void TestSaveGuard::changedOnDisk_data()
{
    QTest::addColumn<QString>("changed");
    QTest::addColumn<MessageAnswer>("reply");
    QTest::newRow("nominal: the document changed, No saves nothing") << "rtf" << MessageAnswer::No;
    QTest::newRow("nominal: the document changed, Yes saves") << "rtf" << MessageAnswer::Yes;
    QTest::newRow("nominal: the data file changed, No keeps it") << "dat" << MessageAnswer::No;
    QTest::newRow("nominal: the data file changed, Yes replaces it") << "dat" << MessageAnswer::Yes;
}

void TestSaveGuard::changedOnDisk()
{
    QFETCH(QString, changed);
    QFETCH(MessageAnswer, reply);
    const QString rtf = dir.filePath("Story.rtf"), dat = dir.filePath("Story.dat");
    TextEditor *editor = openEditorFromMainMenu(program);
    answerInStore();
    saveAs(program, editor, rtf);
    editor->edit()->textCursor().insertText("Mine. ");
    answerStore().setAnswer(2, QStringLiteral("toys"));
    const QByteArray theirs = changed == "rtf" ? QByteArray("{\\rtf1 Theirs.}") : dataFileWith(3);
    QVERIFY(writeBytes(changed == "rtf" ? rtf : dat, theirs));
    const QByteArray otherFile = fileBytes(changed == "rtf" ? dat : rtf);

    const int before = program.dialogs.calls.size();
    program.dialogs.answer(reply);
    if (changed == "dat" && reply == MessageAnswer::No)
        program.dialogs.answer(MessageAnswer::Ok);
    runMenu(editor, "mnuFileSave");
    const QList<DialogCall> messages = program.dialogs.messages(before);
    QVERIFY(!messages.isEmpty());
    const QString name = changed == "rtf" ? "“Story.rtf”" : "“Story.dat”";
    QVERIFY2(messages[0].text.startsWith(name + QString::fromUtf8(" was changed on the disk since Kinscribe last opened or saved it")),
             qPrintable(messages[0].text));
    QCOMPARE(messages[0].request, kAskNoFirst);
    QCOMPARE(program.dialogs.pendingAnswers(), 0);
    const bool kept = reply == MessageAnswer::No;
    QCOMPARE(fileBytes(changed == "rtf" ? rtf : dat) == theirs, kept);
    if (changed == "rtf")
        QCOMPARE(fileBytes(dat) == otherFile, kept); // No calls the whole save off
    else
        QVERIFY(fileBytes(rtf).contains("Mine."));    // the document is saved either way
}

QTEST_MAIN(TestSaveGuard)
#include "tst_save_guard.moc"
