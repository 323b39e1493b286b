#include "large_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace RtfBench {

namespace {

constexpr int kParagraphs = 19000;
constexpr int kWordsPerRun = 7;

const char *const kWords[] = {
    "the", "of", "and", "to", "in", "a", "is", "that", "for", "it", "as", "was", "with", "be",
    "by", "on", "not", "he", "this", "are", "or", "his", "from", "at", "which", "but", "have",
    "an", "they", "you", "were", "her", "she", "there", "been", "one", "all", "we", "their",
    "has", "would", "when", "if", "so", "no", "out", "up", "more", "who", "about", "what",
    "can", "into", "only", "other", "new", "some", "could", "them", "these", "may", "than",
    "then", "first", "any", "like", "now", "my", "such", "its", "time", "make", "over", "our"};
const char *const kAccented[] = {"café", "naïve", "Größe", "déjà", "Привет", "мир", "señor", "Ærø"};
const char *const kStyles[] = {
    R"(fo:font-weight="bold")",
    R"(fo:font-style="italic")",
    R"(style:text-underline-style="solid" style:text-underline-width="auto" style:text-underline-color="font-color")",
    R"(style:text-line-through-style="solid")",
    R"(fo:color="#c00000")",
    R"(style:font-name="Liberation Serif" fo:font-size="14pt")",
    R"(fo:font-weight="bold" fo:font-style="italic" fo:color="#1f4e79")",
    R"(style:font-name="DejaVu Sans Mono" fo:font-size="10pt")"};
constexpr int kStyleCount = int(std::size(kStyles));

// A fixed sequence, so that every run of the benchmark reads the same document.
class Sequence
{
public:
    int next(int n)
    {
        m_x = (m_x * 1103515245u + 12345u) & 0x7fffffffu;
        return int((m_x >> 8) % unsigned(n));
    }

private:
    unsigned m_x = 12345;
};

QByteArray header()
{
    QByteArray h = R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.text">
<office:font-face-decls><style:font-face style:name="Liberation Serif" svg:font-family="'Liberation Serif'"/><style:font-face style:name="DejaVu Sans Mono" svg:font-family="'DejaVu Sans Mono'"/></office:font-face-decls>
<office:automatic-styles>)";
    for (int i = 0; i < kStyleCount; ++i)
        h += "<style:style style:name=\"T" + QByteArray::number(i) + "\" style:family=\"text\"><style:text-properties "
             + kStyles[i] + "/></style:style>";
    return h + "</office:automatic-styles><office:body><office:text>\n";
}

QByteArray paragraph(Sequence &seq)
{
    QByteArray p = "<text:p>";
    const int runs = 6 + seq.next(2);
    for (int r = 0; r < runs; ++r) {
        QByteArray text;
        for (int w = 0; w < kWordsPerRun; ++w)
            text += QByteArray(seq.next(20) ? kWords[seq.next(int(std::size(kWords)))]
                                            : kAccented[seq.next(int(std::size(kAccented)))]) + ' ';
        const int style = seq.next(kStyleCount + 3); // some runs keep the paragraph's format
        if (style < kStyleCount)
            p += "<text:span text:style-name=\"T" + QByteArray::number(style) + "\">" + text + "</text:span>";
        else
            p += text;
    }
    return p + "</text:p>\n";
}

bool writeFlatOdt(const QString &path)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    Sequence seq;
    out.write(header());
    for (int i = 0; i < kParagraphs; ++i)
        out.write(paragraph(seq));
    out.write("</office:text></office:body></office:document>\n");
    return out.flush();
}

bool convertWithLibreOffice(const QString &soffice, const QString &fodt, const QString &outDir, QString *error)
{
    QTemporaryDir profile;
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("rtf"),
                      QStringLiteral("--outdir"), outDir, fodt});
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        *error = QStringLiteral("LibreOffice failed: ") + QString::fromUtf8(p.readAll());
        return false;
    }
    return true;
}

} // namespace

QString largeRtfFile(QString *error)
{
    const QString dir = QDir::temp().filePath(QStringLiteral("kinscribe-bench-rtf-v1"));
    const QString rtf = dir + QStringLiteral("/large.rtf");
    if (QFileInfo(rtf).size() > 0)
        return rtf;
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        *error = QStringLiteral("LibreOffice (soffice) is not installed");
        return {};
    }
    // made in a work folder and moved into place whole, so a failed run leaves no half file
    QTemporaryDir work(dir + QStringLiteral("-work-XXXXXX"));
    const QString fodt = work.filePath(QStringLiteral("large.fodt"));
    if (!QDir().mkpath(dir) || !writeFlatOdt(fodt) || !convertWithLibreOffice(soffice, fodt, work.path(), error))
        return {};
    if (!QFile::rename(work.filePath(QStringLiteral("large.rtf")), rtf)) {
        *error = QStringLiteral("cannot move the generated RTF to ") + rtf;
        return {};
    }
    return rtf;
}

} // namespace RtfBench
