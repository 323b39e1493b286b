// LibreOffice reading what the writer produces: the text and the formatting of every
// styled word come through (text, bold, italic, underline, strikethrough, colour,
// font and size). LibreOffice's HTML export is read back with Qt's HTML reader.

#include "document/rtf/rtf.h"
#include "rtf_test_util.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace RtfTest;

namespace {

// Qt's HTML reader ignores <strike>, lets <font size=N> win over the exact size
// LibreOffice puts beside it in a style, and takes LibreOffice's "text-decoration: none"
// (its way of saying "not underlined") as also ending a strikethrough.
QString forQt(QString html)
{
    html.remove(QStringLiteral(" style=\"text-decoration: none\""));
    html.replace(QStringLiteral("<strike>"), QStringLiteral("<s>"));
    html.replace(QStringLiteral("</strike>"), QStringLiteral("</s>"));
    html.replace(QRegularExpression(QStringLiteral(R"((<font[^>]*?) size="\d+")")), QStringLiteral("\\1"));
    return html;
}

// LibreOffice exports "auto" colour after a coloured run as black.
QString autoColour(QString description)
{
    return description.remove(QStringLiteral(",#000000"));
}

} // namespace

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textComesThrough();
    void formattingComesThrough_data();
    void formattingComesThrough();
    void paragraphsAndAlignment();

private:
    QTemporaryDir m_dir;
    QTextDocument m_ours;
    QTextDocument m_seen; // what LibreOffice read, via its HTML
};

void TestRtfLibreOffice::initTestCase()
{
    if (tool(QStringLiteral("soffice")).isEmpty())
        QSKIP("LibreOffice (soffice) is not installed; scripts/test installs it");
    buildSampleDocument(m_ours);
    const QString rtf = m_dir.filePath(QStringLiteral("sample.rtf"));
    QFile out(rtf);
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(Rtf::write(m_ours, out));
    out.close();
    QString log;
    QVERIFY2(libreOfficeConvert({rtf}, QStringLiteral("html"), m_dir.path(), &log), qPrintable(log));
    QFile html(m_dir.filePath(QStringLiteral("sample.html")));
    QVERIFY2(html.open(QIODevice::ReadOnly), qPrintable(log));
    m_seen.setDefaultFont(m_ours.defaultFont()); // LibreOffice leaves out the default size
    m_seen.setHtml(forQt(QString::fromUtf8(html.readAll())));
}

void TestRtfLibreOffice::textComesThrough()
{
    QCOMPARE(normalized(m_seen.toPlainText()), normalized(m_ours.toPlainText()));
}

void TestRtfLibreOffice::formattingComesThrough_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("format");
    for (const StyledWord &w : sampleWords())
        QTest::newRow(qPrintable(QStringLiteral("nominal: ") + w.word)) << w.word << w.format;
}

void TestRtfLibreOffice::formattingComesThrough()
{
    QFETCH(QString, word);
    QFETCH(QString, format);
    const QTextCursor found = m_seen.find(word, 0, QTextDocument::FindCaseSensitively);
    QVERIFY2(!found.isNull(), qPrintable(word));
    // LibreOffice's HTML gives sizes in whole points (10.5 becomes 10)
    QStringList seen = autoColour(describe(found.charFormat(), m_seen)).split(u',');
    QStringList expected = format.split(u',');
    QVERIFY(seen.size() > 1 && expected.size() > 1);
    QVERIFY2(std::abs(seen.takeAt(1).toDouble() - expected.takeAt(1).toDouble()) <= 0.5,
             qPrintable(describe(found.charFormat(), m_seen)));
    QCOMPARE(seen, expected);
}

void TestRtfLibreOffice::paragraphsAndAlignment()
{
    const QTextCursor centred = m_seen.find(QStringLiteral("Tab"));
    const QTextCursor right = m_seen.find(QStringLiteral("Right aligned"));
    const QTextCursor justified = m_seen.find(QStringLiteral("Justified"));
    QVERIFY(!centred.isNull() && !right.isNull() && !justified.isNull());
    QCOMPARE(centred.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(right.blockFormat().alignment() & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(justified.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    // the line break stays inside its paragraph
    QCOMPARE(centred.block().text().count(QChar(0x2028)), 1);
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtf_libreoffice.moc"
