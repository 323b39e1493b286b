#pragma once
// Shared by the recovery suites: a private data folder, and a program started over it.

#include "test_app.h"

#include "app/recovery_session.h"
#include "document/datafile/answer_data_file.h"
#include "document/recovery/recovery_file.h"

#include <QAbstractButton>
#include <QDir>
#include <QPlainTextEdit>
#include <QStandardPaths>

// Where a crashed run left its answers: a data file with these answers, one per question number.
inline bool leaveRecoveryFile(const QString &folder, const QMap<int, QString> &answers, const QString &name = "recovery.dat")
{
    AnswerDataFile::Answers all;
    for (auto it = answers.begin(); it != answers.end(); ++it)
        all[it.key() - 1] = it.value();
    QDir().mkpath(folder);
    return writeBytes(QDir(folder).filePath(name), AnswerDataFile::write(all));
}

// The recovery session of the program under test, owned here as the program's start owns it.
inline std::unique_ptr<RecoverySession> &recoverySession()
{
    static std::unique_ptr<RecoverySession> session;
    return session;
}

// Writes what waits and lets the file go, keeping it, as the program's end does.
inline void stopRecovery() { recoverySession().reset(); }

// Writes what waits for its pause now, and waits for the writes.
inline void flushRecovery()
{
    if (recoverySession())
        recoverySession()->flush();
}

// The program's start as main() does it, over a private folder.
inline Form *startOver(const QString &folder)
{
    stopRecovery(); // the file a session holds is let go before the next one looks
    Form *splash = Forms::show(QStringLiteral("frmSplash"));
    recoverySession() = RecoverySession::start(splash, folder);
    return splash;
}

// Types into a page's box and presses its Save, as the user does.
inline void typeAndSave(const QString &page, const QString &box, const QString &text)
{
    Form *f = Forms::show(page);
    f->findChild<QPlainTextEdit *>(box)->setPlainText(text);
    f->findChild<QAbstractButton *>(QStringLiteral("cmdSave"))->click();
    flushRecovery();
}
