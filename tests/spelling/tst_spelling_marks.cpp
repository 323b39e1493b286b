// Marks on a document: only the paragraphs asked for are checked, a changed paragraph at once,
// and the marks never touch the text, its formats, its undo steps or its modified flag.
#include "test_dictionary.h"
#include "text/spelling/document_marks.h"
#include "text/spelling/speller.h"

#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Spelling;

class TestSpellingMarks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void onlyTheParagraphsAsked();
    void markedParagraphsAreRedrawnOnce();
    void marksChangeNothingInTheDocument();
    void typingChecksTheParagraphAtOnce();
    void misspeltWordAtPosition_data();
    void misspeltWordAtPosition();
    void ignoreAllClearsTheMarks();
    void noDictionaryNoMarks();

private:
    QTemporaryDir m_dir;
    QString m_aff;
};

namespace {
// Every paragraph reads "the old hosue". The document is laid out, as in a box: without a
// layout a document raises no change signals at all.
void fill(QTextDocument &doc, int paragraphs)
{
    doc.documentLayout();
    QStringList lines;
    for (int n = 0; n < paragraphs; ++n)
        lines << QStringLiteral("the old hosue");
    doc.setPlainText(lines.join('\n'));
}

QList<WordSpan> marksIn(const QTextDocument &doc, int paragraph) { return DocumentMarks::marksOf(doc.findBlockByNumber(paragraph)); }
const QList<WordSpan> kHosue{{8, 5}};
} // namespace

void TestSpellingMarks::initTestCase() { m_aff = writeTestDictionary(m_dir.path()); }

void TestSpellingMarks::init() { Speller::instance().useDictionary(m_aff); }

void TestSpellingMarks::onlyTheParagraphsAsked()
{
    QTextDocument doc;
    fill(doc, 50);
    DocumentMarks marks(&doc);
    marks.markBlocks(doc.findBlockByNumber(10), doc.findBlockByNumber(12));
    for (int n : {10, 11, 12})
        QCOMPARE(marksIn(doc, n), kHosue);
    for (int n : {0, 9, 13, 49})
        QVERIFY2(marksIn(doc, n).isEmpty(), qPrintable(QString::number(n)));
}

// Every redrawing lays out the rest of the document again: a screen of newly marked
// paragraphs is redrawn in one go, and paragraphs whose marks stay are not redrawn.
void TestSpellingMarks::markedParagraphsAreRedrawnOnce()
{
    QTextDocument doc;
    fill(doc, 50);
    DocumentMarks marks(&doc);
    QSignalSpy redrawn(doc.documentLayout(), &QAbstractTextDocumentLayout::update);
    marks.markBlocks(doc.findBlockByNumber(10), doc.findBlockByNumber(29));
    QCOMPARE(marksIn(doc, 29), kHosue);
    QCOMPARE(redrawn.count(), 1);
    Speller::instance().ignoreAll(QStringLiteral("old")); // a right word: no mark changes
    marks.markBlocks(doc.findBlockByNumber(10), doc.findBlockByNumber(29));
    QCOMPARE(redrawn.count(), 1);
}

void TestSpellingMarks::marksChangeNothingInTheDocument()
{
    QTextDocument doc;
    fill(doc, 5);
    doc.setModified(false);
    const QString html = doc.toHtml();
    const int undoSteps = doc.availableUndoSteps();
    QSignalSpy changed(&doc, &QTextDocument::contentsChanged);
    QSignalSpy change(&doc, &QTextDocument::contentsChange);
    const int revision = doc.lastBlock().revision();
    DocumentMarks marks(&doc);
    marks.markBlocks(doc.begin(), doc.lastBlock());
    QCOMPARE(marksIn(doc, 4), kHosue);
    // A marked paragraph keeps its revision, so it counts as checked until it changes.
    QCOMPARE(doc.lastBlock().revision(), revision);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(change.count(), 0);
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.availableUndoSteps(), undoSteps);
    QCOMPARE(doc.toHtml(), html);
    QTextCursor at(&doc);
    at.setPosition(10);
    QCOMPARE(at.charFormat().underlineStyle(), QTextCharFormat::NoUnderline);
    // A copy of the document (as printing and saving make) carries no marks.
    std::unique_ptr<QTextDocument> copy(doc.clone());
    QVERIFY(marksIn(*copy, 4).isEmpty());
}

void TestSpellingMarks::typingChecksTheParagraphAtOnce()
{
    QTextDocument doc;
    fill(doc, 20);
    DocumentMarks marks(&doc);
    QTextCursor cursor(doc.findBlockByNumber(15));
    cursor.insertText(QStringLiteral("car "));
    QCOMPARE(marksIn(doc, 15), (QList<WordSpan>{{12, 5}}));
    cursor.insertText(QStringLiteral("frm "));
    QCOMPARE(marksIn(doc, 15), (QList<WordSpan>{{4, 3}, {16, 5}}));
    QVERIFY(marksIn(doc, 14).isEmpty()); // its neighbours wait until they are shown
    // Correcting the word takes its mark away.
    cursor.setPosition(doc.findBlockByNumber(15).position() + 5);
    cursor.insertText(QStringLiteral("a"));
    QCOMPARE(marksIn(doc, 15), (QList<WordSpan>{{17, 5}}));
}

void TestSpellingMarks::misspeltWordAtPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("word");
    QTest::newRow("nominal: inside the word") << 10 << "hosue";
    QTest::newRow("nominal: at its first letter") << 8 << "hosue";
    QTest::newRow("nominal: just after its last letter") << 13 << "hosue";
    QTest::newRow("robustness: on a right word") << 5 << "";
    QTest::newRow("robustness: on the space before it") << 7 << "";
}

void TestSpellingMarks::misspeltWordAtPosition()
{
    QFETCH(int, position);
    QFETCH(QString, word);
    QTextDocument doc;
    fill(doc, 1);
    DocumentMarks marks(&doc);
    const std::optional<MisspeltWord> found = marks.misspeltWordAt(position);
    QCOMPARE(found ? found->word : QString(), word);
    if (found)
        QCOMPARE(found->position, 8);
}

void TestSpellingMarks::ignoreAllClearsTheMarks()
{
    QTextDocument doc;
    fill(doc, 3);
    DocumentMarks marks(&doc);
    marks.markBlocks(doc.begin(), doc.lastBlock());
    QCOMPARE(marksIn(doc, 1), kHosue);
    Speller::instance().ignoreAll(QStringLiteral("hosue"));
    marks.markBlocks(doc.begin(), doc.lastBlock());
    QVERIFY(marksIn(doc, 1).isEmpty());
    QVERIFY(!marks.misspeltWordAt(10));
    // Only for this run: a fresh checker marks it again.
    Speller::instance().useDictionary(m_aff);
    marks.markBlocks(doc.begin(), doc.lastBlock());
    QCOMPARE(marksIn(doc, 1), kHosue);
}

void TestSpellingMarks::noDictionaryNoMarks()
{
    Speller::instance().useDictionary(m_dir.filePath("absent.aff"));
    QVERIFY(!Speller::instance().isActive());
    QTextDocument doc;
    fill(doc, 3);
    DocumentMarks marks(&doc);
    marks.markBlocks(doc.begin(), doc.lastBlock());
    QVERIFY(marksIn(doc, 1).isEmpty());
    QVERIFY(!marks.misspeltWordAt(10));
}

QTEST_MAIN(TestSpellingMarks)
#include "tst_spelling_marks.moc"
