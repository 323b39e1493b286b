// Every file of the shared corpus of real-world RTF: the reader neither crashes nor
// hangs, and its text equals what LibreOffice (or else pandoc) extracts, apart from
// the documented differences below.

#include "document/rtf/rtf_codepage.h"
#include "rtf_corpus.h"
#include "rtf_round_trip.h"
#include "rtf_test_util.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextList>

using namespace RtfTest;

namespace {

enum Rule : unsigned {
    None = 0,
    // Characters of the Symbol font are read as what they show (α, •, −); LibreOffice
    // keeps the font's private code points (U+F061, ...).
    SymbolFont = 1,
    // List labels come from the file's own label text (\listtext, \pntext); LibreOffice
    // numbers lists itself from the list tables, and shows other bullets or numbers.
    ListLabels = 2,
    // LibreOffice cannot read the file: the reference is pandoc's text.
    PandocOnly = 4,
};

struct KnownDifference
{
    const char *file;
    unsigned rules;
    const char *reason;
    // (reference text, our text) pairs, after whitespace folding
    QList<QPair<QString, QString>> replacements = {};
    const char *sameTextAs = nullptr; // a truncated copy: compared with this file's reference
    const char *text = nullptr;       // where no reader gives a reference: the text expected
};

const QList<KnownDifference> &knownDifferences()
{
    static const char *const lists = "lists";
    static const char *const symbols = "Symbol font";
    static const QList<KnownDifference> list = {
        {"RtfPipe/RtfPipe.Tests/Files/Issue46.rtf", ListLabels,
         "a SYMBOL field with an empty result: LibreOffice evaluates the field's instruction "
         "(a Wingdings smiley, exported as J); the reader shows field results only",
         {{QStringLiteral("(J)"), QStringLiteral("()")}}},
        {"RtfPipe/RtfPipe.Tests/Files/Issue53.rtf", ListLabels, lists},
        {"RtfPipe/RtfPipe.Tests/Files/RtfParserTest_5.rtf", SymbolFont, symbols},
        {"RtfPipe/RtfPipe.Tests/Files/RtfParserTest_fail_3.rtf", None,
         "cut off before its groups close: LibreOffice reads nothing, the reader reads as far as "
         "the file goes, which is all the text of the file it was cut from",
         {}, "RtfPipe/RtfPipe.Tests/Files/RtfParserTest_0.rtf"},
        {"RtfPipe/RtfPipe.Tests/Files/Test01.rtf", SymbolFont,
         "Symbol font, and \\upr: LibreOffice shows both the ANSI and the Unicode alternative, "
         "the reader the Unicode one only",
         {{QString::fromUtf8("[G][Γ]"), QString::fromUtf8("[Γ]")}}},
        {"RtfPipe/RtfPipe.Tests/Files/phprtflite/formfields.rtf", None,
         "the result of a drop-down form field is text here; LibreOffice makes a form control of "
         "it, which its text export leaves out",
         {{QStringLiteral("labels textfield"), QStringLiteral("labelsGuten Tag textfield")}}},
        {"RtfPipe/RtfPipe.Tests/Files/rtf2xml/old3_from_web.rtf", SymbolFont | ListLabels,
         "Symbol font and lists"},
        {"RtfPipe/RtfPipe.Tests/Files/rtf2xml/outline_list.rtf", ListLabels, lists},
        {"RtfPipe/RtfPipe.Tests/Files/rtf2xml/symbol.rtf", SymbolFont, symbols},
        {"RtfPipe/RtfPipe.Tests/Files/rtf2xml/ted_mixed_faces.rtf", SymbolFont, symbols},
        {"pandoc/test/rtf/footnote.rtf", None,
         "footnotes are left out with their marks; LibreOffice's text keeps the marks' numbers",
         {{QStringLiteral("annotated.1"), QStringLiteral("annotated.")},
          {QStringLiteral("noted,2"), QStringLiteral("noted,")}}},
        {"pandoc/test/rtf/list_complex.rtf", ListLabels, lists},
        {"pandoc/test/rtf/list_legacy.rtf", ListLabels, lists},
        {"pandoc/test/rtf/list_simple.rtf", ListLabels, lists},
        {"pandoc/test/rtf/table_nested_malformed_itap.rtf", None,
         "a table nested deeper than its rows: LibreOffice reads nothing and pandoc only part; "
         "the reader keeps every piece of text in file order",
         {}, nullptr, "Parent before\nChild at skipped level\tParent after\nOuter cell"},
        {"pandoc/test/rtf/table_simple.rtf", None,
         "four cells in rows that declare one (\\cellx): LibreOffice keeps the first cell of "
         "each row, the reader every cell",
         {{QStringLiteral("A E"), QStringLiteral("A B C D E F G H")}}},
        {"pandoc/test/writer.rtf", ListLabels,
         "lists, and footnotes left out with their marks",
         {{QStringLiteral("reference,1 and another.2"), QStringLiteral("reference, and another.")},
          {QStringLiteral("inline note.3"), QStringLiteral("inline note.")},
          {QStringLiteral("in quotes.4"), QStringLiteral("in quotes.")},
          {QStringLiteral("list items.5"), QStringLiteral("list items.")}}},
    };
    return list;
}

const KnownDifference *knownDifference(const QString &file)
{
    for (const KnownDifference &k : knownDifferences()) {
        if (file == QLatin1String(k.file))
            return &k;
    }
    return nullptr;
}

QString mapSymbolFont(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() >= 0xF020 && c.unicode() <= 0xF0FF)
            c = QChar(Rtf::symbolToUnicode(static_cast<unsigned char>(c.unicode() - 0xF000)));
    }
    return text;
}

QString stripListLabels(const QString &text)
{
    static const QRegularExpression label(QString::fromUtf8(
        R"(^[ \t]*(?:[•●▪◦⁃·\x{F000}-\x{F0FF}][ \t]*|[o§*–-][ \t]+|[ \t]*\(?[0-9]{1,3}[.)][ \t]+|(?: {4}|\t)[ \t]*[0-9]{1,3}[ \t]+|[0-9]{1,3}\t(?=[^\t\n]*$)|(?:\(?[a-zA-Z]|\(?[ivxlcdmIVXLCDM]{1,6})[.)][ \t]+))"),
        QRegularExpression::MultilineOption);
    QString t = text;
    return t.remove(label);
}

QString applyRules(const QString &text, unsigned rules, bool reference)
{
    QString t = text;
    if ((rules & SymbolFont) && reference)
        t = mapSymbolFont(t);
    if (rules & ListLabels)
        t = stripListLabels(t);
    return normalized(t);
}

QString firstDifference(const QString &expected, const QString &actual)
{
    qsizetype i = 0;
    while (i < expected.size() && i < actual.size() && expected.at(i) == actual.at(i))
        ++i;
    const qsizetype from = std::max<qsizetype>(0, i - 40);
    return QStringLiteral("at %1: reference \"%2\", ours \"%3\"")
        .arg(i)
        .arg(expected.mid(from, 120), actual.mid(from, 120));
}

} // namespace

class TestRtfCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsEveryFile_data();
    void readsEveryFile();
    void textMatchesReference_data();
    void textMatchesReference();
    void knownDifferencesAreStillNeeded();
    void roundTripHolds_data();
    void roundTripHolds();

private:
    QString ourText(const QString &file);
    QString pandocText(const QString &file);
    QString referenceText(const QString &file, const KnownDifference *known);
    void addRows();

    QString m_corpus;
    QStringList m_files; // relative to the corpus
    QHash<QString, QString> m_libreOffice;
    QTemporaryDir m_work;
    bool m_haveLibreOffice = false;
};

void TestRtfCorpus::initTestCase()
{
    SKIP_WITHOUT_RTF_CORPUS();
    m_corpus = corpusDir();
    QDirIterator it(m_corpus, {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        m_files << QDir(m_corpus).relativeFilePath(it.next());
    m_files.sort();
    if (m_files.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no RTF corpus at ") + m_corpus));

    // one LibreOffice run for all files; names made unique since folders repeat them
    QStringList copies;
    for (const QString &f : m_files) {
        const QString copy = m_work.filePath(QString(f).replace(u'/', QStringLiteral("__")));
        QFile::copy(m_corpus + u'/' + f, copy);
        copies << copy;
    }
    const QString out = m_work.filePath(QStringLiteral("lo"));
    QDir().mkpath(out);
    m_haveLibreOffice = libreOfficeConvert(copies, QStringLiteral("txt:Text (encoded):UTF8"), out);
    for (const QString &f : m_files) {
        QFile txt(out + u'/' + QString(f).replace(u'/', QStringLiteral("__")).chopped(4) + QStringLiteral(".txt"));
        if (txt.open(QIODevice::ReadOnly))
            m_libreOffice.insert(f, QString::fromUtf8(txt.readAll()));
    }
}

void TestRtfCorpus::addRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : m_files) {
        const bool broken = f.contains(QLatin1String("fail")) || f.contains(QLatin1String("malformed"));
        QTest::newRow(qPrintable((broken ? QStringLiteral("robustness: ") : QStringLiteral("nominal: ")) + f)) << f;
    }
}

QString TestRtfCorpus::ourText(const QString &file)
{
    QFile in(m_corpus + u'/' + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QTextDocument doc;
    if (!Rtf::read(in, doc).ok())
        return {};
    // as LibreOffice's text export shows them: list labels before their items, no pictures
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString label;
        if (const QTextList *list = b.textList())
            label = (list->format().style() >= QTextListFormat::ListSquare ? QStringLiteral("\u2022")
                                                                           : list->itemText(b)) + u'\t';
        blocks << label + b.text().remove(QChar(0xFFFC));
    }
    return blocks.join(u'\n');
}

QString TestRtfCorpus::pandocText(const QString &file)
{
    const QString pandoc = tool(QStringLiteral("pandoc"));
    if (pandoc.isEmpty())
        return {};
    QProcess p;
    p.start(pandoc, {QStringLiteral("-f"), QStringLiteral("rtf"), QStringLiteral("-t"), QStringLiteral("plain"),
                     QStringLiteral("--wrap=none"), m_corpus + u'/' + file});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestRtfCorpus::readsEveryFile_data()
{
    addRows();
}

void TestRtfCorpus::readsEveryFile()
{
    QFETCH(QString, file);
    const QByteArray data = fileBytes(m_corpus + u'/' + file);
    QTextDocument doc;
    const Outcome r = Rtf::read(data, doc);
    // files that do not start with {\rtf are refused, to be loaded as plain text
    QCOMPARE(r.ok(), data.startsWith("{\\rtf"));
    if (!r.ok())
        QCOMPARE(r.error(), QStringLiteral("not an RTF file"));
}

void TestRtfCorpus::textMatchesReference_data()
{
    addRows();
}

QString TestRtfCorpus::referenceText(const QString &file, const KnownDifference *known)
{
    if (known && known->text)
        return QString::fromUtf8(known->text);
    const QString source = known && known->sameTextAs ? QString::fromLatin1(known->sameTextAs) : file;
    if (known && (known->rules & PandocOnly))
        return pandocText(source);
    return m_libreOffice.value(source);
}

void TestRtfCorpus::textMatchesReference()
{
    QFETCH(QString, file);
    if (!m_haveLibreOffice)
        QSKIP("LibreOffice (soffice) is not installed; scripts/test installs it");
    QFile in(m_corpus + u'/' + file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    if (!Rtf::isRtf(in.peek(8))) { // refused, so that the editor loads it as plain text
        QCOMPARE(normalized(QString::fromUtf8(in.readAll())), normalized(m_libreOffice.value(file)));
        return;
    }
    const QString ours = ourText(file);
    const KnownDifference *known = knownDifference(file);
    if (!known) {
        if (normalized(ours) == normalized(m_libreOffice.value(file)))
            return;
        const QString pandoc = pandocText(file);
        if (!pandoc.isEmpty() && normalized(ours) == normalized(pandoc))
            return;
        QFAIL(qPrintable(QStringLiteral("text differs from LibreOffice ")
                         + firstDifference(normalized(m_libreOffice.value(file)), normalized(ours))));
    }
    QString expected = applyRules(referenceText(file, known), known->rules, true);
    QVERIFY2(!expected.isEmpty(), "no reference text");
    for (const auto &[from, to] : known->replacements) {
        QVERIFY2(expected.contains(from), qPrintable(QStringLiteral("documented text not found: ") + from));
        expected.replace(from, to);
    }
    const QString actual = applyRules(ours, known->rules, false);
    QVERIFY2(actual == expected, qPrintable(firstDifference(expected, actual)));
}

void TestRtfCorpus::knownDifferencesAreStillNeeded()
{
    if (!m_haveLibreOffice)
        QSKIP("LibreOffice (soffice) is not installed");
    for (const KnownDifference &k : knownDifferences()) {
        QVERIFY2(m_files.contains(QLatin1String(k.file)), k.file);
        const QString ours = normalized(ourText(QLatin1String(k.file)));
        QVERIFY2(ours != normalized(m_libreOffice.value(QLatin1String(k.file))),
                 qPrintable(QStringLiteral("now equal to LibreOffice: ") + k.file));
    }
}

void TestRtfCorpus::roundTripHolds_data()
{
    addRows();
}

// Saved, opened and saved again, a file gives the same bytes and the same formats.
void TestRtfCorpus::roundTripHolds()
{
    QFETCH(QString, file);
    const QString difference = RtfFuzz::roundTripDifference(fileBytes(m_corpus + u'/' + file));
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

QTEST_MAIN(TestRtfCorpus)
#include "tst_rtf_corpus.moc"
