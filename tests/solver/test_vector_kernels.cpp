// The AVX-512 kernels of the refined solve against OpenBLAS and the plain loops, on the shapes
// where a vector kernel goes wrong: edges of its 8 x 32 tiles, k past one packed slice, leading
// dimensions wider than the data (whose padding must stay untouched), and sums that cancel.
#include "solver/single_elimination.h"
#include "solver/vector_kernels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tv {
namespace {

constexpr float kPad = 777.0f; // the padding beyond each row's data

bool haveAvx512() { return preferredKernels() == Kernels::Avx512; }

struct Strided {
    int rows, cols, ld;
    std::vector<float> v;
    Strided(int r, int c, unsigned seed, float diagonal = 0) : rows(r), cols(c), ld(c + 5), v(std::size_t(r) * (c + 5), kPad) {
        std::mt19937 gen(seed);
        std::uniform_real_distribution<float> u(-1, 1);
        for (int i = 0; i < r; ++i) {
            for (int j = 0; j < c; ++j) at(i, j) = u(gen);
            if (i < c) at(i, i) += diagonal;
        }
    }
    float& at(int i, int j) { return v[std::size_t(i) * ld + j]; }
    float* data() { return v.data(); }
};

/// The largest difference between the data of a and b relative to b's largest entry; -1 when
/// the padding of either was written.
double compare(Strided& a, Strided& b) {
    double diff = 0, size = 0;
    for (int i = 0; i < a.rows; ++i)
        for (int j = 0; j < a.ld; ++j) {
            if (j >= a.cols) {
                if (a.at(i, j) != kPad || b.at(i, j) != kPad) return -1;
                continue;
            }
            diff = std::max(diff, double(std::fabs(a.at(i, j) - b.at(i, j))));
            size = std::max(size, double(std::fabs(b.at(i, j))));
        }
    return diff / size;
}

struct Shape {
    const char* name;
    int m, n, k;
};

class KernelShapes : public ::testing::TestWithParam<Shape> {
protected:
    void SetUp() override {
        if (!haveAvx512()) GTEST_SKIP() << "the processor has no AVX-512";
    }
};

TEST_P(KernelShapes, ProductAndTriangleAgreeWithBlasAndLeaveThePaddingAlone) {
    const Shape s = GetParam();
    Strided A(s.m, s.k, 1), B(s.k, s.n, 2);
    Strided ours(s.m, s.n, 3), blas(s.m, s.n, 3);
    subtractProduct(s.m, s.n, s.k, A.data(), A.ld, B.data(), B.ld, ours.data(), ours.ld, Kernels::Avx512);
    subtractProduct(s.m, s.n, s.k, A.data(), A.ld, B.data(), B.ld, blas.data(), blas.ld, Kernels::Blas);
    const double product = compare(ours, blas);
    EXPECT_GE(product, 0) << "padding written";
    EXPECT_LT(product, 1e-5);

    // A lower triangle of k rows (strongly diagonal, so its inverse is tame) on k x n.
    Strided L(s.k, s.k, 4, 4.0f), X(s.k, s.n, 5), Y(s.k, s.n, 5);
    solveLowerInPlace(s.k, s.n, L.data(), L.ld, X.data(), X.ld, Kernels::Avx512);
    solveLowerInPlace(s.k, s.n, L.data(), L.ld, Y.data(), Y.ld, Kernels::Blas);
    const double triangle = compare(X, Y);
    EXPECT_GE(triangle, 0) << "padding written";
    EXPECT_LT(triangle, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Tiles, KernelShapes,
                         ::testing::Values(Shape{"single", 1, 1, 1}, Shape{"underOneTile", 7, 31, 5},
                                           Shape{"exactTile", 8, 32, 16}, Shape{"tilePlusOne", 9, 33, 17},
                                           Shape{"halfVector", 13, 16, 3}, Shape{"tallNarrow", 300, 3, 64},
                                           Shape{"wideShort", 2, 300, 40}, Shape{"deeperThanASlice", 40, 70, 300}),
                         [](const auto& row) { return std::string(row.param.name); });

// One column step of a leaf: the vector kernel and the plain loop give the same bits, the same
// pivot row (the last of equal magnitudes) and leave the columns right of the strip alone.
TEST(EliminationStep, VectorAndPlainStepsAreIdenticalForEveryStripWidth) {
    if (!haveAvx512()) GTEST_SKIP() << "the processor has no AVX-512";
    for (int width = 1; width <= 16; ++width) {
        const int n = 40, j = 3, end = j + width;
        Strided a(n, end + 2, 7);
        for (const int r : {10, 17, 20, 30}) a.at(r, j) = 0; // rows the step skips
        a.at(20, j + 1) = a.at(30, j + 1) = 9;                 // a tie for the next pivot
        Strided b = a;
        float bestA = 0, bestB = 0;
        const int pa = eliminateBelow(a.data(), a.ld, j + 1, n, j, end, bestA, Kernels::Avx512);
        const int pb = eliminateBelow(b.data(), b.ld, j + 1, n, j, end, bestB, Kernels::Blas);
        EXPECT_EQ(a.v, b.v) << "width " << width;
        EXPECT_EQ(pa, pb) << "width " << width;
        EXPECT_EQ(bestA, bestB) << "width " << width;
    }
}

// The factorisation through either set of kernels, on random matrices whose pivots need row swaps
// (in the leaf, within the block and, after the block, in the columns on both sides of it),
// solves the system to single precision: checked against the matrix itself.
TEST(EliminationKernels, EitherKernelFactorsSystemsThatNeedRowSwaps) {
    for (const int n : {17, 129, 257}) {
        for (const Kernels kernels : {Kernels::Blas, Kernels::Avx512}) {
            if (kernels == Kernels::Avx512 && !haveAvx512()) continue;
            SCOPED_TRACE(::testing::Message() << "n " << n << (kernels == Kernels::Blas ? " blas" : " avx512"));
            const Strided system(n, n, unsigned(n));
            Strided m = system;
            std::vector<int> pivots(n);
            ASSERT_FALSE(factorSingle(m.data(), m.ld, n, pivots.data(), {}, kernels));
            int swaps = 0;
            for (int j = 0; j < n; ++j) swaps += pivots[j] != j;
            EXPECT_GT(swaps, n / 2);
            std::vector<float> x(n, 1.0f);
            solveFactoredSingle(m.data(), m.ld, n, pivots.data(), x.data());
            double worst = 0, normA = 0, normX = 0;
            for (float v : x) normX = std::max(normX, double(std::fabs(v)));
            for (int i = 0; i < n; ++i) {
                double sum = -1, rowSum = 0;
                for (int j = 0; j < n; ++j) {
                    const double a = system.v[std::size_t(i) * system.ld + j];
                    sum += a * x[j], rowSum += std::fabs(a);
                }
                worst = std::max(worst, std::fabs(sum)), normA = std::max(normA, rowSum);
            }
            EXPECT_LT(worst / (normA * normX), 1e-5);
        }
    }
}

// The residual of integer rows whose products sum past 2^53: plain double sums lose the last
// units, the compensated sum gives the exact residual (known through 128-bit integers).
TEST(Residual, CompensatedSumsGiveTheExactResidualOfCancellingRows) {
    if (!haveAvx512()) GTEST_SKIP() << "the processor has no AVX-512";
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
        residual(n, A.data(), ld, x.data(), b.data(), r.data(), Kernels::Avx512);
        for (int i = 0; i < n; ++i) {
            const __int128 expected = __int128(b[i]) - exact[i];
            EXPECT_EQ(r[i], double(expected)) << "n " << n << " row " << i;
        }
    }
}

} // namespace
} // namespace tv
