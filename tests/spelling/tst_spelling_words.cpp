// Which words are checked, what the dictionary says of them in its own encoding, and which
// dictionary the desktop's language picks.
#include "test_dictionary.h"
#include "test_files.h"
#include "text/spelling/dictionary.h"
#include "text/spelling/word_scanner.h"

#include <QDir>
#include <QTest>

using namespace Spelling;

class TestSpellingWords : public TempDirTest {
    Q_OBJECT
private slots:
    void wordsChecked_data();
    void wordsChecked();
    void dictionaryVerdicts_data();
    void dictionaryVerdicts();
    void suggestionsInTheDictionaryEncoding();
    void missingDictionaryIsNotUsable();
    void languageChoice_data();
    void languageChoice();
};

void TestSpellingWords::wordsChecked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("nominal: plain words and punctuation") << "We drove, then slept." << QStringList{"We", "drove", "then", "slept"};
    QTest::newRow("nominal: apostrophe inside a word") << "Grandma's farm, don\u2019t" << QStringList{"Grandma's", "farm", "don\u2019t"};
    QTest::newRow("nominal: hyphen parts a word") << "well-known" << QStringList{"well", "known"};
    QTest::newRow("nominal: accented letters") << "caf\u00e9 na\u00efve" << QStringList{"caf\u00e9", "na\u00efve"};
    QTest::newRow("robustness: numbers left out") << "in 1962 and 3.5" << QStringList{"in", "and"};
    QTest::newRow("robustness: words with digits left out") << "B52 mp3 2nd car" << QStringList{"car"};
    QTest::newRow("robustness: capitals only left out") << "the USA and NATO, I" << QStringList{"the", "and"};
    QTest::newRow("robustness: web address left out") << "see https://exmple.org/pge now" << QStringList{"see", "now"};
    QTest::newRow("robustness: www address left out") << "at www.exmple.org." << QStringList{"at"};
    QTest::newRow("robustness: e-mail address left out") << "mail grampa@exmple.org today" << QStringList{"mail", "today"};
    QTest::newRow("robustness: quotes around a word") << "'tis \"old\"" << QStringList{"tis", "old"};
    QTest::newRow("robustness: empty text") << "" << QStringList{};
}

void TestSpellingWords::wordsChecked()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QStringList found;
    for (const WordSpan &w : wordsToCheck(text))
        found << text.mid(w.start, w.length);
    QCOMPARE(found, words);
}

void TestSpellingWords::dictionaryVerdicts_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("correct");
    for (const char *encoding : {"ISO8859-1", "UTF-8"}) {
        const QByteArray e = QByteArray(" (") + encoding + ")";
        QTest::newRow("nominal: a known word" + e) << QByteArray(encoding) << "house" << true;
        QTest::newRow("nominal: a known word with an accent" + e) << QByteArray(encoding) << "caf\u00e9" << true;
        QTest::newRow("nominal: a misspelt word" + e) << QByteArray(encoding) << "hosue" << false;
        QTest::newRow("nominal: capitalised at a sentence start" + e) << QByteArray(encoding) << "House" << true;
        QTest::newRow("robustness: a letter the encoding may lack" + e) << QByteArray(encoding) << "hou\u015fe" << false;
    }
}

void TestSpellingWords::dictionaryVerdicts()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QString, word);
    QFETCH(bool, correct);
    const Dictionary dictionary(writeTestDictionary(dir.path(), encoding));
    QVERIFY(dictionary.isUsable());
    QCOMPARE(dictionary.isCorrect(word), correct);
}

void TestSpellingWords::suggestionsInTheDictionaryEncoding()
{
    const Dictionary dictionary(writeTestDictionary(dir.path(), "ISO8859-1"));
    const QStringList forHouse = dictionary.suggestions(QStringLiteral("hosue"), 5);
    QVERIFY2(!forHouse.isEmpty() && forHouse.first() == QLatin1String("house"), qPrintable(forHouse.join(',')));
    // The accented suggestion comes back decoded from Latin-1, not as broken UTF-8.
    QVERIFY2(dictionary.suggestions(QStringLiteral("cafe"), 5).contains(QStringLiteral("caf\u00e9")),
             qPrintable(dictionary.suggestions(QStringLiteral("cafe"), 5).join(',')));
    QVERIFY(dictionary.suggestions(QStringLiteral("hosue"), 0).isEmpty());
}

void TestSpellingWords::missingDictionaryIsNotUsable()
{
    const QString aff = writeTestDictionary(dir.path());
    QVERIFY(QFile::remove(aff.chopped(4) + ".dic"));
    const Dictionary dictionary(aff);
    QVERIFY(!dictionary.isUsable());
    QVERIFY(dictionary.isCorrect(QStringLiteral("hosue"))); // no dictionary: nothing is marked
    QVERIFY(dictionary.suggestions(QStringLiteral("hosue"), 5).isEmpty());
}

void TestSpellingWords::languageChoice_data()
{
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nominal: LC_MESSAGES first") << "de_DE.UTF-8" << "fr_FR.UTF-8" << QStringList{"de_DE", "fr_FR", "en_US"} << "de_DE";
    QTest::newRow("nominal: LANG when LC_MESSAGES is unset") << "" << "fr_FR.UTF-8" << QStringList{"de_DE", "fr_FR", "en_US"} << "fr_FR";
    QTest::newRow("nominal: modifier left out") << "de_DE@euro" << "" << QStringList{"de_DE"} << "de_DE";
    QTest::newRow("robustness: language not installed falls back to en_US") << "nl_NL.UTF-8" << "" << QStringList{"de_DE", "en_US"} << "en_US";
    QTest::newRow("robustness: C locale falls back to en_US") << "C" << "POSIX" << QStringList{"en_US"} << "en_US";
    QTest::newRow("robustness: nothing installed") << "de_DE.UTF-8" << "" << QStringList{} << "";
    QTest::newRow("robustness: neither language nor en_US") << "nl_NL" << "" << QStringList{"de_DE"} << "";
}

void TestSpellingWords::languageChoice()
{
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);
    for (const QString &name : installed)
        QVERIFY(!writeTestDictionary(dir.path(), "UTF-8", name).isEmpty());
    const QString aff = chooseDictionary(lcMessages, lang, {dir.filePath("absent"), dir.path()});
    QCOMPARE(QFileInfo(aff).completeBaseName(), chosen);
}

QTEST_GUILESS_MAIN(TestSpellingWords)
#include "tst_spelling_words.moc"
