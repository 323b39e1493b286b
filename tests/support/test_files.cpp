#include "test_files.h"
#include "source_dir.h"

#include <QDir>
#include <QFile>
#include <cstring>
#include <sys/socket.h>
#include <QTest>
#include <memory>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString &path, const QByteArray &bytes, qint64 size)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush() && (size < 0 || f.resize(size));
}

QString testDataPath(const QString &relative) { return QDir(sourceDir()).filePath(QStringLiteral("tests/") + relative); }

QString notAFile(const QString &kind, const QString &dir)
{
    const QString path = QDir(dir).filePath(QStringLiteral("story.dat"));
    if (kind == QLatin1String("pipe") && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
        return path;
    if (kind == QLatin1String("folder") && QDir(dir).mkdir(QStringLiteral("story.dat")))
        return path;
    if (kind == QLatin1String("socket")) {
        // A socket file stays after its socket is closed.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd);
        return bound ? path : QString();
    }
    return kind == QLatin1String("device") ? QStringLiteral("/dev/zero") : QString();
}

QStringList folderEntries(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

void TempDirTest::init()
{
    std::construct_at(&dir);
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
}

void TempDirTest::cleanup() { std::destroy_at(&dir); }
