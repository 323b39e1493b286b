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

// The main menu, with a few answers already typed in this run so that a load that changes
// nothing shows; gives the answers.
Answers startWithSomeAnswers(TestProgram &program)
{
    program.startToMainMenu();
    answerStore().setAnswer(1, QStringLiteral("typed before"));
    answerStore().setAnswer(2, QString(""));
    answerStore().setAnswer(10, QStringLiteral("always text, typed"));
    return currentAnswers();
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

class TestLoading : public ProgramTest {
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
    const Answers before = startWithSomeAnswers(program);
    program.dialogs.answer(answer);
    program.click(kMain, "cmdLoad");
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isConfirmation(program.dialogs.calls[0]));
    QCOMPARE(currentAnswers(), before);
    QVERIFY(program.dialogs.unexpected.isEmpty());
}

void TestLoading::cancelInOpenDialog()
{
    const Answers before = startWithSomeAnswers(program);
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
    program.startToMainMenu();
    program.dialogs.answer(MessageAnswer::No);
    program.click(kMain, "lblLoad");
    QCOMPARE(program.dialogs.calls.size(), 1);
    QVERIFY(isConfirmation(program.dialogs.calls[0]));
}

void TestLoading::replacesEveryAnswer()
{
    startWithSomeAnswers(program);
    answerStore().setAnswer(3, QStringLiteral("typed, not in the file"));
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
    program.startToMainMenu();
    // Childhood complete and marked before the load.
    for (int n = 1; n <= 10; ++n)
        answerStore().setAnswer(n, QStringLiteral("x"));
    Forms::show(kMain);
    QVERIFY(isShown(kMain, "cmdChildhood2"));

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
    program.startToMainMenu();
    Answers answers;
    for (int n = 19; n <= 23; ++n) // the whole First Car section
        answers[n - 1] = QStringLiteral("car %1").arg(n);
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
    Form *main = program.startToMainMenu();
    const QuestionInfo &q = QuestionCatalogue::question(1);
    const QString page = QString::fromLatin1(q.entryWindow), box = QString::fromLatin1(q.textBox);
    Answers answers;
    answers[0] = QStringLiteral("first line\r\nsecond \"line\"");
    loadFile(program, dir, AnswerDataFile::write(answers));
    QVERIFY(Forms::navigate(main, page));
    auto *edit = program.child<QPlainTextEdit>(page, box);
    QVERIFY(edit);
    QCOMPARE(edit->toPlainText(), QStringLiteral("first line\nsecond \"line\""));
}

void TestLoading::failureChangesNothing_data()
{
    // Each refusal leads with what the file is, in plain words (%1 is its name), then any detail.
    QTest::addColumn<QString>("how"); // "file": `bytes` written, `size` long; or "missing", or no regular file
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason");
    const QString notAnswers = QStringLiteral("\"%1\" is not a Kinscribe answer file. ");
    // The first fields are sound, so a reader that stores as it goes would change answers.
    const QByteArray sound = "\"loaded 1\",\"loaded 2\",,,,,,,,\"loaded 10\"";
    const QByteArray record = sound + QByteArray(67, ',') + "\r\n";
    const QByteArray utf16(reinterpret_cast<const char *>(QString::fromLatin1(record).utf16()), record.size() * 2);
    const qint64 asWritten = -1;
    QTest::newRow("robustness: no such file") << "missing" << QByteArray() << asWritten << "\"%1\" does not exist.";
    QTest::newRow("robustness: empty") << "file" << QByteArray("") << asWritten << "\"%1\" is empty.";
    QTest::newRow("robustness: too short") << "file" << sound + QByteArray(30, ',') + "\r\n" << asWritten
        << "\"%1\" does not look like a Kinscribe answer file: it holds 40 fields, an answer file holds 77.";
    QTest::newRow("robustness: one field") << "file" << QByteArray("\"just one\"\r\n") << asWritten
        << "\"%1\" does not look like a Kinscribe answer file: it holds 1 field, an answer file holds 77.";
    QTest::newRow("robustness: unclosed quote") << "file" << sound + QByteArray(67, ',') + "\"never closed\r\n" << asWritten
        << "\"%1\" is cut short. It ends inside answer 77, whose closing double quote is missing.";
    QTest::newRow("robustness: a folder") << "folder" << QByteArray() << asWritten << "\"%1\" is a folder, not a file.";
    QTest::newRow("robustness: a named pipe nobody writes to") << "pipe" << QByteArray() << asWritten
        << "\"%1\" is a named pipe, not a file.";
    QTest::newRow("robustness: a device without end") << "device" << QByteArray() << asWritten << "\"%1\" is a device, not a file.";
    QTest::newRow("robustness: a program binary") << "file" << sound + QByteArray("\x7F" "ELF\x02\x01\x01\0\0", 9) + QByteArray(70, ',')
        << asWritten << notAnswers + "It holds binary data (character code 127 outside any answer).";
    QTest::newRow("robustness: UTF-16 without a mark") << "file" << utf16 << asWritten
        << notAnswers + "It holds binary data (character code 0 outside any answer).";
    QTest::newRow("robustness: invalid UTF-8 after a mark") << "file" << "\xEF\xBB\xBF" + sound + ",\"caf\xE9\"" + QByteArray(66, ',') + "\r\n"
        << asWritten << notAnswers + "It begins with the mark of UTF-8 text, but what follows is not valid UTF-8.";
    QTest::newRow("robustness: larger than 64 MiB") << "file" << record << AnswerDataFile::kMaxFileSize + 1
        << notAnswers + "It is larger than 64 MiB, far larger than any answer file.";
    QTest::newRow("robustness: unreadable") << "unreadable" << record << asWritten << "You are not allowed to read \"%1\".";
}

void TestLoading::failureChangesNothing()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    const Answers before = startWithSomeAnswers(program);
    const bool special = how == QLatin1String("folder") || how == QLatin1String("pipe") || how == QLatin1String("device");
    const QString path = special ? notAFile(how, dir.path()) : dir.filePath("bad.dat");
    QVERIFY(!path.isEmpty());
    if (how == QLatin1String("file") || how == QLatin1String("unreadable"))
        QVERIFY(writeBytes(path, bytes, size));

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
    program.startToMainMenu();
    QByteArrayList record;
    for (int n = 1; n <= fields; ++n)
        record << "\"field " + QByteArray::number(n) + '"';
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
    const QStringList shapes = {QString(""), QStringLiteral("   "), QStringLiteral("a\r\nb\r\n"),
                                QStringLiteral("\"quoted\", with commas"), QString::fromUtf8("Жизнь 😀"),
                                QStringLiteral("many words ").repeated(10 * 1024)};
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (n % 7 != 0)
            answerStore().setAnswer(n, shapes[n % shapes.size()]);
    }
    const Answers saved = currentAnswers();
    saveAs(program, openEditorFromMainMenu(program), dir.filePath("Story.rtf"));
    QVERIFY(QFile::exists(dir.filePath("Story.dat")));
    // A later run: a fresh store, the same file.
    restartProgram();
    program.startToMainMenu();
    QVERIFY(currentAnswers() != saved);
    const QString path = dir.filePath("Story.dat");
    program.dialogs.answer(MessageAnswer::Yes).answerFile(path);
    program.click(kMain, "cmdLoad");
    QCOMPARE(currentAnswers(), saved);
}

QTEST_MAIN(TestLoading)
#include "tst_loading.moc"
