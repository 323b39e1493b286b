#include "document/datafile/answer_data_file.h"
#include "text/windows1252.h"
#include "fs_faults.h"
#include "questionnaire/answer_store.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using AnswerDataFile::Answers;

namespace {
constexpr int kAlwaysText[] = {10, 18, 23, 26, 33, 44, 51, 60, 67, 72, 77};

// The record of a store in which nothing was ever set, field by field.
const QByteArray kEmptyStoreLine = QByteArrayLiteral(
    ",,,,,,,,,\"\"" ",,,,,,,,\"\"" ",,,,,\"\"" ",,,\"\"" ",,,,,,,\"\"" ",,,,,,,,,,,\"\""
    ",,,,,,,\"\"" ",,,,,,,,,\"\"" ",,,,,,,\"\"" ",,,,,\"\"" ",,,,,\"\"");

Answers freshAnswers() { return AnswerDataFile::answersOf(AnswerStore()); }

// A record whose field `number` is `field` and every other field is empty.
QByteArray recordWith(int number, const QByteArray &field)
{
    QByteArrayList fields;
    for (int n = 1; n <= kQuestionCount; ++n)
        fields << (n == number ? field : QByteArray());
    return fields.join(',') + "\r\n";
}

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

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreLine();
    void writtenField_data();
    void writtenField();
    void wholeFileWithSeveralAnswers();
    void roundTrip_data();
    void roundTrip();
    void everyFieldAtOnce();
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
    void dataFileName_data();
    void dataFileName();
    void codePage();
    void storeBridge();
};

void TestDataFile::emptyStoreLine()
{
    QCOMPARE(kEmptyStoreLine.size(), 98);
    const QByteArray bytes = AnswerDataFile::write(freshAnswers());
    QCOMPARE(bytes, kEmptyStoreLine + "\r\n");
    QVERIFY(bytes.startsWith(",,,,,,,,,\"\",") && bytes.endsWith(",\"\"\r\n"));
    // Reading it back gives no value to the 66 and the empty text to the 11.
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    for (int n = 1; n <= kQuestionCount; ++n) {
        const bool alwaysText = std::find(std::begin(kAlwaysText), std::end(kAlwaysText), n) != std::end(kAlwaysText);
        QCOMPARE((*result.answers)[n - 1], alwaysText ? std::optional<QString>(QString("")) : std::nullopt);
    }
}

void TestDataFile::writtenField_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("nominal: words") << "A fireman" << QByteArray("\"A fireman\"") << false;
    QTest::newRow("nominal: empty text is two quotes") << "" << QByteArray("\"\"") << false;
    QTest::newRow("nominal: three lines keep their CR LF") << "one\r\ntwo\r\nthree"
                                                           << QByteArray("\"one\r\ntwo\r\nthree\"") << false;
    QTest::newRow("nominal: commas need no escape") << "red, white, blue" << QByteArray("\"red, white, blue\"") << false;
    QTest::newRow("nominal: spaces kept") << "  " << QByteArray("\"  \"") << false;
    QTest::newRow("nominal: Windows-1252 letters") << QString::fromUtf8("café “ok” €5 – ÿ")
                                                   << QByteArray("\"caf\xE9 \x93ok\x94 \x80" "5 \x96 \xFF\"") << false;
    QTest::newRow("robustness: quote doubled") << "He said \"hi\"" << QByteArray("\"He said \"\"hi\"\"\"") << false;
    QTest::newRow("robustness: lone quote") << "\"" << QByteArray("\"\"\"\"") << false;
    QTest::newRow("robustness: quote then comma") << "\",\"" << QByteArray("\"\"\",\"\"\"") << false;
    QTest::newRow("robustness: lone LF kept") << "a\nb" << QByteArray("\"a\nb\"") << false;
    QTest::newRow("robustness: lone CR kept") << "a\rb\r" << QByteArray("\"a\rb\r\"") << false;
    QTest::newRow("robustness: tab and control characters kept")
        << QString::fromLatin1("a\tb\x01\x1F\x7F") << QByteArray("\"a\tb\x01\x1F\x7F\"") << false;
    QTest::newRow("robustness: Cyrillic and emoji need UTF-8")
        << QString::fromUtf8("Привет 😀") << QByteArray("\"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xF0\x9F\x98\x80\"")
        << true;
    QTest::newRow("robustness: C1 control 0x80 is not in the code page")
        << QString(QChar(0x80)) << QByteArray("\"\xC2\x80\"") << true;
}

void TestDataFile::writtenField()
{
    QFETCH(QString, answer);
    QFETCH(QByteArray, field);
    QFETCH(bool, utf8);
    Answers answers;
    answers[4] = answer;
    const QByteArray record = recordWith(5, field);
    const QByteArray expected = utf8 ? QByteArrayLiteral("\xEF\xBB\xBF") + record : record;
    QCOMPARE(AnswerDataFile::write(answers), expected);
}

void TestDataFile::wholeFileWithSeveralAnswers()
{
    Answers answers = freshAnswers();
    answers[0] = QStringLiteral("Line 1\r\nLine 2");
    answers[1] = QString("");
    answers[76] = QStringLiteral("The end, \"really\"");
    const QByteArray expected = "\"Line 1\r\nLine 2\",\"\"" + kEmptyStoreLine.mid(1, kEmptyStoreLine.size() - 3)
                                + "\"The end, \"\"really\"\"\"\r\n";
    QCOMPARE(AnswerDataFile::write(answers), expected);
    // A file name with Cyrillic and an emoji: the bytes on disk are those written.
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromUtf8("Папа 😀.dat"));
    QVERIFY(writeBytes(path, expected));
    const auto result = AnswerDataFile::readFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(*result.answers, answers);
}

void TestDataFile::roundTrip_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<std::optional<QString>>("readBack");
    auto row = [](const char *name, std::optional<QString> a, std::optional<QString> b) {
        QTest::newRow(name) << a << b;
    };
    auto same = [&](const char *name, std::optional<QString> a) { row(name, a, a); };
    same("nominal: no value", std::nullopt);
    same("nominal: empty text", QString(""));
    same("nominal: words", QStringLiteral("Grew up on a farm"));
    same("nominal: only spaces", QStringLiteral("   "));
    same("nominal: CR LF lines", QStringLiteral("a\r\nb\r\n\r\nc"));
    same("nominal: only line breaks", QStringLiteral("\r\n\r\n"));
    same("nominal: commas", QStringLiteral(",a,,b,"));
    same("nominal: Windows-1252", QString::fromUtf8("Zoë’s “café” — €"));
    same("robustness: quotes", QStringLiteral("\"quoted\" and \"\" doubled"));
    same("robustness: only a quote", QStringLiteral("\""));
    same("robustness: quote at both ends", QStringLiteral("\"x\""));
    same("robustness: quote before line end", QStringLiteral("say \"\r\nnext"));
    same("robustness: Cyrillic and emoji", QString::fromUtf8("Привет, мир 😀\r\nдва"));
    same("robustness: tab and NUL", QString::fromUtf16(u"a\tb\0c", 5));
    same("robustness: undefined code page bytes", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    same("robustness: 100 KB answer", QString(100 * 1024, QLatin1Char('x')) + QStringLiteral("\r\nend"));
    same("robustness: 100 KB of quotes and commas", QStringLiteral("\",").repeated(50 * 1024));
    same("robustness: lone LF and lone CR read back as they were", QStringLiteral("a\nb\rc"));
}

void TestDataFile::roundTrip()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(std::optional<QString>, readBack);
    // The shape in every position: first, middle, an always-text question and the last.
    for (int n : {1, 40, 44, 77}) {
        Answers answers = freshAnswers();
        answers[n - 1] = answer;
        const auto result = AnswerDataFile::read(AnswerDataFile::write(answers));
        QVERIFY2(result.ok(), qPrintable(result.error));
        Answers expected = answers;
        expected[n - 1] = readBack;
        const bool alwaysText = std::find(std::begin(kAlwaysText), std::end(kAlwaysText), n) != std::end(kAlwaysText);
        if (alwaysText && !readBack)
            expected[n - 1] = std::nullopt; // written as an empty field; the store makes it ""
        QCOMPARE(*result.answers, expected);
    }
}

void TestDataFile::everyFieldAtOnce()
{
    Answers answers;
    for (int n = 1; n <= kQuestionCount; ++n) {
        switch (n % 5) {
        case 0: answers[n - 1] = std::nullopt; break;
        case 1: answers[n - 1] = QString(""); break;
        case 2: answers[n - 1] = QStringLiteral("\"%1\",\r\n").arg(n); break;
        case 3: answers[n - 1] = QString::fromUtf8("ответ %1 😀").arg(n); break;
        default: answers[n - 1] = QStringLiteral(" %1 ").arg(n); break;
        }
    }
    const QByteArray bytes = AnswerDataFile::write(answers);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(*AnswerDataFile::read(bytes).answers, answers);
}

void TestDataFile::oldFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("number");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::newRow("nominal: empty-store line") << kEmptyStoreLine + "\r\n" << 10 << std::optional<QString>(QString(""));
    QTest::newRow("nominal: three-line answer") << recordWith(3, "\"x\r\ny\r\nz\"") << 3
                                                << std::optional<QString>(QStringLiteral("x\r\ny\r\nz"));
    QTest::newRow("nominal: ANSI bytes") << recordWith(2, "\"\x93Hi\x94 caf\xE9 \x80\"") << 2
                                         << std::optional<QString>(QString::fromUtf8("“Hi” café €"));
    QTest::newRow("nominal: no line end after the record") << recordWith(77, "\"last\"").chopped(2) << 77
                                                            << std::optional<QString>(QStringLiteral("last"));
    QTest::newRow("nominal: anything after field 77 ignored") << recordWith(77, "\"z\"") + "junk,\"more\r\n" << 77
                                                               << std::optional<QString>(QStringLiteral("z"));
    QTest::newRow("nominal: UTF-8 behind a byte order mark") << utf8WithBom(QString::fromUtf8(recordWith(1, "\"Ёж 😀\"")))
                                                             << 1 << std::optional<QString>(QString::fromUtf8("Ёж 😀"));
    QTest::newRow("robustness: unquoted text runs to the comma") << recordWith(4, "plain words") << 4
                                                                  << std::optional<QString>(QStringLiteral("plain words"));
    QTest::newRow("robustness: bare quote inside, as older versions wrote it")
        << recordWith(5, "\"He said \"hi\" there\"") << 5 << std::optional<QString>(QStringLiteral("He said "));
    QTest::newRow("robustness: fields on several lines")
        << QByteArray("\"a\"\r\n\"b\"\n\"c\"\r") + recordWith(0, "").mid(3) << 3 << std::optional<QString>(QStringLiteral("c"));
    QTest::newRow("robustness: UTF-8 without a mark read as ANSI") << recordWith(1, "\"\xC3\xA9\"") << 1
                                                                    << std::optional<QString>(QString::fromUtf8("Ã©"));
}

void TestDataFile::oldFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, number);
    QFETCH(std::optional<QString>, answer);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE((*result.answers)[number - 1], answer);
    for (int n = 1; n <= kQuestionCount; ++n) {
        if (n != number && n > 3)
            QVERIFY2(!(*result.answers)[n - 1] || (*result.answers)[n - 1]->isEmpty(), qPrintable(QString::number(n)));
    }
}

void TestDataFile::rejected_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString shortOf = QStringLiteral("It holds %1 of the 77 answers of an answer data file.");
    QTest::newRow("robustness: empty file") << QByteArray() << shortOf.arg(0);
    QTest::newRow("robustness: only a line end") << QByteArray("\r\n") << shortOf.arg(1);
    QTest::newRow("robustness: 76 fields") << QByteArray(75, ',') + "\r\n" << shortOf.arg(76);
    QTest::newRow("robustness: trailing comma at the end of the file") << QByteArray(76, ',') << shortOf.arg(76);
    QTest::newRow("robustness: a document, not a data file") << QByteArray("{\\rtf1\\ansi Hello, world}") << shortOf.arg(2);
    QTest::newRow("robustness: unclosed quote") << QByteArray(9, ',') + "\"never closed,,,,\r\n"
                                                << QStringLiteral("The file ends inside answer 10, whose closing double quote is missing.");
    QTest::newRow("robustness: byte order mark alone") << QByteArray("\xEF\xBB\xBF") << shortOf.arg(0);
}

void TestDataFile::rejected()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY(!result.ok());
    QCOMPARE(result.error, error);
}

void TestDataFile::notAnswerData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString binary = QStringLiteral("It holds binary data (character code %1 outside any answer), so it is not an answer data file.");
    const QString badMark = QStringLiteral("It begins with the mark of %1 text, but what follows is not valid %1.");
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

void TestDataFile::notAnswerData()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY(!result.ok());
    QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
}

void TestDataFile::unicodeMarks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray record = recordWith(5, "\"\xD0\x81\xD0\xB6, \"\"x\"\"\r\n\xF0\x9F\x98\x80\"");
    QTest::newRow("nominal: UTF-16 little-endian") << encoded(record, QStringConverter::Utf16LE, true);
    QTest::newRow("nominal: UTF-16 big-endian") << encoded(record, QStringConverter::Utf16BE, true);
    QTest::newRow("nominal: UTF-32 little-endian") << encoded(record, QStringConverter::Utf32LE, true);
    QTest::newRow("nominal: UTF-32 big-endian") << encoded(record, QStringConverter::Utf32BE, true);
}

void TestDataFile::unicodeMarks()
{
    QFETCH(QByteArray, bytes);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE((*result.answers)[4], std::optional<QString>(QString::fromUtf8("Ёж, \"x\"\r\n😀")));
    QCOMPARE((*result.answers)[5], std::nullopt);
}

void TestDataFile::moreThan77Fields_data()
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

void TestDataFile::moreThan77Fields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fields);
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE((*result.answers)[0], std::optional<QString>(QStringLiteral("1")));
    QCOMPARE((*result.answers)[76], std::optional<QString>(QStringLiteral("77")));
    const QString notice = fields == 0 ? QString()
                                       : QStringLiteral("The file holds %1 fields, more than an answer data file: the first 77 "
                                                        "were read as the answers and the other %2 were ignored.")
                                             .arg(fields)
                                             .arg(fields - 77);
    QCOMPARE(result.notice, notice);
}

void TestDataFile::readFileFailures()
{
    QTemporaryDir dir;
    // Missing, a folder, too large on disk, too large without a size, unreadable.
    QVERIFY(!AnswerDataFile::readFile(dir.filePath("missing.dat")).ok());
    QVERIFY(!AnswerDataFile::readFile(dir.filePath("missing.dat")).error.isEmpty());
    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    QVERIFY(!AnswerDataFile::readFile(dir.filePath("folder.dat")).ok());

    const QString huge = dir.filePath("huge.dat");
    QVERIFY(writeBytes(huge, kEmptyStoreLine + "\r\n", AnswerDataFile::kMaxFileSize + 1));
    const auto tooBig = AnswerDataFile::readFile(huge);
    QVERIFY(!tooBig.ok());
    QCOMPARE(tooBig.error, QStringLiteral("It is larger than 64 MiB, far larger than any answer data file."));
    QCOMPARE(AnswerDataFile::readFile(QStringLiteral("/dev/zero")).error, QStringLiteral("It is a device, not a file."));

    const QString locked = dir.filePath("locked.dat");
    QVERIFY(writeBytes(locked, kEmptyStoreLine + "\r\n"));
    {
        NoPermission guard(dir.path());
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const auto result = AnswerDataFile::readFile(locked);
        QVERIFY(!result.ok());
        QVERIFY(result.error.contains(QLatin1String("ermission")));
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY(AnswerDataFile::readFile(locked).ok());
}

void TestDataFile::readFileFromDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("story.dat");
    Answers answers = freshAnswers();
    answers[20] = QStringLiteral("Ford, 1957");
    QVERIFY(writeBytes(path, AnswerDataFile::write(answers)));
    const auto result = AnswerDataFile::readFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(*result.answers, answers);
    // Exactly at the limit is still read; one byte more is not.
    QByteArray atLimit = AnswerDataFile::write(answers);
    atLimit.resize(AnswerDataFile::kMaxFileSize, ' ');
    QVERIFY(AnswerDataFile::read(atLimit).ok());
    atLimit.append(' ');
    QVERIFY(!AnswerDataFile::read(atLimit).ok());
}

void TestDataFile::dataFileName_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("data");
    QTest::newRow("nominal: .rtf") << "/home/dad/Story.rtf" << "/home/dad/Story.dat";
    QTest::newRow("nominal: .RTF") << "/home/dad/Story.RTF" << "/home/dad/Story.dat";
    QTest::newRow("nominal: mixed case, Windows path") << "C:\\Docs\\Story.Rtf" << "C:\\Docs\\Story.dat";
    QTest::newRow("robustness: .rtf inside a folder name") << "/home/dad/old.rtf.d/Story.rtf"
                                                           << "/home/dad/old.rtf.d/Story.dat";
    QTest::newRow("robustness: folder named .rtf, file without extension") << "/home/dad/notes.rtf/Story"
                                                                            << "/home/dad/notes.rtf/Story.dat";
    QTest::newRow("robustness: no extension") << "/home/dad/Story" << "/home/dad/Story.dat";
    QTest::newRow("robustness: other extension") << "/home/dad/Story.txt" << "/home/dad/Story.txt.dat";
    QTest::newRow("robustness: .rtf not at the end") << "/home/dad/Story.rtf.bak" << "/home/dad/Story.rtf.bak.dat";
    QTest::newRow("robustness: .rtfx") << "/home/dad/Story.rtfx" << "/home/dad/Story.rtfx.dat";
    QTest::newRow("robustness: Cyrillic and emoji") << QString::fromUtf8("/home/папа/Жизнь 😀.rtf")
                                                    << QString::fromUtf8("/home/папа/Жизнь 😀.dat");
}

void TestDataFile::dataFileName()
{
    QFETCH(QString, document);
    QFETCH(QString, data);
    QCOMPARE(AnswerDataFile::pathFor(document), data);
}

void TestDataFile::codePage()
{
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString decoded = Windows1252::decode(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(decoded[0x80], QChar(0x20AC));
    QCOMPARE(decoded[0x9F], QChar(0x0178));
    QCOMPARE(decoded[0x81], QChar(0x81));
    QCOMPARE(*Windows1252::encode(decoded), all);
    for (char16_t c : {u'\u0080', u'\u0100', u'\u0416', u'\u2028', u'\uFFFD'})
        QVERIFY2(!Windows1252::encode(QString(QChar(c))), qPrintable(QString::number(c, 16)));
}

void TestDataFile::storeBridge()
{
    AnswerStore store;
    Answers answers;
    answers[0] = QStringLiteral("one");
    answers[1] = QString("");
    answers[9] = std::nullopt; // always text
    store.setAnswer(3, QStringLiteral("was set"));
    AnswerDataFile::storeAnswers(store, answers);
    QCOMPARE(store.answerOf(1), QStringLiteral("one"));
    QVERIFY(store.hasValue(2) && store.answerOf(2).isEmpty());
    QVERIFY(!store.hasValue(3));
    QVERIFY(store.hasValue(10) && store.answerOf(10).isEmpty());
    const Answers back = AnswerDataFile::answersOf(store);
    QCOMPARE(back[0], answers[0]);
    QCOMPARE(back[2], std::nullopt);
    QCOMPARE(back[9], std::optional<QString>(QString("")));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
