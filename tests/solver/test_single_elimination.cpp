// The single-precision factorisation of the refined solve and its compensated residual: systems
// that need pivoting, columns that cannot be factored, and residuals that plain double sums would
// get wrong, on every processor.
#include "solver/compensated_residual.h"
#include "solver/single_elimination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace tv {
namespace {

/// max |A x - b| / (|A| |x|) for the row-major A (leading dimension ld) and b = (1, .., 1).
double relativeResidual(const std::vector<float>& A, int ld, int n, const std::vector<float>& x) {
    double worst = 0, normA = 0, normX = 0;
    for (float v : x) normX = std::max(normX, double(std::fabs(v)));
    for (int i = 0; i < n; ++i) {
        double sum = -1, rowSum = 0;
        for (int j = 0; j < n; ++j) {
            const double a = A[std::size_t(i) * ld + j];
            sum += a * x[j], rowSum += std::fabs(a);
        }
        worst = std::max(worst, std::fabs(sum)), normA = std::max(normA, rowSum);
    }
    return worst / (normA * normX);
}

// Random matrices need pivoting at every step; the solution through the factorisation satisfies
// the system to single precision.
TEST(SingleFactor, SolvesSystemsThatNeedPivoting) {
    for (const int n : {1, 17, 129, 257}) {
        std::mt19937 gen{unsigned(n)};
        std::uniform_real_distribution<float> u(-1, 1);
        std::vector<float> system(std::size_t(n) * n);
        for (float& v : system) v = u(gen);
        std::vector<float> m = system, x(n, 1.0f);
        std::vector<int> pivots(n);
        ASSERT_FALSE(factorSingleTransposed(m.data(), n, pivots.data())) << "n " << n;
        int swaps = 0;
        for (int j = 0; j < n; ++j) swaps += pivots[j] != j + 1;
        EXPECT_GE(swaps, n / 2) << "n " << n;
        solveFactoredSingleTransposed(m.data(), n, pivots.data(), x.data());
        EXPECT_LT(relativeResidual(system, n, n, x), 1e-5) << "n " << n;
    }
}

TEST(SingleFactor, ZeroOrNotFiniteColumnsAreRefused) {
    const float inf = INFINITY, nan = NAN;
    for (const std::vector<float>& a : {std::vector<float>{1, 2, 2, 4}, std::vector<float>{0, 1, 0, 1},
                                        std::vector<float>{inf, 1, 1, 1}, std::vector<float>{1, nan, 1, 1}}) {
        std::vector<float> m = a;
        std::vector<int> pivots(2);
        EXPECT_TRUE(factorSingleTransposed(m.data(), 2, pivots.data())) << a[0] << " " << a[1] << " " << a[2] << " " << a[3];
    }
}

// Integer rows whose products sum past 2^53: plain double sums lose the last units, the
// compensated sum gives the exact residual (known through 128-bit integers). Row lengths around
// the eight lanes of the sum.
TEST(CompensatedResidual, IsTheExactResidualOfCancellingRows) {
    for (const int n : {1, 7, 8, 9, 100, 333}) {
        std::mt19937_64 gen{std::uint64_t(n)};
        std::uniform_int_distribution<std::int64_t> big(-(std::int64_t(1) << 40), std::int64_t(1) << 40);
        std::uniform_int_distribution<std::int64_t> small(-4096, 4096);
        const int ld = n + 3;
        std::vector<double> A(std::size_t(ld) * n, 1e300), x(n), b(n), r(n);
        std::vector<__int128> exact(n, 0);
        for (int j = 0; j < n; ++j) x[j] = double(small(gen));
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                const std::int64_t a = big(gen);
                A[std::size_t(i) * ld + j] = double(a);
                exact[i] += __int128(a) * __int128(std::int64_t(x[j]));
            }
            b[i] = double(exact[i]) + double(i % 5); // rounded to double: an integer
        }
        compensatedResidual(n, A.data(), ld, x.data(), b.data(), r.data());
        for (int i = 0; i < n; ++i) EXPECT_EQ(r[i], double(__int128(b[i]) - exact[i])) << "n " << n << " row " << i;
    }
}

} // namespace
} // namespace tv
