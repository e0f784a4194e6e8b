// The refined solve (single-precision elimination, double-precision refinement) against the
// double elimination: on dense systems, on the lattice systems of known aircraft and of 200
// random ones, and its fallbacks.
#include "solver/refined_solve.h"

#include "solver/calculation.h"
#include "solver/einfluss.h"
#include "solver/loes.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::trapeziumWing;

double largestRelativeDifference(const double* a, const double* b, int n) {
    double diff = 0, size = 0;
    for (int i = 0; i < n; ++i) diff = std::max(diff, std::fabs(a[i] - b[i])), size = std::max(size, std::fabs(b[i]));
    return diff / size;
}

// ---- Dense systems ----------------------------------------------------------------------------

struct Dense {
    int n, ld;
    std::vector<double> A, b;
    Dense(int size, unsigned seed, double diagonal) : n(size), ld(size + 3), A(std::size_t(ld) * size, 777.0), b(size) {
        std::mt19937 gen(seed);
        std::uniform_real_distribution<double> u(-1, 1);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) A[std::size_t(i) * ld + j] = u(gen);
            A[std::size_t(i) * ld + i] += diagonal;
            b[i] = u(gen);
        }
    }
    std::vector<double> exact() const {
        std::vector<double> M = A, x = b;
        EXPECT_EQ(SIMQ902(M.data(), ld, x.data(), n), SolveStatus::Solved);
        return x;
    }
};

struct DenseCase {
    const char* name;
    int n;
    double diagonal;
};

class RefinedDense : public ::testing::TestWithParam<DenseCase> {};

TEST_P(RefinedDense, ConvergesToTheDoubleSolution) {
    const DenseCase c = GetParam();
    const Dense d(c.n, 11u + unsigned(c.n), c.diagonal);
    const std::vector<double> before = d.A;
    std::vector<double> x(c.n);
    RefinementWork work;
    const RefinedResult r = solveRefined(d.A.data(), d.ld, d.b.data(), x.data(), c.n, work);
    ASSERT_EQ(r.outcome, RefinedOutcome::Converged) << r.steps << " steps, last " << r.lastCorrection;
    EXPECT_LE(r.steps, kRefinementStepLimit);
    EXPECT_LT(largestRelativeDifference(x.data(), d.exact().data(), c.n), 1e-11);
    EXPECT_EQ(d.A, before); // the double matrix is only read (the fallback eliminates it)
}

INSTANTIATE_TEST_SUITE_P(Systems, RefinedDense,
                         ::testing::Values(DenseCase{"one", 1, 0}, DenseCase{"leafWide", 16, 4},
                                           DenseCase{"partBlock", 200, 40}, DenseCase{"blocks", 300, 60},
                                           DenseCase{"blocksAndLeaves", 257, 100}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RefinedFallback, OverflowInSingleOrIllConditionedLeavesItToTheDoubleElimination) {
    RefinementWork work;
    std::vector<double> x(3);
    // An entry beyond the single-precision range.
    const std::vector<double> big{1e39, 0, 0, 0, 1, 0, 0, 0, 1}, b{1, 1, 1};
    EXPECT_EQ(solveRefined(big.data(), 3, b.data(), x.data(), 3, work).outcome, RefinedOutcome::FactorFailed);
    // A singular matrix.
    const std::vector<double> twice{1, 2, 3, 2, 4, 6, 1, 0, 1};
    EXPECT_EQ(solveRefined(twice.data(), 3, b.data(), x.data(), 3, work).outcome, RefinedOutcome::FactorFailed);
    // The Hilbert matrix of 12: condition near 1e16, beyond what single precision can refine.
    const int n = 12;
    std::vector<double> hilbert(n * n), one(n, 1.0), y(n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) hilbert[i * n + j] = 1.0 / (i + j + 1);
    EXPECT_NE(solveRefined(hilbert.data(), n, one.data(), y.data(), n, work).outcome, RefinedOutcome::Converged);
    // Entries within single precision whose factor overflows (1e30 / 1e-20): the solution would
    // be infinite or not a number, never converged.
    for (const double second : {0.0, -1e30}) {
        const std::vector<double> wide{1e-20, 1e30, 0, 0, 1, 0, 0, second, 1};
        const RefinedResult r = solveRefined(wide.data(), 3, b.data(), x.data(), 3, work);
        EXPECT_NE(r.outcome, RefinedOutcome::Converged) << second << ": x = " << x[0] << " " << x[1] << " " << x[2];
    }
}

// ---- Lattice systems ----------------------------------------------------------------------------

struct Solved {
    std::vector<double> circulation;
    double neutralPoint = 0;
    bool abort = true;
    RefinedResult refinement;
    std::vector<std::string> messages;
};

Solved calculate(const Aircraft& aircraft, bool exact) {
    SolverWorkspace& ws = testing::sharedWorkspace();
    ws.ExactSolve = exact;
    Aircraft ac = aircraft;
    runCalculation(ac, ws, UiLanguage::English);
    ws.ExactSolve = false;
    Solved s;
    s.circulation.assign(ws.Circulation.begin() + 1, ws.Circulation.begin() + 1 + ws.PanelTotal);
    s.neutralPoint = ws.NeutralPointX;
    s.abort = ws.AbortCalculation;
    s.refinement = ws.LastRefinement;
    s.messages = ws.Messages;
    return s;
}

/// The refined solve of the lattice system of ac itself, whichever path the calculation takes at
/// its size; empty when the lattice is refused.
std::vector<double> refinedLatticeSolution(const Aircraft& aircraft, RefinedResult& result) {
    SolverWorkspace& ws = testing::sharedWorkspace();
    Aircraft ac = aircraft;
    testing::layOut(ac, ws);
    if (ws.AbortCalculation) return {};
    EINFLUSS(ac, ws);
    if (ws.AbortCalculation) return {};
    const int n = int(ws.PanelTotal);
    std::vector<double> b(n, -1.0), x(n);
    result = solveRefined(ws.Matrix.data(), n, b.data(), x.data(), n, ws.Refinement);
    return x;
}

/// The calculation's default path gives the exact path's results, and the refined solve itself
/// converges to the double elimination's solution on the lattice system.
void expectRefinedEqualsExact(const Aircraft& ac) {
    const Solved exact = calculate(ac, true), fast = calculate(ac, false);
    ASSERT_EQ(fast.messages, exact.messages);
    ASSERT_EQ(fast.abort, exact.abort);
    if (exact.circulation.empty() || exact.abort) return;
    const int n = int(exact.circulation.size());
    EXPECT_LT(largestRelativeDifference(fast.circulation.data(), exact.circulation.data(), n), 1e-11);
    EXPECT_NEAR(fast.neutralPoint, exact.neutralPoint, 1e-9);
    RefinedResult refinement;
    const std::vector<double> refined = refinedLatticeSolution(ac, refinement);
    ASSERT_EQ(int(refined.size()), n);
    EXPECT_EQ(refinement.outcome, RefinedOutcome::Converged) << refinement.steps << " steps, last " << refinement.lastCorrection;
    EXPECT_LT(largestRelativeDifference(refined.data(), exact.circulation.data(), n), 1e-11);
}

TEST(RefinedLattice, KnownAircraftEqualTheDoubleSolve) {
    expectRefinedEqualsExact(computeAircraft(defaultAircraftTexts()));
    expectRefinedEqualsExact(aircraftOf({trapeziumWing(200, 200, 500)}));
    expectRefinedEqualsExact(aircraftOf({trapeziumWing(400, 40, 1500, 300)}));
    // Canard and wing at the same height: the canard's trailing legs pass the wing's control points.
    expectRefinedEqualsExact(aircraftOf({trapeziumWing(120, 80, 300, 10, 0, 0), trapeziumWing(250, 150, 900, 40, 30, 600)}));
}

/// A random aircraft of 1..3 wings of one or two trapezia, behind each other and at random heights.
Aircraft randomAircraft(unsigned seed) {
    std::mt19937 gen(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    std::vector<WingTexts> wings;
    const int count = pick(1, 3);
    for (int w = 0; w < count; ++w) {
        const int root = pick(80, 400);
        WingTexts t = trapeziumWing(root, pick(20, root), pick(150, 1500), pick(-100, 300), pick(0, 60),
                                    w * pick(300, 900), pick(-80, 80));
        if (pick(0, 1)) {
            t.TrapeziumCount = 2;
            t[WingField::Span2] = std::to_string(pick(50, 400));
            t[WingField::Chord3] = std::to_string(pick(10, 120));
            t[WingField::XOffset3] = std::to_string(pick(0, 400));
        }
        wings.push_back(t);
    }
    return aircraftOf(wings);
}

class RefinedRandomAircraft : public ::testing::TestWithParam<unsigned> {};

TEST_P(RefinedRandomAircraft, EqualsTheDoubleSolve) { expectRefinedEqualsExact(randomAircraft(GetParam())); }

INSTANTIATE_TEST_SUITE_P(Seeds, RefinedRandomAircraft, ::testing::Range(1u, 201u));

} // namespace
} // namespace tv
