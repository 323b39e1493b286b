#include "rtf_corpus.h"

#include <QDir>
#include <QFileInfo>

QString rtfCorpusDir()
{
    const QByteArray env = qgetenv("KINSCRIBE_RTF_CORPUS");
    return env.isEmpty() ? QString() : QDir::cleanPath(QString::fromLocal8Bit(env));
}

QString rtfCorpusMissing()
{
    const QString dir = rtfCorpusDir();
    if (dir.isEmpty())
        return QStringLiteral("KINSCRIBE_RTF_CORPUS is not set: run the test through CTest");
    if (!QFileInfo(dir).isDir())
        return QStringLiteral("no RTF corpus at %1: configure with -DKINSCRIBE_RTF_CORPUS=<folder> to run these tests")
            .arg(QDir::toNativeSeparators(dir));
    return {};
}
