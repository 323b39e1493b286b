// Writing the answer data file: each field as the store holds it, whole records, round trips,
// the data file's name beside the document, and the store bridge.
#include "datafile_records.h"

#include "test_files.h"
#include "text/windows1252.h"

#include <QTest>

namespace {
constexpr int kAlwaysText[] = {10, 18, 23, 26, 33, 44, 51, 60, 67, 72, 77};
} // namespace

class TestDataFileWrite : public TempDirTest {
    Q_OBJECT
private slots:
    void emptyStoreLine();
    void writtenField_data();
    void writtenField();
    void wholeFileWithSeveralAnswers();
    void roundTrip_data();
    void roundTrip();
    void everyFieldAtOnce();
    void dataFileName_data();
    void dataFileName();
    void codePage();
    void storeBridge();
};

void TestDataFileWrite::emptyStoreLine()
{
    QCOMPARE(kEmptyStoreLine.size(), 98);
    const QByteArray bytes = AnswerDataFile::write(freshAnswers());
    QCOMPARE(bytes, kEmptyStoreLine + "\r\n");
    QVERIFY(bytes.startsWith(",,,,,,,,,\"\",") && bytes.endsWith(",\"\"\r\n"));
    // Reading it back gives no value to the 66 and the empty text to the 11.
    const auto result = AnswerDataFile::read(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    for (int n = 1; n <= kQuestionCount; ++n) {
        const bool alwaysText = std::find(std::begin(kAlwaysText), std::end(kAlwaysText), n) != std::end(kAlwaysText);
        QCOMPARE((*result.answers)[n - 1], alwaysText ? Answer(QString("")) : std::nullopt);
    }
}

void TestDataFileWrite::writtenField_data()
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

void TestDataFileWrite::writtenField()
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

void TestDataFileWrite::wholeFileWithSeveralAnswers()
{
    Answers answers = freshAnswers();
    answers[0] = QStringLiteral("Line 1\r\nLine 2");
    answers[1] = QString("");
    answers[76] = QStringLiteral("The end, \"really\"");
    const QByteArray expected = "\"Line 1\r\nLine 2\",\"\"" + kEmptyStoreLine.mid(1, kEmptyStoreLine.size() - 3)
                                + "\"The end, \"\"really\"\"\"\r\n";
    QCOMPARE(AnswerDataFile::write(answers), expected);
    // A file name with Cyrillic and an emoji: the bytes on disk are those written.
    const QString path = dir.filePath(QString::fromUtf8("Папа 😀.dat"));
    QVERIFY(writeBytes(path, expected));
    const auto result = AnswerDataFile::readFile(path);
    QVERIFY2(result.ok(), qPrintable(result.error()));
    QCOMPARE(*result.answers, answers);
}

void TestDataFileWrite::roundTrip_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<Answer>("readBack");
    auto same = [](const char *name, const Answer &a) { QTest::newRow(name) << a << a; };
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

void TestDataFileWrite::roundTrip()
{
    QFETCH(Answer, answer);
    QFETCH(Answer, readBack);
    // The shape in every position: first, middle, an always-text question and the last.
    for (int n : {1, 40, 44, 77}) {
        Answers answers = freshAnswers();
        answers[n - 1] = answer;
        const auto result = AnswerDataFile::read(AnswerDataFile::write(answers));
        QVERIFY2(result.ok(), qPrintable(result.error()));
        Answers expected = answers;
        expected[n - 1] = readBack;
        const bool alwaysText = std::find(std::begin(kAlwaysText), std::end(kAlwaysText), n) != std::end(kAlwaysText);
        if (alwaysText && !readBack)
            expected[n - 1] = std::nullopt; // written as an empty field; the store makes it ""
        QCOMPARE(*result.answers, expected);
    }
}

void TestDataFileWrite::everyFieldAtOnce()
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

void TestDataFileWrite::dataFileName_data()
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

void TestDataFileWrite::dataFileName()
{
    QFETCH(QString, document);
    QFETCH(QString, data);
    QCOMPARE(AnswerDataFile::pathFor(document), data);
}

void TestDataFileWrite::codePage()
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

void TestDataFileWrite::storeBridge()
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
    QCOMPARE(back[9], Answer(QString("")));
}

QTEST_GUILESS_MAIN(TestDataFileWrite)
#include "tst_datafile_write.moc"
