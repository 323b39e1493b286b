// The user's paper (Letter in the United States and Canada, A4 elsewhere), the page layout a
// document carries, and printing on it with numbered pages, read back from the PDF.
#include "document/composer/composer.h"
#include "document/pages/page_printing.h"
#include "document/pages/page_setup.h"
#include "document/rtf/rtf.h"
#include "pdf_tools.h"
#include "test_files.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QTest>
#include <QTextDocument>

namespace {
const char *const kLocaleVariables[] = {"LC_ALL", "LC_PAPER", "LANG"};

// Sets LC_ALL, LC_PAPER and LANG for the life of the object ("" leaves one unset).
class LocaleEnvironment {
public:
    LocaleEnvironment(const QByteArray &all, const QByteArray &paper, const QByteArray &lang)
    {
        const QByteArray values[] = {all, paper, lang};
        for (int i = 0; i < 3; ++i) {
            m_saved[i] = qgetenv(kLocaleVariables[i]);
            m_had[i] = qEnvironmentVariableIsSet(kLocaleVariables[i]);
            values[i].isEmpty() ? qunsetenv(kLocaleVariables[i]) : qputenv(kLocaleVariables[i], values[i]);
        }
    }
    ~LocaleEnvironment()
    {
        for (int i = 0; i < 3; ++i)
            m_had[i] ? qputenv(kLocaleVariables[i], m_saved[i]) : qunsetenv(kLocaleVariables[i]);
    }

private:
    QByteArray m_saved[3];
    bool m_had[3] = {};
};

QString printed(const QTextDocument &document, const QString &path)
{
    QPdfWriter writer(path);
    printDocument(document, writer);
    return path;
}
} // namespace

class TestPageSetup : public TempDirTest {
    Q_OBJECT
private slots:
    void localeNames_data();
    void localeNames();
    void environmentOrder_data();
    void environmentOrder();
    void userLayoutHasInchMargins();
    void documentLayoutFallsBackToUsers();
    void composedDocumentIsOnUsersPaper();
    void fileNamesItsPage_data();
    void fileNamesItsPage();
    void printUsesDocumentsPaper_data();
    void printUsesDocumentsPaper();
    void printNumbersEveryPageInsideMargins();
};

void TestPageSetup::localeNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("paper"); // -1: no locale named
    QTest::newRow("nominal: United States") << QByteArray("en_US.UTF-8") << int(QPageSize::Letter);
    QTest::newRow("nominal: Canada, French") << QByteArray("fr_CA.UTF-8") << int(QPageSize::Letter);
    QTest::newRow("nominal: Canada, English, no code set") << QByteArray("en_CA") << int(QPageSize::Letter);
    QTest::newRow("nominal: United Kingdom") << QByteArray("en_GB.UTF-8") << int(QPageSize::A4);
    QTest::newRow("nominal: Germany with modifier") << QByteArray("de_DE@euro") << int(QPageSize::A4);
    QTest::newRow("nominal: Mexico") << QByteArray("es_MX.UTF-8") << int(QPageSize::A4);
    QTest::newRow("robustness: C locale") << QByteArray("C.UTF-8") << int(QPageSize::A4);
    QTest::newRow("robustness: POSIX") << QByteArray("POSIX") << int(QPageSize::A4);
    QTest::newRow("robustness: nonsense") << QByteArray("xx_QQ") << int(QPageSize::A4);
    QTest::newRow("robustness: empty") << QByteArray() << -1;
}

void TestPageSetup::localeNames()
{
    QFETCH(QByteArray, name);
    QFETCH(int, paper);
    const auto found = paperOfLocaleName(name);
    QCOMPARE(found ? int(*found) : -1, paper);
}

void TestPageSetup::environmentOrder_data()
{
    QTest::addColumn<QByteArray>("all");
    QTest::addColumn<QByteArray>("paper");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<int>("expected");
    QTest::newRow("nominal: LANG alone, US") << QByteArray() << QByteArray() << QByteArray("en_US.UTF-8") << int(QPageSize::Letter);
    QTest::newRow("nominal: LANG alone, France") << QByteArray() << QByteArray() << QByteArray("fr_FR.UTF-8") << int(QPageSize::A4);
    QTest::newRow("nominal: LC_PAPER before LANG") << QByteArray() << QByteArray("de_DE.UTF-8") << QByteArray("en_US.UTF-8") << int(QPageSize::A4);
    QTest::newRow("nominal: LC_PAPER Canada, LANG Britain") << QByteArray() << QByteArray("en_CA.UTF-8") << QByteArray("en_GB.UTF-8") << int(QPageSize::Letter);
    QTest::newRow("nominal: LC_ALL before both") << QByteArray("en_US.UTF-8") << QByteArray("de_DE.UTF-8") << QByteArray("de_DE.UTF-8") << int(QPageSize::Letter);
}

void TestPageSetup::environmentOrder()
{
    QFETCH(QByteArray, all);
    QFETCH(QByteArray, paper);
    QFETCH(QByteArray, lang);
    QFETCH(int, expected);
    LocaleEnvironment env(all, paper, lang);
    QCOMPARE(int(userPaper().id()), expected);
}

void TestPageSetup::userLayoutHasInchMargins()
{
    LocaleEnvironment env({}, {}, "en_US.UTF-8");
    const QPageLayout layout = userPageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::Letter);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.margins(QPageLayout::Point), QMarginsF(72, 72, 72, 72));
}

void TestPageSetup::documentLayoutFallsBackToUsers()
{
    LocaleEnvironment env({}, {}, "en_GB.UTF-8");
    QTextDocument document;
    QCOMPARE(documentPageLayout(document).pageSize().id(), QPageSize::A4);
    QVERIFY(!ownPageLayout(document));
    const QPageLayout own(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(10, 20, 30, 40), QPageLayout::Millimeter);
    setDocumentPageLayout(document, own);
    QCOMPARE(documentPageLayout(document), own);
    QCOMPARE(ownPageLayout(document), own);
}

void TestPageSetup::composedDocumentIsOnUsersPaper()
{
    QTextDocument document;
    {
        LocaleEnvironment env({}, "en_US.UTF-8", "de_DE.UTF-8");
        QVERIFY(fillDocument(document, QStringLiteral("CHILDHOOD:\r\n\r\n")));
    }
    // Kept with the document: a later change of locale does not move it to other paper.
    LocaleEnvironment env({}, {}, "de_DE.UTF-8");
    QCOMPARE(documentPageLayout(document).pageSize().id(), QPageSize::Letter);
    QCOMPARE(documentPageLayout(document).margins(QPageLayout::Inch), QMarginsF(1, 1, 1, 1));
}

void TestPageSetup::fileNamesItsPage_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QSizeF>("size");       // points, as laid
    QTest::addColumn<QMarginsF>("margins"); // points
    QTest::newRow("nominal: A4 with narrow sides") << QByteArray("\\paperw11906\\paperh16838\\margl1134\\margr1134")
        << QSizeF(595.3, 841.9) << QMarginsF(56.7, 72, 56.7, 72);
    QTest::newRow("nominal: landscape Letter") << QByteArray("\\paperw15840\\paperh12240\\landscape")
        << QSizeF(792, 612) << QMarginsF(90, 72, 90, 72);
    QTest::newRow("nominal: the section's page wins") << QByteArray("\\paperw12240\\paperh15840\\sectd\\pgwsxn8391\\pghsxn11906")
        << QSizeF(419.6, 595.3) << QMarginsF(90, 72, 90, 72);
    QTest::newRow("robustness: no page named") << QByteArray("\\deftab720") << QSizeF() << QMarginsF();
}

void TestPageSetup::fileNamesItsPage()
{
    QFETCH(QByteArray, words);
    QFETCH(QSizeF, size);
    QFETCH(QMarginsF, margins);
    QByteArray rtf = "{\\rtf1\\ansi" + words + " Text.\\par}";
    QBuffer buffer(&rtf);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(Rtf::read(buffer, document).ok());
    const auto layout = ownPageLayout(document);
    QCOMPARE(bool(layout), size.isValid());
    if (!layout)
        return;
    const QSizeF laid = layout->fullRect(QPageLayout::Point).size();
    QVERIFY2(qAbs(laid.width() - size.width()) < 1 && qAbs(laid.height() - size.height()) < 1,
             qPrintable(QStringLiteral("%1 x %2").arg(laid.width()).arg(laid.height())));
    const QMarginsF got = layout->margins(QPageLayout::Point);
    QVERIFY2(qAbs(got.left() - margins.left()) < 0.5 && qAbs(got.top() - margins.top()) < 0.5
                 && qAbs(got.right() - margins.right()) < 0.5 && qAbs(got.bottom() - margins.bottom()) < 0.5,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(got.left()).arg(got.top()).arg(got.right()).arg(got.bottom())));
}

void TestPageSetup::printUsesDocumentsPaper_data()
{
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<bool>("ownA5");
    QTest::addColumn<QString>("size");
    QTest::newRow("nominal: US user, Letter") << QByteArray("en_US.UTF-8") << false << "612 x 792 pts (letter)";
    QTest::newRow("nominal: German user, A4") << QByteArray("de_DE.UTF-8") << false << "595 x 842 pts (A4)";
    QTest::newRow("nominal: the document's own A5 wins") << QByteArray("en_US.UTF-8") << true << "420 x 595 pts (A5)";
}

void TestPageSetup::printUsesDocumentsPaper()
{
    QFETCH(QByteArray, lang);
    QFETCH(bool, ownA5);
    QFETCH(QString, size);
    if (!hasPdfTools())
        QSKIP("poppler-utils (pdfinfo, pdftotext) is not installed");
    LocaleEnvironment env({}, {}, lang);
    QTextDocument document;
    document.setPlainText(QStringLiteral("One page of text."));
    if (ownA5)
        setDocumentPageLayout(document, QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QCOMPARE(pdfPageSize(printed(document, dir.filePath(QStringLiteral("p.pdf")))), size);
}

void TestPageSetup::printNumbersEveryPageInsideMargins()
{
    if (!hasPdfTools())
        QSKIP("poppler-utils (pdfinfo, pdftotext) is not installed");
    LocaleEnvironment env({}, {}, "en_US.UTF-8");
    QTextDocument document;
    QVERIFY(fillDocument(document, QStringLiteral("Kinscribe line\r\n").repeated(150)));
    const QString pdf = printed(document, dir.filePath(QStringLiteral("p.pdf")));
    const QStringList pages = pdfPages(pdf);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(pages[i].trimmed().split(QLatin1Char('\n')).constLast().trimmed(), QString::number(i + 1));
    // The text starts at the 1-inch margins; its number sits below the text, above the sheet's edge.
    const auto first = pdfWordPosition(pdf, 1, QStringLiteral("Kinscribe"));
    QVERIFY(first);
    QVERIFY2(qAbs(first->x() - 72) < 1 && qAbs(first->y() - 72) < 4, qPrintable(QStringLiteral("%1 %2").arg(first->x()).arg(first->y())));
    const auto number = pdfWordPosition(pdf, 2, QStringLiteral("2"));
    QVERIFY(number);
    QVERIFY2(number->y() > 792 - 72 && number->y() < 792 - 12, qPrintable(QString::number(number->y())));
}

QTEST_MAIN(TestPageSetup)
#include "tst_page_setup.moc"
