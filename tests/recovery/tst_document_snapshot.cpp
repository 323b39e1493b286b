// The safety copy's snapshot of the editor's document, taken again after edits: the paragraphs
// that stayed as they were are shared with the copy before, the rest read again, and the
// document built from it is the document as it is now, word for word and format for format.
#include "document/recovery/document_snapshot.h"
#include "document_shape.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <functional>

namespace {
using Edit = std::function<void(QTextDocument &)>;

QTextCursor at(QTextDocument &doc, int position, int anchorOffset = 0)
{
    QTextCursor c(&doc);
    c.setPosition(position);
    if (anchorOffset)
        c.setPosition(position + anchorOffset, QTextCursor::KeepAnchor);
    return c;
}

int startOf(QTextDocument &doc, int paragraph) { return doc.findBlockByNumber(paragraph).position(); }

// Twelve paragraphs, the fourth with a bold word.
void fill(QTextDocument &doc)
{
    QTextCursor c(&doc);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int n = 0; n < 12; ++n) {
        if (n)
            c.insertBlock();
        c.insertText(QStringLiteral("Paragraph %1 of the summer we drove north").arg(n), QTextCharFormat());
        if (n == 3)
            c.insertText(QStringLiteral(" loudly"), bold);
    }
}

struct Row {
    Edit edit;
    int mostRead; // paragraphs read again at most; -1: no snapshot (a list)
};

QMap<QString, Row> &rows()
{
    static QMap<QString, Row> table{
        {"nominal: a letter typed in a middle paragraph", {[](QTextDocument &d) { at(d, startOf(d, 6) + 3).insertText("e"); }, 1}},
        {"nominal: a paragraph split by Enter", {[](QTextDocument &d) { at(d, startOf(d, 5) + 4).insertBlock(); }, 2}},
        {"nominal: two paragraphs joined", {[](QTextDocument &d) { at(d, startOf(d, 6) - 1, 1).removeSelectedText(); }, 1}},
        {"nominal: bold across two paragraphs", {[](QTextDocument &d) {
             QTextCharFormat bold;
             bold.setFontWeight(QFont::Bold);
             at(d, startOf(d, 7) + 2, 60).mergeCharFormat(bold);
         }, 3}},
        {"nominal: a paragraph centred", {[](QTextDocument &d) {
             QTextBlockFormat centred;
             centred.setAlignment(Qt::AlignHCenter);
             at(d, startOf(d, 8)).mergeBlockFormat(centred);
         }, 2}},
        {"nominal: typed at the very start", {[](QTextDocument &d) { at(d, 0).insertText("A "); }, 1}},
        {"nominal: typed at the very end", {[](QTextDocument &d) { at(d, d.characterCount() - 1).insertText(" end"); }, 1}},
        {"nominal: a paragraph added at the end", {[](QTextDocument &d) { at(d, d.characterCount() - 1).insertText("\nlast"); }, 2}},
        {"nominal: the last paragraph emptied", {[](QTextDocument &d) {
             at(d, startOf(d, 11), d.lastBlock().length() - 1).removeSelectedText();
         }, 1}},
        {"robustness: nothing changed", {[](QTextDocument &) {}, 0}},
        {"robustness: everything deleted", {[](QTextDocument &d) { at(d, 0, d.characterCount() - 1).removeSelectedText(); }, 1}},
        {"robustness: a typed letter undone", {[](QTextDocument &d) {
             at(d, startOf(d, 2) + 1).insertText("x");
             d.undo();
         }, 1}},
        {"robustness: edits at both ends", {[](QTextDocument &d) {
             at(d, 1).insertText("x");
             at(d, d.characterCount() - 2).insertText("y");
         }, 12}},
        {"robustness: the bold paragraph's char format changed at its start", {[](QTextDocument &d) {
             QTextCharFormat italic;
             italic.setFontItalic(true);
             at(d, startOf(d, 3) - 1, 2).mergeCharFormat(italic);
         }, 2}},
        {"robustness: a list made of a kept paragraph", {[](QTextDocument &d) {
             at(d, startOf(d, 4)).createList(QTextListFormat::ListDisc);
         }, -1}},
    };
    return table;
}
} // namespace

class TestDocumentSnapshot : public QObject {
    Q_OBJECT
private slots:
    void nextCopyAsTheDocumentIsNow_data();
    void nextCopyAsTheDocumentIsNow();
    void anotherDocumentIsReadWhole();
};

void TestDocumentSnapshot::nextCopyAsTheDocumentIsNow_data()
{
    QTest::addColumn<QString>("row");
    for (const QString &name : rows().keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestDocumentSnapshot::nextCopyAsTheDocumentIsNow()
{
    QFETCH(QString, row);
    QTextDocument doc;
    fill(doc);
    DocumentChanges changes;
    changes.follow(&doc);
    const std::optional<DocumentSnapshot> first = DocumentSnapshot::take(doc);
    QVERIFY(first);
    QCOMPARE(first->paragraphsRead(), 12);
    changes.restart();
    rows()[row].edit(doc);
    const std::optional<DocumentSnapshot> next = DocumentSnapshot::take(doc, &*first, changes.unchanged());
    if (rows()[row].mostRead < 0) {
        QVERIFY(!next);
        return;
    }
    QVERIFY(next);
    QVERIFY2(next->paragraphsRead() <= rows()[row].mostRead, qPrintable(QString::number(next->paragraphsRead())));
    const std::unique_ptr<QTextDocument> rebuilt = next->rebuild();
    QCOMPARE(rebuilt->toPlainText(), doc.toPlainText());
    QCOMPARE(documentShape(*rebuilt), documentShape(doc));
    // The copy before is left as it was: the worker may still be writing it.
    QCOMPARE(first->rebuild()->blockCount(), 12);
}

// Following another document forgets the edits of the first: its copy is no base.
void TestDocumentSnapshot::anotherDocumentIsReadWhole()
{
    QTextDocument a, b;
    fill(a);
    fill(b);
    DocumentChanges changes;
    changes.follow(&a);
    QVERIFY(changes.follows(&a));
    at(b, 5).insertText("zz");
    changes.follow(&b);
    QVERIFY(!changes.follows(&a));
    QCOMPARE(changes.unchanged().from, b.characterCount());
    at(b, 7).insertText("q");
    QCOMPARE(changes.unchanged().from, 7);
    QCOMPARE(changes.unchanged().tail, b.characterCount() - 8);
}

QTEST_MAIN(TestDocumentSnapshot)
#include "tst_document_snapshot.moc"
