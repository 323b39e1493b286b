#include "test_dictionary.h"

#include "test_files.h"

#include <QDir>

QString writeTestDictionary(const QString &folder, const QByteArray &encoding, const QString &name)
{
    const QString words = QStringLiteral("9\nthe\nold\ncar\nfarm\nhouse\nsummer\ncaf\u00e9\nwe\ndrove\n");
    const QByteArray dic = encoding == "UTF-8" ? words.toUtf8() : words.toLatin1();
    const QByteArray aff = "SET " + encoding + "\nTRY esianrtolcdugmfphbyvkw\n";
    const QString affPath = QDir(folder).filePath(name + QStringLiteral(".aff"));
    if (!writeBytes(affPath, aff) || !writeBytes(QDir(folder).filePath(name + QStringLiteral(".dic")), dic))
        return {};
    return affPath;
}
