#pragma once
// The loops the refined solve spends its time in: the products and the column steps of the
// single-precision elimination (row-major floats) and the double residual of the refinement.
// OpenBLAS picks its kernels by the processor's model number; on a virtual processor it does not
// know it falls back to its oldest ones (SSE3), which leave three quarters of a vector unit with
// AVX-512 idle. Where the processor has AVX-512 these loops run our own kernels, split over the
// OpenMP threads; elsewhere they are OpenBLAS's sgemm, strsm and dgemv and plain loops.

#include <cmath>

namespace tv {

/// The pivot rule of the single-precision elimination, as SIMQ902's: the largest magnitude of
/// the column, the last row among equal ones.
struct PivotSearch {
    int row;
    float best = -1;
    void offer(int r, float value) {
        const float v = std::fabs(value);
        if (v >= best) best = v, row = r;
    }
};

enum class Kernels {
    Blas,   // OpenBLAS and plain loops
    Avx512, // this file's kernels (the processor must have AVX-512F)
};

/// The kernels used unless a caller names them: Avx512 where the processor has it.
Kernels preferredKernels();

/// C (m x n, ldc) -= A (m x k, lda) * B (k x n, ldb).
void subtractProduct(int m, int n, int k, const float* A, int lda, const float* B, int ldb, float* C, int ldc,
                     Kernels kernels = preferredKernels());

/// B (k x n, ldb) := L^-1 B for the lower triangle of L (k x k, ldl) with its diagonal.
void solveLowerInPlace(int k, int n, const float* L, int ldl, float* B, int ldb,
                       Kernels kernels = preferredKernels());

/// The widest strip a column step handles: one vector of floats.
inline constexpr int kStepColumns = 16;

/// One column step of the elimination of a strip of at most kStepColumns columns (j..end-1) of the
/// row-major M (leading dimension ld): every row r of first..n-1 loses M[r][j] times row j (the
/// pivot row) in columns j+1..end-1. Returns the row of the largest |M[r][j+1]| afterwards, the
/// last of equal ones, with its magnitude in best (first and -1 when the strip ends at j+1).
int eliminateBelow(float* M, int ld, int first, int n, int j, int end, float& best,
                   Kernels kernels = preferredKernels());

/// r = b - A x for the row-major n x n A (leading dimension lda). With the AVX-512 kernels the
/// sums are compensated (each product's rounding error and each addition's carried along), so
/// the residual of an almost exact x keeps its digits instead of rounding noise of about
/// n * 1e-16 * |A| |x|; elsewhere it is OpenBLAS's dgemv.
void residual(int n, const double* A, int lda, const double* x, const double* b, double* r,
              Kernels kernels = preferredKernels());

} // namespace tv
