#include "generated_documents.h"

#include <QDir>
#include <QFile>

namespace RtfBench {

namespace {

const QByteArray kHead = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n";

} // namespace

QByteArray table(int rows, int columns)
{
    QByteArray row = "\\trowd";
    for (int c = 1; c <= columns; ++c)
        row += "\\cellx" + QByteArray::number(c * 1800);
    row += "\n\\pard\\intbl ";
    for (int c = 1; c <= columns; ++c)
        row += "entry " + QByteArray::number(c) + "\\cell ";
    row += "\\row\n";
    QByteArray out = kHead;
    out.reserve(kHead.size() + row.size() * rows + 32);
    for (int r = 0; r < rows; ++r)
        out += row;
    return out + "\\pard after the table\\par}";
}

QByteArray cellsWithoutRowEnd(int cells)
{
    return kHead + "\\trowd\\cellx1000\\pard\\intbl " + QByteArray("x\\cell ").repeated(cells) + "}";
}

QByteArray manyFonts(int fonts, int used)
{
    QByteArray out = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int f = 0; f < fonts; ++f)
        out += "{\\f" + QByteArray::number(f) + "\\fswiss Font " + QByteArray::number(f) + ";}";
    out += "}\n";
    const int step = std::max(fonts / std::max(used, 1), 1);
    for (int u = 0; u < used; ++u)
        out += "{\\f" + QByteArray::number(u * step) + " word " + QByteArray::number(u) + "}";
    return out + "}";
}

QString temporaryFile(const QString &name, const QByteArray &data)
{
    const QString path = QDir::temp().filePath(QStringLiteral("kinscribe-bench-") + name + QStringLiteral(".rtf"));
    QFile file(path);
    if (file.size() != data.size() && (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()))
        return {};
    return path;
}

} // namespace RtfBench
