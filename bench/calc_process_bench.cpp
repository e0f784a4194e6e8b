// The batch calculator as a process on the 3000-panel project, next to dgesv on a system of
// the same size in this process, and the calculator's peak memory; and the calculator on the
// default aircraft (1144 panels) next to a process that only solves dgesv(1144)
// (bench_dgesv_process, beside this program).
//   bench_calc_process [benchmark flags] <tarvolin4-calc> <project.tv4> [calculator arguments...]
// Targets: 3000 panels at most 1.6 x dgesv, peak resident memory below 200 MB; the default
// aircraft's process at most 0.8 x the dgesv process. Ratios are medians of the per-iteration
// ratios, with their smallest and largest.
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

/// The commands the launcher can start: 0 the calculator on the project (program, project, extra
/// arguments), 1 the calculator on the default aircraft, 2 the dgesv-only process.
std::vector<std::vector<std::string>> commands(3);

struct ProcessRun {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

/// Starts command `which` with its output going to /dev/null, waits for it and reads its usage.
ProcessRun runCommand(int which) {
    std::vector<char*> argv;
    for (auto& a : commands[which]) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMegabytes = usage.ru_maxrss / 1024.0; // ru_maxrss is in kilobytes on Linux
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

/// A helper process forked at start, while this program is still small, that starts the
/// calculator on request: the kernel's resident-memory peak of a child includes the memory of the
/// process it was started from, which here would count the benchmark's own 150 MB of matrices.
struct Launcher {
    int request = -1; // write one byte to start a run
    int reply = -1;   // a ProcessRun comes back

    void start() {
        int down[2], up[2];
        if (pipe(down) != 0 || pipe(up) != 0) return;
        const pid_t pid = fork();
        if (pid == 0) {
            close(down[1]), close(up[0]);
            char c;
            while (read(down[0], &c, 1) == 1) {
                const ProcessRun run = runCommand(c);
                if (write(up[1], &run, sizeof run) != static_cast<ssize_t>(sizeof run)) break;
            }
            _exit(0);
        }
        close(down[0]), close(up[1]);
        if (pid < 0) return close(down[1]), close(up[0]), void();
        request = down[1], reply = up[0];
    }
    ProcessRun run(int which) const {
        ProcessRun result;
        const char c = static_cast<char>(which);
        if (request < 0 || write(request, &c, 1) != 1) return result;
        if (read(reply, &result, sizeof result) != static_cast<ssize_t>(sizeof result)) return ProcessRun{};
        return result;
    }
};

Launcher launcher;

void BM_CalculatorVsDgesv(benchmark::State& state) {
    const int n = 3000;
    std::vector<double> original, work(static_cast<size_t>(n) * n), rhs(n);
    tvbench::fillRandom(original, n, n, 7);
    std::vector<double> calc, reference;
    double peak = 0;
    for (auto _ : state) {
        const ProcessRun run = launcher.run(0);
        if (!run.ok) return state.SkipWithError("the calculator failed or could not be started");
        calc.push_back(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
        std::memcpy(work.data(), original.data(), work.size() * sizeof(double));
        std::fill(rhs.begin(), rhs.end(), -1.0);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(tvbench::referenceSolve(work.data(), n, rhs.data(), n));
        reference.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        state.SetIterationTime(calc.back() + reference.back());
    }
    state.counters["calc_ms"] = tvbench::median(calc) * 1e3;
    state.counters["dgesv_ms"] = tvbench::median(reference) * 1e3;
    state.counters["ratio"] = tvbench::median(calc) / tvbench::median(reference);
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_CalculatorVsDgesv)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The calculator on the built-in default aircraft against a process that only solves dgesv(1144),
/// started alternately.
void BM_DefaultCalculatorVsDgesvProcess(benchmark::State& state) {
    std::vector<double> calc, reference, ratio;
    double peak = 0;
    for (auto _ : state) {
        const ProcessRun run = launcher.run(1), solve = launcher.run(2);
        if (!run.ok || !solve.ok) return state.SkipWithError("a process failed or could not be started");
        calc.push_back(run.seconds);
        reference.push_back(solve.seconds);
        ratio.push_back(run.seconds / solve.seconds);
        peak = std::max(peak, run.peakMegabytes);
        state.SetIterationTime(run.seconds + solve.seconds);
    }
    state.counters["calc_ms"] = tvbench::median(calc) * 1e3;
    state.counters["dgesv_process_ms"] = tvbench::median(reference) * 1e3;
    state.counters["ratio"] = tvbench::median(ratio);
    state.counters["ratio_min"] = *std::min_element(ratio.begin(), ratio.end());
    state.counters["ratio_max"] = *std::max_element(ratio.begin(), ratio.end());
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_DefaultCalculatorVsDgesvProcess)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s [benchmark flags] <tarvolin4-calc> <project.tv4> [arguments...]\n", argv[0]);
        return 2;
    }
    commands[0].assign(argv + 1, argv + argc);
    commands[1] = {argv[1]};
    std::string self = argv[0];
    commands[2] = {self.substr(0, self.find_last_of('/') + 1) + "bench_dgesv_process", "1144"};
    launcher.start();
    tvbench::addBlasContext();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
