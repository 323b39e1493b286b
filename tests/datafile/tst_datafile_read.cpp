// Reading answer data files: older formats, what is refused, Unicode marks, extra fields,
// and files that cannot be read.
#include "datafile_records.h"

#include "fs_faults.h"

#include <QStringEncoder>
#include <QTest>

namespace {
QByteArray utf8WithBom(const QString &s) { return QByteArrayLiteral("\xEF\xBB\xBF") + s.toUtf8(); }

// A record of `count` fields, field n holding "n".
QByteArray recordOf(int count)
{
    QByteArrayList fields;
    for (int n = 1; n <= count; ++n)
        fields << '"' + QByteArray::number(n) + '"';
    return fields.join(',') + "\r\n";
}

QByteArray encoded(const QByteArray &utf8, QStringConverter::Encoding encoding, bool mark)
{
    QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder(QString::fromUtf8(utf8));
}
} // namespace

class TestDataFileRead : public TempDirTest {
    Q_OBJECT
private slots:
    void oldFormat_data();
    void oldFormat();
    void rejected_data();
    void rejected();
    void notAnswerData_data();
    void notAnswerData();
    void unicodeMarks_data();
    void unicodeMarks();
    void moreThan77Fields_data();
    void moreThan77Fields();
    void readFileFailures();
    void readFileFromDisk();
};

void TestDataFileRead::oldFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("nominal: empty-store line") << kEmptyStoreLine + "\r\n" << 10 << Answer("");
    QTest::newRow("nominal: three-line answer") << recordWith(3, "\"x\r\ny\r\nz\"") << 3 << Answer("x\r\ny\r\nz");
    QTest::newRow("nominal: ANSI bytes") << recordWith(2, "\"\x93Hi\x94 caf\xE9 \x80\"") << 2 << Answer(QString::fromUtf8("“Hi” café €"));
    QTest::newRow("nominal: no line end after the record") << recordWith(77, "\"last\"").chopped(2) << 77 << Answer("last");
    QTest::newRow("nominal: anything after field 77 ignored") << recordWith(77, "\"z\"") + "junk,\"more\r\n" << 77 << Answer("z");
    QTest::newRow("nominal: UTF-8 behind a byte order mark") << utf8WithBom(QString::fromUtf8(recordWith(1, "\"Ёж 😀\"")))
                                                             << 1 << Answer(QString::fromUtf8("Ёж 😀"));
    QTest::newRow("robustness: unquoted text runs to the comma") << recordWith(4, "plain words") << 4 << Answer("plain words");
    QTest::newRow("robustness: bare quote inside, as older versions wrote it")
        << recordWith(5, "\"He said \"hi\" there\"") << 5 << Answer("He said ");
    QTest::newRow("robustness: fields on several lines")
        << QByteArray("\"a\"\r\n\"b\"\n\"c\"\r") + recordWith(0, "").mid(3) << 3 << Answer("c");
    QTest::newRow("robustness: UTF-8 without a mark read as ANSI") << recordWith(1, "\"\xC3\xA9\"") << 1 << Answer(QString::fromUtf8("Ã©"));
}

void TestDataFileRead::oldFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    QFETCH(Answer, answer);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE((*result.answers)[number - 1], answer);
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (n != number && n > 3)
            QVERIFY2(!(*result.answers)[n - 1] || (*result.answers)[n - 1]->isEmpty(), qPrintable(QString::number(n)));
    }
}

void TestDataFileRead::rejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString shortOf = QStringLiteral("The file does not look like a Kinscribe answer file: it holds %1 fields, an answer file holds 77.");
    const QString empty = QStringLiteral("The file is empty.");
    QTest::newRow("robustness: empty file") << QByteArray() << empty;
    QTest::newRow("robustness: only a line end") << QByteArray("\r\n") << empty;
    QTest::newRow("robustness: only spaces and line ends") << QByteArray(" \r\n\t\n") << empty;
    QTest::newRow("robustness: one field") << QByteArray("\"one\"\r\n")
                                           << QStringLiteral("The file does not look like a Kinscribe answer file: it holds 1 field, an answer file holds 77.");
    QTest::newRow("robustness: 76 fields") << QByteArray(75, ',') + "\r\n" << shortOf.arg(76);
    QTest::newRow("robustness: trailing comma at the end of the file") << QByteArray(76, ',') << shortOf.arg(76);
    QTest::newRow("robustness: a document, not a data file") << QByteArray("{\\rtf1\\ansi Hello, world}") << shortOf.arg(2);
    QTest::newRow("robustness: unclosed quote") << QByteArray(9, ',') + "\"never closed,,,,\r\n"
                                                << QStringLiteral("The file is cut short. It ends inside answer 10, whose closing double quote is missing.");
    QTest::newRow("robustness: byte order mark alone") << QByteArray("\xEF\xBB\xBF") << empty;
}

void TestDataFileRead::rejected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY(!result.ok());
    QCOMPARE(result.error(), error);
}

void TestDataFileRead::notAnswerData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString binary = QStringLiteral("The file is not a Kinscribe answer file. It holds binary data (character code %1 outside any answer).");
    const QString badMark = QStringLiteral("The file is not a Kinscribe answer file. It begins with the mark of %1 text, but what follows is not valid %1.");
    QByteArray random(4096, Qt::Uninitialized);
    quint32 seed = 19;
    for (char &b : random)
        b = char((seed = seed * 1103515245u + 12345u) >> 23);
    QTest::newRow("robustness: program binary") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0,\0", 11) + QByteArray(80, ',')
                                                << binary.arg(127);
    QTest::newRow("robustness: random bytes") << random << binary.left(binary.indexOf(QLatin1Char('%')));
    QTest::newRow("robustness: NUL as a whole field") << recordWith(3, QByteArray(1, '\0')) << binary.arg(0);
    QTest::newRow("robustness: form feed after a closing quote") << recordWith(2, "\"ok\"\f") << binary.arg(12);
    QTest::newRow("robustness: NUL bytes after field 77") << recordWith(77, "\"z\"") + QByteArray(64, '\0') << binary.arg(0);
    QTest::newRow("robustness: UTF-16 without a mark") << encoded(recordOf(77), QStringConverter::Utf16LE, false) << binary.arg(0);
    QTest::newRow("robustness: invalid UTF-8 after a mark") << utf8WithBom(QString()) + recordWith(1, "\"caf\xE9\"") << badMark.arg("UTF-8");
    QTest::newRow("robustness: UTF-16 mark, odd length") << encoded(recordOf(77), QStringConverter::Utf16LE, true) + 'x'
                                                         << badMark.arg("UTF-16");
    QTest::newRow("robustness: UTF-16 mark, lone surrogate") << QByteArray("\xFE\xFF\0\"\xD8\x00\0\"", 8) + QByteArray(152, '\0')
                                                             << badMark.arg("UTF-16");
    QTest::newRow("robustness: UTF-32 mark, beyond Unicode") << QByteArray("\xFF\xFE\0\0\0\0\x11\0", 8) << badMark.arg("UTF-32");
}

void TestDataFileRead::notAnswerData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY(!result.ok());
    QVERIFY2(result.error().startsWith(error), qPrintable(result.error()));
}

void TestDataFileRead::unicodeMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray record = recordWith(5, "\"\xD0\x81\xD0\xB6, \"\"x\"\"\r\n\xF0\x9F\x98\x80\"");
    QTest::newRow("nominal: UTF-16 little-endian") << encoded(record, QStringConverter::Utf16LE, true);
    QTest::newRow("nominal: UTF-16 big-endian") << encoded(record, QStringConverter::Utf16BE, true);
    QTest::newRow("nominal: UTF-32 little-endian") << encoded(record, QStringConverter::Utf32LE, true);
    QTest::newRow("nominal: UTF-32 big-endian") << encoded(record, QStringConverter::Utf32BE, true);
}

void TestDataFileRead::unicodeMarks()
{
    QFETCH(QByteArray, bytes);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE((*result.answers)[4], Answer(QString::fromUtf8("Ёж, \"x\"\r\n😀")));
    QCOMPARE((*result.answers)[5], std::nullopt);
}

void TestDataFileRead::moreThan77Fields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fields"); // that the notice counts; 0: no notice
    QTest::newRow("nominal: 77 fields, empty lines after") << recordOf(77) + "\r\n\n\r\n" << 0;
    QTest::newRow("nominal: 78 fields") << recordOf(78) << 78;
    QTest::newRow("nominal: 500 fields") << recordOf(500) << 500;
    QTest::newRow("robustness: a comma after field 77") << recordOf(77).chopped(2) + ",\r\n" << 78;
    QTest::newRow("robustness: a second record") << recordOf(77) + recordOf(77) << 154;
    QTest::newRow("robustness: unclosed quote after field 77") << recordOf(77) + "x,\"open,\r\n" << 79;
}

void TestDataFileRead::moreThan77Fields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE((*result.answers)[0], Answer("1"));
    QCOMPARE((*result.answers)[76], Answer("77"));
    const QString notice = fields == 0 ? QString()
                                       : QStringLiteral("The file holds %1 fields, more than an answer data file: the first 77 "
                                                        "were read as the answers and the other %2 were ignored.")
                                             .arg(fields)
                                             .arg(fields - 77);
    QCOMPARE(result.notice, notice);
}

void TestDataFileRead::readFileFailures()
{
    // Missing, a folder, too large on disk, too large without a size, unreadable.
    QVERIFY(!AnswerDataFile::readFile(dir.filePath("missing.dat")).ok());
    QCOMPARE(AnswerDataFile::readFile(dir.filePath("missing.dat")).error(), QStringLiteral("\"missing.dat\" does not exist."));
    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    QVERIFY(!AnswerDataFile::readFile(dir.filePath("folder.dat")).ok());

    const QString huge = dir.filePath("huge.dat");
    QVERIFY(writeBytes(huge, kEmptyStoreLine + "\r\n", AnswerDataFile::kMaxFileSize + 1));
    const auto tooBig = AnswerDataFile::readFile(huge);
    QVERIFY(!tooBig.ok());
    QCOMPARE(tooBig.error(), QStringLiteral("\"huge.dat\" is not a Kinscribe answer file. It is larger than 64 MiB, far larger than any answer file."));
    QCOMPARE(AnswerDataFile::readFile(QStringLiteral("/dev/zero")).error(), QStringLiteral("\"zero\" is a device, not a file."));

    const QString locked = dir.filePath("locked.dat");
    QVERIFY(writeBytes(locked, kEmptyStoreLine + "\r\n"));
    {
        NoPermission guard(dir.path());
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const auto result = AnswerDataFile::readFile(locked);
        QVERIFY(!result.ok());
        QCOMPARE(result.error(), QStringLiteral("You are not allowed to read \"locked.dat\"."));
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(AnswerDataFile::readFile(locked).ok());
}

void TestDataFileRead::readFileFromDisk()
{
    const QString path = dir.filePath("story.dat");
    Answers answers = freshAnswers();
    answers[20] = QStringLiteral("Ford, 1957");
    QVERIFY(writeBytes(path, AnswerDataFile::write(answers)));
    const auto result = AnswerDataFile::readFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(*result.answers, answers);
    // Exactly at the limit is still read; one byte more is not.
    QByteArray atLimit = AnswerDataFile::write(answers);
    atLimit.resize(AnswerDataFile::kMaxFileSize, ' ');
    QVERIFY(AnswerDataFile::read(atLimit).ok());
    atLimit.append(' ');
    QVERIFY(!AnswerDataFile::read(atLimit).ok());
}

QTEST_GUILESS_MAIN(TestDataFileRead)
#include "tst_datafile_read.moc"
