// SIMQ902 against LAPACKE dgesv on the same dense system, in one run so that the ratio holds on
// a busy machine. The matrix is copied back before every solve; the copy is not timed.
#include "bench_support.h"
#include "solver/refined_solve.h"
#include "solver/simq902.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kLd = 3000; // the solver's matrix is 3000 wide whatever the panel count

struct Problem {
    int n;
    std::vector<double> original, work, rhs;

    explicit Problem(int size) : n(size), rhs(size) {
        tvbench::fillRandom(original, kLd, n, 42);
        work.resize(original.size());
    }
    void reset() {
        std::memcpy(work.data(), original.data(), original.size() * sizeof(double));
        std::fill(rhs.begin(), rhs.end(), -1.0);
    }
    /// max |A x - b| / (|A| |x|) of the solution now in rhs.
    double residual() const {
        double worst = 0, normA = 0, normX = 0;
        for (double v : rhs) normX = std::max(normX, std::fabs(v));
        for (int r = 0; r < n; ++r) {
            const double* row = &original[static_cast<size_t>(r) * kLd];
            double sum = 1.0, rowSum = 0;
            for (int c = 0; c < n; ++c) sum += row[c] * rhs[c], rowSum += std::fabs(row[c]);
            worst = std::max(worst, std::fabs(sum)), normA = std::max(normA, rowSum);
        }
        return worst / (normA * normX);
    }
};

Problem& problem(int n) {
    static std::vector<std::unique_ptr<Problem>> cache;
    for (auto& p : cache)
        if (p->n == n) return *p;
    cache.push_back(std::make_unique<Problem>(n));
    return *cache.back();
}

double secondsOf(const auto& solve) {
    const auto start = std::chrono::steady_clock::now();
    solve();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double timeSimq902(Problem& p) {
    p.reset();
    bool singular = false;
    const double s = secondsOf(
        [&] { singular = tv::SIMQ902(p.work.data(), kLd, p.rhs.data(), p.n) == tv::SolveStatus::Singular; });
    benchmark::DoNotOptimize(singular);
    return s;
}

double timeDgesv(Problem& p) {
    p.reset();
    int info = 0;
    const double s = secondsOf([&] { info = tvbench::referenceSolve(p.work.data(), kLd, p.rhs.data(), p.n); });
    benchmark::DoNotOptimize(info);
    return s;
}

/// The seconds of two solvers timed in turn every iteration, the order alternating, and the
/// per-iteration ratios a / b.
struct Alternation {
    std::vector<double> a, b, ratios;
};

template <class TimeA, class TimeB>
Alternation alternate(benchmark::State& state, const TimeA& timeA, const TimeB& timeB) {
    Alternation t;
    bool aFirst = true;
    for (auto _ : state) {
        double a, b;
        if (aFirst) a = timeA(), b = timeB();
        else b = timeB(), a = timeA();
        aFirst = !aFirst;
        t.a.push_back(a), t.b.push_back(b), t.ratios.push_back(a / b);
        state.SetIterationTime(a + b);
    }
    return t;
}

/// Both solvers on the same matrix in turn (the order alternating); reports the medians and
/// ratio = SIMQ902 / dgesv (of the medians, and the median of the per-iteration ratios, which
/// is steadier when the load of the machine changes between iterations). The target is a ratio of at most 1.2 at n = 3000.
void BM_Simq902VsDgesv(benchmark::State& state) {
    Problem& p = problem(static_cast<int>(state.range(0)));
    p.reset();
    (void)tv::SIMQ902(p.work.data(), kLd, p.rhs.data(), p.n); // the residual tells
    if (p.residual() > 1e-10) state.SkipWithError("SIMQ902 solution has a large residual");
    const Alternation t = alternate(state, [&] { return timeSimq902(p); }, [&] { return timeDgesv(p); });
    const double mOurs = tvbench::median(t.a), mRef = tvbench::median(t.b);
    state.counters["simq902_ms"] = mOurs * 1e3;
    state.counters["dgesv_ms"] = mRef * 1e3;
    state.counters["ratio"] = mOurs / mRef;
    state.counters["ratio_paired"] = tvbench::median(t.ratios); // median of the per-iteration ratios
}
BENCHMARK(BM_Simq902VsDgesv)->Arg(3000)->Arg(1144)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Simq902(benchmark::State& state) {
    Problem& p = problem(static_cast<int>(state.range(0)));
    for (auto _ : state) state.SetIterationTime(timeSimq902(p));
}
BENCHMARK(BM_Simq902)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Dgesv(benchmark::State& state) {
    Problem& p = problem(static_cast<int>(state.range(0)));
    for (auto _ : state) state.SetIterationTime(timeDgesv(p));
}
BENCHMARK(BM_Dgesv)->Arg(3000)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The literal column-by-column elimination, for scale, at a size it finishes in reasonable time.
void BM_Simq902Literal(benchmark::State& state) {
    Problem& p = problem(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        p.reset();
        state.SetIterationTime(secondsOf([&] { (void)tv::SIMQ902Literal(p.work.data(), kLd, p.rhs.data(), p.n); }));
    }
}
BENCHMARK(BM_Simq902Literal)->Arg(1144)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

/// The refined solve (it reads the matrix) against SIMQ902 (which eliminates a copy, not timed),
/// alternating: where the refinement does not win, the lattice is solved in double precision.
/// ratio = refined / SIMQ902.
void BM_RefinedVsDouble(benchmark::State& state) {
    Problem& p = problem(static_cast<int>(state.range(0)));
    tv::RefinementWork work;
    std::vector<double> x(p.n), b(p.n, -1.0);
    auto timeRefined = [&] {
        tv::RefinedResult r;
        const double s = secondsOf([&] { r = tv::solveRefined(p.original.data(), kLd, b.data(), x.data(), p.n, work); });
        if (r.outcome != tv::RefinedOutcome::Converged) state.SkipWithError("the refinement did not converge");
        return s;
    };
    const Alternation t = alternate(state, timeRefined, [&] { return timeSimq902(p); });
    state.counters["refined_ms"] = tvbench::median(t.a) * 1e3;
    state.counters["simq902_ms"] = tvbench::median(t.b) * 1e3;
    state.counters["ratio"] = tvbench::median(t.ratios);
}
BENCHMARK(BM_RefinedVsDouble)->Arg(100)->Arg(400)->Arg(800)->Arg(1000)->Arg(1144)->Arg(1400)->Arg(2000)->Arg(3000)->Iterations(9)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return tvbench::runAll(argc, argv); }
