// What the trim adds to a calculation of the 3000-panel aircraft: both its right-hand sides on
// the calculation's factorisation, the loads, the induced drag and the trim curve, timed in the
// same iterations as the calculation itself. Target: the trim at most 10 % of the calculation.
#include "bench_support.h"
#include "large_aircraft.h"

#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/factor_solve.h"
#include "solver/refined_solve.h"
#include "trim/trim.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

tv::SolverWorkspace& workspace() {
    static auto ws = tv::makeSolverWorkspace();
    return *ws;
}

/// The large aircraft with cambered sections on every wing and the tail set at -1 degree.
tv::Aircraft trimmedLargeAircraft() {
    tv::AircraftTexts texts = tvbench::largeAircraftTexts();
    for (int w = 1; w <= tv::kWingMax; ++w)
        for (int s = 1; s <= tv::kSectionMax; ++s) texts.Trim.Wings[w].Sections[s].Airfoil = "NACA 2412";
    texts.Trim.Wings[2].Incidence = "-1";
    texts.Trim.Mass = "2500";
    return tv::computeAircraft(texts);
}

/// ratio = trim / calculation, the median of the per-iteration ratios with the extremes.
void trimAfterCalculation(benchmark::State& state, bool exact) {
    tv::SolverWorkspace& ws = workspace();
    ws.ExactSolve = exact;
    const tv::Aircraft aircraft = trimmedLargeAircraft();
    std::vector<double> calc, trim, ratio;
    for (auto _ : state) {
        tv::Aircraft ac = aircraft;
        auto start = Clock::now();
        tv::runCalculation(ac, ws, tv::UiLanguage::English);
        calc.push_back(seconds(start));
        const tv::TrimRequest request{tv::TrimQuestion::TargetCl, 0.5, 0, 0,
                                      ws.NeutralPointX - 0.05 * ws.ReferenceChord, std::nullopt};
        start = Clock::now();
        const tv::TrimResult r = tv::computeTrim(ac, ws, request);
        trim.push_back(seconds(start));
        benchmark::DoNotOptimize(r.Alpha);
        ratio.push_back(trim.back() / calc.back());
        state.SetIterationTime(calc.back() + trim.back());
        if (!r.ok()) return state.SkipWithError("the trim was refused");
    }
    ws.ExactSolve = false;
    state.counters["panels"] = double(ws.PanelTotal);
    state.counters["calc_ms"] = tvbench::median(calc) * 1e3;
    state.counters["trim_ms"] = tvbench::median(trim) * 1e3;
    state.counters["ratio"] = tvbench::median(ratio);
    state.counters["ratio_min"] = *std::min_element(ratio.begin(), ratio.end());
    state.counters["ratio_max"] = *std::max_element(ratio.begin(), ratio.end());
}

/// The trim's two right-hand sides on the factorisation of the refined solve: the part of the
/// trim that grows with the square of the panels.
void BM_TrimSides3000(benchmark::State& state) {
    tv::SolverWorkspace& ws = workspace();
    tv::Aircraft ac = trimmedLargeAircraft();
    tv::runCalculation(ac, ws, tv::UiLanguage::English);
    std::vector<double> a(ws.PanelTotal), b(ws.PanelTotal);
    for (auto _ : state) {
        std::fill(a.begin(), a.end(), -0.5);
        std::fill(b.begin(), b.end(), -1.5);
        if (tv::solveSidesOnLatticeFactor(ws, {a.data(), b.data()}) != tv::SolveStatus::Solved)
            return state.SkipWithError("not solved");
    }
}
BENCHMARK(BM_TrimSides3000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Trim3000(benchmark::State& state) { trimAfterCalculation(state, false); }
void BM_Trim3000Exact(benchmark::State& state) { trimAfterCalculation(state, true); }
BENCHMARK(BM_Trim3000)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Trim3000Exact)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return tvbench::runAll(argc, argv); }
