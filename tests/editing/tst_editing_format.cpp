// Font and Color of the selection: dialogs filled from the selection, choices applied,
// and a change reported only when the text really looks different afterwards.
#include "editing_fixture.h"

#include <QFontInfo>

// "Hello World": "Hello" red Liberation Serif 14 pt bold underlined, " World" blue default font.
static void formatSample(EditFixture &f)
{
    f.edit->setPlainText(QStringLiteral("Hello World"));
    QTextCharFormat first;
    first.setForeground(QColor(Qt::red));
    first.setFontFamilies({QStringLiteral("Liberation Serif")});
    first.setFontPointSize(14);
    first.setFontWeight(QFont::Bold);
    first.setFontUnderline(true);
    QTextCursor c(f.edit->document());
    c.setPosition(5, QTextCursor::KeepAnchor);
    c.mergeCharFormat(first);
    QTextCharFormat rest;
    rest.setForeground(QColor(Qt::blue));
    c.setPosition(5);
    c.setPosition(11, QTextCursor::KeepAnchor);
    c.mergeCharFormat(rest);
    f.forgetChanges();
}

// The format of the character at `pos` (0-based).
static QTextCharFormat formatAt(const EditFixture &f, int pos)
{
    QTextCursor c(f.edit->document());
    c.setPosition(pos + 1);
    return c.charFormat();
}

static QFont fontAt(const EditFixture &f, int pos)
{
    return formatAt(f, pos).font().resolve(f.edit->document()->defaultFont());
}

static QFont makeFont(const QString &family, qreal size, bool bold, bool italic, bool underline, bool strike)
{
    QFont font(family);
    font.setPointSizeF(size);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strike);
    return font;
}

class TestEditingFormat : public QObject {
    Q_OBJECT
private slots:
    void colorDialogStartsAtSelection_data();
    void colorDialogStartsAtSelection();
    void chooseColor_data();
    void chooseColor();
    void colorWithoutSelectionColoursTyping();
    void fontDialogFilledFromSelection();
    void chooseFont_data();
    void chooseFont();
    void fontWithoutSelectionFormatsTyping();
    void fontOnSubstitutedFamily_data();
    void fontOnSubstitutedFamily();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
};

void TestEditingFormat::colorDialogStartsAtSelection_data()
{
    QTest::addColumn<Span>("selection");
    QTest::addColumn<QColor>("initial");

    QTest::newRow("nominal: red word") << Span{0, 5} << QColor(Qt::red);
    QTest::newRow("nominal: blue word") << Span{6, 5} << QColor(Qt::blue);
    QTest::newRow("robustness: mixed selection starts at its first character") << Span{3, 5} << QColor(Qt::red);
}

void TestEditingFormat::colorDialogStartsAtSelection()
{
    QFETCH(Span, selection);
    QFETCH(QColor, initial);
    EditFixture f;
    formatSample(f);
    f.select(selection);
    f.dialogs.answerColor(std::nullopt);

    f.commands->chooseColor();

    QCOMPARE(f.dialogs.calls.size(), 1);
    QCOMPARE(f.dialogs.calls.first().kind, DialogCall::Color);
    QCOMPARE(f.dialogs.calls.first().color, initial);
    QCOMPARE(f.dialogs.calls.first().parentName, QStringLiteral("frmTxtEditor"));
}

void TestEditingFormat::chooseColor_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<bool>("changes");

    QTest::newRow("nominal: same colour leaves the document alone") << 0 << 5 << QColor(Qt::red) << false;
    QTest::newRow("nominal: another colour is applied and marked") << 0 << 5 << QColor(Qt::green) << true;
    QTest::newRow("nominal: same colour given as numbers") << 6 << 5 << QColor(0, 0, 255) << false;
    QTest::newRow("robustness: mixed colours made one") << 3 << 5 << QColor(Qt::red) << true;
    QTest::newRow("robustness: whole text in its first colour") << 0 << 11 << QColor(Qt::red) << true;
}

void TestEditingFormat::chooseColor()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QColor, chosen);
    QFETCH(bool, changes);
    EditFixture f;
    formatSample(f);
    f.select(selStart, selLength);
    f.dialogs.answerColor(chosen);

    QVERIFY(f.commands->chooseColor() == (changes ? Outcome::Applied : Outcome::Unchanged));

    QCOMPARE(f.changed(), changes);
    QCOMPARE(f.untouched(), !changes);
    for (int i = 0; i < 11; ++i) {
        const bool inside = i >= selStart && i < selStart + selLength;
        const QColor expected = inside ? chosen : (i < 5 ? QColor(Qt::red) : QColor(Qt::blue));
        QCOMPARE(formatAt(f, i).foreground().color().rgba(), expected.rgba());
    }
    QCOMPARE(f.selection(), Span(selStart, selLength));
    QCOMPARE(f.dialogs.messages().size(), 0);
}

void TestEditingFormat::colorWithoutSelectionColoursTyping()
{
    EditFixture f(QStringLiteral("plain"));
    const QColor text = f.edit->palette().color(QPalette::Text);
    f.select(5, 0);
    f.dialogs.answerColor(text).answerColor(QColor(Qt::green));

    QVERIFY(f.commands->chooseColor() == Outcome::Unchanged); // the text's own colour: nothing to do
    QVERIFY(f.untouched());
    QCOMPARE(f.dialogs.calls.first().color.rgba(), text.rgba());

    QVERIFY(f.commands->chooseColor() == Outcome::Applied); // for the text typed next
    QVERIFY(f.untouched()); // nothing typed yet
    f.edit->textCursor().insertText(QStringLiteral("!"));
    QCOMPARE(formatAt(f, 5).foreground().color(), QColor(Qt::green));
    QVERIFY(!formatAt(f, 4).hasProperty(QTextFormat::ForegroundBrush));
}

void TestEditingFormat::fontDialogFilledFromSelection()
{
    EditFixture f;
    formatSample(f);
    f.select(0, 5);
    f.dialogs.answerFont(std::nullopt);

    f.commands->chooseFont();

    QCOMPARE(f.dialogs.calls.size(), 1);
    const DialogCall call = f.dialogs.calls.first();
    QCOMPARE(call.kind, DialogCall::Font);
    QCOMPARE(call.parentName, QStringLiteral("frmTxtEditor"));
    QCOMPARE(call.font.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(call.font.pointSizeF(), 14.0);
    QVERIFY(call.font.bold());
    QVERIFY(!call.font.italic());
    QVERIFY(call.font.underline());
    QVERIFY(!call.font.strikeOut());
}

void TestEditingFormat::chooseFont_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QFont>("chosen");
    QTest::addColumn<bool>("changes");

    const QFont sameAsHello = makeFont(QStringLiteral("Liberation Serif"), 14, true, false, true, false);
    QTest::newRow("nominal: name, style and size applied")
        << 0 << 5 << makeFont(QStringLiteral("Liberation Mono"), 20, false, true, false, false) << true;
    QTest::newRow("nominal: underline and strikethrough applied")
        << 6 << 5 << makeFont(QStringLiteral("Liberation Sans"), 12, false, false, true, true) << true;
    QTest::newRow("nominal: the same font changes nothing") << 0 << 5 << sameAsHello << false;
    QTest::newRow("nominal: same name in other letter case changes nothing")
        << 0 << 5 << makeFont(QStringLiteral("liberation serif"), 14, true, false, true, false) << false;
    QTest::newRow("robustness: only the underline removed")
        << 0 << 5 << makeFont(QStringLiteral("Liberation Serif"), 14, true, false, false, false) << true;
    QTest::newRow("robustness: only the strikethrough added")
        << 0 << 5 << makeFont(QStringLiteral("Liberation Serif"), 14, true, false, true, true) << true;
    QTest::newRow("robustness: mixed selection made one") << 3 << 5 << sameAsHello << true;
}

void TestEditingFormat::chooseFont()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QFont, chosen);
    QFETCH(bool, changes);
    EditFixture f;
    formatSample(f);
    const QFont outsideBefore = fontAt(f, selStart > 0 ? 0 : 10);
    f.select(selStart, selLength);
    f.dialogs.answerFont(chosen);

    QVERIFY(f.commands->chooseFont() == (changes ? Outcome::Applied : Outcome::Unchanged));

    QCOMPARE(f.changed(), changes);
    QCOMPARE(f.untouched(), !changes);
    for (int i = selStart; i < selStart + selLength; ++i) {
        const QFont got = fontAt(f, i);
        QCOMPARE(got.family().toLower(), chosen.family().toLower());
        QCOMPARE(got.pointSizeF(), chosen.pointSizeF());
        QCOMPARE(got.bold(), chosen.bold());
        QCOMPARE(got.italic(), chosen.italic());
        QCOMPARE(got.underline(), chosen.underline());
        QCOMPARE(got.strikeOut(), chosen.strikeOut());
    }
    QCOMPARE(fontAt(f, selStart > 0 ? 0 : 10), outsideBefore);
    // The colour stays with the text.
    QCOMPARE(formatAt(f, 0).foreground().color(), QColor(Qt::red));
    QCOMPARE(formatAt(f, 10).foreground().color(), QColor(Qt::blue));
    QCOMPARE(f.dialogs.messages().size(), 0);
}

void TestEditingFormat::fontWithoutSelectionFormatsTyping()
{
    EditFixture f(QStringLiteral("plain"));
    f.select(5, 0);
    f.dialogs.answerFont(makeFont(QStringLiteral("Liberation Mono"), 30, true, true, true, false));

    QVERIFY(f.commands->chooseFont() == Outcome::Applied);
    QVERIFY(f.untouched());
    f.edit->textCursor().insertText(QStringLiteral("!"));

    const QFont typed = fontAt(f, 5);
    QCOMPARE(typed.family(), QStringLiteral("Liberation Mono"));
    QCOMPARE(typed.pointSizeF(), 30.0);
    QVERIFY(typed.bold() && typed.italic() && typed.underline());
    QVERIFY(!fontAt(f, 4).bold());
}

void TestEditingFormat::fontOnSubstitutedFamily_data()
{
    QTest::addColumn<QString>("named");        // the family as the document names it
    QTest::addColumn<QString>("chosenFamily"); // empty: the one the dialog was filled with
    QTest::addColumn<qreal>("chosenSize");
    QTest::addColumn<QString>("expectedFamily");

    QTest::newRow("nominal: OK alone on arial") << "arial" << "" << 12.0 << "arial";
    QTest::newRow("nominal: only the size changed keeps arial") << "arial" << "" << 20.0 << "arial";
    QTest::newRow("nominal: another family is applied") << "arial" << "Liberation Mono" << 12.0 << "Liberation Mono";
    QTest::newRow("robustness: a family the system lacks, OK alone")
        << "Kinscribe No Such Face" << "" << 12.0 << "Kinscribe No Such Face";
}

void TestEditingFormat::fontOnSubstitutedFamily()
{
    QFETCH(QString, named);
    QFETCH(QString, chosenFamily);
    QFETCH(qreal, chosenSize);
    QFETCH(QString, expectedFamily);
    EditFixture f(QStringLiteral("Dear family"));
    QTextCharFormat format;
    format.setFontFamilies({named});
    format.setFontPointSize(12);
    QTextCursor all(f.edit->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    f.forgetChanges();
    f.select(0, 4);
    // What the system draws for the name: the only family the dialog can preselect.
    const QString shown = QFontInfo(QFont(named)).family();
    QFont chosen(chosenFamily.isEmpty() ? shown : chosenFamily);
    chosen.setPointSizeF(chosenSize);
    f.dialogs.answerFont(chosen);
    const bool changes = !chosenFamily.isEmpty() || chosenSize != 12.0;

    QVERIFY(f.commands->chooseFont() == (changes ? Outcome::Applied : Outcome::Unchanged));

    QCOMPARE(f.dialogs.calls.first().font.family(), shown);
    QCOMPARE(f.changed(), changes);
    for (int i = 0; i < 11; ++i) {
        QCOMPARE(fontAt(f, i).family(), i < 4 ? expectedFamily : named);
        QCOMPARE(fontAt(f, i).pointSizeF(), i < 4 ? chosenSize : 12.0);
    }
}

void TestEditingFormat::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("font");
    QTest::newRow("robustness: Font cancelled") << true;
    QTest::newRow("robustness: Color cancelled") << false;
}

void TestEditingFormat::cancelChangesNothing()
{
    QFETCH(bool, font);
    EditFixture f;
    formatSample(f);
    f.select(0, 11);
    const QString htmlBefore = f.edit->toHtml();
    if (font)
        f.dialogs.answerFont(std::nullopt);
    else
        f.dialogs.answerColor(std::nullopt);

    QVERIFY((font ? f.commands->chooseFont() : f.commands->chooseColor()) == Outcome::Cancelled);

    QCOMPARE(f.dialogs.pendingAnswers(), 0);
    QCOMPARE(f.dialogs.calls.size(), 1);
    QCOMPARE(f.dialogs.messages().size(), 0);
    QVERIFY(f.untouched());
    QCOMPARE(f.edit->toHtml(), htmlBefore);
    QCOMPARE(f.selLength(), 11);
}

QTEST_MAIN(TestEditingFormat)
#include "tst_editing_format.moc"
