// How the information windows' texts are put together.
#include "info/info_texts.h"

#include <QRegularExpression>
#include <QTest>

using namespace InfoText;

class TestInfoTexts : public QObject {
    Q_OBJECT
private slots:
    void joining_data();
    void joining();
    void instructionsFirstLabel();
    void instructionsSecondLabel();
    void instructionsThirdLabel();
    void contactBlockHasSixLines();
    void versionHistoryLines();
    void distributionParagraphs();
    void warrantySplitsOneSentence();
    void sharewareContinuesIntoSecondLabel();
    void addressesAreExampleDomains_data();
    void addressesAreExampleDomains();
};

void TestInfoTexts::joining_data()
{
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<bool>("paragraphs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nominal: two lines") << QStringList{"a", "b"} << false << "a\nb";
    QTest::newRow("nominal: two paragraphs") << QStringList{"a", "b"} << true << "a\n\nb";
    QTest::newRow("robustness: one line has no break") << QStringList{"a"} << false << "a";
    QTest::newRow("robustness: nothing") << QStringList{} << true << "";
    QTest::newRow("robustness: empty paragraphs keep their breaks") << QStringList{"a", "", ""} << true
                                                                    << "a\n\n\n\n";
    QTest::newRow("robustness: empty line in the middle") << QStringList{"a", "", "b"} << false << "a\n\nb";
}

void TestInfoTexts::joining()
{
    QFETCH(QStringList, pieces);
    QFETCH(bool, paragraphs);
    QFETCH(QString, expected);
    QCOMPARE(paragraphs ? joinParagraphs(pieces) : joinLines(pieces), expected);
}

void TestInfoTexts::instructionsFirstLabel()
{
    const QString t = instructions1();
    const QString head = "Kinscribe is the first in a series of four tools for improving family communication and "
                         "recording family members' histories.";
    QVERIFY(t.startsWith(head + "  ("));
    const qsizetype close = t.indexOf(")", head.size());
    QVERIFY(close > 0);
    QCOMPARE(t.mid(close, 3), QString(")  "));
    QCOMPARE(t.mid(close + 3),
             QString("Some questions are supplied, but others may be added in the text editing area.  NOTE:  All of "
                     "the questions, including the ones you haven't answered, appear on the text editing page.  "
                     "This is to remind you in case you accidentally forgot to answer one."));
    QVERIFY(!t.contains('\n'));
}

void TestInfoTexts::instructionsSecondLabel()
{
    const QString t = instructions2();
    QVERIFY(t.startsWith("Take your time answering these questions.  One question a day or one a week"));
    QVERIFY(t.contains("don't.  (Although a brief explanation as to why you don't want to answer it"));
    QVERIFY(t.endsWith("reader.)  Also add any questions you wish you were asked but weren't."));
    QVERIFY(!t.contains('\n'));
    QVERIFY(!t.contains("   "));
}

void TestInfoTexts::instructionsThirdLabel()
{
    const QStringList lines = instructions3().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith("Whether you are the person answering the questions"));
    QVERIFY(lines[0].endsWith("software application.  Please email me at"));
    QCOMPARE(lines[1], authorEmail() + ".  Thank you.");
}

void TestInfoTexts::contactBlockHasSixLines()
{
    const QStringList lines = contactBlock().split('\n');
    QCOMPARE(lines.size(), 6);
    for (const QString &line : lines)
        QVERIFY2(!line.trimmed().isEmpty() && line == line.trimmed(), qPrintable(line));
    QCOMPARE(lines[4], authorEmail());
    QVERIFY(lines[5].contains("example."));
    QVERIFY(!contactBlock().contains('\r'));
}

void TestInfoTexts::versionHistoryLines()
{
    const QStringList lines = versionHistory().split('\n');
    const QStringList expected = {"Version 1.1:",
                                  "- Made text boxes multi-line.",
                                  "- Fixed form call from Military Main.",
                                  "",
                                  "Version 2.0:",
                                  "- Added text editing capabilities.",
                                  "",
                                  "Version 2.1:",
                                  "- Fixed text editor resizing problem.",
                                  "- Added ability to reload previously saved data.",
                                  "",
                                  "Version 2.1.1:",
                                  "- Made changes to stress need to save to a file."};
    QCOMPARE(lines, expected);
}

void TestInfoTexts::distributionParagraphs()
{
    const QString t = distribution1();
    const QStringList paragraphs = t.split("\n\n");
    QCOMPARE(paragraphs.size(), 4);
    QVERIFY(paragraphs[0].contains("2000"));
    QVERIFY(!paragraphs[0].contains('\n'));
    QCOMPARE(paragraphs.mid(1), QStringList({"", "", ""}));
    QCOMPARE(distribution2(), authorEmail() + " for more information.");
}

void TestInfoTexts::warrantySplitsOneSentence()
{
    const QString first = warranty1();
    QVERIFY(first.startsWith("Kinscribe is supplied as is.  "));
    QVERIFY(first.endsWith("liability for any"));
    const qsizetype last = first.lastIndexOf("In no event shall ");
    QVERIFY(last > 0);
    QVERIFY(first.mid(last).contains("'s or "));
    QCOMPARE(warranty2(), QString(""));
    QCOMPARE(warranty3(), QString("whole or in part."));
}

void TestInfoTexts::sharewareContinuesIntoSecondLabel()
{
    const QStringList paragraphs = shareware1().split("\n\n");
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs[0].startsWith("'Shareware' is a method of software distribution that gives users a chance to "
                                     "try software before buying it."));
    // The last sentence runs on into the second label: no full stop, no trailing space.
    QVERIFY(!paragraphs[1].endsWith('.') && !paragraphs[1].endsWith(' '));
    QCOMPARE(shareware2(), QString("before a commercial disk vendor may copy their software (see 'Distribution' "
                                   "section)."));
}

void TestInfoTexts::addressesAreExampleDomains_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nominal: contact block") << contactBlock();
    QTest::newRow("nominal: instructions") << instructions3();
    QTest::newRow("nominal: distribution") << distribution2();
}

void TestInfoTexts::addressesAreExampleDomains()
{
    QFETCH(QString, text);
    static const QRegularExpression address(R"((?:@|https?://|www\.)([A-Za-z0-9.-]+[A-Za-z0-9]))");
    auto it = address.globalMatch(text);
    int found = 0;
    for (; it.hasNext(); ++found) {
        const QString domain = it.next().captured(1).toLower();
        QVERIFY2(domain == "example.com" || domain == "example.org" || domain.endsWith(".example.com")
                     || domain.endsWith(".example.org"),
                 qPrintable(domain));
    }
    QVERIFY(found > 0);
}

QTEST_APPLESS_MAIN(TestInfoTexts)
#include "tst_info_texts.moc"
