// The writer: header and tables, escaping, formatting words, reproducible output,
// round trips through the reader, and the golden file.

#include "rtf_test_util.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>

using namespace RtfTest;

namespace {

QByteArray body(const QByteArray &rtf)
{
    const qsizetype start = rtf.indexOf("\\pard");
    return start < 0 ? QByteArray() : rtf.mid(start, rtf.size() - start - 2); // without "}\n"
}

void plainDocument(QTextDocument &doc, const QString &text)
{
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
    doc.setPlainText(text);
}

QStringList alignments(const QTextDocument &doc)
{
    QStringList list;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        list << QString::number(int(b.blockFormat().alignment() & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter | Qt::AlignJustify)));
    return list;
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void header();
    void escaping_data();
    void escaping();
    void formattingWords_data();
    void formattingWords();
    void colourTableStartsWithAuto();
    void paragraphCountSurvives_data();
    void paragraphCountSurvives();
    void roundTrip_data();
    void roundTrip();
    void sampleRoundTrip();
    void reproducible();
    void golden();
    void writesToDevice();
};

void TestRtfWriter::header()
{
    QTextDocument doc;
    plainDocument(doc, QStringLiteral("x"));
    const QByteArray rtf = Rtf::write(doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Liberation Sans;}}"));
    QVERIFY(rtf.endsWith("}\n"));
    QVERIFY(Rtf::isRtf(rtf));
}

void TestRtfWriter::escaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("nominal: ASCII") << QStringLiteral("abc") << QByteArray("\\pard abc\\par\n");
    QTest::newRow("nominal: backslash and braces") << QStringLiteral("a\\b{c}")
                                                   << QByteArray("\\pard a\\\\b\\{c\\}\\par\n");
    QTest::newRow("nominal: leading space after a word") << QStringLiteral(" x") << QByteArray("\\pard  x\\par\n");
    QTest::newRow("nominal: digits after a word") << QStringLiteral("12") << QByteArray("\\pard 12\\par\n");
    QTest::newRow("nominal: Windows-1252 characters") << QString::fromUtf8("é€“ÿ")
                                                      << QByteArray("\\pard\\'e9\\'80\\'93\\'ff\\par\n");
    QTest::newRow("nominal: Cyrillic as \\u") << QString::fromUtf8("Ж") << QByteArray("\\pard\\u1046?\\par\n");
    QTest::newRow("nominal: above U+7FFF is negative") << QString::fromUtf8("가\ufffd")
                                                       << QByteArray("\\pard\\u-21504?\\u-3?\\par\n");
    QTest::newRow("nominal: surrogate pair as two") << QString::fromUtf8("😀")
                                                    << QByteArray("\\pard\\u-10179?\\u-8704?\\par\n");
    QTest::newRow("nominal: tab and line break") << QString::fromUtf8("a\tb\u2028c")
                                                 << QByteArray("\\pard a\\tab b\\line c\\par\n");
    QTest::newRow("nominal: C1 control as \\u") << QString::fromUtf8("\u0081") << QByteArray("\\pard\\u129?\\par\n");
    QTest::newRow("robustness: control characters dropped") << QString::fromUtf8("a\u0001\u001fb")
                                                            << QByteArray("\\pard ab\\par\n");
    QTest::newRow("robustness: two paragraphs") << QStringLiteral("a\nb") << QByteArray("\\pard a\\par\n\\pard b\\par\n");
}

void TestRtfWriter::escaping()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextDocument doc;
    plainDocument(doc, text);
    QCOMPARE(body(Rtf::write(doc)), expected);
}

void TestRtfWriter::formattingWords_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("nominal: bold") << QStringLiteral("a<b>b</b>c") << QByteArray("\\pard a\\b b\\b0 c\\par\n");
    QTest::newRow("nominal: italic") << QStringLiteral("<i>i</i>") << QByteArray("\\pard\\i i\\par\n");
    QTest::newRow("nominal: underline and strike")
        << QStringLiteral("<u>u</u><s>s</s>") << QByteArray("\\pard\\ul u\\ulnone\\strike s\\par\n");
    QTest::newRow("nominal: size in half points")
        << QStringLiteral("<span style='font-size:10.5pt'>x</span>") << QByteArray("\\pard\\fs21 x\\par\n");
    QTest::newRow("nominal: colour") << QStringLiteral("<span style='color:#00ff00'>g</span>")
                                     << QByteArray("\\pard\\cf1 g\\par\n");
    QTest::newRow("nominal: font") << QStringLiteral("<span style=\"font-family:'Liberation Mono'\">m</span>")
                                   << QByteArray("\\pard\\f1 m\\par\n");
    QTest::newRow("nominal: alignment") << QStringLiteral("<p align=center>c</p><p align=right>r</p><p align=justify>j</p>")
                                        << QByteArray("\\pard\\qc\\sb180\\sa180 c\\par\n\\pard\\qr\\sb180\\sa180 r\\par\n"
                                                      "\\pard\\qj\\sb180\\sa180 j\\par\n"); // <p> has 12 px margins
}

void TestRtfWriter::formattingWords()
{
    QFETCH(QString, html);
    QFETCH(QByteArray, expected);
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
    doc.setHtml(html);
    QCOMPARE(body(Rtf::write(doc)), expected);
}

void TestRtfWriter::colourTableStartsWithAuto()
{
    QTextDocument doc;
    doc.setHtml(QStringLiteral("<span style='color:#123456'>a</span><span style='color:#ff0000'>b</span>"
                               "<span style='color:#123456'>c</span>"));
    const QByteArray rtf = Rtf::write(doc);
    QVERIFY(rtf.contains("{\\colortbl;\\red18\\green52\\blue86;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("\\cf1 a\\cf2 b\\cf1 c"));
}

void TestRtfWriter::paragraphCountSurvives_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nominal: one paragraph") << QStringLiteral("a");
    QTest::newRow("nominal: empty document") << QString();
    QTest::newRow("nominal: trailing empty paragraph") << QStringLiteral("a\n");
    QTest::newRow("nominal: only empty paragraphs") << QStringLiteral("\n\n");
    QTest::newRow("nominal: empty paragraphs between") << QStringLiteral("a\n\n\nb");
}

void TestRtfWriter::paragraphCountSurvives()
{
    QFETCH(QString, text);
    QTextDocument doc;
    plainDocument(doc, text);
    QTextDocument back;
    QVERIFY(load(Rtf::write(doc), back));
    QCOMPARE(paragraphs(back), paragraphs(doc));
}

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<QString>("html");
    QTest::newRow("nominal: every format in one paragraph")
        << QStringLiteral("<p>a<b>b<i>bi<u>biu<s>bius</s></u></i></b> <span style='color:#abcdef;font-size:7pt'>c</span></p>");
    QTest::newRow("nominal: non-Latin text")
        << QString::fromUtf8("<p>Привет Γειά 日本語 中文 한국어 עברית العربية ไทย</p>");
    QTest::newRow("nominal: emoji with joiners and modifiers")
        << QString::fromUtf8("<p>😀 👍🏽 👨‍👩‍👧 🇫🇷 𝄞</p>");
    QTest::newRow("nominal: line breaks and alignment")
        << QStringLiteral("<p align=center>a<br>b</p><p align=right>r</p><p>l</p>");
    QTest::newRow("robustness: characters with a meaning in RTF")
        << QStringLiteral("<p>\\ { } ; ? \\u123? \\'41 \\par</p>");
    QTest::newRow("robustness: text in the Symbol font, which readers map to Greek")
        << QString::fromUtf8("<span style=\"font-family:Symbol\">abc • α 1.</span> after");
    QTest::newRow("robustness: font names that need escaping")
        << QString::fromUtf8("<span style=\"font-family:'Fönt {x}'\">a</span><span style=\"font-family:'宋体'\">b</span>");
}

void TestRtfWriter::roundTrip()
{
    QFETCH(QString, html);
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
    doc.setHtml(html);
    QTextDocument back;
    QVERIFY(load(Rtf::write(doc), back));
    QCOMPARE(paragraphs(back), paragraphs(doc));
    QCOMPARE(runs(back), runs(doc));
    QCOMPARE(alignments(back), alignments(doc));
}

void TestRtfWriter::sampleRoundTrip()
{
    QTextDocument doc;
    buildSampleDocument(doc);
    QTextDocument back;
    QVERIFY(load(Rtf::write(doc), back));
    QCOMPARE(paragraphs(back), paragraphs(doc));
    QCOMPARE(runs(back), runs(doc));
    QCOMPARE(alignments(back), alignments(doc));
    const QTextBlock empty = back.findBlockByNumber(4);
    QVERIFY(empty.text().isEmpty());
    QCOMPARE(empty.charFormat().fontPointSize(), 20.0);
}

void TestRtfWriter::reproducible()
{
    QTextDocument a;
    QTextDocument b;
    buildSampleDocument(a);
    buildSampleDocument(b);
    const QByteArray first = Rtf::write(a);
    QCOMPARE(Rtf::write(a), first);
    QCOMPARE(Rtf::write(b), first);
    QTextDocument back;
    QVERIFY(load(first, back));
    back.setDefaultFont(a.defaultFont());
    QCOMPARE(Rtf::write(back), first); // reading and writing again changes nothing
}

void TestRtfWriter::golden()
{
    QTextDocument doc;
    buildSampleDocument(doc);
    const QByteArray rtf = Rtf::write(doc);
    const QString path = dataDir() + QStringLiteral("/sample_written.rtf");
    if (qEnvironmentVariableIsSet("KINSCRIBE_UPDATE_GOLDEN"))
        QVERIFY(writeBytes(path, rtf));
    QCOMPARE(rtf, fileBytes(path));
}

void TestRtfWriter::writesToDevice()
{
    QTextDocument doc;
    plainDocument(doc, QStringLiteral("x"));
    QByteArray data;
    QBuffer buffer(&data);
    QVERIFY(!Rtf::write(doc, buffer).ok()); // not open
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(Rtf::write(doc, buffer).ok());
    QCOMPARE(data, Rtf::write(doc));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtf_writer.moc"
