// The recovery file without any window: one change notice a batch, two copies of the program
// at once, and saves killed half way.
#include "child_process.h"
#include "test_files.h"

#include "document/datafile/answer_data_file.h"
#include "document/reading/save_batch.h"
#include "document/recovery/recovery_file.h"
#include "questionnaire/answer_store.h"

#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>
#include <functional>

using StoreChange = std::function<void(AnswerStore &)>;
Q_DECLARE_METATYPE(StoreChange)

namespace {
// "gen N\n" ... "gen N\n" with the right size, else -1.
int generationOf(const QByteArray &bytes, qsizetype size)
{
    const int nl = bytes.indexOf('\n');
    const QByteArray mark = bytes.left(nl + 1);
    if (nl < 0 || bytes.size() != size + 2 * mark.size() || !bytes.endsWith(mark))
        return -1;
    return mark.mid(4, mark.size() - 5).toInt();
}
} // namespace

class TestRecoveryFile : public TempDirTest {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void oneChangeNotice_data();
    void oneChangeNotice();
    void twoCopiesAtOnce();
    void killedWhileSaving();
    void halfWrittenPartsGo_data();
    void halfWrittenPartsGo();
};

void TestRecoveryFile::oneChangeNotice_data()
{
    QTest::addColumn<StoreChange>("change");
    QTest::addColumn<int>("notices");
    QTest::newRow("nominal: one answer") << StoreChange([](AnswerStore &s) { s.setAnswer(3, QString("games")); }) << 1;
    QTest::newRow("nominal: a page of answers in one batch") << StoreChange([](AnswerStore &s) {
        AnswerStore::ChangeBatch outer(s);
        AnswerStore::ChangeBatch inner(s);
        s.setAnswer(1, QString("a"));
        s.setAnswer(2, QString("b"));
    }) << 1;
    QTest::newRow("nominal: a whole data file")
        << StoreChange([](AnswerStore &s) { AnswerDataFile::storeAnswers(s, AnswerDataFile::Answers{}); }) << 1;
    QTest::newRow("nominal: a batch that writes nothing") << StoreChange([](AnswerStore &s) { AnswerStore::ChangeBatch nothing(s); }) << 0;
}

void TestRecoveryFile::oneChangeNotice()
{
    QFETCH(StoreChange, change);
    QFETCH(int, notices);
    AnswerStore store;
    int seen = 0;
    // Any number may listen: a second listener hears the same notices.
    int alsoSeen = 0;
    QObject::connect(&store, &AnswerStore::answersChanged, [&] { ++seen; });
    QObject::connect(&store, &AnswerStore::answersChanged, [&] { ++alsoSeen; });
    change(store);
    QCOMPARE(seen, notices);
    QCOMPARE(alsoSeen, notices);
}

// A second copy never writes over the first one's file; the file of a copy that died is
// offered to the next copy that starts.
void TestRecoveryFile::twoCopiesAtOnce()
{
    AnswerStore first, second;
    first.setAnswer(1, QString("first"));
    second.setAnswer(1, QString("second"));
    RecoveryFile a(dir.path());
    {
        RecoveryFile b(dir.path());
        QVERIFY(a.isHeld() && b.isHeld());
        QVERIFY(a.path() != b.path());
        QVERIFY(a.write(first).ok());
        QVERIFY(b.write(second).ok());
    }
    RecoveryFile c(dir.path()); // the second copy died: its file is the one left to offer
    QVERIFY(c.hasLeftFile());
    QCOMPARE(c.read().answers->at(0), std::optional<QString>("second"));
    QCOMPARE(a.read().answers->at(0), std::optional<QString>("first"));
}

// Killed at random moments of saving a pair of 3 MB files: both old or both new, never a
// partial file; the next normal save leaves no temporary file.
void TestRecoveryFile::killedWhileSaving()
{
    const qsizetype size = 3 * 1024 * 1024;
    const QString doc = dir.filePath("story.rtf"), data = dir.filePath("story.dat");
    int newer = 0;
    for (int round = 0; round < 25; ++round) {
        QProcess child;
        const int first = (round + 1) * 1000; // every child's generations are its own
        QVERIFY(startChild(child, {"save", dir.path(), QString::number(size), QString::number(first)}, "saving"));
        QTest::qWait(QRandomGenerator::global()->bounded(1, 400));
        killNow(child);
        if (!QFile::exists(doc) && !QFile::exists(data))
            continue; // killed before the first pair was in place
        const int docGen = generationOf(fileBytes(doc), size), dataGen = generationOf(fileBytes(data), size);
        QVERIFY2(docGen > 0 && docGen == dataGen, qPrintable(QString("round %1: %2 / %3").arg(round).arg(docGen).arg(dataGen)));
        newer += docGen >= first ? 1 : 0;
    }
    QVERIFY2(newer > 0, "no kill fell after a pair was replaced");
    SaveBatch batch;
    batch.add(doc, "new document");
    batch.add(data, "new data");
    QVERIFY(batch.commit().ok());
    QCOMPARE(folderEntries(dir.path()), QStringList({"story.dat", "story.rtf"}));
}

// What a writer that died left half written goes when the file is next held; the parts
// themselves stay, to be offered, until the file is discarded with its folder.
void TestRecoveryFile::halfWrittenPartsGo_data()
{
    QTest::addColumn<QString>("leftName");
    QTest::newRow("nominal: a part being written") << SaveBatch::temporaryPathFor("recovery.dat.typing.dat");
    QTest::newRow("robustness: a part an earlier version was writing") << "recovery.dat.document.rtf.new";
}

void TestRecoveryFile::halfWrittenPartsGo()
{
    QFETCH(QString, leftName);
    const QString folder = dir.filePath("Kinscribe");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(folder + "/recovery.dat", AnswerDataFile::write(AnswerDataFile::Answers{})));
    QVERIFY(writeBytes(folder + "/" + leftName, "half"));
    RecoveryFile file(folder);
    QVERIFY(file.isHeld());
    QVERIFY(file.hasLeftFile());
    QCOMPARE(folderEntries(folder), QStringList({"recovery.dat", "recovery.dat.lock"}));
    QVERIFY(file.writeQuickly(file.partPath(RecoveryFile::Part::Typing), "typing").ok());
    file.discard();
    QVERIFY(!QFileInfo::exists(folder));
}

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "tst_recovery_file.moc"
