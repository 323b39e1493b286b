#include "pdf_tools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

bool hasPdfTools()
{
    for (const char *tool : {"pdftotext", "pdffonts", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

QString pdfText(const QString &pdf, const QStringList &options)
{
    return run(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
}

QStringList pdfPages(const QString &pdf)
{
    QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.constLast().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QStringList pdfFontLines(const QString &pdf)
{
    // Two heading lines, then one a font.
    return run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
}

QString pdfPageSize(const QString &pdf)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+(.*)"));
    const QRegularExpressionMatch m = size.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

std::optional<QPointF> pdfWordPosition(const QString &pdf, int page, const QString &word)
{
    const QString number = QString::number(page);
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                                           QStringLiteral("-l"), number, pdf, QStringLiteral("-")});
    static const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = box.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(3) == word)
            return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return std::nullopt;
}
