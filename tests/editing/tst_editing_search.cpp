// Find and Find Next: case-blind, overlapping, no wrap-around, any position.
#include "editing_fixture.h"

using Positions = QList<int>;

// Lines of filler with `needle` placed so that its matches start exactly at `starts`.
static QString longText(const Positions &starts, const QString &needle)
{
    QString text;
    for (int start : starts) {
        while (text.size() < start)
            text += QStringLiteral("filler line %1\n").arg(text.size()).left(start - text.size());
        text += needle;
    }
    return text + QStringLiteral("\nend");
}

class TestEditingSearch : public QObject {
    Q_OBJECT
private slots:
    void find_data();
    void find();
    void findCancelGivesEmptyText_data();
    void findCancelGivesEmptyText();
    void findNext_data();
    void findNext();
    void findNextStartsAfterSelectionStart_data();
    void findNextStartsAfterSelectionStart();
    void searchSeesEdits_data();
    void searchSeesEdits();
    void searchFrom_data();
    void searchFrom();
};

void TestEditingSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("start"); // -1: not found

    QTest::newRow("nominal: lower case finds capitals") << "My Car is red" << "car" << 3;
    QTest::newRow("nominal: capitals find lower case") << "my car" << "CAR" << 3;
    QTest::newRow("nominal: first of several") << "xcar, car" << "Car" << 1;
    QTest::newRow("nominal: accented letters fold too") << "Äpfel und ÄPFEL" << "äpfel" << 0;
    QTest::newRow("nominal: positions count paragraph breaks") << "a\r\nb\r\n\r\nCar" << "car" << 5;
    QTest::newRow("nominal: match at the very end") << "xxcar" << "car" << 2;
    QTest::newRow("robustness: not found") << "abc" << "x" << -1;
    QTest::newRow("robustness: empty document") << "" << "car" << -1;
    QTest::newRow("robustness: empty search text on empty document") << "" << "" << -1;
    QTest::newRow("robustness: empty search text selects nothing at the start") << "abc" << "" << 0;
    QTest::newRow("robustness: search text longer than the document") << "ca" << "car" << -1;
    QTest::newRow("robustness: match beyond character 40,000")
        << longText({40'123}, QStringLiteral("Needle")) << "needle" << 40'123;
    QTest::newRow("robustness: match beyond character 70,000")
        << longText({70'001}, QStringLiteral("Needle")) << "NEEDLE" << 70'001;
}

void TestEditingSearch::find()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(int, start);
    EditFixture f(text);
    const int before = qMin(1, int(f.edit->toPlainText().size()));
    f.select(before, 0);
    f.dialogs.answerText(search);
    if (start < 0)
        f.dialogs.answer(MessageAnswer::Ok);

    f.commands->find();

    QCOMPARE(f.dialogs.unexpected, QStringList());
    QCOMPARE(f.dialogs.pendingAnswers(), 0);
    const DialogCall ask = f.dialogs.calls.first();
    QCOMPARE(ask.kind, DialogCall::Input);
    QCOMPARE(ask.title, QStringLiteral("Find"));
    QCOMPARE(ask.text, QStringLiteral("Find what?"));
    QCOMPARE(ask.parentName, QStringLiteral("frmTxtEditor"));
    QCOMPARE(f.commands->findText(), search);
    QVERIFY(f.untouched());
    if (start < 0) {
        QCOMPARE(f.dialogs.messages().size(), 1);
        const DialogCall m = f.dialogs.messages().first();
        QCOMPARE(m.title, QStringLiteral("Find"));
        QCOMPARE(m.text, QStringLiteral("The search string was not found."));
        QCOMPARE(m.request, MessageRequest{MessageIcon::Information});
        QCOMPARE(f.selection(), Span(before, 0));
        return;
    }
    QCOMPARE(f.dialogs.messages().size(), 0);
    QCOMPARE(f.selection(), Span(start, search.size()));
    QCOMPARE(f.edit->textCursor().selectedText().toLower(), search.toLower());
}

void TestEditingSearch::findCancelGivesEmptyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("notFound");
    QTest::newRow("nominal: a search, then Cancel selects nothing at the start") << "one car, two cars" << false;
    QTest::newRow("robustness: Cancel on an empty document finds nothing") << "" << true;
}

void TestEditingSearch::findCancelGivesEmptyText()
{
    QFETCH(QString, text);
    QFETCH(bool, notFound);
    EditFixture f(text);
    f.dialogs.answerText(QStringLiteral("car")).answerText(std::nullopt).answer(MessageAnswer::Ok).answer(MessageAnswer::Ok);
    f.commands->find();
    if (!notFound)
        f.select(9, 3);
    const int asked = int(f.dialogs.messages().size());

    f.commands->find();

    QCOMPARE(f.commands->findText(), QString());
    QCOMPARE(f.selection(), Span(0, 0));
    QCOMPARE(int(f.dialogs.messages().size()) - asked, notFound ? 1 : 0);
    if (notFound)
        QCOMPARE(f.dialogs.messages().last().text, QStringLiteral("The search string was not found."));
    QVERIFY(f.untouched());
}

void TestEditingSearch::findNext_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("search");
    QTest::addColumn<Positions>("matches"); // what Find and each Find Next select, in order

    QTest::newRow("nominal: next occurrence in any case") << "Car car CAR" << "car" << Positions{0, 4, 8};
    QTest::newRow("nominal: overlapping matches") << "aaaa" << "aa" << Positions{0, 1, 2};
    QTest::newRow("nominal: overlapping words") << "abab ab" << "bab" << Positions{1};
    QTest::newRow("nominal: across paragraphs") << "car\ncar\n\ncar" << "CAR" << Positions{0, 4, 9};
    QTest::newRow("robustness: single match at the end") << "xcar" << "car" << Positions{1};
    QTest::newRow("robustness: matches beyond 32,767 and 65,535")
        << longText({100, 40'000, 70'000}, QStringLiteral("Word")) << "word" << Positions{100, 40'000, 70'000};
}

void TestEditingSearch::findNext()
{
    QFETCH(QString, text);
    QFETCH(QString, search);
    QFETCH(Positions, matches);
    EditFixture f(text);
    f.dialogs.answerText(search);
    f.commands->find();

    for (int i = 0; i < matches.size(); ++i) {
        if (i > 0)
            f.commands->findNext();
        QCOMPARE(f.selection(), Span(matches[i], search.size()));
    }
    QCOMPARE(f.dialogs.messages().size(), 0);

    // At the last match: completion, selection kept; again: no wrap-around.
    for (int round = 1; round <= 2; ++round) {
        f.dialogs.answer(MessageAnswer::Ok);
        f.commands->findNext();
        QCOMPARE(f.dialogs.messages().size(), round);
        const DialogCall m = f.dialogs.messages().last();
        QCOMPARE(m.title, QStringLiteral("Find Next"));
        QCOMPARE(m.text, QStringLiteral("The search has been completed."));
        QCOMPARE(m.request, MessageRequest{MessageIcon::Information});
        QCOMPARE(f.selection(), Span(matches.last(), search.size()));
    }
    QCOMPARE(f.dialogs.unexpected, QStringList());
    QVERIFY(f.untouched());
}

void TestEditingSearch::findNextStartsAfterSelectionStart_data()
{
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("expected"); // -1: completion message

    // "car car car" has matches at 0, 4 and 8.
    QTest::newRow("nominal: selection on a match goes to the next") << 4 << 3 << 8;
    QTest::newRow("nominal: caret just before a match skips it") << 4 << 0 << 8;
    QTest::newRow("nominal: caret one before a match finds it") << 3 << 0 << 4;
    QTest::newRow("nominal: long selection counts from its start") << 1 << 9 << 4;
    QTest::newRow("robustness: caret at the last match") << 8 << 0 << -1;
    QTest::newRow("robustness: caret at the end of the text") << 11 << 0 << -1;
}

void TestEditingSearch::findNextStartsAfterSelectionStart()
{
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, expected);
    EditFixture f(QStringLiteral("car car car"));
    f.dialogs.answerText(QStringLiteral("car"));
    f.commands->find();
    f.select(selStart, selLength);
    if (expected < 0)
        f.dialogs.answer(MessageAnswer::Ok);

    f.commands->findNext();

    QCOMPARE(f.dialogs.unexpected, QStringList());
    QCOMPARE(f.dialogs.messages().size(), expected < 0 ? 1 : 0);
    QCOMPARE(f.selection(), expected < 0 ? Span(selStart, selLength) : Span(expected, 3));
}

enum class Edit { Append, RemoveSecond, Replace, NewDocument, Recolour };
Q_DECLARE_METATYPE(Edit)

void TestEditingSearch::searchSeesEdits_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("expected"); // -1: completion message

    // The document starts as "car car" and Find selects the first "car".
    QTest::newRow("robustness: text typed after Find is searched") << Edit::Append << 8;
    QTest::newRow("robustness: text removed after Find is not found") << Edit::RemoveSecond << -1;
    QTest::newRow("robustness: whole text replaced") << Edit::Replace << 8;
    QTest::newRow("robustness: another document in the edit box") << Edit::NewDocument << 2;
    QTest::newRow("robustness: format change keeps the text") << Edit::Recolour << 4;
}

void TestEditingSearch::searchSeesEdits()
{
    QFETCH(Edit, edit);
    QFETCH(int, expected);
    EditFixture f(QStringLiteral("car car"));
    QTextDocument own(QStringLiteral("car car")); // outlives being swapped out
    if (edit == Edit::NewDocument)
        f.edit->setDocument(&own);
    f.dialogs.answerText(QStringLiteral("car"));
    f.commands->find();
    QCOMPARE(f.selStart(), 0);
    QTextCursor c(f.edit->document());
    switch (edit) {
    case Edit::Append:
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral(" CAR"));
        f.select(4, 0);
        break;
    case Edit::RemoveSecond:
        c.setPosition(3);
        c.setPosition(7, QTextCursor::KeepAnchor);
        c.removeSelectedText();
        break;
    case Edit::Replace: f.edit->setPlainText(QStringLiteral("bus\nbus\ncar")); break;
    case Edit::NewDocument: f.edit->setDocument(new QTextDocument(QStringLiteral("a car"), f.edit)); break;
    case Edit::Recolour: {
        c.setPosition(7, QTextCursor::KeepAnchor);
        QTextCharFormat red;
        red.setForeground(QColor(Qt::red));
        c.mergeCharFormat(red);
        break;
    }
    }
    if (expected < 0)
        f.dialogs.answer(MessageAnswer::Ok);

    f.commands->findNext();

    QCOMPARE(f.dialogs.unexpected, QStringList());
    QCOMPARE(f.dialogs.messages().size(), expected < 0 ? 1 : 0);
    if (expected >= 0) {
        QCOMPARE(f.selStart(), expected);
        QCOMPARE(f.edit->textCursor().selectedText().toLower(), QStringLiteral("car"));
    }
}

void TestEditingSearch::searchFrom_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");

    QTest::newRow("nominal: from the start") << "abcabc" << "BC" << 0 << 1;
    QTest::newRow("nominal: from inside a match") << "abcabc" << "bc" << 2 << 4;
    QTest::newRow("robustness: empty needle finds where it starts") << "abc" << "" << 2 << 2;
    QTest::newRow("robustness: empty needle at the end finds nothing") << "abc" << "" << 3 << -1;
    QTest::newRow("robustness: start beyond the end") << "abc" << "c" << 9 << -1;
    QTest::newRow("robustness: negative start") << "abc" << "a" << -1 << -1;
}

void TestEditingSearch::searchFrom()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(int, expected);
    QCOMPARE(EditingCommands::searchFrom(text, needle, from), expected);
}

QTEST_MAIN(TestEditingSearch)
#include "tst_editing_search.moc"
