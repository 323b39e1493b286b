#pragma once
// The recovery child program (recovery_child), started and killed the way a crash ends a run.

#include <QProcess>
#include <csignal>

// Starts the child, waits for its line, and returns it running.
inline bool startChild(QProcess &child, const QStringList &args, const QByteArray &line, const QStringList &env = {})
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (const QString &kv : env)
        e.insert(kv.section('=', 0, 0), kv.section('=', 1));
    child.setProcessEnvironment(e);
    child.start(QStringLiteral(RECOVERY_CHILD), args);
    while (child.waitForReadyRead(20000)) {
        if (child.readAll().contains(line))
            return true;
    }
    return false;
}

inline void killNow(QProcess &child)
{
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished(10000);
}
