// One write of the recovery file, as after every page Save: typical answers (77 x 2 KB) must
// stay under 2 ms, very long ones (77 x 100 KB) under 50 ms.
#include "document/recovery/recovery_file.h"
#include "questionnaire/answer_store.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

static void BM_RecoveryWrite(benchmark::State &state)
{
    const qsizetype size = state.range(0) * 1024;
    AnswerStore store;
    const QString words = QStringLiteral("We drove to the lake every summer, ");
    for (int n = 1; n <= kQuestionCount; ++n)
        store.setAnswer(n, words.repeated(size / words.size() + 1).left(size));
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

BENCHMARK_MAIN();
