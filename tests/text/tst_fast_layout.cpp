// A document laid out for the screen reads the same as one laid out by default: every paragraph
// in the direction its own text gives it, long runs found, and the printout shaped.
#include "text/fast_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <memory>

using FastLayout::TextTraits;

class TestFastLayout : public QObject {
    Q_OBJECT
private slots:
    void traitsOfText_data();
    void traitsOfText();
    void documentTraitsGoParagraphByParagraph();
    void directionsAsEachParagraphReads_data();
    void directionsAsEachParagraphReads();
    void rightToLeftTypingLaterFreesTheDirection();
    void printoutKeepsItsShaping();
    void gatheredLayoutsLayOutTheSame_data();
    void gatheredLayoutsLayOutTheSame();
};

namespace {
const QString kHebrew = QStringLiteral("\u05e9\u05dc\u05d5\u05dd");
const QString kArabic = QStringLiteral("\u0645\u0631\u062d\u0628\u0627");

// Laid out at a page width, as in a box.
std::unique_ptr<QTextDocument> laidOut(const QString &text)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setTextWidth(400);
    doc->setPlainText(text);
    doc->documentLayout()->documentSize();
    return doc;
}

QList<Qt::LayoutDirection> directions(const QTextDocument &doc)
{
    QList<Qt::LayoutDirection> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << b.textDirection();
    return out;
}
} // namespace

void TestFastLayout::traitsOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("longestRun");
    QTest::newRow("nominal: English words") << "we drove the old car" << false << 5;
    QTest::newRow("nominal: a Hebrew word among English") << "we said " + kHebrew + " to them" << true << 4;
    QTest::newRow("nominal: Arabic") << kArabic << true << 5;
    QTest::newRow("nominal: a right-to-left embedding mark") << QStringLiteral("a\u202bb") << true << 3;
    QTest::newRow("nominal: a right-to-left isolate") << QStringLiteral("a\u2067b\u2069") << true << 4;
    QTest::newRow("robustness: empty") << "" << false << 0;
    QTest::newRow("robustness: Arabic digits alone set no direction") << QStringLiteral("\u0661\u0662 12") << false << 2;
    QTest::newRow("robustness: a right-to-left letter beyond the basic plane") << QStringLiteral("x\U00010800") << true << 2;
    QTest::newRow("robustness: a pair of surrogates counts once in a run") << QStringLiteral("a\U0001F600b") << false << 3;
    QTest::newRow("robustness: no-break space and line separator part runs")
        << QStringLiteral("abc\u00a0de\u2028f") << false << 3;
    QTest::newRow("robustness: a lone surrogate") << QStringLiteral("ab\xd800") << false << 3;
}

void TestFastLayout::traitsOfText()
{
    QFETCH(QString, text);
    QFETCH(bool, rightToLeft);
    QFETCH(int, longestRun);
    const TextTraits traits = FastLayout::traitsOf(text);
    QCOMPARE(traits.rightToLeft, rightToLeft);
    QCOMPARE(traits.longestRun, longestRun);
}

void TestFastLayout::documentTraitsGoParagraphByParagraph()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("abcd\nefghij\nkl"));
    QCOMPARE(FastLayout::traitsOf(doc).longestRun, 6); // a paragraph end parts a run
    QVERIFY(!FastLayout::traitsOf(doc).rightToLeft);
    QTextCursor(&doc).insertText(kHebrew + "\n");
    QVERIFY(FastLayout::traitsOf(doc).rightToLeft);
}

void TestFastLayout::directionsAsEachParagraphReads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("nominal: English paragraphs are fixed left to right") << "one\n\ntwo 3" << true;
    QTest::newRow("nominal: a Hebrew paragraph keeps each its own") << "one\n" + kHebrew + " two\nthree" << false;
    QTest::newRow("robustness: digits and marks only") << "12 34\n-- !!\n" << true;
    QTest::newRow("robustness: an empty document") << "" << true;
}

// The settings only save reading the text: each paragraph keeps the direction it had.
void TestFastLayout::directionsAsEachParagraphReads()
{
    QFETCH(QString, text);
    QFETCH(bool, fixed);
    const auto plain = laidOut(text);
    const auto prepared = laidOut(text);
    FastLayout::prepare(*prepared, FastLayout::traitsOf(*prepared));
    QCOMPARE(FastLayout::hasFixedDirection(*prepared), fixed);
    QCOMPARE(directions(*prepared), directions(*plain));
}

void TestFastLayout::rightToLeftTypingLaterFreesTheDirection()
{
    const auto doc = laidOut(QStringLiteral("one\ntwo"));
    FastLayout::prepare(*doc, FastLayout::traitsOf(*doc));
    FastLayout::noteAdded(*doc, QStringLiteral("three"));
    QVERIFY(FastLayout::hasFixedDirection(*doc));
    QTextCursor end(doc.get());
    end.movePosition(QTextCursor::End);
    end.insertText("\n" + kArabic);
    FastLayout::noteAdded(*doc, "\n" + kArabic);
    QVERIFY(!FastLayout::hasFixedDirection(*doc));
    QCOMPARE(doc->lastBlock().textDirection(), Qt::RightToLeft);
    QCOMPARE(doc->firstBlock().textDirection(), Qt::LeftToRight);
}

// On screen the letters keep their own widths; the copy for paper is kerned as before.
void TestFastLayout::printoutKeepsItsShaping()
{
    const auto doc = laidOut(QStringLiteral("AVATAR To"));
    FastLayout::prepare(*doc, FastLayout::traitsOf(*doc));
    const auto unshaped = [](const QTextDocument &d) {
        return bool(QTextCursor(d.firstBlock()).charFormat().font().styleStrategy() & QFont::PreferNoShaping);
    };
    QVERIFY(unshaped(*doc));
    std::unique_ptr<QTextDocument> copy(doc->clone());
    FastLayout::forPrinting(*copy);
    QVERIFY(!unshaped(*copy));
    QVERIFY(unshaped(*doc));
    QCOMPARE(copy->toPlainText(), doc->toPlainText());
}

void TestFastLayout::gatheredLayoutsLayOutTheSame_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nominal: paragraphs of several lines and empty ones")
        << QStringLiteral("we drove the old car to the farm ").repeated(40) + "\n\n" + QStringLiteral("every summer ").repeated(70);
    QTest::newRow("robustness: one empty paragraph") << QString();
    QTest::newRow("robustness: a word longer than the line") << QString(3000, QLatin1Char('w'));
}

// Each paragraph gets its layout before any is laid out, and is then laid out as it would be.
void TestFastLayout::gatheredLayoutsLayOutTheSame()
{
    QFETCH(QString, text);
    QTextDocument doc;
    doc.setPlainText(text);
    FastLayout::gatherLayouts(doc);
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QVERIFY(b.layout());
        QCOMPARE(b.layout()->lineCount(), 0);
    }
    doc.setTextWidth(400);
    const auto plain = laidOut(text);
    QCOMPARE(doc.documentLayout()->documentSize(), plain->documentLayout()->documentSize());
    QVERIFY(doc.lastBlock().layout()->lineCount() > 0);
}

QTEST_MAIN(TestFastLayout)
#include "tst_fast_layout.moc"
