#include "document/reading/save_batch.h"
#include "fs_faults.h"

#include <QTest>

class TestSaveBatch : public TempDirTest {
    Q_OBJECT
private slots:
    void writesEveryFile_data();
    void writesEveryFile();
    void failure_data();
    void failure();
    void fullDiskWhileWriting();
    void tooLongDataName();
    void removesWhatAKilledSaveLeft();
    void singleFile();
};

void TestSaveBatch::writesEveryFile_data()
{
    QTest::addColumn<SaveBatch::Durability>("durability");
    QTest::newRow("nominal: waiting for the disk") << SaveBatch::Durability::Synced;
    QTest::newRow("nominal: quick, as the recovery file") << SaveBatch::Durability::Quick;
}

void TestSaveBatch::writesEveryFile()
{
    QFETCH(SaveBatch::Durability, durability);
    const QString doc = dir.filePath("story.rtf"), data = dir.filePath("story.dat");
    QVERIFY(writeBytes(doc, "old document"));
    SaveBatch batch(durability);
    batch.add(doc, "{\\rtf1 new}");
    batch.add(data, ",,\"\"\r\n");
    const Outcome saved = batch.commit();
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    QCOMPARE(fileBytes(doc), QByteArray("{\\rtf1 new}"));
    QCOMPARE(fileBytes(data), QByteArray(",,\"\"\r\n"));
    QCOMPARE(folderEntries(dir.path()), QStringList({"story.dat", "story.rtf"}));
}

// Each case breaks one of the two files; neither old version may change and no temporary
// file may stay behind.
void TestSaveBatch::failure_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("failedName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("robustness: data file name is a folder") << "dataIsFolder" << "story.dat" << "Is a directory";
    QTest::newRow("robustness: document name is a folder") << "docIsFolder" << "story.rtf" << "Is a directory";
    QTest::newRow("robustness: folder does not exist") << "noFolder" << "story.rtf" << "No such file or directory";
    QTest::newRow("robustness: folder without write permission") << "noPermission" << "story.rtf" << "Permission denied";
}

void TestSaveBatch::failure()
{
    QFETCH(QString, how);
    QFETCH(QString, failedName);
    QFETCH(QString, reason);
    QString folder = dir.path();
    if (how == QLatin1String("noFolder"))
        folder = dir.filePath("gone");
    const QString doc = folder + "/story.rtf", data = folder + "/story.dat";
    if (how == QLatin1String("dataIsFolder"))
        QVERIFY(QDir(folder).mkdir("story.dat"));
    else if (how == QLatin1String("docIsFolder"))
        QVERIFY(QDir(folder).mkdir("story.rtf"));
    if (how != QLatin1String("docIsFolder") && how != QLatin1String("noFolder"))
        QVERIFY(writeBytes(doc, "old document"));
    if (how == QLatin1String("noPermission") || how == QLatin1String("docIsFolder"))
        QVERIFY(writeBytes(data, "old data"));
    const QStringList before = folderEntries(dir.path());
    const QByteArray oldDoc = fileBytes(doc), oldData = fileBytes(data);

    SaveBatch batch;
    batch.add(doc, "new document");
    batch.add(data, "new data");
    Outcome saved;
    if (how == QLatin1String("noPermission")) {
        NoPermission guard(folder);
        saved = batch.commit();
    } else {
        saved = batch.commit();
    }
    QVERIFY(!saved.ok());
    QCOMPARE(batch.failedPath(), folder + "/" + failedName);
    QCOMPARE(saved.error(), reason);
    QCOMPARE(fileBytes(doc), oldDoc);
    QCOMPARE(fileBytes(data), oldData);
    QCOMPARE(folderEntries(dir.path()), before);
}

void TestSaveBatch::fullDiskWhileWriting()
{
    const QString doc = dir.filePath("story.rtf"), data = dir.filePath("story.dat");
    QVERIFY(writeBytes(doc, "old document"));
    QVERIFY(writeBytes(data, "old data"));
    SaveBatch batch;
    batch.add(doc, "small new document");
    batch.add(data, QByteArray(64 * 1024, 'x')); // the disk fills up on the second file
    Outcome saved;
    {
        DiskFull full(4096);
        saved = batch.commit();
    }
    QVERIFY(!saved.ok());
    QCOMPARE(batch.failedPath(), data);
    QVERIFY2(saved.error().contains("large") || saved.error().contains("space"), qPrintable(saved.error()));
    QCOMPARE(fileBytes(doc), QByteArray("old document"));
    QCOMPARE(fileBytes(data), QByteArray("old data"));
    QCOMPARE(folderEntries(dir.path()), QStringList({"story.dat", "story.rtf"}));
}

// The document's name fits, the data file's does not: found before the document is replaced.
void TestSaveBatch::tooLongDataName()
{
    const QString doc = dir.filePath(QString(250, 'n') + ".rtf"), data = dir.filePath(QString(252, 'n') + ".dat");
    QVERIFY(writeBytes(doc, "old document"));
    SaveBatch batch;
    batch.add(doc, "new document");
    batch.add(data, "new data");
    const Outcome saved = batch.commit();
    QVERIFY(!saved.ok());
    QCOMPARE(batch.failedPath(), data);
    QVERIFY2(saved.error().contains("too long"), qPrintable(saved.error()));
    QCOMPARE(fileBytes(doc), QByteArray("old document"));
    QCOMPARE(folderEntries(dir.path()), QStringList({QString(250, 'n') + ".rtf"}));
}

void TestSaveBatch::removesWhatAKilledSaveLeft()
{
    const QString doc = dir.filePath("story.rtf"), data = dir.filePath("story.dat");
    QVERIFY(writeBytes(SaveBatch::temporaryPathFor(doc), "half a docu"));
    QVERIFY(writeBytes(SaveBatch::temporaryPathFor(data), "half"));
    QVERIFY(writeBytes(SaveBatch::oldPathFor(data), "an old data file"));
    QVERIFY(writeBytes(dir.filePath("story.rtf.backup"), "the user's own"));
    SaveBatch batch;
    batch.add(doc, "doc");
    batch.add(data, "data");
    QVERIFY(batch.commit().ok());
    QCOMPARE(folderEntries(dir.path()), QStringList({"story.dat", "story.rtf", "story.rtf.backup"}));
    QCOMPARE(fileBytes(doc), QByteArray("doc"));
}

void TestSaveBatch::singleFile()
{
    QVERIFY(saveFileAtomically(dir.filePath("a.dat"), "abc").ok());
    QCOMPARE(fileBytes(dir.filePath("a.dat")), QByteArray("abc"));
    QVERIFY(!saveFileAtomically(dir.filePath("none/a.dat"), "abc").error().isEmpty());
}

QTEST_GUILESS_MAIN(TestSaveBatch)
#include "tst_save_batch.moc"
