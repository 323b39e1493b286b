#include "recovery_helpers.h"

#include "document/datafile/save_batch.h"
#include "fs_faults.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <csignal>

namespace {
// Starts the child, waits for its line, and returns it running.
bool startChild(QProcess &child, const QStringList &args, const QByteArray &line, const QStringList &env = {})
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

void killNow(QProcess &child)
{
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished(10000);
}

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

class TestKilled : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void killedAfterPageSave();
    void killedWhileSaving();
};

// The program is killed right after a page's Save; the next start offers the answers and
// Yes brings them back exactly.
void TestKilled::killedAfterPageSave()
{
    QTemporaryDir home;
    QProcess child;
    QVERIFY(startChild(child, {"page"}, "saved", {"XDG_DATA_HOME=" + home.path(), "QT_QPA_PLATFORM=offscreen"}));
    killNow(child);
    const QString folder = home.filePath("Kinscribe");
    QVERIFY2(QFile::exists(folder + "/recovery.dat"), qPrintable(folderEntries(folder).join(", ")));

    TestProgram p;
    p.dialogs.answer(MsgAnswer::Yes);
    startOver(folder);
    QCOMPARE(p.dialogs.messages().size(), 1);
    QVERIFY2(p.dialogs.messages().first().text.contains("1 of the 77 questions had an answer"),
             qPrintable(p.dialogs.messages().first().text));
    QCOMPARE(answerStore().answerOf(3), "Marbles,\r\n\"hide and seek\"");
    Recovery::stop();
}

// Killed at random moments of saving a pair of 3 MB files: both old or both new, never a
// partial file; the next normal save leaves no temporary file.
void TestKilled::killedWhileSaving()
{
    const qsizetype size = 3 * 1024 * 1024;
    QTemporaryDir dir;
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
    QVERIFY(batch.commit());
    QCOMPARE(folderEntries(dir.path()), QStringList({"story.dat", "story.rtf"}));
}

QTEST_MAIN(TestKilled)
#include "tst_killed.moc"
