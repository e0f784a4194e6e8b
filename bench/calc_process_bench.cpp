// The batch calculator as a process against the fastest LAPACK dgesv this machine can run, also
// as a process (bench_dgesv_process, beside this program): on the 3000-panel project against
// dgesv(3000) and on the default aircraft (1144 panels) against dgesv(1144). The reference runs
// with the kernel set the library detects and with each one the processor can be forced to
// (OPENBLAS_CORETYPE: Haswell with AVX2, SkylakeX with AVX-512); the fastest median is the
// yardstick. The calculator runs as a user starts it (no core type set: it chooses its own), with
// and without --exact-solve, and its peak memory is compared with dgesv's.
//   bench_calc_process [benchmark flags] <tarvolin4-calc> <project.tv4> [calculator arguments...]
// The reference fills its system with a hash of each entry's index and reports its own fill and
// solve times: dgesv_fill_share is the fill's share of the reference process (a few per cent; a
// larger share means the yardstick is slow). load is the one-minute load average after each round.
// cpu_ratio compares the processor time of the processes (user and system, all threads): on a
// busy machine, where a process mostly waits for a processor, it moves far less than the
// wall-clock ratio.
// Targets: 3000 panels at most 0.7 x the dgesv(3000) process, the default aircraft at most
// 1.0 x the dgesv(1144) process, --exact-solve never faster than the default path, peak memory at
// most 1.5 x dgesv(3000)'s. Ratios are medians of the per-iteration ratios (the processes of one
// iteration run back to back, in alternating order), with their smallest and largest.
#include "bench_support.h"

#include "solver/blas_cores.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

/// A process to time: its arguments and the core type it is started with ("" = none set);
/// a reference prints its own fill and solve times, which are read back.
struct Command {
    std::vector<std::string> argv;
    std::string coreType;
    bool reportsPhases = false;
};

/// Every command of the run, fixed before the launcher is forked (it holds a copy).
std::vector<Command> commands;

struct ProcessRun {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
    double cpuSeconds = 0; // user and system time of all its threads
    double fillSeconds = 0, solveSeconds = 0; // as the reference process measured them itself
};

/// Where a reference process writes its own times.
std::string outputFile(int which) {
    return "/tmp/bench_calc_process." + std::to_string(getpid()) + "." + std::to_string(which);
}

/// The "fill <s>" and "solve <s>" lines of a reference's output.
void readPhases(const std::string& path, ProcessRun& run) {
    if (std::FILE* in = std::fopen(path.c_str(), "r")) {
        char name[16];
        double value;
        while (std::fscanf(in, "%15s %lf", name, &value) == 2) {
            if (std::strcmp(name, "fill") == 0) run.fillSeconds = value;
            if (std::strcmp(name, "solve") == 0) run.solveSeconds = value;
        }
        std::fclose(in);
    }
    std::remove(path.c_str());
}

/// This process's environment without OPENBLAS_CORETYPE, with coreType's when one is given.
std::vector<std::string> environmentFor(const std::string& coreType) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "OPENBLAS_CORETYPE=", 18) != 0) env.emplace_back(*e);
    if (!coreType.empty()) env.push_back("OPENBLAS_CORETYPE=" + coreType);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (auto& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

/// Starts command `which` with its output going to /dev/null (a reference's to a file that is
/// read back), waits for it and reads its usage.
ProcessRun runCommand(int which) {
    Command c = commands[which];
    std::vector<std::string> env = environmentFor(c.coreType);
    std::vector<char*> argv = pointers(c.argv), envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string output = c.reportsPhases ? outputFile(which) : "/dev/null";
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ProcessRun run;
    pid_t pid = 0;
    const auto start = Clock::now();
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return run;
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMegabytes = usage.ru_maxrss / 1024.0; // ru_maxrss is in kilobytes on Linux
    run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (c.reportsPhases) readPhases(output, run);
    return run;
}

/// A helper process forked at start, while this program is still small, that starts the
/// commands on request: the kernel's resident-memory peak of a child includes the memory of the
/// process it was started from.
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

/// The reference's kernel sets: "" (what the library detects) and each forcible core type, with
/// the core name the library reports under each.
struct ReferenceCore {
    std::string coreType, name;
};
std::vector<ReferenceCore> referenceCores;

/// The library's core name in bench_dgesv_process started with coreType.
std::string coreName(const std::string& dgesvProcess, const std::string& coreType) {
    const std::string command = "env -u OPENBLAS_CORETYPE " + (coreType.empty() ? "" : "OPENBLAS_CORETYPE=" + coreType) +
                                " '" + dgesvProcess + "' --core";
    std::FILE* out = popen(command.c_str(), "r");
    char line[64] = {};
    const bool read = out && std::fgets(line, sizeof line, out);
    if (out) pclose(out);
    std::string name = read ? line : "?";
    if (!name.empty() && name.back() == '\n') name.pop_back();
    return name;
}

/// Indices into commands of one comparison.
struct Comparison {
    int calc, exact;
    std::vector<int> references; // one per referenceCores entry
};
Comparison large, small;

void addSpread(benchmark::State& state, const std::string& name, const std::vector<double>& values) {
    state.counters[name] = tvbench::median(values);
    state.counters[name + "_min"] = *std::min_element(values.begin(), values.end());
    state.counters[name + "_max"] = *std::max_element(values.begin(), values.end());
}

/// One iteration: the calculator, its exact path and the reference on every kernel set, the order
/// reversed every other iteration. ratio = calculator / the fastest reference of the run (the
/// kernel set with the smallest median), per iteration; exact_ratio = exact path / default path.
void compare(benchmark::State& state, const Comparison& c) {
    const std::size_t cores = c.references.size();
    std::vector<double> calc, exact, calcPeak, referencePeak, calcCpu, load;
    std::vector<std::vector<double>> reference(cores), referenceFill(cores), referenceSolve(cores), referenceCpu(cores);
    bool forward = true;
    for (auto _ : state) {
        std::vector<int> order{c.calc, c.exact};
        order.insert(order.end(), c.references.begin(), c.references.end());
        if (!forward) std::reverse(order.begin(), order.end());
        forward = !forward;
        double total = 0;
        for (const int which : order) {
            const ProcessRun run = launcher.run(which);
            if (!run.ok) return state.SkipWithError("a process failed or could not be started");
            total += run.seconds;
            if (which == c.calc) calc.push_back(run.seconds), calcPeak.push_back(run.peakMegabytes), calcCpu.push_back(run.cpuSeconds);
            else if (which == c.exact) exact.push_back(run.seconds);
            for (std::size_t k = 0; k < cores; ++k) {
                if (which != c.references[k]) continue;
                reference[k].push_back(run.seconds), referencePeak.push_back(run.peakMegabytes);
                referenceFill[k].push_back(run.fillSeconds), referenceSolve[k].push_back(run.solveSeconds);
                referenceCpu[k].push_back(run.cpuSeconds);
            }
        }
        load.push_back(tvbench::loadAverage());
        state.SetIterationTime(total);
    }
    std::size_t fastest = 0;
    for (std::size_t k = 0; k < cores; ++k) {
        state.counters["dgesv_" + referenceCores[k].name + "_ms"] = tvbench::median(reference[k]) * 1e3;
        if (tvbench::median(reference[k]) < tvbench::median(reference[fastest])) fastest = k;
    }
    std::vector<double> ratio, exactRatio;
    for (std::size_t i = 0; i < calc.size(); ++i) {
        ratio.push_back(calc[i] / reference[fastest][i]);
        exactRatio.push_back(exact[i] / calc[i]);
    }
    state.counters["calc_ms"] = tvbench::median(calc) * 1e3;
    state.counters["exact_ms"] = tvbench::median(exact) * 1e3;
    addSpread(state, "ratio", ratio);
    addSpread(state, "exact_ratio", exactRatio);
    std::vector<double> fillShare, cpuRatio;
    for (std::size_t i = 0; i < calc.size(); ++i) {
        fillShare.push_back(referenceFill[fastest][i] / reference[fastest][i]);
        cpuRatio.push_back(calcCpu[i] / referenceCpu[fastest][i]);
    }
    state.counters["calc_cpu_ms"] = tvbench::median(calcCpu) * 1e3;
    state.counters["dgesv_cpu_ms"] = tvbench::median(referenceCpu[fastest]) * 1e3;
    addSpread(state, "cpu_ratio", cpuRatio);
    state.counters["dgesv_fill_ms"] = tvbench::median(referenceFill[fastest]) * 1e3;
    state.counters["dgesv_call_ms"] = tvbench::median(referenceSolve[fastest]) * 1e3;
    state.counters["dgesv_fill_share"] = tvbench::median(fillShare);
    state.counters["peak_MB"] = *std::max_element(calcPeak.begin(), calcPeak.end());
    state.counters["dgesv_peak_MB"] = *std::max_element(referencePeak.begin(), referencePeak.end());
    state.counters["peak_ratio"] = state.counters["peak_MB"] / state.counters["dgesv_peak_MB"];
    addSpread(state, "load", load);
    state.SetLabel("reference " + referenceCores[fastest].name);
}

/// One busy loop per processor this process may run on, for as long as the object lives.
class BusyLoops {
public:
    BusyLoops() {
        cpu_set_t set;
        const int cpus = sched_getaffinity(0, sizeof set, &set) == 0 ? CPU_COUNT(&set) : 2;
        for (int i = 0; i < cpus; ++i) {
            const pid_t pid = fork();
            if (pid == 0)
                for (;;) asm volatile("" ::: "memory");
            if (pid > 0) m_pids.push_back(pid);
        }
    }
    ~BusyLoops() {
        for (const pid_t pid : m_pids) kill(pid, SIGKILL);
        for (const pid_t pid : m_pids) waitpid(pid, nullptr, 0);
    }
    BusyLoops(const BusyLoops&) = delete;
    BusyLoops& operator=(const BusyLoops&) = delete;

private:
    std::vector<pid_t> m_pids;
};

/// The calculator's wall time over every reference's, one pair run in the order given.
std::vector<double> pairRatios(const Comparison& c, bool forward) {
    std::vector<int> order{c.calc};
    order.insert(order.end(), c.references.begin(), c.references.end());
    if (!forward) std::reverse(order.begin(), order.end());
    std::vector<double> seconds(commands.size(), 0);
    for (const int which : order) {
        const ProcessRun run = launcher.run(which);
        if (!run.ok) return {};
        seconds[which] = run.seconds;
    }
    std::vector<double> ratios;
    for (const int r : c.references) ratios.push_back(seconds[c.calc] / seconds[r]);
    return ratios;
}

/// Quiet and loaded pairs alternated; the reference is the kernel set fastest when quiet (the
/// largest ratio).
void compareUnderLoad(benchmark::State& state, const Comparison& c) {
    std::vector<std::vector<double>> quiet, loaded;
    bool forward = true;
    for (auto _ : state) {
        const auto start = Clock::now();
        quiet.push_back(pairRatios(c, forward));
        {
            const BusyLoops busy;
            loaded.push_back(pairRatios(c, !forward));
        }
        forward = !forward;
        if (quiet.back().empty() || loaded.back().empty())
            return state.SkipWithError("a process failed or could not be started");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::size_t fastest = 0;
    std::vector<std::vector<double>> quietOf(c.references.size()), loadedOf(c.references.size());
    for (std::size_t i = 0; i < quiet.size(); ++i)
        for (std::size_t k = 0; k < c.references.size(); ++k)
            quietOf[k].push_back(quiet[i][k]), loadedOf[k].push_back(loaded[i][k]);
    for (std::size_t k = 0; k < c.references.size(); ++k)
        if (tvbench::median(quietOf[k]) > tvbench::median(quietOf[fastest])) fastest = k;
    const double quietMedian = tvbench::median(quietOf[fastest]);
    std::vector<double> factor;
    for (const double r : loadedOf[fastest]) factor.push_back(r / quietMedian);
    addSpread(state, "quiet_ratio", quietOf[fastest]);
    addSpread(state, "loaded_ratio", loadedOf[fastest]);
    addSpread(state, "load_factor", factor);
    state.SetLabel("reference " + referenceCores[fastest].name);
}

void BM_Calculator3000VsDgesv(benchmark::State& state) { compare(state, large); }
BENCHMARK(BM_Calculator3000VsDgesv)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DefaultCalculatorVsDgesv(benchmark::State& state) { compare(state, small); }
BENCHMARK(BM_DefaultCalculatorVsDgesv)->Iterations(15)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Calculator3000UnderLoad(benchmark::State& state) { compareUnderLoad(state, large); }
BENCHMARK(BM_Calculator3000UnderLoad)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_DefaultCalculatorUnderLoad(benchmark::State& state) { compareUnderLoad(state, small); }
BENCHMARK(BM_DefaultCalculatorUnderLoad)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

int add(Command c) {
    commands.push_back(std::move(c));
    return int(commands.size()) - 1;
}

/// The calculator with the extra arguments of the command line, on `project` ("" = the default
/// aircraft), exact or not.
int addCalculator(const std::vector<std::string>& calculator, const std::string& project, bool exact) {
    std::vector<std::string> argv{calculator.front()};
    if (exact) argv.push_back("--exact-solve");
    argv.insert(argv.end(), calculator.begin() + 1, calculator.end());
    if (!project.empty()) argv.push_back(project);
    return add({argv, ""});
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s [benchmark flags] <tarvolin4-calc> <project.tv4> [arguments...]\n", argv[0]);
        return 2;
    }
    std::vector<std::string> calculator{argv[1]};
    calculator.insert(calculator.end(), argv + 3, argv + argc);
    const std::string project = argv[2];
    const std::string self = argv[0];
    const std::string dgesvProcess = self.substr(0, self.find_last_of('/') + 1) + "bench_dgesv_process";

    referenceCores.push_back({"", ""});
    for (const std::string_view type : tv::forcibleCoreTypes(tv::processorFeatures()))
        referenceCores.push_back({std::string(type), ""});
    std::string names;
    for (ReferenceCore& core : referenceCores) {
        core.name = coreName(dgesvProcess, core.coreType);
        names += (names.empty() ? "" : ", ") + core.name + (core.coreType.empty() ? " (detected)" : " (forced)");
    }

    large = {addCalculator(calculator, project, false), addCalculator(calculator, project, true), {}};
    small = {addCalculator(calculator, "", false), addCalculator(calculator, "", true), {}};
    for (const ReferenceCore& core : referenceCores) {
        large.references.push_back(add({{dgesvProcess, "3000"}, core.coreType, true}));
        small.references.push_back(add({{dgesvProcess, "1144"}, core.coreType, true}));
    }
    launcher.start();
    tvbench::addBlasContext();
    benchmark::AddCustomContext("dgesv_cores", names);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
