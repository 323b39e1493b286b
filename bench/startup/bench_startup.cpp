// Start-up of Kinscribe against a bare Qt window built the same way: wall time from process
// start to the first paint of the start-up window, and peak memory. Run it on a real X server
// (scripts/with-desktop) for figures that mean something; offscreen works too.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

// POSIX only: fork, exec and wait4 give the child's own peak memory.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Run { double seconds; double peakMiB; bool ok; };

Run runOnce(const char *path)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(path, path, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {secs, usage.ru_maxrss / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void measure(benchmark::State &state, const char *path)
{
    double peak = 0;
    for (auto _ : state) {
        const Run r = runOnce(path);
        if (!r.ok) {
            state.SkipWithError("probe failed to start");
            return;
        }
        state.SetIterationTime(r.seconds);
        peak = std::max(peak, r.peakMiB);
    }
    state.counters["peak_MiB"] = peak;
}

void BM_BareQtWindow(benchmark::State &state) { measure(state, PROBE_BARE); }
void BM_KinscribeStartUp(benchmark::State &state) { measure(state, PROBE_KINSCRIBE); }
} // namespace

BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_KinscribeStartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    // The ratios that the start-up target is stated in (at most 1.3 on both).
    Run bare{0, 0, true}, ours{0, 0, true};
    const int n = 10;
    for (int i = 0; i < n; ++i) {
        const Run b = runOnce(PROBE_BARE), k = runOnce(PROBE_KINSCRIBE);
        bare.seconds += b.seconds / n; ours.seconds += k.seconds / n;
        bare.peakMiB = std::max(bare.peakMiB, b.peakMiB); ours.peakMiB = std::max(ours.peakMiB, k.peakMiB);
    }
    std::printf("start-up: bare %.1f ms %.1f MiB, kinscribe %.1f ms %.1f MiB, ratio time %.2f memory %.2f (target <= 1.30)\n",
                bare.seconds * 1000, bare.peakMiB, ours.seconds * 1000, ours.peakMiB, ours.seconds / bare.seconds,
                ours.peakMiB / bare.peakMiB);
    benchmark::Shutdown();
    return 0;
}
