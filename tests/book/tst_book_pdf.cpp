// The book read back from its PDF: title page, contents with page numbers, headings in title
// case, answered questions only, answers as typed, numbered pages, embedded fonts; and a save
// that fails or is stopped leaves no file behind.
#include "document/book/book_content.h"
#include "document/book/book_writer.h"
#include "document/reading/work_progress.h"
#include "pdf_tools.h"
#include "questionnaire/answer_store.h"
#include "questionnaire/catalogue.h"
#include "test_files.h"

#include <QBuffer>
#include <QTest>

namespace {
const BookOptions kOptions{QStringLiteral("The Story of Walter"), QStringLiteral("10 December 2026"), QPageSize(QPageSize::Letter)};

// A few answers, with questions and whole sections left unanswered.
QList<BookSection> sampleContent()
{
    AnswerStore store;
    store.loadQuestionTexts();
    store.setAnswer(1, QStringLiteral("I grew up on a farm in Ohio."));
    store.setAnswer(2, QStringLiteral("  \r\n \r\n")); // nothing but spaces and breaks
    store.setAnswer(3, QStringLiteral("Firstline of three\r\nSecondline follows\r\n\r\nAfterline gap"));
    store.setAnswer(77, QStringLiteral("Love one another."));
    return bookContent(store);
}

QString writePdf(const QList<BookSection> &content, const QString &path)
{
    const Outcome saved = saveBook(content, kOptions, path);
    return saved.ok() ? path : saved.error();
}

class StopAt : public WorkProgress {
public:
    explicit StopAt(int reports) : m_left(reports) {}
    bool advance(qint64, qint64) override { return --m_left > 0; }

private:
    int m_left;
};
} // namespace

class TestBookPdf : public TempDirTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void headings_data();
    void headings();
    void contentLeavesOutUnanswered();
    void pagesReadBack();
    void answerLinesAsTyped();
    void sectionsBeginOnTheirPageAndNumbersFollow();
    void fontsEmbedded();
    void endlessWordKeptWhole();
    void failedSaveLeavesNoFile_data();
    void failedSaveLeavesNoFile();

private:
    QTemporaryDir m_dir;
    QString m_pdf;
};

void TestBookPdf::initTestCase()
{
    if (!hasPdfTools())
        QSKIP("poppler-utils (pdftotext, pdffonts, pdfinfo) is not installed");
    m_pdf = writePdf(sampleContent(), m_dir.filePath(QStringLiteral("book.pdf")));
    QVERIFY2(QFile::exists(m_pdf), qPrintable(m_pdf));
}

void TestBookPdf::headings_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("titleCase");
    QTest::newRow("nominal: one word") << "CHILDHOOD:" << "Childhood";
    QTest::newRow("nominal: two words") << "HIGH SCHOOL:" << "High School";
    QTest::newRow("nominal: minor word kept small") << "LIFE IN GENERAL:" << "Life in General";
    QTest::newRow("nominal: last section") << "FINAL COMMENTS:" << "Final Comments";
    QTest::newRow("robustness: minor word first") << "IN THE ARMY" << "In the Army";
}

void TestBookPdf::headings()
{
    QFETCH(QString, heading);
    QFETCH(QString, titleCase);
    QCOMPARE(titleCaseHeading(heading), titleCase);
}

void TestBookPdf::contentLeavesOutUnanswered()
{
    const QList<BookSection> content = sampleContent();
    QCOMPARE(content.size(), 2);
    QCOMPARE(content[0].heading, QStringLiteral("Childhood"));
    QCOMPARE(content[0].entries.size(), 2); // questions 1 and 3
    QCOMPARE(content[0].entries[1].question, QString::fromLatin1(QuestionCatalogue::question(3).text));
    QCOMPARE(content[1].heading, QStringLiteral("Final Comments"));
}

void TestBookPdf::pagesReadBack()
{
    const QStringList pages = pdfPages(m_pdf);
    QCOMPARE(pages.size(), 4); // title, contents, Childhood, Final Comments
    // The title and the date, and no page number.
    QCOMPARE(pages[0].trimmed(), kOptions.title + QLatin1Char('\n') + kOptions.date);
    const QString contents = pdfText(m_pdf, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2")});
    QVERIFY2(contents.contains(QRegularExpression(QStringLiteral("Childhood[ .]+3\\n"))), qPrintable(contents));
    QVERIFY2(contents.contains(QRegularExpression(QStringLiteral("Final Comments[ .]+4\\n"))), qPrintable(contents));
    QVERIFY(!contents.contains(QLatin1String("High School")));
    QVERIFY(pages[2].trimmed().startsWith(QLatin1String("Childhood")));
    QVERIFY(pages[2].contains(QLatin1String("I grew up on a farm in Ohio.")));
    QVERIFY(pages[3].trimmed().startsWith(QLatin1String("Final Comments")));
    // Left out: the unanswered questions, the answer of blanks, the sections without answers.
    const QString all = pages.join(QLatin1Char('\n'));
    for (const int n : {2, 4, 11, 76})
        QVERIFY2(!all.contains(QString::fromLatin1(QuestionCatalogue::question(n).text).left(30)), qPrintable(QString::number(n)));
    QVERIFY(!all.contains(QLatin1String("CHILDHOOD:")));
}

void TestBookPdf::answerLinesAsTyped()
{
    const auto first = pdfWordPosition(m_pdf, 3, QStringLiteral("Firstline"));
    const auto second = pdfWordPosition(m_pdf, 3, QStringLiteral("Secondline"));
    const auto after = pdfWordPosition(m_pdf, 3, QStringLiteral("Afterline"));
    QVERIFY(first && second && after);
    const qreal line = second->y() - first->y();
    QVERIFY2(line > 12 && line < 18, qPrintable(QString::number(line))); // 12 pt text, next line
    QVERIFY2(qAbs(after->y() - second->y() - 2 * line) < 1, qPrintable(QString::number(after->y() - second->y())));
    QCOMPARE(first->x(), second->x());
}

void TestBookPdf::sectionsBeginOnTheirPageAndNumbersFollow()
{
    AnswerStore store;
    store.loadQuestionTexts();
    const QString longAnswer = QStringLiteral("We drove the old car to the farm every summer and my brother got carsick. ").repeated(60);
    for (int n = 1; n <= kQuestionCount; n += 3)
        store.setAnswer(n, longAnswer);
    const QString pdf = writePdf(bookContent(store), m_dir.filePath(QStringLiteral("long.pdf")));
    const QStringList pages = pdfPages(pdf);
    QVERIFY2(pages.size() > 20, qPrintable(QString::number(pages.size())));
    for (int i = 1; i < pages.size(); ++i) {
        const QString foot = pages[i].trimmed().split(QLatin1Char('\n')).constLast().trimmed();
        QCOMPARE(foot, QString::number(i + 1));
    }
    // Every section listed in the contents begins its page under its heading.
    const QString contents = pdfText(pdf, {QStringLiteral("-layout"), QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"), QStringLiteral("2")});
    static const QRegularExpression row(QStringLiteral("^\\s*(\\S.*?)[ .]+(\\d+)$"), QRegularExpression::MultilineOption);
    int listed = 0;
    for (auto it = row.globalMatch(contents); it.hasNext(); ++listed) {
        const QRegularExpressionMatch m = it.next();
        const int page = m.captured(2).toInt();
        QVERIFY2(page > 2 && page <= pages.size(), qPrintable(m.captured(0)));
        QVERIFY2(pages[page - 1].trimmed().startsWith(m.captured(1)), qPrintable(m.captured(0)));
    }
    QCOMPARE(listed, kSectionCount);
}

void TestBookPdf::fontsEmbedded()
{
    const QStringList fonts = pdfFontLines(m_pdf);
    QVERIFY(fonts.size() >= 2); // regular and bold at least
    bool bold = false;
    for (const QString &font : fonts) {
        const QStringList columns = font.simplified().split(QLatin1Char(' '));
        QVERIFY2(columns.size() > 4 && columns.at(columns.size() - 5) == QLatin1String("yes"), qPrintable(font));
        bold = bold || font.contains(QLatin1String("Bold"));
    }
    QVERIFY(bold);
}

// A pasted link or a key held down: broken anywhere, every character still printed, inside the margins.
void TestBookPdf::endlessWordKeptWhole()
{
    AnswerStore store;
    store.loadQuestionTexts();
    store.setAnswer(5, QString(20000, QLatin1Char('w')));
    const QString pdf = writePdf(bookContent(store), m_dir.filePath(QStringLiteral("word.pdf")));
    const QString text = pdfText(pdf);
    QCOMPARE(text.count(QLatin1Char('w')) - store.questionText(5).count(QLatin1Char('w')), 20000);
    QVERIFY(pdfPages(pdf).size() > 3);
    const QString layout = pdfText(pdf, {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"), QStringLiteral("3")});
    static const QRegularExpression right(QStringLiteral("xMax=\"([0-9.]+)\""));
    for (auto it = right.globalMatch(layout); it.hasNext();) {
        const qreal xMax = it.next().captured(1).toDouble();
        QVERIFY2(xMax <= 612 - 0.8 * 72 + 1, qPrintable(QString::number(xMax)));
    }
}

void TestBookPdf::failedSaveLeavesNoFile_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("stopped");
    QTest::newRow("robustness: folder missing") << "missing/book.pdf" << false;
    QTest::newRow("robustness: a folder in the way") << "taken" << false;
    QTest::newRow("robustness: stopped at once") << "stopped.pdf" << true;
    QTest::newRow("robustness: stopped on the way") << "stopped-later.pdf" << true;
}

void TestBookPdf::failedSaveLeavesNoFile()
{
    QFETCH(QString, where);
    QFETCH(bool, stopped);
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    const QStringList before = folderEntries(dir.path());
    StopAt stop(where.contains(QLatin1String("later")) ? 8 : 1); // the 8th report comes while drawing
    const Outcome saved = saveBook(sampleContent(), kOptions, dir.filePath(where), stopped ? &stop : nullptr);
    QVERIFY(!saved.ok());
    QCOMPARE(saved.wasStopped(), stopped);
    QCOMPARE(saved.error().isEmpty(), stopped); // a failure says why
    QCOMPARE(folderEntries(dir.path()), before);
}

QTEST_MAIN(TestBookPdf)
#include "tst_book_pdf.moc"
