// Inputs that once broke the reader (found by the fuzzer or by hand), read on every
// test run with the fuzzer's own check, plus hostile inputs generated here.

#include "rtf_round_trip.h"
#include "rtf_test_util.h"

#include <QDir>

class TestRtfRegressions : public QObject
{
    Q_OBJECT

private slots:
    void savedInputs_data();
    void savedInputs();
    void generatedInputs_data();
    void generatedInputs();
};

void TestRtfRegressions::savedInputs_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QDir(RtfTest::dataDir()).absoluteFilePath(QStringLiteral("../regressions")));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    QVERIFY(!files.isEmpty());
    for (const QString &f : files)
        QTest::newRow(qPrintable(QStringLiteral("robustness: ") + f)) << dir.absoluteFilePath(f);
}

void TestRtfRegressions::savedInputs()
{
    QFETCH(QString, path);
    const QString difference = RtfFuzz::roundTripDifference(fileBytes(path));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRtfRegressions::generatedInputs_data()
{
    QTest::addColumn<QByteArray>("input");
    const QByteArray head = "{\\rtf1\\ansi ";
    QTest::newRow("robustness: 500,000 open groups") << head + QByteArray(500000, '{') + "x";
    QTest::newRow("robustness: 500,000 closing braces") << head + "x" + QByteArray(500000, '}');
    QTest::newRow("robustness: \\bin at the very end") << head + "\\bin";
    QTest::newRow("robustness: \\bin count at the end") << head + "\\bin99";
    QTest::newRow("robustness: \\u at the end") << head + "\\u";
    QTest::newRow("robustness: \\u minus at the end") << head + "\\u-";
    QTest::newRow("robustness: many fonts") << head + "{\\fonttbl" + QByteArray("{\\f1 A;}").repeated(50000) + "}x";
    QTest::newRow("robustness: many code pages") << head + QByteArray("\\ansicpg7 \\'e9").repeated(2000);
    QByteArray pages;
    for (int cp = 1; cp <= 3000; ++cp)
        pages += "\\ansicpg" + QByteArray::number(cp) + " \\'e9";
    QTest::newRow("robustness: many distinct code pages") << head + pages;
    QTest::newRow("robustness: many colours") << head + "{\\colortbl" + QByteArray("\\red1;").repeated(50000) + "}\\cf49999 x";
    QTest::newRow("robustness: 100,000 paragraphs") << head + QByteArray("\\par").repeated(100000);
    QTest::newRow("robustness: 100,000 cells") << head + QByteArray("\\cell").repeated(100000) + "x\\row";
    QTest::newRow("robustness: 100,000 table cells without a row end")
        << head + "\\trowd\\cellx1000\\intbl " + QByteArray("x\\cell ").repeated(100000);
    QTest::newRow("robustness: \\row words in a skipped destination")
        << head + "\\trowd\\cellx1000\\intbl a\\cell{\\*\\x" + QByteArray("\\row").repeated(1000) + "}\\row\\pard b";
    QTest::newRow("robustness: rows after a table's end")
        << head + "\\trowd\\cellx1000\\intbl a\\cell\\row\\pard b\\par" + QByteArray("\\trowd\\cellx1000\\intbl c\\cell\\row").repeated(100);
    QTest::newRow("robustness: alternating formats") << head + QByteArray("{\\b a}{\\i b}").repeated(50000);
    QTest::newRow("robustness: nested \\upr") << head + QByteArray("{\\upr{\\*\\ud ").repeated(10000) + "x";
    QTest::newRow("robustness: binary zero bytes") << head + QByteArray(1000, '\0') + "x}";
    QTest::newRow("robustness: font table without names") << head + "{\\fonttbl\\f1\\f2\\f3;\\fcharset128}\\f1 \\'82";
    QTest::newRow("robustness: a header cut off inside a group") << head + "a\\par{\\header{\\b b\\par c";
    QTest::newRow("robustness: a header cut off inside \\bin data") << head + "a\\par{\\header b\\bin99 c}";
    QTest::newRow("robustness: a header cut off after a backslash") << head + "a\\par{\\header b\\";
    QTest::newRow("robustness: rows that give more edges than cells")
        << head + "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell\\row\\pard b\\par";
    QTest::newRow("robustness: a table no row gives an edge") << head + "\\intbl a\\cell b\\cell c\\cell\\row\\pard d\\par";
    QTest::newRow("robustness: a link's field ending at an empty paragraph")
        << head + "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt a\\par\\par b}}";
    QByteArray sheet = "{\\stylesheet";
    for (int n = 1; n <= 12; ++n)
        sheet += "{\\s" + QByteArray::number(n) + "\\sbasedon" + QByteArray::number(n + 1) + QByteArray("\\b\\li20").repeated(300) + " S;}";
    QTest::newRow("robustness: styles of many words on long bases, named 100,000 times")
        << head + sheet + "}" + QByteArray("\\s1 x").repeated(100000);
    QTest::newRow("robustness: a style sheet cut off inside an entry") << head + "{\\stylesheet{\\s1\\b\\sbasedon1 A;}{\\s2\\fs40";
    QTest::newRow("robustness: a style named inside the style sheet and the font table")
        << head + "{\\fonttbl{\\f0\\s1 A;}}{\\stylesheet{\\s1\\b{\\s1 x}\\cs1 B;}}\\s1\\cs1 y";
    QTest::newRow("robustness: lead byte at the end in a double-byte page")
        << QByteArray("{\\rtf1\\ansicpg932 \\'82");
}

void TestRtfRegressions::generatedInputs()
{
    QFETCH(QByteArray, input);
    const QString difference = RtfFuzz::roundTripDifference(input);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestRtfRegressions)
#include "tst_rtf_regressions.moc"
