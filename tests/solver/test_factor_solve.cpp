// Further right-hand sides on the factorisation a solve left behind: the double elimination's
// replay gives what a new elimination gives.
#include "solver/simq902.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace tv {
namespace {

std::vector<double> randomSystem(int n, unsigned seed, double diagonal) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> m(size_t(n) * n);
    for (double& v : m) v = u(gen);
    for (int i = 0; i < n; ++i) m[size_t(i) * n + i] += diagonal; // weak enough that rows get exchanged
    return m;
}

std::vector<double> randomVector(int n, unsigned seed) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> b(n);
    for (double& v : b) v = u(gen);
    return b;
}

double largestDifference(const std::vector<double>& a, const std::vector<double>& b) {
    double d = 0;
    for (size_t i = 0; i < a.size(); ++i) d = std::max(d, std::fabs(a[i] - b[i]));
    return d;
}

// Sizes below, at and across the elimination's blocks of 128 columns.
class ResolveSizes : public ::testing::TestWithParam<int> {};

TEST_P(ResolveSizes, ReplayOnTheEliminatedMatrixMatchesANewElimination) {
    const int n = GetParam();
    const std::vector<double> original = randomSystem(n, 7, 0.5);
    std::vector<double> m = original;
    std::vector<int> pivots(n);
    std::vector<double> first = randomVector(n, 1);
    ASSERT_EQ(SIMQ902Pivoted(m.data(), n, first.data(), n, pivots.data()), SolveStatus::Solved);

    std::vector<double> second = randomVector(n, 2), fresh = second, copy = original;
    ASSERT_EQ(SIMQ902Resolve(m.data(), n, pivots.data(), second.data(), n), SolveStatus::Solved);
    ASSERT_EQ(SIMQ902(copy.data(), n, fresh.data(), n), SolveStatus::Solved);
    EXPECT_LT(largestDifference(second, fresh), 1e-10);
}
INSTANTIATE_TEST_SUITE_P(Columns, ResolveSizes, ::testing::Values(1, 17, 128, 300));

} // namespace
} // namespace tv
