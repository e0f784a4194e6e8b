// The blocked elimination against the literal one (random and lattice systems), the pivot rule,
// singular systems, progress.
#include "solver/simq902.h"

#include "model/planform.h"
#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/trawy2.h"
#include "solver/workspace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using tv::SIMQ902;
using tv::SIMQ902Literal;
using tv::SolveStatus;

/// A dense n x n system stored row-major with leading dimension ld; entries beyond column n and
/// below row n hold a sentinel so that stray writes show.
struct DenseSystem {
    int n = 0;
    int ld = 0;
    std::vector<double> M;
    std::vector<double> b;

    static constexpr double kSentinel = 12345.678;

    DenseSystem(int size, int leading, int rowsAllocated)
        : n(size), ld(leading), M(static_cast<size_t>(leading) * rowsAllocated, kSentinel),
          b(size, 0.0) {}
    double& at(int r, int c) { return M[static_cast<size_t>(r) * ld + c]; }
    double at(int r, int c) const { return M[static_cast<size_t>(r) * ld + c]; }
};

/// Uniform entries in [-1, 1] (pivoting is needed); the right-hand side is -1 as in the solver.
DenseSystem randomSystem(int n, int ld, unsigned seed) {
    DenseSystem s(n, ld, n + 2);
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) s.at(r, c) = dist(gen);
    std::fill(s.b.begin(), s.b.end(), -1.0);
    return s;
}

/// max |A x - b| / (max row sum |A| * max |x|): of the order of n * machine epsilon for a stable
/// elimination.
double relativeResidual(const DenseSystem& A, const std::vector<double>& x) {
    double worst = 0, normA = 0, normX = 0;
    for (double v : x) normX = std::max(normX, std::fabs(v));
    for (int r = 0; r < A.n; ++r) {
        double sum = -A.b[r], rowSum = 0;
        for (int c = 0; c < A.n; ++c) sum += A.at(r, c) * x[c], rowSum += std::fabs(A.at(r, c));
        worst = std::max(worst, std::fabs(sum));
        normA = std::max(normA, rowSum);
    }
    return worst / (normA * normX);
}

double maxRelativeDifference(const std::vector<double>& x, const std::vector<double>& y) {
    double diff = 0, norm = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        diff = std::max(diff, std::fabs(x[i] - y[i]));
        norm = std::max(norm, std::fabs(y[i]));
    }
    return diff / norm;
}

bool paddingUntouched(const DenseSystem& s) {
    for (int r = 0; r < s.n + 2; ++r)
        for (int c = 0; c < s.ld; ++c)
            if ((r >= s.n || c >= s.n) && s.at(r, c) != DenseSystem::kSentinel) return false;
    return true;
}

struct SizeCase {
    const char* name;
    int n;
    int ldExtra;
};

class BlockedAgreesWithLiteral : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BlockedAgreesWithLiteral, SameSolutionToRounding) {
    const SizeCase& c = GetParam();
    const DenseSystem original = randomSystem(c.n, c.n + c.ldExtra, 1000u + c.n);
    DenseSystem blocked = original, literal = original;

    ASSERT_EQ(SIMQ902(blocked.M.data(), blocked.ld, blocked.b.data(), c.n), SolveStatus::Solved);
    ASSERT_EQ(SIMQ902Literal(literal.M.data(), literal.ld, literal.b.data(), c.n), SolveStatus::Solved);

    const double eps = 2.220446049250313e-16;
    EXPECT_LT(relativeResidual(original, blocked.b), 20 * c.n * eps);
    EXPECT_LT(relativeResidual(original, literal.b), 20 * c.n * eps);
    // Random matrices of this size have condition numbers of a few thousand at most.
    EXPECT_LT(maxRelativeDifference(blocked.b, literal.b), 1e-9);
    EXPECT_TRUE(paddingUntouched(blocked));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, BlockedAgreesWithLiteral,
    ::testing::Values(SizeCase{"one", 1, 0}, SizeCase{"two", 2, 0}, SizeCase{"three", 3, 5},
                      SizeCase{"leafMinusOne", 15, 0}, SizeCase{"leafPlusOne", 17, 3},
                      SizeCase{"blockMinusOne", 127, 0}, SizeCase{"block", 128, 0},
                      SizeCase{"blockPlusOne", 129, 11}, SizeCase{"twoBlocksAndSome", 300, 0},
                      SizeCase{"oddSize", 515, 1}, SizeCase{"large", 700, 0}),
    [](const auto& info) { return std::string(info.param.name); });

/// The identity except for a 3 x 3 block at rows/columns k..k+2 whose first column holds two
/// candidates of equal size (2 at row k, -2 at row k+2); the identity part leaves the block
/// untouched, so after the elimination row k holds the chosen pivot row divided by its pivot.
DenseSystem tieSystem(int n, int k) {
    DenseSystem s(n, n, n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) s.at(r, c) = r == c ? 1.0 : 0.0;
    const double block[3][3] = {{2, 4, 8}, {1, 1, 0}, {-2, 6, 1}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) s.at(k + r, k + c) = block[r][c];
    std::fill(s.b.begin(), s.b.end(), 1.0);
    return s;
}

struct TieCase {
    const char* name;
    int n;
    int k;
};

class PivotTie : public ::testing::TestWithParam<TieCase> {};

TEST_P(PivotTie, LaterRowOfEqualLargestBecomesThePivot) {
    const TieCase& c = GetParam();
    for (bool blocked : {true, false}) {
        SCOPED_TRACE(blocked ? "blocked" : "literal");
        DenseSystem s = tieSystem(c.n, c.k);
        const SolveStatus status = blocked ? SIMQ902(s.M.data(), s.ld, s.b.data(), c.n)
                                           : SIMQ902Literal(s.M.data(), s.ld, s.b.data(), c.n);
        ASSERT_EQ(status, SolveStatus::Solved);
        // Row k+2 (-2, 6, 1) divided by -2; the earlier row would have given (2, 4) here.
        EXPECT_EQ(s.at(c.k, c.k + 1), -3.0);
        EXPECT_EQ(s.at(c.k, c.k + 2), -0.5);
        // The solution of the block: 2x + 4y + 8z = 1, x + y = 1, -2x + 6y + z = 1.
        const double x = 37.0 / 62.0, y = 1.0 - x, z = (2 * x - 3) / 8;
        EXPECT_NEAR(s.b[c.k], x, 1e-14);
        EXPECT_NEAR(s.b[c.k + 1], y, 1e-14);
        EXPECT_NEAR(s.b[c.k + 2], z, 1e-14);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, PivotTie,
                         ::testing::Values(TieCase{"firstColumn", 3, 0},
                                           TieCase{"insideSecondLeaf", 40, 20},
                                           TieCase{"secondBlock", 140, 130},
                                           TieCase{"acrossLeaves", 200, 135}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SingularCase {
    const char* name;
    int n;
    int zeroColumn;
};

class ZeroColumn : public ::testing::TestWithParam<SingularCase> {};

TEST_P(ZeroColumn, IsReportedSingular) {
    const SingularCase& c = GetParam();
    DenseSystem blocked = randomSystem(c.n, c.n, 7);
    for (int r = 0; r < c.n; ++r) blocked.at(r, c.zeroColumn) = 0.0;
    DenseSystem literal = blocked;
    int lastProgress = -1;
    EXPECT_EQ(SIMQ902(blocked.M.data(), blocked.ld, blocked.b.data(), c.n, [&](int left) { lastProgress = left; }),
              SolveStatus::Singular);
    EXPECT_EQ(SIMQ902Literal(literal.M.data(), literal.ld, literal.b.data(), c.n), SolveStatus::Singular);
    EXPECT_NE(lastProgress, 0); // an aborted elimination never reports completion
}

INSTANTIATE_TEST_SUITE_P(Columns, ZeroColumn,
                         ::testing::Values(SingularCase{"onlyUnknown", 1, 0},
                                           SingularCase{"first", 50, 0},
                                           SingularCase{"lastOfLeaf", 50, 15},
                                           SingularCase{"secondBlock", 300, 200},
                                           SingularCase{"last", 300, 299}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Simq902NonFinite, InfiniteOrUndefinedEntryFailsInsteadOfGivingAResult) {
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        for (bool blocked : {true, false}) {
            SCOPED_TRACE(std::to_string(bad) + (blocked ? " blocked" : " literal"));
            DenseSystem s = randomSystem(200, 200, 11);
            s.at(150, 40) = bad;
            const SolveStatus status = blocked ? SIMQ902(s.M.data(), s.ld, s.b.data(), s.n)
                                               : SIMQ902Literal(s.M.data(), s.ld, s.b.data(), s.n);
            EXPECT_EQ(status, SolveStatus::Singular);
        }
    }
}

TEST(Simq902Progress, CountsDownToZeroAtLeastOncePerBlock) {
    const int n = 300;
    DenseSystem s = randomSystem(n, n, 3);
    std::vector<int> seen;
    ASSERT_EQ(SIMQ902(s.M.data(), s.ld, s.b.data(), n, [&](int left) { seen.push_back(left); }), SolveStatus::Solved);
    ASSERT_GE(seen.size(), 3u); // 300 columns are at least three blocks of at most 128
    EXPECT_EQ(seen.back(), 0);
    EXPECT_LT(seen.front(), n);
    EXPECT_TRUE(std::is_sorted(seen.rbegin(), seen.rend()));
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_LE(seen[i - 1] - seen[i], 128);
}

TEST(Simq902Arguments, EmptySystemIsSolvedAndNarrowStorageRefused) {
    std::vector<double> M(4, 1.0), b(2, 1.0);
    for (auto solve : {&SIMQ902, &SIMQ902Literal}) {
        EXPECT_EQ(solve(M.data(), 2, b.data(), 0, {}), SolveStatus::Solved);
        EXPECT_EQ(solve(M.data(), 1, b.data(), 2, {}), SolveStatus::Singular);
        EXPECT_EQ(M, std::vector<double>(4, 1.0));
        EXPECT_EQ(b, std::vector<double>(2, 1.0));
    }
}

} // namespace

namespace {

// The system of the built-in default aircraft (1144 panels), as the calculation sets it up.
TEST(Simq902LatticeSystem, DefaultAircraftAgreesWithLiteral) {
    auto ws = tv::makeSolverWorkspace();
    tv::Aircraft ac = tv::computeAircraft(tv::defaultAircraftTexts());
    tv::GRID(ac, *ws, tv::UiLanguage::English);
    tv::KONFLIKT2(ac, *ws);
    tv::TRAWY2(ac, *ws, tv::UiLanguage::English);
    tv::EINFLUSS(ac, *ws);
    ASSERT_FALSE(ws->AbortCalculation);
    const int n = ws->PanelTotal;
    ASSERT_EQ(n, 1144);

    DenseSystem original(n, n, n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) original.at(r, c) = ws->SystemMatrix(r + 1, c + 1);
    std::fill(original.b.begin(), original.b.end(), -1.0);
    DenseSystem literal = original;
    // The blocked elimination runs in place in the workspace's matrix, as LOES runs it.
    double* M = ws->Matrix.data();
    std::vector<double> x(n, -1.0);

    ASSERT_EQ(SIMQ902(M, ws->matrixStride(), x.data(), n), tv::SolveStatus::Solved);
    ASSERT_EQ(SIMQ902Literal(literal.M.data(), literal.ld, literal.b.data(), n), tv::SolveStatus::Solved);
    EXPECT_LT(relativeResidual(original, x), 1e-13);
    EXPECT_LT(maxRelativeDifference(x, literal.b), 1e-11);
}

} // namespace
