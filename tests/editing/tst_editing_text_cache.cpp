// The search text kept between searches must always equal what toPlainText() gives,
// however the document was edited since it was last read.
#include "document/windows/editing/plain_text_cache.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString randomPiece(QRandomGenerator &rng)
{
    static const QString alphabet = QStringLiteral("abcXYZ \n\n") + QChar(QChar::Nbsp) + QChar(QChar::LineSeparator);
    QString s;
    for (int n = rng.bounded(0, 8); n > 0; --n)
        s += alphabet.at(rng.bounded(int(alphabet.size())));
    return s;
}

void selectRandom(QTextCursor &c, QRandomGenerator &rng)
{
    const int last = c.document()->characterCount() - 1;
    const int a = rng.bounded(last + 1);
    c.setPosition(a);
    c.setPosition(rng.bounded(a, last + 1), QTextCursor::KeepAnchor);
}

// One random edit of the kinds a user or the program makes.
void randomEdit(QTextEdit *edit, QRandomGenerator &rng, bool tables)
{
    QTextDocument *doc = edit->document();
    QTextCursor c(doc);
    selectRandom(c, rng);
    switch (rng.bounded(9)) {
    case 0: case 1: c.insertText(randomPiece(rng)); break;
    case 2: c.removeSelectedText(); break;
    case 3: {
        QTextCharFormat f;
        f.setForeground(QColor(rng.bounded(256), 0, 0));
        c.mergeCharFormat(f);
        break;
    }
    case 4: c.insertBlock(); break;
    case 5: doc->undo(); break;
    case 6: doc->redo(); break;
    case 7:
        if (tables)
            c.insertHtml(QStringLiteral("<table><tr><td>t1</td><td>t2</td></tr></table>x"));
        else
            c.insertHtml(QStringLiteral("<p><b>bold</b>&nbsp;<i>it</i></p><p>next</p>"));
        break;
    case 8:
        if (rng.bounded(4) == 0)
            edit->setPlainText(randomPiece(rng));
        else
            c.deletePreviousChar();
        break;
    }
}

} // namespace

class TestEditingTextCache : public QObject {
    Q_OBJECT
private slots:
    void matchesDocument_data();
    void matchesDocument();
    void stretchAsPlainText_data();
    void stretchAsPlainText();
    void stretchIntoTableRefused();
};

void TestEditingTextCache::matchesDocument_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("editsBetweenReads");
    QTest::addColumn<bool>("tables");

    for (quint32 seed : {1u, 2u, 3u, 4u}) {
        for (int between : {1, 5, 40})
            QTest::addRow("robustness: read after %d edits, seed %u", between, seed) << seed << between << false;
        QTest::addRow("robustness: tables come and go, seed %u", seed) << seed << 3 << true;
    }
}

void TestEditingTextCache::matchesDocument()
{
    QFETCH(quint32, seed);
    QFETCH(int, editsBetweenReads);
    QFETCH(bool, tables);
    QRandomGenerator rng(seed);
    QTextEdit edit;
    edit.setPlainText(QStringLiteral("first line\nsecond line\n\nfourth"));
    PlainTextCache cache(&edit);
    QCOMPARE(cache.text(), edit.toPlainText());

    for (int step = 1; step <= 400; ++step) {
        randomEdit(&edit, rng, tables);
        if (step % editsBetweenReads == 0)
            QCOMPARE(cache.text(), edit.toPlainText());
    }
    QCOMPARE(cache.text(), edit.toPlainText());
}

void TestEditingTextCache::stretchAsPlainText_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    // "ab\ncd" + nbsp + line separator + "e": positions 0..7.
    QTest::newRow("nominal: within a paragraph") << 0 << 2;
    QTest::newRow("nominal: across a paragraph break") << 1 << 4;
    QTest::newRow("nominal: space and line separator shown as toPlainText does") << 4 << 8;
    QTest::newRow("robustness: empty stretch") << 3 << 3;
    QTest::newRow("robustness: reversed stretch") << 5 << 2;
    QTest::newRow("robustness: stretch up to the end") << 0 << 8;
}

void TestEditingTextCache::stretchAsPlainText()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("ab\ncd") + QChar(QChar::Nbsp) + QChar(QChar::LineSeparator) + QStringLiteral("e"));
    QCOMPARE(doc.toPlainText().size(), 8);
    QCOMPARE(plainTextBetween(&doc, start, end), doc.toPlainText().mid(start, qMax(0, end - start)));
}

void TestEditingTextCache::stretchIntoTableRefused()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("before"));
    c.insertHtml(QStringLiteral("<table><tr><td>t1</td><td>t2</td></tr></table>after"));
    const int tableCell = int(doc.toPlainText().indexOf(QLatin1String("t2")));
    QVERIFY(tableCell > 0);
    QCOMPARE(plainTextBetween(&doc, 2, tableCell + 1), std::nullopt);
    QCOMPARE(plainTextBetween(&doc, 0, 6), QStringLiteral("before"));
}

QTEST_MAIN(TestEditingTextCache)
#include "tst_editing_text_cache.moc"
