#include "rtf_test_util.h"

#include "document/rtf/rtf.h"
#include "rtf_corpus.h"
#include "source_dir.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace RtfTest {

QByteArray arialDocument(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}" + body + "}";
}

bool load(const QByteArray &rtf, QTextDocument &doc)
{
    const Outcome result = Rtf::read(rtf, doc);
    if (!result.ok())
        qWarning("reader refused the input: %s", qPrintable(result.error()));
    return result.ok();
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

namespace {

QTextCharFormat charFormat(const QString &family, double points, const QString &flags,
                           const QColor &color = QColor())
{
    QTextCharFormat f;
    if (!family.isEmpty())
        f.setFontFamilies({family});
    if (points > 0)
        f.setFontPointSize(points);
    f.setFontWeight(flags.contains(u'b') ? QFont::Bold : QFont::Normal);
    f.setFontItalic(flags.contains(u'i'));
    f.setFontUnderline(flags.contains(u'u'));
    f.setFontStrikeOut(flags.contains(u's'));
    if (color.isValid())
        f.setForeground(color);
    return f;
}

struct SampleRun
{
    QString text;
    QTextCharFormat format;
};

QList<SampleRun> firstParagraph()
{
    const QTextCharFormat plain;
    return {{QStringLiteral("Plain "), plain},
            {QStringLiteral("Boldword"), charFormat({}, 0, QStringLiteral("b"))},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Italicword"), charFormat({}, 0, QStringLiteral("i"))},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Underlinedword"), charFormat({}, 0, QStringLiteral("u"))},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Struckword"), charFormat({}, 0, QStringLiteral("s"))},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Redword"), charFormat({}, 0, {}, QColor(255, 0, 0))},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Serifword"), charFormat(QStringLiteral("Liberation Serif"), 20, {})},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Monoword"), charFormat(QStringLiteral("DejaVu Sans Mono"), 9, {})},
            {QStringLiteral(" "), plain},
            {QStringLiteral("Mixedword"), charFormat(QStringLiteral("Liberation Serif"), 10.5,
                                                     QStringLiteral("bius"), QColor(0x1a, 0x6b, 0x3c))},
            {QStringLiteral(" end"), plain}};
}

void addBlock(QTextCursor &c, const QString &text, Qt::Alignment align = Qt::AlignLeft,
              const QTextCharFormat &format = QTextCharFormat())
{
    QTextBlockFormat bf;
    if (align != Qt::AlignLeft)
        bf.setAlignment(align);
    c.insertBlock(bf, format);
    c.insertText(text, format);
}

} // namespace

void buildSampleDocument(QTextDocument &doc)
{
    doc.clear();
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
    QTextCursor c(&doc);
    for (const SampleRun &run : firstParagraph())
        c.insertText(run.text, run.format);
    const QString ls(QChar(0x2028));
    addBlock(c, QStringLiteral("Tab\there") + ls + QStringLiteral("next line {braces} \\back\\slash; semicolon"),
             Qt::AlignHCenter);
    addBlock(c, QString::fromUtf8("Ünïcödé € “quotes” — Привет мир — Γειά σου — 日本語テキスト — 中文 — "
                                  "한국어 — עברית — العربية"));
    addBlock(c, QString::fromUtf8("Emoji 😀 👍🏽 👨‍👩‍👧 🇫🇷 end"));
    addBlock(c, QString(), Qt::AlignLeft, charFormat({}, 20, {})); // an empty paragraph, 20 pt
    addBlock(c, QStringLiteral("Right aligned"), Qt::AlignRight);
    addBlock(c, QStringLiteral("Justified paragraph with enough words to wrap when it is shown."),
             Qt::AlignJustify);
    addBlock(c, QString::fromUtf8("Special: nbsp here, soft­hyphen, C1  char, "
                                  "private  use, last BMP �"));
    addBlock(c, QString()); // a trailing empty paragraph
}

QList<StyledWord> sampleWords()
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 12));
    QList<StyledWord> words;
    for (const SampleRun &run : firstParagraph()) {
        if (run.text.trimmed().size() > 3)
            words.append({run.text.trimmed(), describe(run.format, doc)});
    }
    return words;
}

QString normalized(const QString &text)
{
    QString t = text;
    t.remove(QChar(0xFEFF));
    return t.simplified();
}

QString corpusDir()
{
    return rtfCorpusDir();
}

QString dataDir()
{
    return testDataPath(QStringLiteral("rtf/data"));
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
