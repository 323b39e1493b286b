// The recovery file while the user works. What counts is the time the GUI thread spends (a
// key press must not wait for the disk): at most 10 ms to hand over the editor holding a 1 MB
// document, and 77 answers of 100 KB each. The worker's own time is measured apart.
#include "document/recovery/document_snapshot.h"
#include "document/recovery/recovery_file.h"
#include "document/recovery/safety_copy.h"
#include "questionnaire/answer_store.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {
void fillAnswers(AnswerStore &store, qsizetype size)
{
    const QString words = QStringLiteral("We drove to the lake every summer, ");
    for (int n = 1; n <= kQuestionCount; ++n)
        store.setAnswer(n, words.repeated(size / words.size() + 1).left(size));
}

// About `bytes` characters in paragraphs of a few hundred, every fifth run bold.
void fillDocument(QTextDocument &doc, qsizetype bytes)
{
    QTextCursor cursor(&doc);
    QTextCharFormat plain, bold;
    bold.setFontWeight(QFont::Bold);
    const QString words = QStringLiteral("Our first house stood at the end of a lane, ");
    for (int run = 0; doc.characterCount() < bytes; ++run) {
        cursor.insertText(words, run % 5 == 4 ? bold : plain);
        if (run % 8 == 7)
            cursor.insertBlock();
    }
}
// A safety copy into a folder of its own, with the editor's document to hand over.
struct DocumentCopy {
    explicit DocumentCopy(qsizetype bytes) { fillDocument(doc, bytes); }
    QTextDocument doc;
    QTemporaryDir dir;
    RecoveryFile file{dir.path()};
    SafetyCopy copy{file};
};
} // namespace

// The old way, all on the GUI thread: one whole write of the answers.
static void BM_RecoveryWrite(benchmark::State &state)
{
    const qsizetype size = state.range(0) * 1024;
    AnswerStore store;
    fillAnswers(store, size);
    QTemporaryDir dir;
    RecoveryFile file(dir.path());
    for (auto _ : state) {
        if (const Outcome written = file.write(store); !written.ok())
            state.SkipWithError(qPrintable(written.error()));
    }
    state.SetBytesProcessed(state.iterations() * size * kQuestionCount);
}
// Argument: KB per answer.
BENCHMARK(BM_RecoveryWrite)->Arg(2)->Arg(100)->Unit(benchmark::kMillisecond);

// GUI thread only: 77 answers of 100 KB handed to the worker.
static void BM_SafetyCopyAnswersGuiThread(benchmark::State &state)
{
    AnswerStore store;
    fillAnswers(store, 100 * 1024);
    QTemporaryDir dir;
    RecoveryFile file(dir.path());
    SafetyCopy copy(file);
    for (auto _ : state) {
        copy.writeAnswers(store);
        state.PauseTiming();
        copy.flush();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SafetyCopyAnswersGuiThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// GUI thread only: the editor's document handed to the worker (its copy taken), a key typed in
// its middle since the copy before, as every half minute while the user types. Argument: KB;
// the composed document of 77 answers of 100 KB is about 7.7 MB.
static void BM_SafetyCopyDocumentGuiThread(benchmark::State &state)
{
    DocumentCopy c(state.range(0) * 1024);
    c.copy.documentChanged(&c.doc, QString());
    c.copy.flush();
    QTextCursor middle(&c.doc);
    middle.setPosition(c.doc.characterCount() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        middle.insertText(QStringLiteral("e"));
        state.ResumeTiming();
        c.copy.documentChanged(&c.doc, QString());
        c.copy.writeNow();
        state.PauseTiming();
        c.copy.flush();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SafetyCopyDocumentGuiThread)->Arg(1024)->Arg(7700)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// The first copy of a document, read whole (once for each document the editor shows).
static void BM_DocumentSnapshotWhole(benchmark::State &state)
{
    QTextDocument doc;
    fillDocument(doc, state.range(0) * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(DocumentSnapshot::take(doc));
}
BENCHMARK(BM_DocumentSnapshotWhole)->Arg(1024)->Arg(7700)->Unit(benchmark::kMillisecond);

// The worker's whole write of the 1 MB document, for comparison (off the GUI thread).
static void BM_SafetyCopyDocumentWhole(benchmark::State &state)
{
    DocumentCopy c(1024 * 1024);
    for (auto _ : state) {
        c.copy.documentChanged(&c.doc, QString());
        c.copy.flush();
    }
}
BENCHMARK(BM_SafetyCopyDocumentWhole)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
