// LibreOffice reading what the writer produces: the text and the formatting of every
// styled word come through (text, bold, italic, underline, strikethrough, colour,
// font and size). LibreOffice's HTML export is read back with Qt's HTML reader.

#include "rtf_test_util.h"

#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include <cmath>

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

// A paragraph of LibreOffice's HTML as its tags describe it: text, alignment, the
// lengths of its style in inches (the stylesheet's p rule filling in what is left
// out), line height, the list it is in and its level, and its table cell.
struct HtmlParagraph
{
    QString text;
    QMap<QString, QString> props;
};

double inches(const QString &length)
{
    static const QHash<QString, double> perInch{{"in", 1}, {"cm", 2.54}, {"mm", 25.4}, {"pt", 72}, {"px", 96}};
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral(R"(^(-?[0-9.]+)(in|cm|mm|pt|px)$)")).match(length);
    return m.hasMatch() ? m.captured(1).toDouble() / perInch.value(m.captured(2)) : qQNaN();
}

QMap<QString, QString> declarations(const QString &style, QMap<QString, QString> into = {})
{
    for (const QString &d : style.split(u';')) {
        const qsizetype colon = d.indexOf(u':');
        if (colon > 0)
            into.insert(d.left(colon).trimmed(), d.mid(colon + 1).trimmed());
    }
    return into;
}

QList<HtmlParagraph> htmlParagraphs(const QString &html)
{
    static const QStringList kept{"margin-left", "margin-right", "text-indent", "margin-top", "margin-bottom",
                                  "line-height"};
    const auto rule = [&](const char *selector) {
        const QRegularExpression re(QStringLiteral(R"((?:^|\n)\s*%1 \{([^}]*)\})").arg(QLatin1String(selector)));
        return declarations(re.match(html).captured(1));
    };
    const QMap<QString, QString> body = rule("p"), inCell = rule("td p");
    static const QRegularExpression tag(QStringLiteral(R"(<(/?)(p|ul|ol|tr|td)\b([^>]*)>|<[^>]*>|[^<]+)"));
    QList<HtmlParagraph> out;
    QStringList lists;
    int row = -1, column = 0;
    QString cell;
    HtmlParagraph *open = nullptr;
    for (auto it = tag.globalMatch(html.mid(html.indexOf(QLatin1String("<body")))); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QString name = m.captured(2), attrs = m.captured(3);
        const bool closing = !m.captured(1).isEmpty();
        const auto attr = [&](const char *a) {
            return QRegularExpression(QStringLiteral("\\b%1=\"([^\"]*)\"").arg(QLatin1String(a))).match(attrs).captured(1);
        };
        if (name.isEmpty()) {
            if (open && !m.captured(0).startsWith(u'<'))
                open->text = (open->text + m.captured(0)).simplified();
        } else if (name == QLatin1String("ul") || name == QLatin1String("ol")) {
            if (!closing)
                lists.append(name);
            else if (!lists.isEmpty())
                lists.removeLast();
        } else if (name == QLatin1String("tr") && !closing) {
            ++row, column = 0;
        } else if (name == QLatin1String("td")) {
            const int span = std::max(1, attr("colspan").toInt());
            cell = closing ? QString() : QStringLiteral("%1,%2 x%3").arg(row).arg(column).arg(span);
            column += closing ? 0 : span;
        } else if (name == QLatin1String("p")) {
            open = closing ? nullptr : &out.emplace_back();
            if (!open)
                continue;
            QMap<QString, QString> style = declarations(attr("style"), cell.isEmpty() ? body : inCell);
            for (const QString &k : style.keys())
                if (kept.contains(k))
                    open->props.insert(k, style.value(k));
            open->props.insert(QStringLiteral("align"), attr("align").isEmpty() ? QStringLiteral("left") : attr("align"));
            open->props.insert(QStringLiteral("list"), lists.isEmpty() ? QString() : lists.last() + QString::number(lists.size()));
            open->props.insert(QStringLiteral("cell"), cell);
        }
    }
    return out;
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
    void shapesSurviveRewrite();
    void nestedTableSurvivesRewrite();

private:
    bool originalAndRewriteInHtml(const QString &fixture, QStringList &html);

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
    QVERIFY(Rtf::write(m_ours, out).ok());
    out.close();
    QString log;
    QVERIFY2(libreOfficeConvert({rtf}, QStringLiteral("html"), m_dir.path(), &log), qPrintable(log));
    const QString html = m_dir.filePath(QStringLiteral("sample.html"));
    QVERIFY2(QFile::exists(html), qPrintable(log));
    m_seen.setDefaultFont(m_ours.defaultFont()); // LibreOffice leaves out the default size
    m_seen.setHtml(forQt(QString::fromUtf8(fileBytes(html))));
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

// A fixture and our rewrite of it, both as LibreOffice's HTML export sees them.
bool TestRtfLibreOffice::originalAndRewriteInHtml(const QString &fixture, QStringList &html)
{
    const QByteArray original = fileBytes(dataDir() + QLatin1Char('/') + fixture + QStringLiteral(".rtf"));
    QTextDocument doc;
    if (!load(original, doc)) {
        qWarning("%s does not load", qPrintable(fixture));
        return false;
    }
    const QString names[] = {fixture + QStringLiteral("_original"), fixture + QStringLiteral("_rewrite")};
    const QByteArray contents[] = {original, Rtf::write(doc)};
    QStringList files;
    for (int i = 0; i < 2; ++i) {
        files << m_dir.filePath(names[i] + QStringLiteral(".rtf"));
        if (!writeBytes(files.last(), contents[i]))
            return false;
    }
    QString log;
    if (!libreOfficeConvert(files, QStringLiteral("html"), m_dir.path(), &log)) {
        qWarning("%s", qPrintable(log));
        return false;
    }
    html.clear();
    for (const QString &name : names) {
        const QString path = m_dir.filePath(name + QStringLiteral(".html"));
        if (!QFile::exists(path)) {
            qWarning("%s", qPrintable(log));
            return false;
        }
        html << QString::fromUtf8(fileBytes(path));
    }
    return true;
}

// A file LibreOffice wrote, with indents, spacing, line heights, nested lists and a
// table with a merged cell: LibreOffice sees the same shapes in it and in our rewrite.
void TestRtfLibreOffice::shapesSurviveRewrite()
{
    QStringList html;
    QVERIFY(originalAndRewriteInHtml(QStringLiteral("shapes_libreoffice"), html));
    const QList<HtmlParagraph> seen[2] = {htmlParagraphs(html.at(0)), htmlParagraphs(html.at(1))};
    QCOMPARE(seen[1].size(), seen[0].size());
    QVERIFY(seen[0].size() >= 10);
    for (qsizetype p = 0; p < seen[0].size(); ++p) {
        const HtmlParagraph &a = seen[0].at(p), &b = seen[1].at(p);
        QCOMPARE(b.text, a.text);
        QCOMPARE(b.props.keys(), a.props.keys());
        for (const QString &k : a.props.keys()) {
            const QString va = a.props.value(k), vb = b.props.value(k);
            const bool lengths = !std::isnan(inches(va)) && !std::isnan(inches(vb));
            QVERIFY2(lengths ? std::abs(inches(va) - inches(vb)) <= 0.02 : va == vb,
                     qPrintable(QStringLiteral("\"%1\" %2: %3, rewritten %4").arg(a.text, k, va, vb)));
        }
    }
}

// A table in a table's cell: LibreOffice finds it inside the outer cell in our rewrite,
// as in the original, with the inner cells in their order.
void TestRtfLibreOffice::nestedTableSurvivesRewrite()
{
    QStringList html;
    QVERIFY(originalAndRewriteInHtml(QStringLiteral("nested_tables"), html));
    static const QRegularExpression nested(QStringLiteral(R"(<td[^>]*>(?:(?!</td>).)*?<table.*?in1.*?in2.*?in3.*?in4.*?</table>.*?outer b)"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (const QString &page : html)
        QVERIFY2(nested.match(page).hasMatch(), qPrintable(page.right(3000)));
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtf_libreoffice.moc"
