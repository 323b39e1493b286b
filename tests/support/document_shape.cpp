#include "document_shape.h"

#include <QDebug>
#include <QTextBlock>
#include <QTextDocument>

namespace {
QString propertiesOf(const QTextFormat &format)
{
    QString out;
    QDebug(&out).nospace() << format.properties();
    return out;
}
} // namespace

QStringList documentShape(const QTextDocument &document)
{
    QStringList out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        QString line = propertiesOf(b.blockFormat()) + QLatin1Char('|') + propertiesOf(b.charFormat()) + QLatin1Char('|');
        for (auto it = b.begin(); !it.atEnd(); ++it)
            line += propertiesOf(it.fragment().charFormat()) + QLatin1Char(':') + it.fragment().text() + QLatin1Char('|');
        out << line;
    }
    return out;
}
