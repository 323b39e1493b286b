#include "rtf_test_util.h"

#include "document/rtf/rtf.h"
#include "test_app.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace RtfTest {

bool load(const QByteArray &rtf, QTextDocument &doc)
{
    const Rtf::ReadResult result = Rtf::read(rtf, doc);
    if (!result.ok)
        qWarning("reader refused the input: %s", qPrintable(result.error));
    return result.ok;
}

QStringList paragraphs(const QTextDocument &doc)
{
    QStringList list;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        list << b.text();
    return list;
}

QString describe(const QTextCharFormat &f, const QTextDocument &doc)
{
    const QFont font = f.font().resolve(doc.defaultFont());
    QStringList parts{font.families().value(0), QString::number(font.pointSizeF())};
    if (font.bold())
        parts << QStringLiteral("b");
    if (font.italic())
        parts << QStringLiteral("i");
    if (font.underline())
        parts << QStringLiteral("u");
    if (font.strikeOut())
        parts << QStringLiteral("s");
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        parts << f.foreground().color().name();
    return parts.join(u',');
}

QStringList runs(const QTextDocument &doc)
{
    QStringList list;
    QString last;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString d = describe(it.fragment().charFormat(), doc);
            if (d == last && !list.isEmpty()) {
                list.last().insert(list.last().indexOf(u':'), it.fragment().text());
            } else {
                list << it.fragment().text() + u':' + d;
                last = d;
            }
        }
        last.clear(); // runs never span paragraphs
    }
    return list;
}

QString normalized(const QString &text)
{
    QString t = text;
    t.remove(QChar(0xFEFF));
    return t.simplified();
}

QString corpusDir()
{
    return QDir(sharedDir()).absoluteFilePath(QStringLiteral("rtf-corpus"));
}

QString dataDir()
{
    return QDir(sourceDir()).absoluteFilePath(QStringLiteral("tests/rtf/data"));
}

QString tool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

bool libreOfficeConvert(const QStringList &files, const QString &filter, const QString &outDir,
                        QString *log)
{
    const QString soffice = tool(QStringLiteral("soffice"));
    QTemporaryDir profile;
    if (soffice.isEmpty() || !profile.isValid())
        return false;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                     QStringLiteral("--headless"), QStringLiteral("--convert-to"), filter,
                     QStringLiteral("--outdir"), outDir};
    p.start(soffice, args + files);
    const bool finished = p.waitForFinished(240000);
    if (log)
        *log = QString::fromUtf8(p.readAll());
    if (!finished)
        p.kill();
    return finished && p.exitStatus() == QProcess::NormalExit;
}

} // namespace RtfTest
