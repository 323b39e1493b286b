// An answer data file written by another program comes back byte for byte when it is written
// again, and nothing the writer produces is too large for the reader.
#include "document/datafile/answer_data_file.h"

#include <QTest>

using AnswerDataFile::Answers;

namespace {
// 77 fields: `first` quoted as field 1, the rest empty, as an older program wrote them.
QByteArray fileWith(const QByteArray &first) { return '"' + first + '"' + QByteArray(76, ',') + "\r\n"; }
} // namespace

class TestDataFileExact : public QObject {
    Q_OBJECT
private slots:
    void writtenBackByteForByte_data();
    void writtenBackByteForByte();
    void sizeAgreesWithReader_data();
    void sizeAgreesWithReader();
};

void TestDataFileExact::writtenBackByteForByte_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("nominal: CR LF lines") << QByteArray("one\r\ntwo");
    QTest::newRow("robustness: lone LF") << QByteArray("one\ntwo\n");
    QTest::newRow("robustness: lone CR") << QByteArray("\rone\rtwo");
    QTest::newRow("robustness: CR CR LF and LF CR") << QByteArray("a\r\r\nb\n\rc");
    QTest::newRow("robustness: tabs and control characters") << QByteArray("\ta\x01\x02\x1B[0m\x7F\x0B\x0C");
    QTest::newRow("robustness: Windows-1252 letters and doubled quotes") << QByteArray("caf\xE9 \x93\"\"ok\"\"\x94");
}

void TestDataFileExact::writtenBackByteForByte()
{
    QFETCH(QByteArray, answer);
    const QByteArray file = fileWith(answer);
    const AnswerDataFile::ReadResult read = AnswerDataFile::read(file);
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(AnswerDataFile::write(*read.answers), file);
}

void TestDataFileExact::sizeAgreesWithReader_data()
{
    QTest::addColumn<qint64>("spare"); // bytes left below the reader's limit
    QTest::newRow("nominal: just under the limit") << qint64(1);
    QTest::newRow("robustness: exactly at the limit") << qint64(0);
    QTest::newRow("robustness: one byte over") << qint64(-1);
}

// A file near the limit, full of lone line breaks, is read, written back and read again; a
// store whose file would not load is refused before anything is written.
void TestDataFileExact::sizeAgreesWithReader()
{
    QFETCH(qint64, spare);
    const qint64 answerSize = AnswerDataFile::kMaxFileSize - spare - fileWith({}).size();
    QByteArray answer(answerSize, 'x');
    for (qint64 i = 0; i < answerSize; i += 64)
        answer[i] = (i / 64) % 2 ? '\n' : '\r';
    Answers answers;
    answers[0] = QString::fromLatin1(answer);
    const QByteArray written = AnswerDataFile::write(answers);
    QCOMPARE(written.size(), AnswerDataFile::kMaxFileSize - spare);
    QCOMPARE(AnswerDataFile::checkSize(written).ok(), spare >= 0);
    const AnswerDataFile::ReadResult read = AnswerDataFile::read(written);
    QCOMPARE(read.ok(), spare >= 0);
    if (spare >= 0)
        QCOMPARE(AnswerDataFile::write(*read.answers).size(), written.size());
    else
        QVERIFY(AnswerDataFile::checkSize(written).error().contains(QLatin1String("64 MiB")));
}

QTEST_MAIN(TestDataFileExact)
#include "tst_datafile_exact.moc"
