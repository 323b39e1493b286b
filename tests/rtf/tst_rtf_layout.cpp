// Documents keep their look through Kinscribe's open and save as a reader sees them:
// LibreOffice draws each file and its rewrite to PDF, and every word stands on the same
// page within 3 pt of where it stood (tools/rtf-layout/rtf-layout-compare measures the
// same over any set of files). Skips without LibreOffice or pdftotext.

#include "rtf_test_util.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace RtfTest;

namespace {

constexpr double kTolerance = 3.0; // points

struct Word
{
    int page = 0;
    double x = 0, y = 0;
    QString text;
};

// Every word pdftotext finds in a PDF, in reading order.
QList<Word> words(const QString &pdf)
{
    QProcess p;
    p.start(tool(QStringLiteral("pdftotext")), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    static const QRegularExpression item(QStringLiteral(
        R"re(<page |<word xMin="([-0-9.]+)" yMin="([-0-9.]+)"[^>]*>([^<]*)</word>)re"));
    QList<Word> list;
    int page = 0;
    for (auto it = item.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page")))
            ++page;
        else
            list.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return list;
}

} // namespace

class TestRtfLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wordsKeepTheirPlace_data();
    void wordsKeepTheirPlace();

private:
    QTemporaryDir m_dir;
    QStringList m_names;
};

void TestRtfLayout::initTestCase()
{
    if (tool(QStringLiteral("soffice")).isEmpty() || tool(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("LibreOffice (soffice) or pdftotext is not installed; scripts/test installs them");
    const QDir data(dataDir() + QStringLiteral("/layout"));
    QStringList files;
    for (const QFileInfo &f : data.entryInfoList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        const QByteArray original = fileBytes(f.filePath());
        QTextDocument doc;
        QVERIFY(load(original, doc));
        m_names << f.completeBaseName();
        files << m_dir.filePath(f.completeBaseName() + QStringLiteral(".rtf"))
              << m_dir.filePath(f.completeBaseName() + QStringLiteral("-rewrite.rtf"));
        QVERIFY(writeBytes(files.at(files.size() - 2), original));
        QVERIFY(writeBytes(files.last(), Rtf::write(doc)));
    }
    QVERIFY(m_names.size() >= 3);
    QString log;
    QVERIFY2(libreOfficeConvert(files, QStringLiteral("pdf"), m_dir.path(), &log), qPrintable(log));
}

void TestRtfLayout::wordsKeepTheirPlace_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : std::as_const(m_names))
        QTest::newRow(qPrintable(QStringLiteral("nominal: ") + name)) << name;
}

void TestRtfLayout::wordsKeepTheirPlace()
{
    QFETCH(QString, name);
    const QList<Word> before = words(m_dir.filePath(name + QStringLiteral(".pdf")));
    const QList<Word> after = words(m_dir.filePath(name + QStringLiteral("-rewrite.pdf")));
    QVERIFY(before.size() > 20);
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const Word &a = before.at(i), &b = after.at(i);
        QCOMPARE(b.text, a.text);
        const bool kept = a.page == b.page && std::abs(a.x - b.x) <= kTolerance && std::abs(a.y - b.y) <= kTolerance;
        QVERIFY2(kept, qPrintable(QStringLiteral("\"%1\" was on page %2 at (%3, %4), now on page %5 at (%6, %7)")
                                      .arg(a.text).arg(a.page).arg(a.x).arg(a.y).arg(b.page).arg(b.x).arg(b.y)));
    }
}

QTEST_MAIN(TestRtfLayout)
#include "tst_rtf_layout.moc"
