// The calls to the operating system that Qt does not make, on this system.
#include "fs_faults.h"
#include "test_files.h"

#include "platform/system_file.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QTest>

using SystemFile::Kind;
using SystemFile::Refusal;

class TestSystemFile : public QObject {
    Q_OBJECT
private slots:
    void kindOf_data();
    void kindOf();
    void whyUnreadable_data();
    void whyUnreadable();
    void stampTellsChanges_data();
    void stampTellsChanges();
    void renameOver();
    void secondName();
    void syncToDisk();
};

void TestSystemFile::kindOf_data()
{
    QTest::addColumn<QString>("what"); // a kind for notAFile, or "file", or "nothing"
    QTest::addColumn<Kind>("kind");
    QTest::newRow("nominal: a regular file") << "file" << Kind::Regular;
    QTest::newRow("nominal: a folder") << "folder" << Kind::Folder;
    QTest::newRow("nominal: nothing there") << "nothing" << Kind::None;
    QTest::newRow("robustness: a named pipe") << "pipe" << Kind::Pipe;
    QTest::newRow("robustness: a socket") << "socket" << Kind::Socket;
    QTest::newRow("robustness: a device") << "device" << Kind::Device;
}

void TestSystemFile::kindOf()
{
    QFETCH(QString, what);
    QFETCH(Kind, kind);
    QTemporaryDir dir;
    QString path = dir.filePath("story.dat");
    if (what == "file")
        QVERIFY(writeBytes(path, "answers"));
    else if (what != "nothing")
        path = notAFile(what, dir.path());
    QVERIFY(!path.isEmpty());
    QCOMPARE(SystemFile::kindOf(path), kind);
}

void TestSystemFile::whyUnreadable_data()
{
    QTest::addColumn<QString>("name"); // inside the folder "inner"
    QTest::addColumn<bool>("barInner");
    QTest::addColumn<Refusal>("refusal");
    QTest::newRow("nominal: a readable file") << "inner/story.dat" << false << Refusal::Other;
    QTest::newRow("nominal: a missing file") << "inner/gone.dat" << false << Refusal::Missing;
    QTest::newRow("robustness: a file taken for a folder") << "inner/story.dat/x.dat" << false << Refusal::Missing;
    QTest::newRow("robustness: a file in a folder that may not be entered") << "inner/story.dat" << true << Refusal::Barred;
    QTest::newRow("robustness: a missing file in a folder that may not be entered") << "inner/gone.dat" << true
                                                                                    << Refusal::Barred;
}

void TestSystemFile::whyUnreadable()
{
    QFETCH(QString, name);
    QFETCH(bool, barInner);
    QFETCH(Refusal, refusal);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("inner"));
    QVERIFY(writeBytes(dir.filePath("inner/story.dat"), "answers"));
    if (!barInner) {
        QCOMPARE(SystemFile::whyUnreadable(dir.filePath(name)), refusal);
        return;
    }
    const QFile::Permissions old = QFile::permissions(dir.filePath("inner"));
    QFile::setPermissions(dir.filePath("inner"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Refusal seen;
    {
        NoPermission guard(dir.path()); // root reads anything: it looks as "nobody" meanwhile
        seen = SystemFile::whyUnreadable(dir.filePath(name));
    }
    QFile::setPermissions(dir.filePath("inner"), old);
    QCOMPARE(seen, refusal);
}

// A stamp tells an edit in place (a new time) and a replacement by rename (a new identity)
// from a file left alone.
void TestSystemFile::stampTellsChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nominal: left alone") << "alone" << false;
    QTest::newRow("nominal: edited in place, same size") << "inPlace" << true;
    QTest::newRow("nominal: replaced by a rename, same size and time") << "renamed" << true;
}

void TestSystemFile::stampTellsChanges()
{
    QFETCH(QString, how);
    QFETCH(bool, changed);
    QTemporaryDir dir;
    const QString path = dir.filePath("story.dat"), other = dir.filePath("other.dat");
    const QDateTime then = QDateTime::currentDateTimeUtc().addSecs(-60);
    QVERIFY(writeBytes(path, "answers"));
    QFile(path).setFileTime(then, QFileDevice::FileModificationTime);
    const std::optional<SystemFile::Stamp> before = SystemFile::stampOf(path);
    QVERIFY(before);
    QCOMPARE(before->size, qint64(7));
    if (how == "inPlace") {
        QVERIFY(writeBytes(path, "ANSWERS"));
    } else if (how == "renamed") {
        QVERIFY(writeBytes(other, "ANSWERS"));
        QFile(other).setFileTime(then, QFileDevice::FileModificationTime);
        QVERIFY(!SystemFile::renameOver(other, path));
    }
    const std::optional<SystemFile::Stamp> after = SystemFile::stampOf(path);
    QVERIFY(after);
    QCOMPARE(*after != *before, changed);
    QVERIFY(!SystemFile::stampOf(dir.filePath("gone.dat")));
}

void TestSystemFile::renameOver()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath("new.dat"), target = dir.filePath("story.dat");
    QVERIFY(writeBytes(fresh, "new"));
    QVERIFY(writeBytes(target, "old"));
    QVERIFY(!SystemFile::renameOver(fresh, target));
    QCOMPARE(folderEntries(dir.path()), QStringList{"story.dat"});
    QCOMPARE(fileBytes(target), QByteArray("new"));
    // robustness: nothing to move; the target stays.
    QCOMPARE(SystemFile::renameOver(fresh, target).value_or("moved"), "No such file or directory");
    QCOMPARE(fileBytes(target), QByteArray("new"));
}

void TestSystemFile::secondName()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("story.dat"), second = dir.filePath("held.dat");
    QVERIFY(writeBytes(path, "answers"));
    QVERIFY(SystemFile::addSecondName(path, second));
    QVERIFY(SystemFile::stampOf(second).value() == SystemFile::stampOf(path).value());
    QVERIFY(QFile::remove(path));
    QCOMPARE(fileBytes(second), QByteArray("answers"));
    // robustness: a second name already taken is not replaced.
    QVERIFY(writeBytes(path, "other"));
    QVERIFY(!SystemFile::addSecondName(path, second));
    QCOMPARE(fileBytes(second), QByteArray("answers"));
}

void TestSystemFile::syncToDisk()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("story.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("answers");
    QVERIFY(file.flush());
    QVERIFY(!SystemFile::syncToDisk(file));
    file.close();
    // robustness: a closed file has nothing to flush; the reason is the system's.
    QCOMPARE(SystemFile::syncToDisk(file).value_or("synced"), "Bad file descriptor");
}

QTEST_GUILESS_MAIN(TestSystemFile)
#include "tst_system_file.moc"
