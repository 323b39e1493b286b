// The reader on small RTF inputs: text, code pages, Unicode, destinations, tables,
// formatting, and damaged or hostile input.

#include "rtf_test_util.h"

#include "document/rtf/rtf_control_words.h"

#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>

using namespace RtfTest;

namespace {

const QByteArray kFonts = "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}"
                          "{\\f2\\fnil\\fcharset204 Times Cyr;}{\\f3\\fnil\\fcharset2 Symbol;}"
                          "{\\f4\\fnil\\fcharset134 SimSun;}{\\f5\\fnil\\fcharset2 Wingdings;}}";
const QByteArray kColors = "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";

QByteArray doc(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0" + kFonts + kColors + body + "}";
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void formatting_data();
    void formatting();
    void alignment();
    void emptyParagraphKeepsItsMarkSize();
    void refusesNonRtf_data();
    void refusesNonRtf();
    void readsFromDevice();
    void deepNesting_data();
    void deepNesting();
    void replacesContentAndClearsUndo();
    void goldenSample();
    void everyControlWordIsFoundUnderItsName();
};

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("expected");
    const QString ls(QChar(0x2028));

    QTest::newRow("nominal: plain text") << doc("Hello world") << QStringList{"Hello world"};
    QTest::newRow("nominal: the last \\par adds no paragraph") << doc("a\\par b\\par") << QStringList{"a", "b"};
    QTest::newRow("nominal: two \\par make an empty paragraph") << doc("a\\par\\par") << QStringList{"a", ""};
    QTest::newRow("nominal: text after the last \\par") << doc("a\\par b") << QStringList{"a", "b"};
    QTest::newRow("nominal: \\sect ends a paragraph") << doc("a\\sect b") << QStringList{"a", "b"};
    QTest::newRow("nominal: backslash before a line end is \\par") << doc("a\\\nb") << QStringList{"a", "b"};
    QTest::newRow("nominal: line ends are not text") << doc("a\r\nb\nc") << QStringList{"abc"};
    QTest::newRow("nominal: \\line inside a paragraph") << doc("a\\line b") << QStringList{"a" + ls + "b"};
    QTest::newRow("nominal: \\tab") << doc("a\\tab b") << QStringList{"a\tb"};
    QTest::newRow("nominal: the space after a word is its delimiter") << doc("\\b  two") << QStringList{" two"};
    QTest::newRow("nominal: escaped characters") << doc("\\\\ \\{x\\}") << QStringList{"\\ {x}"};
    QTest::newRow("nominal: symbol words")
        << doc("\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet")
        << QStringList{QString::fromUtf8("—–‘’“”•")};
    QTest::newRow("nominal: control symbols") << doc("a\\~b\\_c\\-d")
                                              << QStringList{QString::fromUtf8("a\u00a0b\u2011c\u00add")};
    QTest::newRow("nominal: Windows-1252 bytes") << doc("caf\\'e9 \\'80 \\'93q\\'94")
                                                 << QStringList{QString::fromUtf8("café € “q”")};
    QTest::newRow("nominal: \\ansicpg1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}")
                                            << QStringList{QString::fromUtf8("При")};
    QTest::newRow("nominal: font charset 204 in a 1252 document") << doc("\\f2 \\'cf\\'f0\\'e8\\f0 \\'e9")
                                                                  << QStringList{QString::fromUtf8("Приé")};
    QTest::newRow("nominal: double-byte GBK decoded as pairs") << doc("\\f4 \\'d6\\'d0\\'ce\\'c4")
                                                              << QStringList{QString::fromUtf8("中文")};
    QTest::newRow("nominal: Shift-JIS trail byte that is a brace")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}") << QStringList{QString::fromUtf8("日本")};
    QTest::newRow("nominal: Big5 mixed with ASCII")
        << QByteArray("{\\rtf1\\ansi\\ansicpg950 a\\'a4\\'a4b\\'a4\\'e5c}") << QStringList{QString::fromUtf8("a中b文c")};
    QTest::newRow("nominal: \\u keeps the character after its fallback") << doc("\\u160?x")
                                                                        << QStringList{QString::fromUtf8("\u00a0x")};
    QTest::newRow("nominal: \\u with a hex fallback") << doc("\\u233\\'e9x") << QStringList{QString::fromUtf8("éx")};
    QTest::newRow("nominal: \\uc2 skips two") << doc("\\uc2\\u8364\\'80\\'80x") << QStringList{QString::fromUtf8("€x")};
    QTest::newRow("nominal: \\uc0 skips nothing") << doc("\\uc0\\u8364 x") << QStringList{QString::fromUtf8("€x")};
    QTest::newRow("nominal: \\uc is scoped to its group")
        << doc("{\\uc2\\u8364??}\\u8364?x") << QStringList{QString::fromUtf8("€€x")};
    QTest::newRow("nominal: a control word counts as one fallback character")
        << doc("\\u8220\\ldblquote x") << QStringList{QString::fromUtf8("“x")};
    QTest::newRow("nominal: fallback skipping stops at a group end")
        << doc("{\\uc3\\u8364 a}b") << QStringList{QString::fromUtf8("€b")};
    QTest::newRow("nominal: negative \\u") << doc("\\u-4064?") << QStringList{QString(QChar(0xF020))};
    QTest::newRow("nominal: surrogate pair") << doc("\\u-10179?\\u-8704?") << QStringList{QString::fromUtf8("😀")};
    QTest::newRow("nominal: Symbol font bytes and private codes")
        << doc("\\f3 a\\'b7\\u61542?") << QStringList{QString::fromUtf8("α•φ")};
    QTest::newRow("nominal: private codes in no font, \\deff Symbol after them")
        << QByteArray("{\\rtf1 \\u-3913?{\\fonttbl{\\f2 Symbol;}}\\deff2}") << QStringList{QString::fromUtf8("•")};
    QTest::newRow("nominal: private codes in no font, \\deff not Symbol")
        << QByteArray("{\\rtf1 \\u-3913?{\\fonttbl{\\f2 Wingdings;}}\\deff2}") << QStringList{QString(QChar(0xF0B7))};
    QTest::newRow("nominal: other symbol fonts keep private codes")
        << doc("\\f5 J\\'a7") << QStringList{QString(QChar(0xF04A)) + QChar(0xF0A7)};
    QTest::newRow("nominal: \\upr reads the Unicode alternative")
        << doc("{\\upr{ansi}{\\*\\ud{uni\\u915?}}}") << QStringList{QString::fromUtf8("uniΓ")};
    QTest::newRow("nominal: \\* destinations are skipped") << doc("{\\*\\foo bar{\\b x}}baz") << QStringList{"baz"};
    QTest::newRow("nominal: known destinations are skipped")
        << doc("{\\info{\\title T}}{\\stylesheet{\\s1 Normal;}}{\\header H}{\\footer F}"
               "{\\footnote N}{\\object\\objemb{\\objdata 01}}x")
        << QStringList{"x"};
    QTest::newRow("nominal: field result kept, instruction skipped")
        << doc("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}!") << QStringList{"link!"};
    QTest::newRow("nominal: style names are not text") << doc("{\\stylesheet{\\s1\\b Heading;}{\\*\\cs2 Strong;}}x")
                                                       << QStringList{"x"};
    QTest::newRow("nominal: list label text kept") << doc("{\\listtext 1.\\tab}item")
                                                   << QStringList{"1.\titem"};
    QTest::newRow("nominal: hidden text kept") << doc("a{\\v b}c") << QStringList{"abc"};
    // a table opening the document follows an empty paragraph, as Qt requires
    QTest::newRow("nominal: a cell is a paragraph of its own")
        << doc("\\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row\\pard c\\par")
        << QStringList{"", "a", "b", "c"};
    QTest::newRow("nominal: empty cells keep their columns")
        << doc("\\trowd\\intbl\\cell b\\cell\\cell d\\cell\\row") << QStringList{"", "", "b", "", "d", ""};
    QTest::newRow("nominal: a nested table is flattened into its cell")
        << doc("\\intbl a\\nestcell b\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}c\\cell\\row")
        << QStringList{"", "a\tb", "c", ""};
    QTest::newRow("nominal: cells without \\intbl stay on one line")
        << doc("\\trowd\\cellx100 a\\cell b\\cell\\row") << QStringList{"a\tb"};
    QTest::newRow("nominal: \\bin data is not text") << doc("a\\bin4 {}\\xb") << QStringList{"ab"};
    QTest::newRow("nominal: \\bin inside a skipped group")
        << doc("{\\*\\blob \\bin2 }}}b") << QStringList{"b"};
    QTest::newRow("nominal: font name in a code page")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}x}") << QStringList{"x"};

    QTest::newRow("robustness: extra closing braces end the document")
        << QByteArray("{\\rtf1 a}}} b") << QStringList{"a"};
    QTest::newRow("robustness: unclosed groups") << QByteArray("{\\rtf1 a{\\b b{\\i c") << QStringList{"abc"};
    QTest::newRow("robustness: truncated after a backslash") << QByteArray("{\\rtf1 a\\") << QStringList{"a"};
    QTest::newRow("robustness: truncated inside \\'") << QByteArray("{\\rtf1 a\\'") << QStringList{"a"};
    QTest::newRow("robustness: truncated inside a hex byte") << QByteArray("{\\rtf1 a\\'4") << QStringList{"a"};
    QTest::newRow("robustness: bad hex digits") << QByteArray("{\\rtf1 a\\'zzb}") << QStringList{"azzb"};
    QTest::newRow("robustness: huge \\bin") << doc("a\\bin2147483647 xyz") << QStringList{"a"};
    QTest::newRow("robustness: negative \\bin") << doc("a\\bin-5 b") << QStringList{"ab"};
    QTest::newRow("robustness: huge \\f") << doc("\\f99999999999999999999 x") << QStringList{"x"};
    QTest::newRow("robustness: negative \\f") << doc("\\f-2147483648 x") << QStringList{"x"};
    QTest::newRow("robustness: huge \\uc") << doc("{\\uc2147483647\\u8364 abc}d") << QStringList{QString::fromUtf8("€d")};
    QTest::newRow("robustness: negative \\uc") << doc("\\uc-3\\u8364 x") << QStringList{QString::fromUtf8("€x")};
    QTest::newRow("robustness: \\u out of range") << doc("\\u99999?x") << QStringList{QString::fromUtf8("\ufffdx")};
    QTest::newRow("robustness: lone surrogates") << doc("a\\u-10179?b\\u-8704?c")
                                                 << QStringList{QString::fromUtf8("a\ufffdb\ufffdc")};
    QTest::newRow("robustness: frame markers and control characters dropped")
        << doc("a\\u-560?\\u-559?\\u-4?\\u13?\\u10?\\'00\\'07b") << QStringList{"ab"};
    QTest::newRow("robustness: U+2029 is a line break, not a paragraph")
        << doc("a\\u8233?b") << QStringList{"a" + ls + "b"};
    QTest::newRow("robustness: very long control word")
        << doc("\\" + QByteArray(100000, 'x') + " y") << QStringList{"y"};
    QTest::newRow("robustness: very long number")
        << doc("\\fs" + QByteArray(100000, '9') + " y") << QStringList{"y"};
    QTest::newRow("robustness: unknown code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg77777 \\'e9}") << QStringList{QString::fromUtf8("é")};
    QTest::newRow("robustness: \\rtf alone") << QByteArray("{\\rtf") << QStringList{""};
    QTest::newRow("robustness: stray \\* at the top") << QByteArray("{\\rtf1\\*\\info x}") << QStringList{"x"};
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, expected);
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(paragraphs(d), expected);
}

void TestRtfReader::formatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nominal: default font and size") << doc("x") << QStringList{"x:Arial,12"};
    QTest::newRow("nominal: \\b \\i \\ul \\strike")
        << doc("\\b b\\b0\\i i\\i0\\ul u\\ulnone\\strike s\\strike0 n")
        << QStringList{"b:Arial,12,b", "i:Arial,12,i", "u:Arial,12,u", "s:Arial,12,s", "n:Arial,12"};
    QTest::newRow("nominal: underline variants and \\ul0")
        << doc("\\uldb a\\ul0 b\\ulwave c\\ulnone d")
        << QStringList{"a:Arial,12,u", "b:Arial,12", "c:Arial,12,u", "d:Arial,12"};
    QTest::newRow("nominal: a group ends its formatting")
        << doc("a{\\i b{\\b c}d}e")
        << QStringList{"a:Arial,12", "b:Arial,12,i", "c:Arial,12,b,i", "d:Arial,12,i", "e:Arial,12"};
    QTest::newRow("nominal: \\fs in half points and \\f")
        << doc("\\fs21 a\\f1\\fs48 b") << QStringList{"a:Arial,10.5", "b:Courier New,24"};
    QTest::newRow("nominal: \\cf and auto colour")
        << doc("\\cf1 r\\cf2 b\\cf0 a") << QStringList{"r:Arial,12,#ff0000", "b:Arial,12,#0000ff", "a:Arial,12"};
    QTest::newRow("nominal: \\plain resets character formatting")
        << doc("\\b\\i\\f1\\fs40\\cf1 x\\plain y") << QStringList{"x:Courier New,20,b,i,#ff0000", "y:Arial,12"};
    QTest::newRow("nominal: \\pard keeps character formatting")
        << doc("\\b x\\par\\pard y") << QStringList{"x:Arial,12,b", "y:Arial,12,b"};
    QTest::newRow("nominal: formatting spans paragraphs") << doc("\\i a\\par b")
                                                          << QStringList{"a:Arial,12,i", "b:Arial,12,i"};
    QTest::newRow("nominal: runs with equal formatting merge")
        << doc("a{\\b0 b}{c}\\u256?d") << QStringList{QString::fromUtf8("abcĀd:Arial,12")};
    const QByteArray styles = "{\\stylesheet{\\fs20 Normal;}{\\s1\\b\\sbasedon0 Heading;}{\\*\\cs2\\i\\f1 Emphasis;}"
                              "{\\s3\\sbasedon4 Loop;}{\\s4\\sbasedon3\\ul Loop;}}";
    QTest::newRow("nominal: a style gives its character words, after its base's")
        << doc(styles + "\\pard\\plain\\s1 a\\par\\pard\\plain\\s1\\fs40 b\\par\\pard\\plain c{\\cs2 d}")
        << QStringList{"a:Arial,10,b", "b:Arial,20,b", "c:Arial,12", "d:Courier New,12,i"};
    QTest::newRow("robustness: styles based on each other, and a style never defined")
        << doc(styles + "\\pard\\s3 a\\par\\pard\\plain\\s99 b") << QStringList{"a:Arial,12,u", "b:Arial,12"};
    QTest::newRow("robustness: font name before any \\f")
        << QByteArray("{\\rtf1{\\fonttbl junk;{\\f0 Arial;}}x}") << QStringList{"x:Arial,12"};
    QTest::newRow("robustness: \\deff changed after text")
        << QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier;}}a\\deff1 b}")
        << QStringList{"a:Arial,12", "b:Courier,12"};
    QTest::newRow("robustness: font redefined after text")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}a{\\fonttbl{\\f0 Courier;}}b}")
        << QStringList{"a:Arial,12", "b:Courier,12"};
    QTest::newRow("robustness: colour index out of range") << doc("\\cf99 x") << QStringList{"x:Arial,12"};
    QTest::newRow("robustness: font not in the table uses the default") << doc("\\f42 x") << QStringList{"x:Arial,12"};
    QTest::newRow("robustness: \\fs0 and negative size") << doc("\\fs0 a\\fs-4 b") << QStringList{"ab:Arial,12"};
    QTest::newRow("robustness: huge size clamped") << doc("\\fs99999 a") << QStringList{"a:Arial,1638"};
}

void TestRtfReader::formatting()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, expected);
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(runs(d), expected);
}

void TestRtfReader::alignment()
{
    QTextDocument d;
    QVERIFY(load(doc("\\qc c\\par\\pard r\\qr\\par\\pard\\qj j\\par\\pard l\\par{\\qc g\\par}h"), d));
    QStringList found;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next())
        found << b.text() + u'=' + QString::number(int(b.blockFormat().alignment()));
    QCOMPARE(found, QStringList({"c=" + QString::number(int(Qt::AlignHCenter)),
                                 "r=" + QString::number(int(Qt::AlignRight)),
                                 "j=" + QString::number(int(Qt::AlignJustify)),
                                 "l=" + QString::number(int(Qt::AlignLeft)),
                                 "g=" + QString::number(int(Qt::AlignHCenter)),
                                 "h=" + QString::number(int(Qt::AlignLeft))}));
}

void TestRtfReader::emptyParagraphKeepsItsMarkSize()
{
    QTextDocument d;
    QVERIFY(load(doc("a\\par\\fs48\\par\\fs24 b"), d));
    QCOMPARE(paragraphs(d), QStringList({"a", "", "b"}));
    QCOMPARE(d.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
}

void TestRtfReader::refusesNonRtf_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("robustness: empty") << QByteArray();
    QTest::newRow("robustness: plain text") << QByteArray("Hello {\\rtf1}");
    QTest::newRow("robustness: leading space") << QByteArray(" {\\rtf1 x}");
    QTest::newRow("robustness: byte order mark") << QByteArray("\xef\xbb\xbf{\\rtf1 x}");
    QTest::newRow("robustness: RTF fragment without header") << QByteArray("{\\pard x\\par}");
    QTest::newRow("robustness: truncated header") << QByteArray("{\\rt");
}

void TestRtfReader::refusesNonRtf()
{
    QFETCH(QByteArray, input);
    QTextDocument d;
    d.setPlainText(QStringLiteral("kept"));
    QVERIFY(!Rtf::isRtf(input));
    const Outcome r = Rtf::read(input, d);
    QVERIFY(!r.ok());
    QCOMPARE(r.error(), QStringLiteral("not an RTF file"));
    QCOMPARE(d.toPlainText(), QStringLiteral("kept"));
}

void TestRtfReader::readsFromDevice()
{
    QByteArray data = doc("from a device");
    QBuffer buffer(&data);
    QTextDocument d;
    QVERIFY(!Rtf::read(buffer, d).ok()); // not open
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const Outcome r = Rtf::read(buffer, d);
    QVERIFY(r.ok());
    QVERIFY(r.error().isEmpty());
    QCOMPARE(d.toPlainText(), QStringLiteral("from a device"));
}

void TestRtfReader::deepNesting_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("expected");
    // a real e-mail file nests 2,714 groups; far deeper groups are left out
    QTest::newRow("nominal: 3000 groups") << 3000 << QStringLiteral("xy");
    QTest::newRow("robustness: a million groups") << 1000000 << QStringLiteral("y");
}

void TestRtfReader::deepNesting()
{
    QFETCH(int, depth);
    QFETCH(QString, expected);
    const QByteArray rtf = "{\\rtf1 " + QByteArray(depth, '{') + "\\b x" + QByteArray(depth, '}') + "y}";
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(d.toPlainText(), expected);
    QTextCursor end(&d);
    end.movePosition(QTextCursor::End);
    QVERIFY(end.charFormat().fontWeight() != QFont::Bold); // the groups' \\b ended with them
}

void TestRtfReader::replacesContentAndClearsUndo()
{
    QTextDocument d;
    d.setPlainText(QStringLiteral("old text"));
    QTextCursor(&d).insertText(QStringLiteral("edit "));
    QVERIFY(d.isUndoAvailable());
    QVERIFY(load(doc("new"), d));
    QCOMPARE(d.toPlainText(), QStringLiteral("new"));
    QVERIFY(!d.isUndoAvailable());
    QVERIFY(d.isUndoRedoEnabled());
}

void TestRtfReader::goldenSample()
{
    QFile rtf(dataDir() + QStringLiteral("/reader_sample.rtf"));
    QFile txt(dataDir() + QStringLiteral("/reader_sample.txt"));
    QVERIFY(rtf.open(QIODevice::ReadOnly));
    QVERIFY(txt.open(QIODevice::ReadOnly));
    QTextDocument d;
    QVERIFY(Rtf::read(rtf, d).ok());
    QCOMPARE(paragraphs(d).join(u'\n').replace(QChar(0x2028), u'\n') + u'\n', QString::fromUtf8(txt.readAll()));
    const QStringList r = runs(d);
    QVERIFY(r.contains(QStringLiteral("heading:Arial,16,b,i")));
    QVERIFY(r.contains(QStringLiteral("red:Times New Roman,12,#c00000")));
    QVERIFY(r.contains(QStringLiteral("example:Times New Roman,12,u,#0070c0")));
    QVERIFY(r.contains(QString::fromUtf8("Привет:Arial Cyr,12")));
    QCOMPARE(d.begin().blockFormat().alignment(), Qt::AlignHCenter);
}

// A name listed twice would leave its second meaning unreachable.
void TestRtfReader::everyControlWordIsFoundUnderItsName()
{
    for (const Rtf::ControlWordInfo &w : Rtf::controlWords())
        QVERIFY2(&Rtf::controlWord(w.name) == &w, w.name.data());
    QCOMPARE(Rtf::controlWord("nosuchword").kind, Rtf::Kind::Ignored);
    QCOMPARE(Rtf::keptWords(Rtf::Action::DocumentFormat).front()->name, "paperw");
    QCOMPARE(Rtf::keptWords(Rtf::Action::SectionFormat).front()->name, "sbknone");
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
