#include "questionnaire/answer_store.h"
#include "resources/answered_picture.h"
#include "resources/artwork.h"

#include <QTest>

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void freshStore();
    void emptyTextVersusNoValue();
    void answeredMeansNotEmpty_data();
    void answeredMeansNotEmpty();
    void sameItemKeyInOtherSections();
    void entryNamesReachTheSameAnswer_data();
    void entryNamesReachTheSameAnswer();
    void catalogueWalk();
    void questionTextsLoaded();
    void sectionComplete();
    void answeredPicturePixels();
    void embeddedArtwork();
};

void TestStore::freshStore()
{
    AnswerStore store;
    int withValue = 0;
    for (int n = 1; n <= kQuestionCount; ++n) {
        QVERIFY2(!store.isAnswered(n), qPrintable(QString::number(n)));
        QCOMPARE(store.answerOf(n), QString());
        withValue += store.hasValue(n) ? 1 : 0;
    }
    QCOMPARE(withValue, 11);
    for (int n : {10, 18, 23, 26, 33, 44, 51, 60, 67, 72, 77})
        QVERIFY2(store.hasValue(n), qPrintable(QString::number(n)));
    for (const SectionInfo &s : QuestionCatalogue::sections())
        QCOMPARE(store.answeredCount(s.id), 0);
}

void TestStore::emptyTextVersusNoValue()
{
    AnswerStore store;
    store.setAnswer(1, QString(""));
    QVERIFY(store.hasValue(1));
    QVERIFY(!store.isAnswered(1));
    store.setAnswer(1, std::nullopt);
    QVERIFY(!store.hasValue(1));
    // An always-text question never loses its value.
    store.setAnswer(10, std::nullopt);
    QVERIFY(store.hasValue(10));
    QCOMPARE(store.answerOf(10), QString());
}

void TestStore::answeredMeansNotEmpty_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("answered");
    QTest::newRow("nominal: words") << "A fireman" << true;
    QTest::newRow("nominal: single space") << " " << true;
    QTest::newRow("nominal: only line breaks") << "\r\n\r\n" << true;
    QTest::newRow("robustness: empty text") << "" << false;
    QTest::newRow("robustness: kept untrimmed") << "  two  " << true;
}

void TestStore::answeredMeansNotEmpty()
{
    QFETCH(QString, answer);
    QFETCH(bool, answered);
    AnswerStore store;
    const QuestionKey key{SectionId::Childhood, QStringLiteral("GrowUp")};
    store.setAnswer(key, answer);
    QCOMPARE(store.isAnswered(key), answered);
    QCOMPARE(store.answerOf(key), answer);
}

void TestStore::sameItemKeyInOtherSections()
{
    AnswerStore store;
    store.setAnswer(QuestionKey{SectionId::HighSch, QStringLiteral("Hobbies")}, QStringLiteral("chess"));
    QCOMPARE(store.answerOf(17), QStringLiteral("chess"));
    QVERIFY(!store.isAnswered(QuestionKey{SectionId::Childhood, QStringLiteral("Hobbies")}));
    QVERIFY(!store.isAnswered(QuestionKey{SectionId::Life, QStringLiteral("Hobbies")}));
    for (int n = 1; n <= kQuestionCount; ++n)
        QCOMPARE(store.isAnswered(n), n == 17);
}

void TestStore::entryNamesReachTheSameAnswer_data()
{
    QTest::addColumn<int>("section");
    QTest::addColumn<QString>("overviewKey");
    QTest::addColumn<QString>("entryKey");
    QTest::addColumn<QString>("entryWindow");
    QTest::addColumn<int>("number");
    QTest::newRow("nominal: question 21") << int(SectionId::FirstCar) << "Like" << "Getting" << "frmFirstCar" << 21;
    QTest::newRow("nominal: question 24") << int(SectionId::Volunteer) << "Volunteer" << "Volun" << "frmVolun1" << 24;
    QTest::newRow("nominal: question 34") << int(SectionId::College) << "WhereWhen" << "WhereWent" << "frmCollege1" << 34;
}

void TestStore::entryNamesReachTheSameAnswer()
{
    QFETCH(int, section);
    QFETCH(QString, overviewKey);
    QFETCH(QString, entryKey);
    QFETCH(QString, entryWindow);
    QFETCH(int, number);
    const auto id = SectionId(section);
    QCOMPARE(QuestionCatalogue::numberOf({id, overviewKey}), number);
    QCOMPARE(QuestionCatalogue::numberOf({id, entryKey}), number);
    QCOMPARE(QuestionCatalogue::numberOfTextBox(entryWindow, QStringLiteral("txt") + entryKey), number);
    AnswerStore store;
    store.setAnswer(QuestionKey{id, entryKey}, QStringLiteral("x"));
    QVERIFY(store.isAnswered(QuestionKey{id, overviewKey}));
    // A key of another section is not this question.
    QCOMPARE(QuestionCatalogue::numberOf({SectionId::Final, overviewKey}), 0);
}

void TestStore::catalogueWalk()
{
    const QList<int> sizes{10, 8, 5, 5, 5, 11, 7, 9, 7, 6, 4};
    int expected = 1;
    int sectionIndex = 0;
    for (const SectionInfo &s : QuestionCatalogue::sections()) {
        QCOMPARE(int(s.id), sectionIndex);
        QCOMPARE(int(QuestionCatalogue::questionsOf(s.id).size()), sizes[sectionIndex]);
        int position = 1;
        for (const QuestionInfo &q : QuestionCatalogue::questionsOf(s.id)) {
            QCOMPARE(q.number, expected++);
            QCOMPARE(q.position, position++);
            QCOMPARE(q.section, s.id);
            QCOMPARE(QuestionCatalogue::numberOf(q.key()), q.number);
        }
        ++sectionIndex;
    }
    QCOMPARE(expected, 78);
    QCOMPARE(QuestionCatalogue::entryWindowsOf(SectionId::College),
             QStringList({"frmCollege1", "frmCollege2", "frmCollege3"}));
}

void TestStore::questionTextsLoaded()
{
    AnswerStore store;
    QCOMPARE(store.questionText(1), QString());
    store.loadQuestionTexts();
    store.loadQuestionTexts();
    QCOMPARE(store.questionText(4), QStringLiteral("Where did you live growing up?  If you moved during your childhood, "
                                                   "which home was your favorite, and why?"));
    QCOMPARE(store.questionText(77), QStringLiteral("Any final comments?"));
    QCOMPARE(QString::fromLatin1(QuestionCatalogue::section(SectionId::Travel).heading), QStringLiteral("TRAVELING:"));
}

void TestStore::sectionComplete()
{
    AnswerStore store;
    for (int n = 19; n <= 22; ++n)
        store.setAnswer(n, QStringLiteral(" "));
    QVERIFY(!store.isSectionComplete(SectionId::FirstCar));
    store.setAnswer(23, QStringLiteral(" "));
    QVERIFY(store.isSectionComplete(SectionId::FirstCar));
    QVERIFY(!store.isSectionComplete(SectionId::Volunteer));
}

void TestStore::answeredPicturePixels()
{
    const QImage &img = answeredPicture();
    QCOMPARE(img.size(), QSize(13, 12));
    const QList<QList<int>> red{{}, {10, 11}, {8, 9, 10}, {7, 8, 9}, {6, 7, 8}, {5, 6, 7}, {1, 2, 4, 5, 6},
                                {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {2, 3, 4}, {2, 3}, {}};
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 13; ++col) {
            QRgb want = qRgb(19, 6, 121);
            if (red[row].contains(col))
                want = (row == 8 && col == 3) ? qRgb(255, 0, 0) : qRgb(225, 1, 15);
            QVERIFY2(img.pixel(col, row) == want, qPrintable(QStringLiteral("pixel %1,%2").arg(col).arg(row)));
        }
    }
}

void TestStore::embeddedArtwork()
{
    // The start-up pictures are embedded files; a missing one would leave the window blank.
    QCOMPARE(bannerPicture().size(), QSize(274, 53));
    QCOMPARE(speechBubblePicture().size(), QSize(236, 140));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
