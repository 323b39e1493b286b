// The rtftool command: text, html, from-html and rewrite, and its one-line errors.

#include "rtf_test_util.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>

using namespace RtfTest;

namespace {

struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun rtftool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(RTFTOOL_PATH), args);
    ToolRun run;
    if (!p.waitForFinished(60000))
        return run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = p.readAllStandardError();
    return run;
}

} // namespace

class TestRtfTool : public QObject
{
    Q_OBJECT

private slots:
    void text();
    void html();
    void fromHtml();
    void rewrite();
    void errors_data();
    void errors();

private:
    QTemporaryDir m_dir;
    const QString m_sample = dataDir() + QStringLiteral("/reader_sample.rtf");
};

void TestRtfTool::text()
{
    const ToolRun run = rtftool({QStringLiteral("text"), m_sample});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, fileBytes(dataDir() + QStringLiteral("/reader_sample.txt")));
    QVERIFY(run.err.isEmpty());
}

void TestRtfTool::html()
{
    const ToolRun run = rtftool({QStringLiteral("html"), m_sample});
    QCOMPARE(run.exitCode, 0);
    // Qt's own HTML of the document read in this process: tables and pictures included,
    // which the plain text of the HTML would not show faithfully (an empty paragraph after a table)
    QTextDocument direct;
    QVERIFY(load(fileBytes(m_sample), direct));
    QCOMPARE(QString::fromUtf8(run.out), direct.toHtml());
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(run.out));
    QVERIFY(doc.find(QStringLiteral("bold")).charFormat().fontWeight() == QFont::Bold);
}

void TestRtfTool::fromHtml()
{
    const QString html = m_dir.filePath(QStringLiteral("in.html"));
    QVERIFY(writeBytes(html, "<p>One <b>two</b> три 😀</p><p align=center>second</p>"));
    const ToolRun run = rtftool({QStringLiteral("from-html"), html});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("{\\rtf1\\ansi"));
    QTextDocument doc;
    QVERIFY(load(run.out, doc));
    QCOMPARE(paragraphs(doc), QStringList({QString::fromUtf8("One two три 😀"), QStringLiteral("second")}));
}

void TestRtfTool::rewrite()
{
    const QString out = m_dir.filePath(QStringLiteral("out.rtf"));
    const ToolRun run = rtftool({QStringLiteral("rewrite"), m_sample, out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.isEmpty());
    const QByteArray written = fileBytes(out);
    QTextDocument original;
    QTextDocument again;
    QVERIFY(load(fileBytes(m_sample), original));
    QVERIFY(load(written, again));
    QCOMPARE(paragraphs(again), paragraphs(original));
    QCOMPARE(runs(again), runs(original));
    // rewriting what it wrote gives the same bytes
    const QString second = m_dir.filePath(QStringLiteral("second.rtf"));
    QCOMPARE(rtftool({QStringLiteral("rewrite"), out, second}).exitCode, 0);
    QCOMPARE(fileBytes(second), written);
}

void TestRtfTool::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString notRtf = dataDir() + QStringLiteral("/reader_sample.txt");
    const QString missing = m_dir.filePath(QStringLiteral("missing.rtf"));
    QTest::newRow("robustness: text of a file that is not RTF")
        << QStringList{QStringLiteral("text"), notRtf} << notRtf + QStringLiteral(": not an RTF file");
    QTest::newRow("robustness: html of a missing file")
        << QStringList{QStringLiteral("html"), missing} << missing + QStringLiteral(": No such file or directory");
    QTest::newRow("robustness: rewrite of a file that is not RTF")
        << QStringList{QStringLiteral("rewrite"), notRtf, m_dir.filePath(QStringLiteral("x.rtf"))}
        << notRtf + QStringLiteral(": not an RTF file");
    QTest::newRow("robustness: rewrite into a missing folder")
        << QStringList{QStringLiteral("rewrite"), m_sample, m_dir.filePath(QStringLiteral("no/x.rtf"))}
        << m_dir.filePath(QStringLiteral("no/x.rtf")) + QStringLiteral(": No such file or directory");
    QTest::newRow("robustness: from-html of a missing file")
        << QStringList{QStringLiteral("from-html"), missing} << missing + QStringLiteral(": No such file or directory");
    QTest::newRow("robustness: no command") << QStringList{} << QString();
    QTest::newRow("robustness: unknown command") << QStringList{QStringLiteral("pdf"), m_sample} << QString();
    QTest::newRow("robustness: missing argument") << QStringList{QStringLiteral("rewrite"), m_sample} << QString();
}

void TestRtfTool::errors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const ToolRun run = rtftool(args);
    QVERIFY(run.exitCode > 0);
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err.count('\n'), 1);
    if (message.isEmpty())
        QVERIFY(run.err.startsWith("usage: rtftool"));
    else
        QCOMPARE(QString::fromUtf8(run.err), QStringLiteral("rtftool: ") + message + u'\n');
}

QTEST_MAIN(TestRtfTool)
#include "tst_rtftool.moc"
