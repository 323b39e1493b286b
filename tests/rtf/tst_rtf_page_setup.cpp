// What a file says about its pages comes back when it is written again: paper, margins
// and orientation (document and section forms), the default font and language, headers
// and footers, section and page breaks, table edges, hidden text; and nothing is written
// that the file did not say.

#include "rtf_test_util.h"

#include "document/rtf/rtf_format.h"
#include "document/rtf/rtf_page_setup.h"

#include <QRegularExpression>
#include <QTextBlock>

using namespace RtfTest;

namespace {

QByteArray rewrite(const QByteArray &rtf)
{
    QTextDocument doc;
    return load(rtf, doc) ? Rtf::write(doc) : QByteArray();
}

QList<int> cellEdges(const QByteArray &rtf)
{
    QList<int> edges;
    static const QRegularExpression cellx(QStringLiteral(R"(\\cellx(-?\d+))"));
    for (auto it = cellx.globalMatch(QString::fromLatin1(rtf)); it.hasNext();)
        edges << it.next().captured(1).toInt();
    return edges;
}

const QByteArray kFonts = "{\\fonttbl{\\f0\\froman Liberation Serif;}{\\f5\\fswiss Liberation Sans;}}"
                          "{\\colortbl;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}";

} // namespace

class TestRtfPageSetup : public QObject
{
    Q_OBJECT

private slots:
    void keptWords_data();
    void keptWords();
    void geometry_data();
    void geometry();
    void headersStayOutOfTheText();
    void sectionBreaks_data();
    void sectionBreaks();
    void tableEdges_data();
    void tableEdges();
    void renumbering_data();
    void renumbering();
};

void TestRtfPageSetup::keptWords_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArrayList>("written");
    QTest::addColumn<QByteArrayList>("notWritten");
    QTest::newRow("nominal: A4 paper and margins")
        << QByteArray("{\\rtf1\\ansi\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1701\\margb1418 x\\par}")
        << QByteArrayList{"\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1701\\margb1418"}
        << QByteArrayList{"\\landscape", "\\sectd"};
    QTest::newRow("nominal: landscape") << QByteArray("{\\rtf1\\ansi\\paperw15840\\paperh12240\\landscape x}")
                                        << QByteArrayList{"\\paperw15840\\paperh12240\\landscape"} << QByteArrayList{};
    QTest::newRow("nominal: section forms")
        << QByteArray("{\\rtf1\\ansi\\sectd\\pgwsxn11906\\pghsxn16838\\marglsxn1000\\margrsxn900\\margtsxn800"
                      "\\margbsxn700\\lndscpsxn\\headery500\\footery400\\titlepg x}")
        << QByteArrayList{"\\sectd\\pgwsxn11906\\pghsxn16838\\marglsxn1000\\margrsxn900\\margtsxn800\\margbsxn700"
                          "\\lndscpsxn\\headery500\\footery400\\titlepg"}
        << QByteArrayList{"\\paperw"};
    QTest::newRow("nominal: default language and tab width")
        << QByteArray("{\\rtf1\\ansi\\deflang1031\\deftab708\\widowctrl x}")
        << QByteArrayList{"\\deftab708", "\\widowctrl", "\\deflang1031"} << QByteArrayList{};
    QTest::newRow("nominal: the default font the file named")
        << QByteArray("{\\rtf1\\ansi\\deff5" + kFonts + " x}")
        << QByteArrayList{"\\deff0", "{\\f0\\fnil\\fcharset0 Liberation Sans;}"} << QByteArrayList{"Serif"};
    QTest::newRow("nominal: a file without fonts gets none")
        << QByteArray("{\\rtf1\\ansi x\\par}") << QByteArrayList{"{\\fonttbl}"}
        << QByteArrayList{"\\deff", "\\f0", "Sans Serif", "\\paperw", "\\margl", "\\sectd"};
    QTest::newRow("nominal: text in a font the file lacks stays in a reader's own font")
        << QByteArray("{\\rtf1\\ansi {\\f0 x}\\par}") << QByteArrayList{"\\deff0", "{\\fonttbl}"}
        << QByteArrayList{"\\f0", "Sans Serif"};
    QTest::newRow("nominal: \\deff without a font table is not a font asked for")
        << QByteArray("{\\rtf1\\ansi\\deff0 x\\par}") << QByteArrayList{"{\\fonttbl}"} << QByteArrayList{"\\deff", "\\f0"};
    QTest::newRow("nominal: cells keep their text in the middle or at the bottom")
        << QByteArray("{\\rtf1\\ansi\\trowd\\clvertalc\\cellx1000\\clvertalb\\cellx2000\\clvertalt\\cellx3000\\pard\\intbl a\\cell\\cell c\\cell\\row}")
        << QByteArrayList{"\\clvertalc\\cellx1000\\clvertalb\\cellx2000\\cellx3000"} << QByteArrayList{"\\clvertalt"};
    QTest::newRow("nominal: cell borders keep their styles, the ones Word names only too")
        << QByteArray("{\\rtf1\\ansi\\trowd\\clbrdrt\\brdrdb\\clbrdrl\\brdrw30\\brdrdot\\clbrdrb\\brdrtnthlg\\clbrdrr\\brdrs"
                      "\\cellx1000\\pard\\intbl a\\cell\\row}")
        << QByteArrayList{"\\clbrdrt\\brdrdb\\brdrw15\\clbrdrl\\brdrdot\\brdrw30\\clbrdrb\\brdrtnthlg\\brdrw15\\clbrdrr\\brdrs\\brdrw15\\cellx1000"}
        << QByteArrayList{};
    QTest::newRow("nominal: a paragraph's own widow control")
        << QByteArray("{\\rtf1\\ansi\\widowctrl\\pard\\nowidctlpar a\\par\\pard\\widctlpar b\\par\\pard c\\par}")
        << QByteArrayList{"\\widowctrl", "\\pard\\nowidctlpar a\\par\n\\pard\\widctlpar b\\par\n\\pard c\\par"}
        << QByteArrayList{};
    QTest::newRow("nominal: hidden text stays hidden")
        << QByteArray("{\\rtf1\\ansi a{\\v note}b}") << QByteArrayList{"a\\v note\\v0 b"} << QByteArrayList{};
    QTest::newRow("nominal: capitals, small capitals, kerning, superscript and subscript")
        << QByteArray("{\\rtf1\\ansi {\\caps a}{\\scaps b}{\\kerning0 c}d{\\super e}{\\sub f}g}")
        << QByteArrayList{"\\caps a", "\\caps0\\scaps b", "\\kerning0 c", "\\super e", "\\sub f", "\\nosupersub g"}
        << QByteArrayList{"\\kerning0 d"};
    QTest::newRow("nominal: text after kerned text is plain again")
        << QByteArray("{\\rtf1\\ansi {\\kerning32 a}b}") << QByteArrayList{"\\kerning32 a\\plain b"} << QByteArrayList{"\\kerning32 b"};
    QTest::newRow("nominal: a section that opens with a table keeps its break")
        << QByteArray("{\\rtf1\\ansi a\\sect\\sectd\\sbknone\\trowd\\cellx1000\\pard\\intbl b\\cell\\row}")
        << QByteArrayList{"a\\sect\n\\sectd\\sbknone\n"} << QByteArrayList{"a\\par"};
    QTest::newRow("robustness: a section before a table whose first cell never ends starts with the table")
        << QByteArray("{\\rtf1\\ansi a\\sect\\sectd\\sbknone\\trowd\\cellx1000\\pard\\intbl b\\pard c\\par}")
        << QByteArrayList{"a\\sect\n\\sectd\\sbknone\n\\trowd"} << QByteArrayList{"\\pagebb"};
    QTest::newRow("robustness: a section break inside a table is not moved to its start")
        << QByteArray("{\\rtf1\\ansi a\\par\\trowd\\cellx1000\\pard\\intbl b\\sect c\\cell\\row\\pard d\\par}")
        << QByteArrayList{"a\\par"} << QByteArrayList{"\\sect\n", "\\pagebb"};
    QTest::newRow("nominal: a cell a row left out is in the file's default font and size")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\trowd\\cellx1000\\pard\\intbl a\\cell\\row"
                      "\\trowd\\cellx1000\\cellx2000\\pard\\intbl b\\cell c\\cell\\row}")
        << QByteArrayList{"\\pard\\intbl a\\cell\n\\pard\\intbl\\cell\n"} << QByteArrayList{"\\fs", "\\f1"};
    QTest::newRow("nominal: raised and lowered text")
        << QByteArray("{\\rtf1\\ansi a{\\up6 b}{\\dn4 c}d}") << QByteArrayList{"a\\up6 b\\dn4 c\\up0 d"} << QByteArrayList{};
    QTest::newRow("nominal: cells keep their own borders and no others")
        << QByteArray("{\\rtf1\\ansi\\trowd\\clbrdrt\\brdrw30\\brdrs\\clbrdrb\\brdrs\\brdrw10\\cellx1000\\cellx2000"
                      "\\pard\\intbl a\\cell b\\cell\\row\\trowd\\cellx1000\\cellx2000\\pard\\intbl c\\cell d\\cell\\row}")
        << QByteArrayList{"\\clbrdrt\\brdrs\\brdrw30\\clbrdrb\\brdrs\\brdrw10\\cellx1000\\cellx2000\n"}
        << QByteArrayList{"\\clbrdrl", "\\clbrdrr", "\\brdrw15"};
    QTest::newRow("nominal: an empty cell keeps the size of its mark")
        << QByteArray("{\\rtf1\\ansi\\fs16\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\cell x\\cell\\row}")
        << QByteArrayList{"\\pard\\intbl\\fs16\\cell"} << QByteArrayList{"\\fs24"};
    QTest::newRow("nominal: rows keep their heights, nested rows too")
        << QByteArray("{\\rtf1\\ansi\\trowd\\trrh400\\cellx1000\\pard\\intbl a\\cell\\row\\trowd\\cellx1000\\pard\\intbl b\\cell"
                      "\\pard\\intbl\\itap2 c\\nestcell{\\*\\nesttableprops\\trowd\\trrh-300\\cellx500\\nestrow}\\row}")
        << QByteArrayList{"\\trleft0\\trrh400\\", "\\trleft0\\trrh-300\\"} << QByteArrayList{"\\trrh0"};
    QTest::newRow("nominal: a merged cell that opens with a table gets no paragraph before it")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell b\\cell c\\cell\\row"
                      "\\trowd\\cellx1000\\clmgf\\cellx2000\\clmrg\\cellx3000\\pard\\intbl\\fs20\\cell\\pard\\intbl\\itap2 in\\nestcell"
                      "{\\*\\nesttableprops\\trowd\\cellx1500\\nestrow}{\\nonesttables\\par}\\pard\\intbl e\\cell\\row}")
        << QByteArrayList{"\\fs20\\cell\n\\pard\\intbl\\itap2 in\\nestcell"} << QByteArrayList{"\\f0\\fs24", "\\clmgf"};
    QTest::newRow("nominal: paragraph borders and their space, without their colour")
        << QByteArray("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\pard\\brdrb\\brdrs\\brdrw20\\brsp80\\brdrcf1 a\\par"
                      "\\pard\\box\\brdrdb\\brdrw15 b\\par\\pard c\\par}")
        << QByteArrayList{"\\pard\\brdrb\\brdrs\\brdrw20\\brsp80 a\\par", "\\pard\\box\\brdrdb\\brdrw15 b\\par", "\\pard c\\par"}
        << QByteArrayList{"\\brdrcf"};
    QTest::newRow("robustness: a row's border words after a paragraph's stay the row's")
        << QByteArray("{\\rtf1\\ansi\\pard\\brdrt\\brdrs a\\par\\trowd\\clbrdrb\\brdrdot\\brdrw30\\cellx1000\\pard\\intbl b\\cell\\row}")
        << QByteArrayList{"\\pard\\brdrt\\brdrs a\\par", "\\clbrdrb\\brdrdot\\brdrw30\\cellx1000\n\\pard\\intbl b\\cell"}
        << QByteArrayList{"\\intbl\\brdr", "\\brdrb\\brdrdot"}; // the cell keeps its style, the paragraph gets no border
    QTest::newRow("nominal: header and footer groups")
        << QByteArray("{\\rtf1\\ansi\\deff0" + kFonts + "{\\header \\pard\\qr\\f5\\cf2 Head\\par}"
                      "{\\footerf \\pard Foot {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}\\f0 body}")
        << QByteArrayList{"{\\header \\pard\\qr\\f1\\cf1 Head\\par}",
                          "{\\footerf \\pard Foot {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}\\par}",
                          "{\\f1\\fnil\\fcharset0 Liberation Sans;}", "{\\colortbl;\\red255\\green0\\blue0;}"}
        << QByteArrayList{};
    QTest::newRow("nominal: later sections keep their own words and headers, the first its own")
        << QByteArray("{\\rtf1\\ansi\\sectd\\marglsxn1000{\\header H\\par}a\\sect\\sectd\\marglsxn2000{\\header G\\par}b}")
        << QByteArrayList{"\\sectd\\marglsxn1000\n{\\header H\\par}\n\\pard a\\sect\n\\sectd\\marglsxn2000\n{\\header G\\par}\n\\pard b"}
        << QByteArrayList{};
    QTest::newRow("nominal: a later section that says nothing gets nothing")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\sectd\\pgwsxn11906 a\\sect\\sectd\\sbknone"
                      "{\\footer \\f0\\cf1 F\\par}b\\sect\\sectd c}")
        << QByteArrayList{"\\sect\n\\sectd\\sbknone\n{\\footer \\f0\\cf1 F\\par}\n\\pard b\\sect\n\\sectd\n\\pard c"}
        << QByteArrayList{"{\\footer \\f0\\cf1 F\\par}\n\\pard a"};
    QByteArray sections = "{\\rtf1\\ansi\\sectd\\marglsxn1000 s";
    for (int s = 1; s <= 300; ++s)
        sections += "\\sect\\sectd\\marglsxn" + QByteArray::number(1000 + s) + " s";
    QTest::newRow("robustness: sections past the 256 kept look like the first")
        << sections + "}" << QByteArrayList{"\\sectd\\marglsxn1256\n\\pard s\\sect\n\\sectd\\marglsxn1000\n"}
        << QByteArrayList{"\\marglsxn1257"};
    QTest::newRow("robustness: a header cut off by the end of the file")
        << QByteArray("{\\rtf1\\ansi x{\\header \\pard H") << QByteArrayList{"{\\header \\pard H}"} << QByteArrayList{};
}

void TestRtfPageSetup::keptWords()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArrayList, written);
    QFETCH(QByteArrayList, notWritten);
    const QByteArray out = rewrite(rtf);
    for (const QByteArray &w : written)
        QVERIFY2(out.contains(w), out.constData());
    for (const QByteArray &w : notWritten)
        QVERIFY2(!out.contains(w), out.constData());
    QCOMPARE(rewrite(out), out); // a second round changes nothing
}

void TestRtfPageSetup::geometry_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QList<int>>("expected"); // width, height, left, right, top, bottom, landscape
    QTest::newRow("nominal: nothing said: RTF's defaults") << QByteArray() << QList<int>{12240, 15840, 1800, 1800, 1440, 1440, 0};
    QTest::newRow("nominal: document words") << QByteArray("\\paperw11906\\paperh16838\\margl1134\\margr1000\\margt900\\margb800")
                                             << QList<int>{11906, 16838, 1134, 1000, 900, 800, 0};
    QTest::newRow("nominal: section words win") << QByteArray("\\paperw11906\\margl1134\\sectd\\pgwsxn15840\\marglsxn720\\lndscpsxn")
                                                << QList<int>{15840, 15840, 720, 1800, 1440, 1440, 1};
}

void TestRtfPageSetup::geometry()
{
    QFETCH(QByteArray, words);
    QFETCH(QList<int>, expected);
    QTextDocument doc;
    QVERIFY(load("{\\rtf1\\ansi" + words + " x}", doc));
    const Rtf::PageGeometry g = Rtf::pageGeometry(Rtf::pageSetup(doc));
    QCOMPARE((QList<int>{g.width, g.height, g.left, g.right, g.top, g.bottom, int(g.landscape)}), expected);
}

void TestRtfPageSetup::headersStayOutOfTheText()
{
    QTextDocument doc;
    QVERIFY(load("{\\rtf1\\ansi{\\header Head\\par}{\\footerl Foot\\par}Body\\par}", doc));
    QCOMPARE(paragraphs(doc), QStringList{QStringLiteral("Body")});
    QCOMPARE(Rtf::pageSetup(doc).headers.size(), 2);
}

void TestRtfPageSetup::sectionBreaks_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<bool>("newPage"); // the second paragraph starts a page
    QTest::newRow("nominal: a section break starts a page") << QByteArray("a\\sect b") << QByteArray("a\\sect\n\\sectd\n\\pard b") << true;
    QTest::newRow("nominal: a continuous section") << QByteArray("a\\sect\\sectd\\sbknone b")
                                                   << QByteArray("a\\sect\n\\sectd\\sbknone\n\\pard b") << false;
    QTest::newRow("nominal: a page break") << QByteArray("a\\page b") << QByteArray("\\pard\\pagebb b") << true;
    QTest::newRow("nominal: page break before") << QByteArray("a\\par\\pard\\pagebb b") << QByteArray("\\pard\\pagebb b") << true;
}

void TestRtfPageSetup::sectionBreaks()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, written);
    QFETCH(bool, newPage);
    QTextDocument doc;
    QVERIFY(load("{\\rtf1\\ansi " + body + "}", doc));
    QCOMPARE(paragraphs(doc), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    const QTextBlockFormat second = doc.lastBlock().blockFormat();
    QCOMPARE(bool(second.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore), newPage);
    const QByteArray out = Rtf::write(doc);
    QVERIFY2(out.contains(written), out.constData());
    QCOMPARE(out.count("\\pagebb") + out.count("\\sect\n"), 1); // one break, written once
    QCOMPARE(rewrite(out), out);
}

void TestRtfPageSetup::tableEdges_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QList<int>>("edges"); // \cellx of every row as written
    const QByteArray cells = "\\pard\\intbl a\\cell b\\cell c\\cell\\row ";
    QTest::newRow("nominal: a table left of the margin")
        << QByteArray("{\\rtf1\\ansi\\trowd\\trgaph108\\trleft-108\\cellx2000\\cellx5000\\cellx9000 " + cells + "}")
        << QList<int>{2000, 5000, 9000};
    QTest::newRow("nominal: a later row with more cells sets the widths")
        << QByteArray("{\\rtf1\\ansi\\margl567\\trowd\\trleft1415\\cellx11006\\pard\\intbl a\\cell\\row"
                      "\\trowd\\trleft1415\\cellx5027\\cellx7020\\cellx11006 " + cells + "}")
        << QList<int>{5027, 7020, 11006, 5027, 7020, 11006};
    QTest::newRow("nominal: cells merged across in a later row are one wide cell")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx1000\\cellx2000\\cellx3000 " + cells
                      + "\\trowd\\cellx1000\\clmgf\\cellx2000\\clmrg\\cellx3000\\pard\\intbl d\\cell e\\cell\\cell\\row"
                        "\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\pard\\intbl f\\cell\\cell g\\cell\\row}")
        << QList<int>{1000, 2000, 3000, 1000, 3000, 2000, 3000};
    QTest::newRow("nominal: cells merged across in the first row stay merged cells")
        << QByteArray("{\\rtf1\\ansi\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\pard\\intbl a\\cell\\cell b\\cell\\row "
                      "\\trowd\\cellx1000\\cellx2000\\cellx3000 " + cells + "}")
        << QList<int>{1000, 2000, 3000, 1000, 2000, 3000};
    QTest::newRow("nominal: a first row with one wide cell spans the columns later rows give")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx3000\\pard\\intbl a\\cell\\row\\trowd\\cellx1000\\cellx2000\\cellx3000 " + cells
                      + "\\trowd\\cellx1000\\cellx3010\\pard\\intbl d\\cell e\\cell\\row}")
        << QList<int>{1000, 2000, 3000, 1000, 2000, 3000, 1000, 3000};
    QTest::newRow("nominal: cells merged across without width of their own join the cell before")
        << QByteArray("{\\rtf1\\ansi\\trowd\\clmgf\\cellx4000\\clmrg\\cellx4000\\clmrg\\cellx4000\\pard\\intbl a\\cell\\cell\\cell\\row"
                      "\\trowd\\clmgf\\cellx2000\\clmrg\\cellx2000\\cellx4000\\pard\\intbl b\\cell\\cell c\\cell\\row}")
        << QList<int>{2000, 4000, 2000, 4000};
    QTest::newRow("nominal: rows whose cells are grouped one row at a time keep their own edges")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx2700\\cellx5670\\pard\\intbl{a\\cell b\\cell}{\\trowd\\cellx2700\\cellx5670\\row}"
                      "\\trowd\\cellx2790\\cellx5670\\pard\\intbl{c\\cell d\\cell}{\\trowd\\cellx2790\\cellx5670\\row}\\pard e\\par}")
        << QList<int>{2700, 2790, 5670, 2790, 5670};
    QTest::newRow("robustness: rows whose edges are out of order keep the first row's columns")
        << QByteArray("{\\rtf1\\ansi\\trowd\\cellx3000\\cellx1000\\pard\\intbl a\\cell b\\cell\\row"
                      "\\trowd\\cellx1500\\cellx2500\\pard\\intbl c\\cell d\\cell\\row}")
        << QList<int>{3000, 3021, 3000, 3021}; // a column without width is given one, or it would read back as merged
    QTest::newRow("robustness: a table wider than the page is narrowed to it")
        << QByteArray("{\\rtf1\\ansi\\paperw12240\\margl1440\\margr1440\\trowd\\cellx10000\\cellx20000\\cellx30000 " + cells + "}")
        << QList<int>{3600, 7200, 10800};
}

void TestRtfPageSetup::tableEdges()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QList<int>, edges);
    const QByteArray out = rewrite(rtf);
    QCOMPARE(cellEdges(out), edges);
    const int left = rtf.contains("\\trleft") ? QRegularExpression(QStringLiteral(R"(\\trleft(-?\d+))")).match(QString::fromLatin1(rtf)).captured(1).toInt() : 0;
    QVERIFY2(out.contains("\\trleft" + QByteArray::number(left)), out.constData());
}

void TestRtfPageSetup::renumbering_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("expected"); // fonts add 10, colours add 100
    QTest::newRow("nominal: fonts and colours") << QByteArray("{\\header \\f1\\af2\\cf3\\highlight4 x}")
                                                << QByteArray("{\\header \\f11\\af12\\cf103\\highlight104 x}");
    QTest::newRow("nominal: other words stay") << QByteArray("{\\header \\fs24\\fi-360\\cfx1 x}")
                                               << QByteArray("{\\header \\fs24\\fi-360\\cfx1 x}");
    QTest::newRow("robustness: an escaped backslash is text") << QByteArray("{\\header a\\\\f1 b}")
                                                              << QByteArray("{\\header a\\\\f1 b}");
    QTest::newRow("robustness: binary data is left alone") << QByteArray("{\\header \\bin4 \\f1x\\f1}")
                                                           << QByteArray("{\\header \\bin4 \\f1x\\f11}");
    QTest::newRow("robustness: a word without a number") << QByteArray("{\\header \\f\\cf-}")
                                                         << QByteArray("{\\header \\f\\cf-}");
}

void TestRtfPageSetup::renumbering()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, expected);
    QCOMPARE(Rtf::renumbered(group, [](Rtf::Numbered kind, int n) { return n + (kind == Rtf::Numbered::Font ? 10 : 100); }),
             expected);
}

QTEST_MAIN(TestRtfPageSetup)
#include "tst_rtf_page_setup.moc"
