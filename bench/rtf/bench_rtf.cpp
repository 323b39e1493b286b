// Reading and writing a large RTF file (about 10 MB written by LibreOffice) against
// unrtf --text on the same file, in one run; prints the ratios and peak memory.
// Targets: reading <= 0.3 x unrtf's time with <= 0.5 x its peak memory; writing <= 0.1 x
// unrtf's time. Then the reader's worst shapes, each with its own target: 100,000 one-cell
// rows in <= 2 s; a million cells without a row end read or refused in <= 5 s under 1 GB;
// a realistic table (8,000 rows of 5 cells, 1 MB) and a font table of 100,000 entries
// with 33,000 in use, both near linear (well under a second here).
//   bench_rtf [benchmark options]
//   bench_rtf --read-once FILE PEAK   (used by the benchmark itself to measure peak memory:
//   the peak of a spawned process counts its parent's, so the reader writes its own to PEAK)

#include "document/rtf/rtf.h"
#include "generated_documents.h"
#include "large_document.h"

#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

QString g_file;
std::string g_self;

struct ChildRun
{
    bool ok = false;
    double seconds = 0;
    double peakMiB = 0;
};

// Runs a program with its output discarded; wall time and peak resident memory.
ChildRun runChild(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    ChildRun run;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            run.peakMiB = usage.ru_maxrss / 1024.0;
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

// The reader's own peak memory reading path, in a fresh process; -1 when unknown.
double readerPeakMiB(const QString &path)
{
    QTemporaryFile peak;
    if (!peak.open())
        return -1;
    runChild({g_self, "--read-once", path.toStdString(), peak.fileName().toStdString()});
    bool ok = false;
    const double kib = peak.readAll().trimmed().toDouble(&ok);
    return ok ? kib / 1024.0 : -1;
}

bool haveInput(benchmark::State &state)
{
    if (!g_file.isEmpty())
        return true;
    state.SkipWithError("no input: LibreOffice is needed to make the large RTF file");
    return false;
}

void BM_ReadRtf(benchmark::State &state)
{
    if (!haveInput(state))
        return;
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        QFile file(g_file);
        if (!file.open(QIODevice::ReadOnly) || !Rtf::read(file, *doc).ok()) {
            state.SkipWithError("cannot read the large RTF file");
            return;
        }
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    // a fresh process that only reads the file, for a peak comparable to unrtf's
    state.counters["peak_MiB"] = readerPeakMiB(g_file);
}

void BM_WriteRtf(benchmark::State &state)
{
    if (!haveInput(state))
        return;
    QTextDocument doc;
    QFile file(g_file);
    if (!file.open(QIODevice::ReadOnly) || !Rtf::read(file, doc).ok()) {
        state.SkipWithError("cannot read the large RTF file");
        return;
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = Rtf::write(doc);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.counters["output_MB"] = double(bytes) / 1e6;
}

void BM_UnrtfText(benchmark::State &state)
{
    if (!haveInput(state))
        return;
    const std::string unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf")).toStdString();
    if (unrtf.empty()) {
        state.SkipWithError("unrtf is not installed");
        return;
    }
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = runChild({unrtf, "--text", g_file.toStdString()});
        if (!run.ok) {
            state.SkipWithError("unrtf failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMiB);
    }
    state.counters["peak_MiB"] = peak;
}

// Reads one of the generated documents; read = 0 when the reader refused it.
void BM_ReadGenerated(benchmark::State &state, const QString &path)
{
    if (path.isEmpty()) {
        state.SkipWithError("cannot write the input to the temporary folder");
        return;
    }
    bool read = false;
    for (auto _ : state) {
        auto doc = std::make_unique<QTextDocument>();
        QFile file(path);
        read = file.open(QIODevice::ReadOnly) && Rtf::read(file, *doc).ok();
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["read"] = read ? 1 : 0;
    state.counters["peak_MiB"] = readerPeakMiB(path);
}

struct Shape
{
    const char *name;
    QByteArray (*make)();
    double targetSeconds;
};

const Shape kShapes[] = {
    {"BM_Read100kOneCellRows", [] { return RtfBench::table(100000, 1); }, 2},
    {"BM_ReadMillionCellsWithoutRowEnd", [] { return RtfBench::cellsWithoutRowEnd(1000000); }, 5},
    {"BM_Read8000RowsOf5Cells", [] { return RtfBench::table(8000, 5); }, 1},
    {"BM_Read100kFonts33kUsed", [] { return RtfBench::manyFonts(100000, 33000); }, 1},
};

void registerShapes()
{
    for (const Shape &shape : kShapes) {
        const QString path = RtfBench::temporaryFile(QString::fromLatin1(shape.name), shape.make());
        benchmark::RegisterBenchmark(shape.name, BM_ReadGenerated, path)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(2);
    }
}

BENCHMARK(BM_UnrtfText)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Keeps each benchmark's time per iteration and counters for the ratios printed at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    struct Figures
    {
        double seconds = 0;
        double peakMiB = 0;
        bool read = true;
    };
    std::map<std::string, Figures> figures;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            Figures &f = figures[run.run_name.function_name];
            f.seconds = run.GetAdjustedRealTime() / 1000.0; // reported in milliseconds
            if (const auto it = run.counters.find("peak_MiB"); it != run.counters.end())
                f.peakMiB = it->second;
            if (const auto it = run.counters.find("read"); it != run.counters.end())
                f.read = it->second > 0;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printShapes() const
    {
        for (const Shape &shape : kShapes) {
            const auto it = figures.find(shape.name);
            if (it != figures.end())
                std::printf("%s: %s in %.3f s (target <= %.0f s), peak %.1f MiB\n", shape.name,
                            it->second.read ? "read" : "refused", it->second.seconds, shape.targetSeconds,
                            it->second.peakMiB);
        }
    }

    void printRatios() const
    {
        const auto unrtf = figures.find("BM_UnrtfText");
        const auto read = figures.find("BM_ReadRtf");
        const auto write = figures.find("BM_WriteRtf");
        if (unrtf == figures.end() || unrtf->second.seconds <= 0)
            return;
        const Figures &u = unrtf->second;
        std::printf("\nunrtf --text: %.3f s, peak %.1f MiB\n", u.seconds, u.peakMiB);
        if (read != figures.end())
            std::printf("read:  %.3f s = %.2f x unrtf (target <= 0.3), peak %.1f MiB = %.2f x unrtf (target <= 0.5)\n",
                        read->second.seconds, read->second.seconds / u.seconds, read->second.peakMiB,
                        read->second.peakMiB / u.peakMiB);
        if (write != figures.end())
            std::printf("write: %.3f s = %.2f x unrtf (target <= 0.1)\n", write->second.seconds,
                        write->second.seconds / u.seconds);
    }
};

// Reads path and writes the process's peak resident memory in KiB to peakPath.
int readOnce(const char *path, const char *peakPath)
{
    QTextDocument doc;
    QFile file(QString::fromLocal8Bit(path));
    const bool read = file.open(QIODevice::ReadOnly) && Rtf::read(file, doc).ok();
    QFile status(QStringLiteral("/proc/self/status"));
    QFile peak(QString::fromLocal8Bit(peakPath));
    if (!status.open(QIODevice::ReadOnly) || !peak.open(QIODevice::WriteOnly))
        return 2;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            peak.write(line.mid(6).trimmed().split(' ').value(0));
    }
    return read ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts need a GUI application
    if (argc == 4 && std::string(argv[1]) == "--read-once")
        return readOnce(argv[2], argv[3]);
    g_self = QCoreApplication::applicationFilePath().toStdString();
    QString error;
    g_file = RtfBench::largeRtfFile(&error);
    if (g_file.isEmpty())
        std::fprintf(stderr, "bench_rtf: %s\n", qPrintable(error));
    else
        std::printf("input: %s (%.1f MB)\n", qPrintable(g_file), QFile(g_file).size() / 1e6);

    benchmark::Initialize(&argc, argv);
    registerShapes();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    reporter.printShapes();
    benchmark::Shutdown();
    return 0;
}
