// Paragraph formatting, lists, tables, pictures and links: what the reader makes of
// them, that the writer gives them back unchanged, and that search positions in the
// whole text still equal cursor positions.

#include "document/reading/work_progress.h"
#include "rtf_round_trip.h"
#include "rtf_test_util.h"

#include <QBuffer>
#include <QImage>
#include <QTextCursor>
#include <QTextImageFormat>
#include <QTextTable>

using namespace RtfTest;

namespace {

const QByteArray kLists = "{\\*\\listtable{\\list{\\listlevel\\levelnfc23\\levelstartat1}{\\listlevel\\levelnfc4"
                          "\\levelstartat1}\\listid7}{\\list{\\listlevel\\levelnfc0\\levelstartat3}\\listid8}}"
                          "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}{\\listoverride\\listid8\\ls2}}";

QByteArray pngHex()
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

// Every block's shape, its paragraph format and the pictures and links in it.
QStringList shapes(const QTextDocument &d)
{
    QStringList out;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        QStringList s{RtfFuzz::blockShape(b)};
        const auto px = [&](const char *name, double v) {
            if (std::abs(v) > 0.01)
                s << QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(v);
        };
        px("left", f.leftMargin()), px("right", f.rightMargin()), px("first", f.textIndent());
        px("before", f.topMargin()), px("after", f.bottomMargin());
        if (f.lineHeightType() != QTextBlockFormat::SingleHeight)
            s << QStringLiteral("line=%1:%2").arg(f.lineHeightType()).arg(f.lineHeight());
        for (const QTextOption::Tab &t : f.tabPositions())
            s << QStringLiteral("tab=%1:%2").arg(t.type).arg(t.position);
        if (f.pageBreakPolicy() != QTextFormat::PageBreak_Auto)
            s << QStringLiteral("page");
        if (f.nonBreakableLines())
            s << QStringLiteral("keep");
        if (const QTextList *list = b.textList(); list && list->format().hasProperty(Rtf::ListLeftProperty))
            s << QStringLiteral("level=%1:%2").arg(list->format().intProperty(Rtf::ListLeftProperty))
                        .arg(list->format().intProperty(Rtf::ListFirstProperty));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            if (c.isImageFormat())
                s << QStringLiteral("image=%1x%2").arg(c.toImageFormat().width()).arg(c.toImageFormat().height());
            if (c.isAnchor())
                s << QStringLiteral("link=") + c.anchorHref();
        }
        out << s.join(u' ');
    }
    return out;
}

} // namespace

class TestRtfStructures : public QObject
{
    Q_OBJECT

private slots:
    void readsAndWritesBack_data();
    void readsAndWritesBack();
    void keptPictureIsWrittenUnchanged();
    void emptyCellsKeepTheirMark_data();
    void emptyCellsKeepTheirMark();
    void searchPositionsAgree();
    void rowsAreMadeInSteps_data();
    void rowsAreMadeInSteps();
    void longTableStopsWhenAsked();
    void nestedTablesKeepTheirWidths();
};

void TestRtfStructures::readsAndWritesBack_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nominal: indents") << arialDocument("\\li720\\ri360\\fi-360 a\\par") << QStringList{"a left=48 right=24 first=-24"};
    QTest::newRow("nominal: spacing and automatic spacing")
        << arialDocument("\\sb120\\sa240 a\\par\\pard\\sbauto1 b") << QStringList{"a before=8 after=16", "b before=18.6667"};
    QTest::newRow("nominal: line spacing") << arialDocument("\\sl360\\slmult1 a\\par\\pard\\sl-300 b\\par\\pard\\sl300 c")
                                           << QStringList{"a line=1:150", "b line=2:20", "c line=3:20"};
    QTest::newRow("nominal: words after a paragraph's text shape the paragraphs after it")
        << arialDocument("\\sa0 a\\sa240\\li720\\par b\\par\\pard{c}\\tx720\\fi360\\par")
        << QStringList{"a", "b left=48 after=16", "c"};
    QTest::newRow("nominal: a list label's text does not fix its paragraph")
        << arialDocument("{\\listtext\\pard\\plain 1.\\tab}\\pard\\li720\\sa240 a\\par")
        << QStringList{"1.\ta left=48 after=16"};
    QTest::newRow("nominal: \\pard or an alignment word after the text restates the paragraph")
        << arialDocument("a\\ql\\sa240\\par\\pard b\\pard\\li720\\par c\\qc\\ri360 d\\sb240\\par")
        << QStringList{"a after=16", "b left=48", "cd left=48 right=24"};
    QTest::newRow("nominal: a paragraph style gives its own paragraph words, not its base's nor its spacing")
        << arialDocument("{\\stylesheet{\\ri360 Normal;}{\\s1\\sb240\\li720\\keep\\sbasedon0 Heading;}}\\pard\\s1 a\\par\\pard\\s1\\li0 b")
        << QStringList{"a left=48 keep", "b keep"};
    QTest::newRow("nominal: \\contextualspace drops the space between paragraphs of one style")
        << arialDocument("\\s1\\sb120\\sa240\\contextualspace a\\par b\\par\\pard\\s2\\sb120\\sa240 c\\par")
        << QStringList{"a before=8", "b after=16", "c before=8 after=16"};
    QTest::newRow("nominal: \\contextualspace keeps the space between cells")
        << arialDocument("\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\sa240\\contextualspace a\\cell b\\cell\\row")
        << QStringList{"", "a [cell 0,0 1x1] after=16", "b [cell 0,1 1x1] after=16", ""};
    QTest::newRow("nominal: tab stops") << arialDocument("\\tqr\\tx2880\\tqc\\tx3000\\tqdec\\tx4500\\tx720 a")
                                        << QStringList{"a tab=1:192 tab=2:200 tab=3:300 tab=0:48"};
    QTest::newRow("nominal: page breaks and keeps") << arialDocument("a\\page b\\par\\pard\\pagebb\\keep c")
                                                    << QStringList{"a", "b page", "c page keep"};
    QTest::newRow("nominal: list table, labels dropped")
        << arialDocument(kLists + "\\pard\\ls1\\li720 {\\listtext\\'95\\tab}one\\par\\pard\\ls1\\ilvl1\\li1440 {\\listtext a.\\tab}two"
                        "\\par\\pard\\ls2\\li720 {\\listtext 3.\\tab}three\\par")
        << QStringList{"one [list -1 1] left=8", "two [list -5 2] left=16", "three [list -4 1] left=8"};
    QTest::newRow("nominal: older \\pn lists")
        << arialDocument("{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}a\\par"
               "{\\pntext\\'b7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}b\\par")
        << QStringList{"a [list -4 1] left=-40", "b [list -1 1] left=-40"};
    QTest::newRow("nominal: list levels keep their own indents")
        << arialDocument("{\\*\\listtable{\\list{\\listlevel\\levelnfc1\\fi-720\\li720}{\\listlevel\\levelnfc0\\li1440}\\listid3}}"
               "{\\*\\listoverridetable{\\listoverride\\listid3\\ls1}}\\li300\\fi200"
               "\\pard\\li720\\fi-720\\ls1 a\\par\\pard\\ls1\\ilvl1\\li1440 b\\par"
               "\\pard\\ls1\\ilvl2 c\\par")
        << QStringList{"a [list -8 1] left=8 first=-48 level=720:-720", "b [list -4 2] left=16 level=1440:0",
                       "c [list -4 3] left=-120 level=1440:0"};
    QTest::newRow("nominal: \\pnlvlcont goes on after an item without a number")
        << arialDocument("{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec}\\li720 a\\par\\pard\\li720\\fi-720{\\*\\pn\\pnlvlcont\\pndec}b\\par")
        << QStringList{"a [list -4 1] left=8", "b left=48 first=-48"};
    QTest::newRow("nominal: labels with their own \\pard, after a row and opening a cell")
        << arialDocument(kLists + "\\trowd\\cellx1000\\pard\\intbl a\\cell\\row{\\listtext\\pard\\plain\\'b7\\tab}\\pard\\ls1 b\\par"
                        "\\trowd\\cellx1000{\\listtext\\pard\\intbl 3.\\tab}\\pard\\intbl\\ls2 c\\cell\\row")
        << QStringList{"", "a [cell 0,0 1x1]", "b [list -1 1] left=-40", "c [list -4 1] [cell 0,0 1x1] left=-40", ""};
    QTest::newRow("nominal: a paragraph keeps the words of a group closed before its end")
        << arialDocument("{\\li720 a}\\par b\\par{\\li360 c}\\pard d\\par\\li240{\\li480 e}\\par f")
        << QStringList{"a left=48", "b", "cd", "e left=32", "f left=16"};
    QTest::newRow("robustness: a group closed after a cell's end leaves the next cell's paragraph alone")
        << arialDocument("\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\li720 a{\\cell\\pard}b\\cell\\row\\pard y")
        << QStringList{"", "a [cell 0,0 1x1] left=48", "b [cell 0,1 1x1] left=48", "y"};
    QTest::newRow("nominal: a list label's group with its own \\pard leaves the item's paragraph alone")
        << arialDocument(kLists + "\\pard\\ls1\\fi-360\\li720{\\listtext\\pard\\plain 1.\\tab}a\\par")
        << QStringList{"a [list -1 1] left=8 first=-24"};
    QTest::newRow("robustness: a label of an undefined list stays")
        << arialDocument("\\ls9{\\listtext 1.\\tab}a") << QStringList{"1.\ta"};
    QTest::newRow("nominal: merged cells")
        << arialDocument("x\\par\\trowd\\clmgf\\cellx1500\\clmrg\\cellx3000\\clvmgf\\cellx4500\\pard\\intbl a\\cell\\cell b\\cell\\row"
               "\\trowd\\cellx1500\\cellx3000\\clvmrg\\cellx4500\\pard\\intbl c\\cell d\\cell\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x2]", "b [cell 0,2 2x1]", "c [cell 1,0 1x1]", "d [cell 1,1 1x1]", "y"};
    QTest::newRow("nominal: paragraphs of cells merged down and across keep their own formats")
        << arialDocument("x\\par\\trowd\\clvmgf\\cellx2000\\clmgf\\cellx4000\\clmrg\\cellx6000\\pard\\intbl\\li150 a\\cell\\li300 b\\cell"
               "\\li450 c\\par\\li600 c1\\par\\li150 c2\\cell\\row\\trowd\\clvmrg\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl\\li600 d\\cell e\\cell f\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 2x1] left=10", "d [cell 0,0 2x1] left=40", "b c [cell 0,1 1x2] left=20",
                       "c1 [cell 0,1 1x2] left=40",
                       "c2 [cell 0,1 1x2] left=10", "e [cell 1,1 1x1] left=40",
                       "f [cell 1,2 1x1] left=40", "y"};
    QTest::newRow("nominal: merge given by cell widths")
        << arialDocument("x\\par\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl a\\cell b\\cell c\\cell\\row"
               "\\trowd\\cellx2010\\cellx3000\\pard\\intbl d\\cell e\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x1]", "b [cell 0,1 1x1]", "c [cell 0,2 1x1]", "d [cell 1,0 1x2]",
                       "e [cell 1,2 1x1]", "y"};
    QTest::newRow("nominal: a first row with one wide cell spans the columns later rows give")
        << arialDocument("x\\par\\trowd\\cellx3000\\pard\\intbl a\\cell\\row\\trowd\\cellx1000\\cellx2000\\cellx3000\\pard\\intbl b\\cell c\\cell d\\cell\\row"
               "\\trowd\\cellx2000\\cellx3000\\pard\\intbl e\\cell f\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x3]", "b [cell 1,0 1x1]", "c [cell 1,1 1x1]", "d [cell 1,2 1x1]",
                       "e [cell 2,0 1x2]", "f [cell 2,2 1x1]", "y"};
    QTest::newRow("nominal: rows whose definition comes again, or only, before their end")
        << arialDocument("x\\par\\trowd\\cellx3000\\pard\\intbl a\\cell\\trowd\\cellx3000\\row\\pard\\intbl b\\cell c\\cell"
               "\\trowd\\cellx1000\\cellx3000\\row\\pard\\intbl d\\cell e\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x2]", "b [cell 1,0 1x1]", "c [cell 1,1 1x1]", "d [cell 2,0 1x1]", "e [cell 2,1 1x1]", "y"};
    QTest::newRow("nominal: a nested table's rows with fewer, wider cells span its columns")
        << arialDocument("x\\par\\trowd\\cellx5000\\pard\\intbl\\itap2 a\\nestcell{\\*\\nesttableprops\\trowd\\cellx3000\\nestrow}"
               "\\pard\\intbl\\itap2 b\\nestcell c\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx3000\\nestrow}"
               "\\pard\\intbl\\itap2 d\\nestcell e\\nestcell f\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2000\\cellx3000\\nestrow}"
               "\\pard\\intbl z\\cell\\row\\pard y")
        << QStringList{"x", " [cell 0,0 1x1]", "a [cell 0,0 1x1] [cell 0,0 1x3]", "b [cell 0,0 1x1] [cell 1,0 1x1]",
                       "c [cell 0,0 1x1] [cell 1,1 1x2]", "d [cell 0,0 1x1] [cell 2,0 1x1]", "e [cell 0,0 1x1] [cell 2,1 1x1]",
                       "f [cell 0,0 1x1] [cell 2,2 1x1]", "z [cell 0,0 1x1]", "y"};
    QTest::newRow("nominal: cells merged across without width of their own join the cell before")
        << arialDocument("x\\par\\trowd\\clmgf\\cellx3000\\clmrg\\cellx3000\\pard\\intbl a\\cell\\cell\\row"
               "\\trowd\\cellx1000\\cellx1000\\cellx3000\\pard\\intbl b\\cell c\\par d\\cell e\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x2]", "b [cell 1,0 1x1]", "c [cell 1,0 1x1]", "d [cell 1,0 1x1]",
                       "e [cell 1,1 1x1]", "y"};
    QTest::newRow("nominal: text before \\intbl is in the cell, as the whole paragraph is")
        << arialDocument("a\\intbl\\cell\\row\\pard x\\par\\trowd\\cellx1000 {\\b b}\\intbl c\\cell\\row\\pard y")
        << QStringList{"", "a [cell 0,0 1x1]", "x", "bc [cell 0,0 1x1]", "y"};
    QTest::newRow("robustness: more cells than \\cellx")
        << arialDocument("x\\par\\trowd\\cellx1000\\pard\\intbl a\\cell b\\cell\\row")
        << QStringList{"x", "a [cell 0,0 1x1]", "b [cell 0,1 1x1]", ""};
    QTest::newRow("nominal: a paragraph between two tables")
        << arialDocument("x\\par\\trowd\\cellx1000\\pard\\intbl a\\cell\\row\\trowd\\cellx1000\\pard\\intbl b\\cell\\row"
               "\\pard mid\\par\\trowd\\cellx1000\\pard\\intbl c\\cell\\row\\pard y")
        << QStringList{"x", "a [cell 0,0 1x1]", "b [cell 1,0 1x1]", "mid", "c [cell 0,0 1x1]", "y"};
    QTest::newRow("nominal: tables nested in a cell, as Word writes them")
        << fileBytes(dataDir() + QStringLiteral("/nested_tables.rtf"))
        << QStringList{"", "outer a [cell 0,0 1x1]", "in1 [cell 0,0 1x1] [cell 0,0 1x1]",
                       "in2 [cell 0,0 1x1] [cell 0,1 1x1]", "in3 [cell 0,0 1x1] [cell 1,0 1x1]",
                       "in4 [cell 0,0 1x1] [cell 1,1 1x1]", " [cell 0,0 1x1]", "outer b [cell 0,1 1x1]", "after"};
    QTest::newRow("nominal: three tables deep")
        << arialDocument("\\trowd\\cellx5000\\pard\\intbl\\itap3 deep\\nestcell{\\*\\nesttableprops\\trowd\\cellx1000\\nestrow}"
               "\\pard\\intbl\\itap2\\nestcell{\\*\\nesttableprops\\trowd\\cellx3000\\nestrow}\\pard\\intbl\\cell\\row\\pard y")
        << QStringList{"", " [cell 0,0 1x1]", " [cell 0,0 1x1] [cell 0,0 1x1]",
                       "deep [cell 0,0 1x1] [cell 0,0 1x1] [cell 0,0 1x1]", " [cell 0,0 1x1] [cell 0,0 1x1]",
                       " [cell 0,0 1x1]", "y"};
    QTest::newRow("robustness: a nested cell outside any table is a tab")
        << arialDocument("a\\nestcell b\\nestrow c") << QStringList{"a\tb", "c"};
    QTest::newRow("robustness: a row ends while a nested table is open")
        << arialDocument("\\trowd\\cellx2000\\pard\\intbl\\itap2 in\\nestcell\\pard\\intbl\\cell\\row\\pard y")
        << QStringList{"", " [cell 0,0 1x1]", "in [cell 0,0 1x1] [cell 0,0 1x1]", " [cell 0,0 1x1]", "y"};
    QByteArray cells;
    QStringList cellShapes{"x"};
    for (int c = 1; c <= 65; ++c) {
        cells += "c" + QByteArray::number(c) + "\\cell ";
        if (c < 63)
            cellShapes << QStringLiteral("c%1 [cell 0,%2 1x1]").arg(c).arg(c - 1);
    }
    QTest::newRow("robustness: cells past Word's 63 in a row share the last")
        << arialDocument("x\\par\\trowd\\cellx1000\\pard\\intbl " + cells + "\\row\\pard y")
        << cellShapes + QStringList{"c63\tc64\tc65 [cell 0,62 1x1]", "y"};
    QTest::newRow("nominal: PNG at its goal size")
        << arialDocument("a{\\*\\shppict{\\pict\\pngblip\\picw2\\pich1\\picwgoal600\\pichgoal300 " + pngHex()
               + "}}{\\nonshppict{\\pict\\wmetafile8 00}}b")
        << QStringList{QString::fromUtf8("a\uFFFCb image=40x20")};
    QTest::newRow("nominal: hyperlink field")
        << arialDocument("{\\field{\\*\\fldinst HYPERLINK \"http://x.org/a b\" \\\\o \"tip\"}{\\fldrslt link}}!"
               "{\\field{\\*\\fldinst HYPERLINK \\\\l \"here\"}{\\fldrslt in}}")
        << QStringList{"link!in link=http://x.org/a b link=#here"};
    QTest::newRow("nominal: a link target in the code page and \\u")
        << arialDocument("{\\field{\\*\\fldinst HYPERLINK \"http://x.org/caf\\'e9\\u8364?\\uc2\\u937\\'3f\\'3f\"}{\\fldrslt a}}")
        << QStringList{QString::fromUtf8("a link=http://x.org/café€Ω")};
    QTest::newRow("robustness: a link target with quotes and control characters")
        << arialDocument("{\\field{\\*\\fldinst HYPERLINK x\"y\\'01z}{\\fldrslt a}}")
        << QStringList{"a link=x%22yz"};
    QTest::newRow("nominal: a link target with escaped braces and backslash")
        << arialDocument("{\\field{\\*\\fldinst HYPERLINK \"a\\{b\\}c\\\\d\"}{\\fldrslt a}}")
        << QStringList{"a link=a{b}c\\d"};
    QTest::newRow("nominal: other fields keep their result")
        << arialDocument("{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}") << QStringList{"3"};
}

void TestRtfStructures::readsAndWritesBack()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, expected);
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(shapes(d), expected);
    QTextDocument back;
    QVERIFY(load(Rtf::write(d), back));
    QCOMPARE(shapes(back), expected);
}

void TestRtfStructures::keptPictureIsWrittenUnchanged()
{
    const QByteArray pict = "{\\pict\\wmetafile8\\picwgoal1440\\pichgoal720 0100{\\*\\blipuid 12}09}";
    QTextDocument d;
    QVERIFY(load(arialDocument("a" + pict + "b"), d));
    QCOMPARE(shapes(d), QStringList{QString::fromUtf8("a\uFFFCb image=96x48")});
    const QByteArray written = Rtf::write(d);
    QVERIFY2(written.contains("{\\pict \\wmetafile8\\picwgoal1440\\pichgoal720 0100{\\*\\blipuid 12}09}"), written);
    QVERIFY(load("{\\rtf1 a{\\pict\\emfblip 01", d)); // cut off: nothing half-kept
    QCOMPARE(d.toPlainText(), QStringLiteral("a"));
}

void TestRtfStructures::emptyCellsKeepTheirMark_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("alignment");
    QTest::newRow("nominal: a cell with only a space keeps its font and alignment")
        << 0 << QStringLiteral("Times New Roman") << 9.0 << int(Qt::AlignHCenter);
    QTest::newRow("nominal: a cell with nothing keeps the font in force and its alignment")
        << 2 << QStringLiteral("Arial") << 12.0 << int(Qt::AlignRight);
}

// The font of an empty cell's mark sets the cell's height; Qt leaves it with none.
void TestRtfStructures::emptyCellsKeepTheirMark()
{
    QFETCH(int, column);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, alignment);
    QTextDocument d, back;
    QVERIFY(load(fileBytes(dataDir() + QStringLiteral("/../regressions/empty_cell_keeps_its_font.rtf")), d));
    QVERIFY(load(Rtf::write(d), back));
    for (const QTextDocument *each : {&d, &back}) {
        const auto *table = qobject_cast<QTextTable *>(each->frameAt(each->begin().next().position()));
        QVERIFY(table);
        const QTextBlock cell = table->cellAt(0, column).firstCursorPosition().block();
        QCOMPARE(cell.length(), 1);
        QCOMPARE(cell.charFormat().fontFamilies().toStringList(), QStringList{family});
        QCOMPARE(cell.charFormat().fontPointSize(), points);
        QCOMPARE(int(cell.blockFormat().alignment()), alignment);
    }
}

void TestRtfStructures::searchPositionsAgree()
{
    QTextDocument d;
    QVERIFY(load(arialDocument(kLists + "\\pard\\ls1 {\\listtext\\'95\\tab}alpha\\par\\trowd\\cellx1000\\cellx2000\\pard\\intbl "
                               "beta\\cell gamma\\par delta\\cell\\row\\pard epsilon{\\pict\\pngblip " + pngHex() + "}zeta"),
                 d));
    const QString text = d.toPlainText();
    for (const char *word : {"alpha", "beta", "gamma", "delta", "epsilon", "zeta"}) {
        const QTextCursor found = d.find(word);
        QVERIFY2(!found.isNull(), qPrintable(word));
        QCOMPARE(text.indexOf(word), found.selectionStart());
    }
}

void TestRtfStructures::rowsAreMadeInSteps_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::newRow("nominal: 70,000 rows, more than are made at once") << 70000 << 1;
    QTest::newRow("nominal: 20,000 rows of 5 cells") << 20000 << 5;
}

// Every row is where it belongs, and none is left over, however many rows the reader made ahead.
void TestRtfStructures::rowsAreMadeInSteps()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QByteArray row = "\\trowd";
    for (int c = 1; c <= columns; ++c)
        row += "\\cellx" + QByteArray::number(c * 1000);
    row += "\\pard\\intbl " + QByteArray("x\\cell ").repeated(columns) + "\\row\n";
    QTextDocument d;
    QVERIFY(load(arialDocument("a\\par" + row.repeated(rows - 1) + row.replace("x\\cell", "last\\cell") + "\\pard b"), d));
    const auto *table = qobject_cast<QTextTable *>(d.frameAt(d.begin().next().position()));
    QVERIFY(table);
    QCOMPARE(table->rows(), rows);
    QCOMPARE(table->columns(), columns);
    QCOMPARE(table->cellAt(rows - 1, columns - 1).firstCursorPosition().block().text(), QStringLiteral("last"));
    QCOMPARE(d.lastBlock().text(), QStringLiteral("b"));
    QCOMPARE(d.blockCount(), rows * columns + 2);
}

// The progress is asked all along a long table, and reading stops at once when it says so.
void TestRtfStructures::longTableStopsWhenAsked()
{
    struct StopAt : WorkProgress
    {
        int calls = 0;
        qint64 lastDone = -1;
        bool advance(qint64 done, qint64) override
        {
            lastDone = done;
            return ++calls < 20;
        }
    } progress;
    const QByteArray rtf = arialDocument(QByteArray("\\trowd\\cellx1000\\pard\\intbl x\\cell\\row\n").repeated(40000));
    QTextDocument d;
    QVERIFY(Rtf::read(rtf, d, &progress).wasStopped());
    QCOMPARE(progress.calls, 20);
    QVERIFY(progress.lastDone > 0 && progress.lastDone < rtf.size() / 2);
}

// Each table's columns as its rows gave them, written back in Word's form for nested rows.
void TestRtfStructures::nestedTablesKeepTheirWidths()
{
    QTextDocument d;
    QVERIFY(load(fileBytes(dataDir() + QStringLiteral("/nested_tables.rtf")), d));
    const auto *outer = qobject_cast<QTextTable *>(d.rootFrame()->childFrames().value(0));
    QVERIFY(outer);
    const auto *inner = qobject_cast<QTextTable *>(outer->childFrames().value(0));
    QVERIFY(inner);
    const auto widths = [](const QTextTable *t) {
        QList<double> px;
        for (const QTextLength &w : t->format().columnWidthConstraints())
            px << w.rawValue();
        return px;
    };
    QCOMPARE(widths(outer), (QList<double>{4000 / 15.0, 5000 / 15.0}));
    QCOMPARE(widths(inner), (QList<double>{100, 2000 / 15.0}));
    QCOMPARE(inner->format().cellPadding(), 50 / 15.0);
    const QByteArray written = Rtf::write(d);
    QCOMPARE(written.count("{\\*\\nesttableprops\\trowd"), 2);
    QCOMPARE(written.count("\\nestcell"), 4);
    QVERIFY(written.contains("\\itap2 in1\\nestcell"));
    QVERIFY(written.contains("\\cellx1500\\cellx3500\n\\nestrow}{\\nonesttables\\par}"));
}

QTEST_MAIN(TestRtfStructures)
#include "tst_rtf_structures.moc"
