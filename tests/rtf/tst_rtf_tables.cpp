// Tables inside table cells: their merged cells read and written back, and their widths
// fitted to the cells they are in.

#include "rtf_round_trip.h"
#include "rtf_test_util.h"

#include "document/rtf/rtf_format.h"

#include <QTextFrame>

using namespace RtfTest;

namespace {

// A nested row in Word's form: its cells, then its definition.
QByteArray nestedRow(int depth, const QByteArrayList &cells, const QByteArray &definition)
{
    const QByteArray pard = "\\pard\\intbl\\itap" + QByteArray::number(depth) + " ";
    QByteArray row;
    for (const QByteArray &cell : cells)
        row += pard + cell + "\\nestcell";
    return row + "{\\*\\nesttableprops\\trowd" + definition + "\\nestrow}{\\nonesttables\\par}";
}

// One outer row of two cells, the first holding the nested rows.
QByteArray outerRow(const QByteArray &edges, const QByteArray &nested)
{
    return arialDocument("x\\par\\trowd" + edges + "\\pard\\intbl o\\par" + nested + "\\pard\\intbl\\itap1 p\\cell q\\cell\\row\\pard y\\par");
}

// Each table's right edges in twips, the tables in reading order, the outer before those inside.
void collectEdges(const QTextFrame *frame, QList<QList<int>> &out)
{
    if (const auto *table = qobject_cast<const QTextTable *>(frame))
        out << Rtf::columnEdges(table->format().columnWidthConstraints(), table->columns());
    for (const QTextFrame *child : frame->childFrames())
        collectEdges(child, out);
}

QList<QList<int>> tableEdges(const QTextDocument &d)
{
    QList<QList<int>> out;
    collectEdges(d.rootFrame(), out);
    return out;
}

} // namespace

class TestRtfTables : public QObject
{
    Q_OBJECT

private slots:
    void nestedMergesReadAndWrittenBack_data();
    void nestedMergesReadAndWrittenBack();
    void nestedTablesFitTheirCells_data();
    void nestedTablesFitTheirCells();
};

void TestRtfTables::nestedMergesReadAndWrittenBack_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("expected");
    const QByteArray three = "\\cellx1000\\cellx2000\\cellx3000";
    QTest::newRow("nominal: merged across and down in a nested table")
        << outerRow("\\cellx4000\\cellx6000",
                    nestedRow(2, {"a", "b", ""}, "\\clvmgf\\cellx1000\\clmgf\\cellx2000\\clmrg\\cellx3000")
                        + nestedRow(2, {"", "d", "e"}, "\\clvmrg" + three))
        << QStringList{"x", "o [cell 0,0 1x1]", "a [cell 0,0 1x1] [cell 0,0 2x1]", "b [cell 0,0 1x1] [cell 0,1 1x2]",
                       "d [cell 0,0 1x1] [cell 1,1 1x1]", "e [cell 0,0 1x1] [cell 1,2 1x1]", "p [cell 0,0 1x1]",
                       "q [cell 0,1 1x1]", "y"};
    QTest::newRow("nominal: merged down to the nested table's last row, text in each cell")
        << outerRow("\\cellx4000\\cellx6000",
                    nestedRow(2, {"a", "b"}, "\\clvmgf\\cellx1000\\cellx2000")
                        + nestedRow(2, {"c", "d"}, "\\clvmrg\\cellx1000\\cellx2000"))
        << QStringList{"x", "o [cell 0,0 1x1]", "a [cell 0,0 1x1] [cell 0,0 2x1]", "c [cell 0,0 1x1] [cell 0,0 2x1]",
                       "b [cell 0,0 1x1] [cell 0,1 1x1]", "d [cell 0,0 1x1] [cell 1,1 1x1]", "p [cell 0,0 1x1]",
                       "q [cell 0,1 1x1]", "y"};
    QTest::newRow("nominal: merged across in a table three deep")
        << outerRow("\\cellx4000\\cellx6000",
                    nestedRow(3, {"a", ""}, "\\clmgf\\cellx500\\clmrg\\cellx1000") + nestedRow(3, {"b", "c"}, "\\cellx500\\cellx1000")
                        + nestedRow(2, {"", "d"}, "\\cellx2000\\cellx3000"))
        << QStringList{"x", "o [cell 0,0 1x1]", " [cell 0,0 1x1] [cell 0,0 1x1]",
                       "a [cell 0,0 1x1] [cell 0,0 1x1] [cell 0,0 1x2]", "b [cell 0,0 1x1] [cell 0,0 1x1] [cell 1,0 1x1]",
                       "c [cell 0,0 1x1] [cell 0,0 1x1] [cell 1,1 1x1]", " [cell 0,0 1x1] [cell 0,0 1x1]",
                       "d [cell 0,0 1x1] [cell 0,1 1x1]",
                       "p [cell 0,0 1x1]", "q [cell 0,1 1x1]", "y"};
    QTest::newRow("robustness: a nested cell merged into nothing above or before")
        << outerRow("\\cellx4000\\cellx6000", nestedRow(2, {"a", "b"}, "\\clvmrg\\cellx1000\\clmrg\\cellx2000"))
        << QStringList{"x", "o [cell 0,0 1x1]", "a [cell 0,0 1x1] [cell 0,0 1x1]", "b [cell 0,0 1x1] [cell 0,1 1x1]",
                       "p [cell 0,0 1x1]", "q [cell 0,1 1x1]", "y"};
}

// The cells, spans and text as the file gave them, and all of it kept through a rewrite.
void TestRtfTables::nestedMergesReadAndWrittenBack()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, expected);
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(RtfFuzz::blockTexts(d), expected);
    const QString difference = RtfFuzz::roundTripDifference(rtf);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestRtfTables::nestedTablesFitTheirCells_data()
{
    using Edges = QList<QList<int>>;
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<Edges>("read");
    QTest::addColumn<Edges>("written"); // empty: as read
    const QByteArray outer = "\\cellx3000\\cellx6000";
    QTest::newRow("nominal: a nested table wider than its cell is narrowed, its proportions kept")
        << outerRow(outer, nestedRow(2, {"a", "b"}, "\\cellx3000\\cellx9000")) << Edges{{3000, 6000}, {1000, 3000}} << Edges{};
    QTest::newRow("nominal: a nested table narrower than its cell keeps its widths")
        << outerRow(outer, nestedRow(2, {"a", "b"}, "\\cellx1000\\cellx2500")) << Edges{{3000, 6000}, {1000, 2500}} << Edges{};
    QTest::newRow("nominal: a cell merged across is as wide as the cells it spans")
        << outerRow("\\clmgf\\cellx3000\\clmrg\\cellx6000", nestedRow(2, {"a", "b"}, "\\cellx3000\\cellx12000"))
        << Edges{{3000, 6000}, {1500, 6000}} << Edges{};
    QTest::newRow("nominal: three deep, each table fits the cell it is in")
        << outerRow("\\cellx4000\\cellx6000",
                    "\\pard\\intbl\\itap2 a\\nestcell\\pard\\intbl\\itap2 b\\par" + nestedRow(3, {"c"}, "\\cellx9000")
                        + nestedRow(2, {""}, "\\cellx2000\\cellx8000"))
        << Edges{{4000, 6000}, {1000, 4000}, {3000}} << Edges{};
    QTest::newRow("nominal: an outer table wider than the page takes its nested tables along when written")
        << outerRow("\\cellx10000\\cellx20000", nestedRow(2, {"a"}, "\\cellx20000")).replace("x\\par", "\\paperw12240\\margl1440\\margr1440 x\\par")
        << Edges{{10000, 20000}, {10000}} << Edges{{5400, 10800}, {5400}};
}

void TestRtfTables::nestedTablesFitTheirCells()
{
    using Edges = QList<QList<int>>;
    QFETCH(QByteArray, rtf);
    QFETCH(Edges, read);
    QFETCH(Edges, written);
    QTextDocument d;
    QVERIFY(load(rtf, d));
    QCOMPARE(tableEdges(d), read);
    const QByteArray once = Rtf::write(d);
    QTextDocument back;
    QVERIFY(load(once, back));
    QCOMPARE(tableEdges(back), written.isEmpty() ? read : written);
    QCOMPARE(Rtf::write(back), once);
}

QTEST_MAIN(TestRtfTables)
#include "tst_rtf_tables.moc"
