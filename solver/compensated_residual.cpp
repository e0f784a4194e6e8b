#include "solver/compensated_residual.h"

#include "solver/solver_threads.h"

#include <cmath>
#include <cstddef>

namespace tv {

namespace {

// Eight independent sums per row (column j goes to sum j % 8): wide enough to fill a vector unit,
// and a fixed order whatever width the processor's vectors have.
constexpr int kLanes = 8;

/// s + err = a + b exactly (two-sum, any order of magnitudes).
inline double twoSum(double a, double b, double& err) {
    const double s = a + b, z = s - a;
    err = (a - (s - z)) + (b - z);
    return s;
}

/// sum + carry += a * x: the product's rounding error and the addition's go into carry.
inline void accumulate(double a, double x, double& sum, double& carry) {
    const double p = a * x;
    const double productError = std::fma(a, x, -p);
    double sumError;
    sum = twoSum(sum, p, sumError);
    carry += sumError + productError;
}

// Built for the processors with AVX2 and FMA and with AVX-512 as well, chosen at run time: the
// same operations lane by lane, only more of them per instruction.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#endif
double residualOfRow(const double* a, const double* x, int n, double b) {
    double sum[kLanes] = {}, carry[kLanes] = {};
    int j = 0;
    for (; j + kLanes <= n; j += kLanes) {
#pragma omp simd
        for (int l = 0; l < kLanes; ++l) accumulate(a[j + l], x[j + l], sum[l], carry[l]);
    }
    for (int l = 0; j < n; ++j, ++l) accumulate(a[j], x[j], sum[l], carry[l]);
    double hi = b, lo = 0;
    for (int l = 0; l < kLanes; ++l) {
        double e;
        hi = twoSum(hi, -sum[l], e);
        lo += e - carry[l];
    }
    return hi + lo;
}

} // namespace

void compensatedResidual(int n, const double* A, int lda, const double* x, const double* b, double* r) {
    forEachRange(n, rowsPerRange(n), [&](int begin, int end) {
        for (int i = begin; i < end; ++i) r[i] = residualOfRow(A + std::size_t(i) * lda, x, n, b[i]);
    });
}

} // namespace tv
