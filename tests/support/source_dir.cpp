#include "source_dir.h"

#include <QDir>

QString sourceDir()
{
    const QByteArray env = qgetenv("KINSCRIBE_SOURCE_DIR");
    return env.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(env);
}
