// "Load Previously Saved Data" on the main menu: the confirmation, the Open dialog, the
// answers replaced only from a whole, sound data file, and the windows that follow.
#include "editor_steps.h"

#include "fs_faults.h"
#include "document/datafile/answer_data_file.h"

#include <QPlainTextEdit>
#include <QPushButton>

using AnswerDataFile::Answers;

namespace {
const QString kMain = QStringLiteral("frmMain");
const QString kConfirmation = QStringLiteral(
    "NOTE:  Previously saved data must be data previously saved by THIS program and must have a '.dat' extension.  "
    "Also, any current data not yet saved TO A FILE will be lost.  Do you still want to load previously saved data?");

Answers currentAnswers() { return AnswerDataFile::answersOf(answerStore()); }

// A few answers already typed in this run, so that a load that changes nothing shows.
void typeSomeAnswers()
{
    answerStore().setAnswer(1, QStringLiteral("typed before"));
    answerStore().setAnswer(2, QString(""));
    answerStore().setAnswer(10, QStringLiteral("always text, typed"));
}

// Writes `bytes` as a data file and loads it from the main menu: Yes to the confirmation, the
// file in the Open dialog, then `report` to a message the load shows. Gives the file's path.
QString loadFile(TestProgram &program, const QTemporaryDir &dir, const QByteArray &bytes, std::optional<MessageAnswer> report = {})
{
    const QString path = dir.filePath(QStringLiteral("Story.dat"));
    if (!writeBytes(path, bytes))
        QTest::qFail("could not write the data file", __FILE__, __LINE__);
    program.dialogs.answer(MessageAnswer::Yes).answerFile(path);
    if (report)
        program.dialogs.answer(*report);
    program.click(kMain, QStringLiteral("cmdLoad"));
    return path;
}

bool isConfirmation(const DialogCall &call)
{
    return call.kind == DialogCall::Message && call.title == QLatin1String("Kinscribe") && call.text == kConfirmation
        && call.request == MessageRequest{MessageIcon::Question, MessageButtons::YesNoCancel, DefaultButton::Third}
        && call.parentName == kMain;
}
} // namespace

class TestLoading : public QObject {
    Q_OBJECT
private slots:
    void declinedChangesNothing_data();
    void declinedChangesNothing();
    void cancelInOpenDialog();
    void labelRunsTheSameCommand();
    void replacesEveryAnswer();
    void emptyStoreFileLoadsUnanswered();
    void markersFollowAtNextActivation();
    void pageShowsLoadedAnswerWhenShown();
    void failureChangesNothing_data();
    void failureChangesNothing();
    void fieldsBeyond77AreNamed_data();
    void fieldsBeyond77AreNamed();
    void roundTripThroughSave();
};

void TestLoading::declinedChangesNothing_data()
{
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("nominal: No") << MessageAnswer::No;
    QTest::newRow("nominal: Cancel") << MessageAnswer::Cancel;
}

void TestLoading::declinedChangesNothing()
{
    QFETCH(MessageAnswer, answer);
    TestProgram program;
    program.startToMainMenu();
    typeSomeAnswers();
    const Answers before = currentAnswers();
    program.dialogs.answer(answer);
    program.click(kMain, "cmdLoad");
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isConfirmation(program.dialogs.calls[0]));
    QCOMPARE(currentAnswers(), before);
    QVERIFY(program.dialogs.unexpected.isEmpty());
}

void TestLoading::cancelInOpenDialog()
{
    TestProgram program;
    program.startToMainMenu();
    typeSomeAnswers();
    const Answers before = currentAnswers();
    program.dialogs.answer(MessageAnswer::Yes).answerFile(std::nullopt);
    program.click(kMain, "cmdLoad");
    QCOMPARE(program.dialogs.calls.size(), 2);
    const DialogCall &open = program.dialogs.calls[1];
    QCOMPARE(open.kind, DialogCall::OpenFile);
    QCOMPARE(open.file.filter, QStringLiteral("Data Files (*.dat)|*.dat|"));
    QCOMPARE(open.file.fileName, QString());
    QVERIFY(!open.file.overwritePrompt);
    QCOMPARE(open.parentName, kMain);
    QCOMPARE(currentAnswers(), before);
    QVERIFY(program.dialogs.unexpected.isEmpty());
}

void TestLoading::labelRunsTheSameCommand()
{
    TestProgram program;
    program.startToMainMenu();
    program.dialogs.answer(MessageAnswer::No);
    program.click(kMain, "lblLoad");
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isConfirmation(program.dialogs.calls[0]));
}

void TestLoading::replacesEveryAnswer()
{
    TestProgram program;
    program.startToMainMenu();
    typeSomeAnswers();
    answerStore().setAnswer(3, QStringLiteral("typed, not in the file"));
    QTemporaryDir dir;
    // Written by hand in the old format: no value for 1 and 3, "" for 2, lines and ANSI bytes.
    QByteArrayList fields(kQuestionCount);
    fields[1] = "\"\"";
    fields[3] = "\"Three\r\nlines\r\nhere\"";
    fields[4] = "\"caf\xE9, \x93quoted\x94\"";
    fields[76] = "\"the end\"";
    loadFile(program, dir, fields.join(',') + "\r\n");
    QCOMPARE(program.dialogs.calls.size(), 2); // nothing reported
    AnswerStore &store = answerStore();
    QVERIFY(!store.hasValue(1));
    QVERIFY(store.hasValue(2) && store.answerOf(2).isEmpty());
    QVERIFY(!store.hasValue(3));
    QCOMPARE(store.answerOf(4), QStringLiteral("Three\r\nlines\r\nhere"));
    QCOMPARE(store.answerOf(5), QString::fromUtf8("café, “quoted”"));
    QVERIFY(store.hasValue(10) && store.answerOf(10).isEmpty()); // empty field, always text
    QCOMPARE(store.answerOf(77), QStringLiteral("the end"));
    QVERIFY(!store.isAnswered(1));
}

void TestLoading::emptyStoreFileLoadsUnanswered()
{
    TestProgram program;
    program.startToMainMenu();
    // Childhood complete and marked before the load.
    for (int n = 1; n <= 10; ++n)
        answerStore().setAnswer(n, QStringLiteral("x"));
    Forms::show(kMain);
    QVERIFY(isShown(kMain, "cmdChildhood2"));

    QTemporaryDir dir;
    loadFile(program, dir, AnswerDataFile::write(AnswerDataFile::answersOf(AnswerStore())));
    int withValue = 0;
    for (int n = 1; n <= kQuestionCount; ++n) {
        QVERIFY(!answerStore().isAnswered(n));
        withValue += answerStore().hasValue(n) ? 1 : 0;
    }
    QCOMPARE(withValue, 11);
    // A marker once shown stays, even now that the section is empty again.
    Forms::show(kMain);
    QVERIFY(isShown(kMain, "cmdChildhood2"));
    QVERIFY(!isShown(kMain, "cmdChildhood"));
    QVERIFY(!isShown(kMain, "cmdHighSch2"));
}

void TestLoading::markersFollowAtNextActivation()
{
    TestProgram program;
    program.startToMainMenu();
    Answers answers;
    for (int n = 19; n <= 23; ++n) // the whole First Car section
        answers[n - 1] = QStringLiteral("car %1").arg(n);
    QTemporaryDir dir;
    loadFile(program, dir, AnswerDataFile::write(answers));
    QVERIFY(answerStore().isSectionComplete(SectionId::FirstCar));
    QVERIFY(!isShown(kMain, "cmdFirstCar2")); // the load itself refreshes nothing
    Forms::show(kMain);
    QVERIFY(isShown(kMain, "cmdFirstCar2"));
    QVERIFY(!isShown(kMain, "cmdFirstCar"));
    QVERIFY(!isShown(kMain, "cmdChildhood2"));
}

void TestLoading::pageShowsLoadedAnswerWhenShown()
{
    TestProgram program;
    Form *main = program.startToMainMenu();
    const QuestionInfo &q = QuestionCatalogue::question(1);
    const QString page = QString::fromLatin1(q.entryWindow), box = QString::fromLatin1(q.textBox);
    Answers answers;
    answers[0] = QStringLiteral("first line\r\nsecond \"line\"");
    QTemporaryDir dir;
    loadFile(program, dir, AnswerDataFile::write(answers));
    QVERIFY(Forms::navigate(main, page));
    auto *edit = program.child<QPlainTextEdit>(page, box);
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), QStringLiteral("first line\nsecond \"line\""));
}

void TestLoading::failureChangesNothing_data()
{
    // Each refusal leads with what the file is, in plain words (%1 is its name), then any detail.
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    const QString notAnswers = QStringLiteral("\"%1\" is not a Kinscribe answer file. ");
    QTest::newRow("robustness: no such file") << "missing" << "\"%1\" does not exist.";
    QTest::newRow("robustness: empty") << "empty" << "\"%1\" is empty.";
    QTest::newRow("robustness: too short")
        << "short" << "\"%1\" does not look like a Kinscribe answer file: it holds 40 fields, an answer file holds 77.";
    QTest::newRow("robustness: one field")
        << "one" << "\"%1\" does not look like a Kinscribe answer file: it holds 1 field, an answer file holds 77.";
    QTest::newRow("robustness: unclosed quote")
        << "unclosed" << "\"%1\" is cut short. It ends inside answer 77, whose closing double quote is missing.";
    QTest::newRow("robustness: a folder") << "folder" << "\"%1\" is a folder, not a file.";
    QTest::newRow("robustness: a named pipe nobody writes to") << "pipe" << "\"%1\" is a named pipe, not a file.";
    QTest::newRow("robustness: a device without end") << "device" << "\"%1\" is a device, not a file.";
    QTest::newRow("robustness: a program binary") << "binary" << notAnswers + "It holds binary data (character code 127 outside any answer).";
    QTest::newRow("robustness: UTF-16 without a mark") << "utf16" << notAnswers + "It holds binary data (character code 0 outside any answer).";
    QTest::newRow("robustness: invalid UTF-8 after a mark")
        << "badutf8" << notAnswers + "It begins with the mark of UTF-8 text, but what follows is not valid UTF-8.";
    QTest::newRow("robustness: larger than 64 MiB") << "huge" << notAnswers + "It is larger than 64 MiB, far larger than any answer file.";
    QTest::newRow("robustness: unreadable") << "unreadable" << "You are not allowed to read \"%1\".";
}

void TestLoading::failureChangesNothing()
{
    QFETCH(QString, how);
    QFETCH(QString, reason);
    TestProgram program;
    program.startToMainMenu();
    typeSomeAnswers();
    const Answers before = currentAnswers();
    QTemporaryDir dir;
    const bool special = how == QLatin1String("folder") || how == QLatin1String("pipe") || how == QLatin1String("device");
    const QString path = special ? notAFile(how, dir.path()) : dir.filePath("bad.dat");
    QVERIFY(!path.isEmpty());
    // The first fields are sound, so a reader that stores as it goes would change answers.
    const QByteArray soundStart = "\"loaded 1\",\"loaded 2\",,,,,,,,\"loaded 10\"";
    const QByteArray soundRecord = soundStart + QByteArray(67, ',') + "\r\n";
    if (how == QLatin1String("binary"))
        QVERIFY(writeBytes(path, soundStart + QByteArray("\x7F" "ELF\x02\x01\x01\0\0", 9) + QByteArray(70, ',')));
    else if (how == QLatin1String("utf16"))
        QVERIFY(writeBytes(path, QByteArray(reinterpret_cast<const char *>(QString::fromLatin1(soundRecord).utf16()), soundRecord.size() * 2)));
    else if (how == QLatin1String("badutf8"))
        QVERIFY(writeBytes(path, "\xEF\xBB\xBF" + soundStart + ",\"caf\xE9\"" + QByteArray(66, ',') + "\r\n"));
    else if (how == QLatin1String("short"))
        QVERIFY(writeBytes(path, soundStart + QByteArray(30, ',') + "\r\n"));
    else if (how == QLatin1String("empty"))
        QVERIFY(writeBytes(path, ""));
    else if (how == QLatin1String("one"))
        QVERIFY(writeBytes(path, "\"just one\"\r\n"));
    else if (how == QLatin1String("unclosed"))
        QVERIFY(writeBytes(path, soundStart + QByteArray(67, ',') + "\"never closed\r\n"));
    else if (how == QLatin1String("huge") || how == QLatin1String("unreadable"))
        QVERIFY(writeBytes(path, soundRecord, how == QLatin1String("huge") ? AnswerDataFile::kMaxFileSize + 1 : -1));

    program.dialogs.answer(MessageAnswer::Yes).answerFile(path).answer(MessageAnswer::Ok);
    if (how == QLatin1String("unreadable")) {
        NoPermission guard(dir.path());
        program.click(kMain, "cmdLoad");
    } else {
        program.click(kMain, "cmdLoad");
    }
    QCOMPARE(program.dialogs.calls.size(), 3);
    const DialogCall &report = program.dialogs.calls[2];
    QCOMPARE(report.kind, DialogCall::Message);
    QCOMPARE(report.title, QStringLiteral("Kinscribe"));
    QCOMPARE(report.request, MessageRequest{MessageIcon::Exclamation});
    QCOMPARE(report.text, reason.arg(QFileInfo(path).fileName()) + QStringLiteral("\n\nNo answer was changed."));
    QCOMPARE(currentAnswers(), before);
}

void TestLoading::fieldsBeyond77AreNamed_data()
{
    QTest::addColumn<int>("fields");
    QTest::newRow("robustness: 78 fields") << 78;
    QTest::newRow("robustness: 500 fields") << 500;
}

void TestLoading::fieldsBeyond77AreNamed()
{
    QFETCH(int, fields);
    TestProgram program;
    program.startToMainMenu();
    QByteArrayList record;
    for (int n = 1; n <= fields; ++n)
        record << "\"field " + QByteArray::number(n) + '"';
    QTemporaryDir dir;
    const QString path = loadFile(program, dir, record.join(',') + "\r\n", MessageAnswer::Ok);
    QCOMPARE(answerStore().answerOf(1), QStringLiteral("field 1"));
    QCOMPARE(answerStore().answerOf(77), QStringLiteral("field 77"));
    QCOMPARE(program.dialogs.calls.size(), 3);
    const DialogCall &notice = program.dialogs.calls[2];
    QCOMPARE(notice.request, MessageRequest{MessageIcon::Information});
    QVERIFY2(notice.text.startsWith("The answers were loaded from \"" + path + "\".\n\n"), qPrintable(notice.text));
    QVERIFY2(notice.text.contains(QStringLiteral("holds %1 fields").arg(fields)), qPrintable(notice.text));
    QVERIFY2(notice.text.contains(QStringLiteral("the other %1 were ignored").arg(fields - 77)), qPrintable(notice.text));
}

void TestLoading::roundTripThroughSave()
{
    Answers saved;
    {
        TestProgram program;
        const QStringList shapes = {QString(""), QStringLiteral("   "), QStringLiteral("a\r\nb\r\n"),
                                    QStringLiteral("\"quoted\", with commas"), QString::fromUtf8("Жизнь 😀"),
                                    QStringLiteral("many words ").repeated(10 * 1024)};
        for (int n = 1; n <= kQuestionCount; ++n) {
            if (n % 7 != 0)
                answerStore().setAnswer(n, shapes[n % shapes.size()]);
        }
        saved = currentAnswers();
        TextEditor *editor = openEditorFromMainMenu(program);
        QTemporaryDir dir;
        dir.setAutoRemove(false);
        saveAs(program, editor, dir.filePath("Story.rtf"));
        QVERIFY(QFile::exists(dir.filePath("Story.dat")));
        qputenv("KINSCRIBE_TEST_SAVED", dir.filePath("Story.dat").toUtf8());
    }
    // A later run: a fresh store, the same file.
    const QString path = QString::fromUtf8(qgetenv("KINSCRIBE_TEST_SAVED"));
    TestProgram program;
    program.startToMainMenu();
    QVERIFY(currentAnswers() != saved);
    program.dialogs.answer(MessageAnswer::Yes).answerFile(path);
    program.click(kMain, "cmdLoad");
    QCOMPARE(currentAnswers(), saved);
    QDir(QFileInfo(path).path()).removeRecursively();
}

QTEST_MAIN(TestLoading)
#include "tst_loading.moc"
