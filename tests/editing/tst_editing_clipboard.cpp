// Cut, Copy and Paste as plain text, and the Edit menu's enabling.
#include "editing_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

enum class Clip { Empty, Text, Spaces, HtmlOnly, RichWithText };
Q_DECLARE_METATYPE(Clip)

static void putOnClipboard(Clip kind)
{
    auto *mime = new QMimeData;
    switch (kind) {
    case Clip::Empty: break;
    case Clip::Text: mime->setText(QStringLiteral("pasted")); break;
    case Clip::Spaces: mime->setText(QStringLiteral("  ")); break;
    case Clip::HtmlOnly: mime->setHtml(QStringLiteral("<b>bold</b>")); break;
    case Clip::RichWithText:
        mime->setHtml(QStringLiteral("<b>Bold</b> <span style=\"color:#ff0000\">red</span>"));
        mime->setText(QStringLiteral("Bold red"));
        break;
    }
    QGuiApplication::clipboard()->setMimeData(mime);
}

static QString clipboardText() { return QGuiApplication::clipboard()->text(); }

class TestEditingClipboard : public QObject {
    Q_OBJECT
private slots:
    void editMenu_data();
    void editMenu();
    void copy_data();
    void copy();
    void cut_data();
    void cut();
    void paste_data();
    void paste();
    void pasteRichTextIsPlain();
};

void TestEditingClipboard::editMenu_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<Clip>("clip");
    QTest::addColumn<bool>("cutCopy");
    QTest::addColumn<bool>("paste");

    QTest::newRow("nominal: selection and clipboard text") << "Hello" << 3 << Clip::Text << true << true;
    QTest::newRow("nominal: no selection, clipboard text") << "Hello" << 0 << Clip::Text << false << true;
    QTest::newRow("nominal: selection, empty clipboard") << "Hello" << 2 << Clip::Empty << true << false;
    QTest::newRow("nominal: no selection, empty clipboard") << "Hello" << 0 << Clip::Empty << false << false;
    QTest::newRow("robustness: empty document") << "" << 0 << Clip::Text << false << true;
    QTest::newRow("robustness: clipboard with rich content only") << "Hello" << 1 << Clip::HtmlOnly << true << false;
    QTest::newRow("robustness: clipboard with only spaces is text") << "Hello" << 0 << Clip::Spaces << false << true;
    QTest::newRow("robustness: selection of a paragraph break") << "a\nb" << 1 << Clip::Text << true << true;
}

void TestEditingClipboard::editMenu()
{
    QFETCH(QString, text);
    QFETCH(int, selLength);
    QFETCH(Clip, clip);
    QFETCH(bool, cutCopy);
    QFETCH(bool, paste);
    EditFixture f(text);
    f.select(text.size() - selLength, selLength);
    putOnClipboard(clip);
    QAction cutAct, copyAct, pasteAct;
    for (QAction *a : {&cutAct, &copyAct})
        a->setEnabled(!cutCopy);
    pasteAct.setEnabled(!paste);

    f.commands->updateEditMenu(&cutAct, &copyAct, &pasteAct);

    QCOMPARE(cutAct.isEnabled(), cutCopy);
    QCOMPARE(copyAct.isEnabled(), cutCopy);
    QCOMPARE(pasteAct.isEnabled(), paste);
    QVERIFY(f.untouched());
}

void TestEditingClipboard::copy_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Span>("selection");
    QTest::addColumn<QString>("clipboard");

    QTest::newRow("nominal: a word") << "Hello World" << Span{6, 5} << "World";
    QTest::newRow("nominal: paragraphs become line breaks") << "one\r\ntwo\r\n" << Span{0, 8} << "one\ntwo\n";
    QTest::newRow("robustness: no selection empties the clipboard") << "Hello" << Span{2, 0} << "";
}

void TestEditingClipboard::copy()
{
    QFETCH(QString, text);
    QFETCH(Span, selection);
    QFETCH(QString, clipboard);
    EditFixture f(text);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    f.edit->selectAll();
    f.edit->textCursor().mergeCharFormat(bold);
    f.forgetChanges();
    putOnClipboard(Clip::RichWithText);
    f.select(selection);

    f.commands->copy();

    QCOMPARE(clipboardText(), clipboard);
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    QCOMPARE(f.edit->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(f.selection(), selection);
    QVERIFY(f.untouched());
}

void TestEditingClipboard::cut_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("remaining");

    // The document is "Hello\nWorld".
    QTest::newRow("nominal: a word") << 6 << 5 << "World" << "Hello\n";
    QTest::newRow("nominal: across a paragraph break") << 3 << 5 << "lo\nWo" << "Helrld";
    QTest::newRow("nominal: everything") << 0 << 11 << "Hello\nWorld" << "";
    QTest::newRow("robustness: no selection changes no text") << 4 << 0 << "" << "Hello\nWorld";
}

void TestEditingClipboard::cut()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, clipboard);
    QFETCH(QString, remaining);
    EditFixture f(QStringLiteral("Hello\nWorld"));
    putOnClipboard(Clip::Text);
    f.select(selStart, selLength);

    f.commands->cut();

    QCOMPARE(clipboardText(), clipboard);
    QCOMPARE(f.edit->toPlainText(), remaining);
    QCOMPARE(f.selection(), Span(selStart, 0));
    QCOMPARE(f.changed(), selLength > 0);
    QCOMPARE(f.untouched(), selLength == 0);
}

void TestEditingClipboard::paste_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");

    // The document is "Hello World".
    QTest::newRow("nominal: replaces the selection") << "There" << 6 << 5 << "Hello There" << 11;
    QTest::newRow("nominal: inserts at the caret") << "big " << 6 << 0 << "Hello big World" << 10;
    QTest::newRow("nominal: CR LF becomes one paragraph break") << "a\r\nb" << 5 << 1 << "Helloa\nbWorld" << 8;
    QTest::newRow("robustness: empty clipboard keeps the selection") << "" << 6 << 5 << "Hello World" << 6;
}

void TestEditingClipboard::paste()
{
    QFETCH(QString, clip);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, result);
    QFETCH(int, caret);
    EditFixture f(QStringLiteral("Hello World"));
    QGuiApplication::clipboard()->setText(clip);
    f.select(selStart, selLength);

    f.commands->paste();

    QCOMPARE(f.edit->toPlainText(), result);
    QCOMPARE(f.selStart(), caret);
    QCOMPARE(f.changed(), !clip.isEmpty());
    if (clip.isEmpty())
        QCOMPARE(f.selLength(), selLength);
}

void TestEditingClipboard::pasteRichTextIsPlain()
{
    EditFixture f(QStringLiteral("ab"));
    putOnClipboard(Clip::RichWithText);
    f.select(1, 0);

    f.commands->paste();

    QCOMPARE(f.edit->toPlainText(), QStringLiteral("aBold redb"));
    QVERIFY(f.changed());
    // The pasted words take the surrounding format: no bold, no colour of their own.
    const QTextBlock block = f.edit->document()->firstBlock();
    int runs = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it, ++runs) {
        const QTextCharFormat fmt = it.fragment().charFormat();
        QVERIFY(fmt.fontWeight() != QFont::Bold);
        QVERIFY(!fmt.hasProperty(QTextFormat::ForegroundBrush));
    }
    QCOMPARE(runs, 1);
}

QTEST_MAIN(TestEditingClipboard)
#include "tst_editing_clipboard.moc"
