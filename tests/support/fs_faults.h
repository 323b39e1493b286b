#pragma once
// Ways to make the file system refuse a write or a read, even for root: a folder the current
// user may not write, and a file size limit that behaves like a full disk.

#include "test_files.h"

#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Takes away the write (and read) permission of a folder for the life of the object. Root
// ignores permissions, so root runs as the user "nobody" meanwhile.
class NoPermission {
public:
    explicit NoPermission(const QString &path) : m_path(path), m_old(QFile::permissions(path))
    {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (geteuid() == 0)
            m_droppedRoot = seteuid(65534) == 0;
    }
    ~NoPermission()
    {
        if (m_droppedRoot)
            (void)seteuid(0);
        QFile::setPermissions(m_path, m_old);
    }
    NoPermission(const NoPermission &) = delete;
    NoPermission &operator=(const NoPermission &) = delete;

private:
    QString m_path;
    QFileDevice::Permissions m_old;
    bool m_droppedRoot = false;
};

// No file of this process may grow beyond `bytes` while the object lives: writes past it fail
// with "File too large", the way they fail on a full disk.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~DiskFull()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    DiskFull(const DiskFull &) = delete;
    DiskFull &operator=(const DiskFull &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
