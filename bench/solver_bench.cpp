// The influence matrix of the largest lattice and whole calculations, with dgesv on a system of
// the same size in the same run for scale.
#include "bench_support.h"
#include "large_aircraft.h"

#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/loes.h"
#include "solver/solver_threads.h"
#include "solver/trawy2.h"
#include "solver/workspace.h"
#include "solver/wirbel_erg.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

tv::SolverWorkspace& workspace() {
    static auto ws = tv::makeSolverWorkspace();
    return *ws;
}

const tv::Aircraft& largeAircraft() {
    static const tv::Aircraft ac = tv::computeAircraft(tvbench::largeAircraftTexts());
    return ac;
}

const tv::Aircraft& defaultAircraft() {
    static const tv::Aircraft ac = tv::computeAircraft(tv::defaultAircraftTexts());
    return ac;
}

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

/// EINFLUSS alone: on the lattice of the 3000-panel aircraft (argument 0; target: below 0.2 s)
/// or of the default aircraft (1), on every processor or on one (second argument 1).
void BM_EINFLUSS(benchmark::State& state) {
    tv::SolverWorkspace& ws = workspace();
    tv::Aircraft ac = state.range(0) == 0 ? largeAircraft() : defaultAircraft();
    tv::setSolverThreads(state.range(1) == 1 ? 1 : 0);
    ws.clearStatus();
    tv::GRID(ac, ws, tv::UiLanguage::English);
    tv::KONFLIKT2(ac, ws);
    tv::TRAWY2(ac, ws, tv::UiLanguage::English);
    if (ws.AbortCalculation) return state.SkipWithError("the aircraft was refused");
    for (auto _ : state) {
        tv::EINFLUSS(ac, ws);
        benchmark::ClobberMemory();
    }
    tv::setSolverThreads(0);
    state.counters["panels"] = ws.PanelTotal;
    state.counters["corner_runs"] = double(ws.Packed.Runs.size());
    state.counters["nodes"] = ws.Packed.NodeCount;
    if (ws.AbortCalculation) state.SkipWithError("EINFLUSS failed");
}
BENCHMARK(BM_EINFLUSS)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond)->MinTime(1.0);

/// The calculation from the lattice sizing to the neutral point, as the calculate command runs
/// it (the aircraft copied first, since the height separation may move wings).
void runWhole(benchmark::State& state, const tv::Aircraft& aircraft) {
    tv::SolverWorkspace& ws = workspace();
    for (auto _ : state) {
        tv::Aircraft ac = aircraft;
        tv::runCalculation(ac, ws, tv::UiLanguage::English);
        benchmark::DoNotOptimize(ws.NeutralPointX);
    }
    state.counters["panels"] = ws.PanelTotal;
    if (ws.AbortCalculation) state.SkipWithError("the calculation failed");
}

/// The built-in default aircraft (1144 panels). Target: below 0.15 s.
void BM_CalculationDefault(benchmark::State& state) { runWhole(state, defaultAircraft()); }
BENCHMARK(BM_CalculationDefault)->Unit(benchmark::kMillisecond)->MinTime(2.0);

/// One calculation as runCalculation runs it, the lattice's layout and the compute phases (fill,
/// solve, evaluation) timed apart.
struct CalculationTimes {
    double layout = 0, compute = 0;
};
CalculationTimes timedCalculation(tv::Aircraft ac, tv::SolverWorkspace& ws) {
    const auto lang = tv::UiLanguage::English;
    ws.clearStatus();
    auto start = Clock::now();
    tv::GRID(ac, ws, lang);
    tv::KONFLIKT2(ac, ws);
    tv::TRAWY2(ac, ws, lang);
    if (!ws.AbortCalculation) tv::reserveCalculationMemory(ws, lang);
    CalculationTimes t;
    t.layout = seconds(start);
    if (ws.AbortCalculation) return t;
    start = Clock::now();
    tv::EINFLUSS(ac, ws);
    (void)tv::LOES(ws);
    tv::WIRBEL_ERG(ac, ws, lang);
    t.compute = seconds(start);
    return t;
}

/// A calculation of the aircraft and dgesv on a system of the same size (the lattice's
/// PanelTotal, filled cheaply outside the timing), both warm, in alternating order. ratio = the
/// whole calculation / dgesv's call, compute_ratio = fill + solve + evaluation / dgesv's call:
/// medians of the per-iteration ratios with their smallest and largest (the machine's noise);
/// load is the one-minute load average. exact selects the double elimination alone instead of
/// the refined single-precision one.
/// Targets with the refined solve: compute_ratio at most 0.65 at 3000 panels, 0.9 on the default
/// aircraft.
void compareWithDgesv(benchmark::State& state, const tv::Aircraft& aircraft, bool exact) {
    tv::SolverWorkspace& ws = workspace();
    ws.ExactSolve = exact;
    timedCalculation(aircraft, ws); // sizes the system, warms the workspace
    const int n = ws.PanelTotal;
    tv::HugePageArray<double> work; // in huge pages, as the calculation's matrix
    work.grow(static_cast<size_t>(n) * n);
    std::vector<double> rhs(n);
    auto referenceCall = [&] {
        tvbench::fillLean(work.data(), n, n, 7);
        std::fill(rhs.begin(), rhs.end(), -1.0);
        const auto start = Clock::now();
        benchmark::DoNotOptimize(tvbench::referenceSolve(work.data(), n, rhs.data(), n));
        return seconds(start);
    };
    referenceCall(); // warms the library's buffers
    std::vector<double> calc, compute, reference, ratio, computeRatio, load;
    bool calculationFirst = true;
    for (auto _ : state) {
        CalculationTimes t;
        double r = 0;
        if (calculationFirst) t = timedCalculation(aircraft, ws), r = referenceCall();
        else r = referenceCall(), t = timedCalculation(aircraft, ws);
        calculationFirst = !calculationFirst;
        calc.push_back(t.layout + t.compute), compute.push_back(t.compute), reference.push_back(r);
        ratio.push_back(calc.back() / r), computeRatio.push_back(t.compute / r);
        load.push_back(tvbench::loadAverage());
        state.SetIterationTime(calc.back() + r);
    }
    ws.ExactSolve = false;
    if (ws.AbortCalculation) return state.SkipWithError("the calculation failed");
    state.counters["panels"] = n;
    state.counters["calc_ms"] = tvbench::median(calc) * 1e3;
    state.counters["compute_ms"] = tvbench::median(compute) * 1e3;
    state.counters["dgesv_ms"] = tvbench::median(reference) * 1e3;
    auto spread = [&](const std::string& name, const std::vector<double>& v) {
        state.counters[name] = tvbench::median(v);
        state.counters[name + "_min"] = *std::min_element(v.begin(), v.end());
        state.counters[name + "_max"] = *std::max_element(v.begin(), v.end());
    };
    spread("ratio", ratio);
    spread("compute_ratio", computeRatio);
    spread("load", load);
    if (!exact) state.counters["refine_steps"] = ws.LastRefinement.steps;
}

void BM_Calculation3000VsDgesv(benchmark::State& state) { compareWithDgesv(state, largeAircraft(), false); }
void BM_Calculation3000ExactVsDgesv(benchmark::State& state) { compareWithDgesv(state, largeAircraft(), true); }
void BM_CalculationDefaultVsDgesv(benchmark::State& state) { compareWithDgesv(state, defaultAircraft(), false); }
void BM_CalculationDefaultExactVsDgesv(benchmark::State& state) { compareWithDgesv(state, defaultAircraft(), true); }
BENCHMARK(BM_Calculation3000VsDgesv)->Iterations(11)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Calculation3000ExactVsDgesv)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationDefaultVsDgesv)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculationDefaultExactVsDgesv)->Iterations(11)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The steps of a calculation one by one (medians in ms): where the time goes.
void phases(benchmark::State& state, const tv::Aircraft& aircraft) {
    tv::SolverWorkspace& ws = workspace();
    const auto lang = tv::UiLanguage::English;
    std::vector<double> layout, assembly, solution, evaluation;
    for (auto _ : state) {
        tv::Aircraft ac = aircraft;
        ws.clearStatus();
        auto start = Clock::now();
        tv::GRID(ac, ws, lang);
        tv::KONFLIKT2(ac, ws);
        tv::TRAWY2(ac, ws, lang);
        layout.push_back(seconds(start));
        start = Clock::now();
        tv::EINFLUSS(ac, ws);
        assembly.push_back(seconds(start));
        start = Clock::now();
        (void)tv::LOES(ws); // timed either way; the evaluation copes with a failed solve
        solution.push_back(seconds(start));
        start = Clock::now();
        tv::WIRBEL_ERG(ac, ws, lang);
        evaluation.push_back(seconds(start));
        state.SetIterationTime(layout.back() + assembly.back() + solution.back() + evaluation.back());
    }
    if (ws.AbortCalculation) return state.SkipWithError("the calculation failed");
    state.counters["layout_ms"] = tvbench::median(layout) * 1e3;
    state.counters["einfluss_ms"] = tvbench::median(assembly) * 1e3;
    state.counters["loes_ms"] = tvbench::median(solution) * 1e3;
    state.counters["wirbel_erg_ms"] = tvbench::median(evaluation) * 1e3;
}
void BM_Phases3000(benchmark::State& state) { phases(state, largeAircraft()); }
void BM_PhasesDefault(benchmark::State& state) { phases(state, defaultAircraft()); }
BENCHMARK(BM_Phases3000)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhasesDefault)->Iterations(21)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return tvbench::runAll(argc, argv); }
