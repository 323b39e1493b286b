// Typesetting the book from a store of 77 answers to a finished PDF written to disk.
// Targets: 77 answers of 2 KB in at most 2 s; 77 answers of 100 KB in at most 15 s.
//   QT_QPA_PLATFORM=offscreen bench_book
#include "document/book/book_content.h"
#include "document/book/book_writer.h"
#include "questionnaire/answer_store.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// Typed answers: sentences of ordinary words in paragraphs of a few lines, an empty line between.
QString answerOfSize(int number, qsizetype size)
{
    static const char *const words[] = {"we", "drove", "the", "old", "car", "to", "Grandma's", "farm", "every",
                                        "summer,", "and", "my", "brother", "always", "got", "carsick."};
    QString text;
    text.reserve(size + 64);
    int i = number;
    while (text.size() < size) {
        text += QLatin1String(words[i++ % 16]);
        text += (i % 97 == 0) ? QStringLiteral("\r\n\r\n") : QStringLiteral(" ");
    }
    text.truncate(size);
    return text;
}

void BM_BookToPdf(benchmark::State &state)
{
    AnswerStore store;
    store.loadQuestionTexts();
    for (int n = 1; n <= kQuestionCount; ++n)
        store.setAnswer(n, answerOfSize(n, state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.pdf"));
    const BookOptions options{QStringLiteral("My Life Story"), QStringLiteral("10 December 2026"), QPageSize(QPageSize::Letter)};
    for (auto _ : state) {
        const Outcome saved = saveBook(bookContent(store), options, path);
        if (!saved.ok())
            state.SkipWithError(qPrintable(saved.error()));
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_BookToPdf)->Arg(2 * 1024)->Arg(100 * 1024)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
