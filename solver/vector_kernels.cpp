#include "solver/vector_kernels.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TV_HAVE_AVX512_KERNELS 1
#define TV_AVX512 __attribute__((target("avx512f")))
#else
#define TV_HAVE_AVX512_KERNELS 0
#endif

namespace tv {

namespace {

#if TV_HAVE_AVX512_KERNELS

constexpr int kLeafRows = 16;         // triangles of at most this many rows are solved row by row
constexpr double kParallelWork = 2e5; // multiply-adds below which one thread is quicker

constexpr int kRows = 8;    // rows of C per kernel call: 16 accumulators of 16 floats
constexpr int kCols = 32;   // columns of C per kernel call: two vectors
constexpr int kDepth = 256; // a longer k is taken in slices, so that a packed panel stays cached

/// The k x kCols slice of B starting at column j0 as contiguous rows, zero past its cols columns.
void packColumns(const float* B, int ldb, int k, int j0, int cols, float* out) {
    for (int p = 0; p < k; ++p) {
        const float* src = B + std::size_t(p) * ldb + j0;
        float* dst = out + std::size_t(p) * kCols;
        std::copy(src, src + cols, dst);
        std::fill(dst + cols, dst + kCols, 0.0f);
    }
}

__mmask16 firstLanes(int count) {
    return count >= 16 ? __mmask16(0xFFFF) : count <= 0 ? __mmask16(0) : __mmask16((1u << count) - 1);
}

/// C (rows x cols, rows <= kRows, cols <= kCols) -= A (rows x k) * the packed panel. Rows past
/// `rows` repeat the last one, so the loop has no branch; their sums are not stored.
TV_AVX512 void kernel8x32(int k, const float* A, int lda, int rows, const float* panel, float* C, int ldc,
                          int cols) {
    const float* a[kRows];
    for (int i = 0; i < kRows; ++i) a[i] = A + std::size_t(std::min(i, rows - 1)) * lda;
    __m512 lo[kRows], hi[kRows];
#pragma GCC unroll 8
    for (int i = 0; i < kRows; ++i) lo[i] = hi[i] = _mm512_setzero_ps();
    for (int p = 0; p < k; ++p) {
        const __m512 b0 = _mm512_loadu_ps(panel + std::size_t(p) * kCols);
        const __m512 b1 = _mm512_loadu_ps(panel + std::size_t(p) * kCols + 16);
#pragma GCC unroll 8
        for (int i = 0; i < kRows; ++i) {
            const __m512 ai = _mm512_set1_ps(a[i][p]);
            lo[i] = _mm512_fmadd_ps(ai, b0, lo[i]);
            hi[i] = _mm512_fmadd_ps(ai, b1, hi[i]);
        }
    }
    const __mmask16 m0 = firstLanes(cols), m1 = firstLanes(cols - 16);
#pragma GCC unroll 8
    for (int i = 0; i < kRows; ++i) {
        if (i >= rows) break;
        float* c = C + std::size_t(i) * ldc;
        _mm512_mask_storeu_ps(c, m0, _mm512_sub_ps(_mm512_maskz_loadu_ps(m0, c), lo[i]));
        _mm512_mask_storeu_ps(c + 16, m1, _mm512_sub_ps(_mm512_maskz_loadu_ps(m1, c + 16), hi[i]));
    }
}

/// One slice of k <= kDepth: B packed once by the calling thread, then the row blocks of C
/// shared among the threads, each sweeping every packed panel.
void subtractSlice512(int m, int n, int k, const float* A, int lda, const float* B, int ldb, float* C, int ldc) {
    const int panels = (n + kCols - 1) / kCols;
    thread_local std::vector<float> packed;
    packed.resize(std::size_t(panels) * k * kCols);
    for (int j = 0; j < panels; ++j)
        packColumns(B, ldb, k, j * kCols, std::min(kCols, n - j * kCols), packed.data() + std::size_t(j) * k * kCols);
    const float* panel = packed.data();
    const int blocks = (m + kRows - 1) / kRows;
#pragma omp parallel for schedule(static) if (double(m) * n * k > kParallelWork)
    for (int b = 0; b < blocks; ++b) {
        const int i0 = b * kRows, rows = std::min(kRows, m - i0);
        for (int j = 0; j < panels; ++j)
            kernel8x32(k, A + std::size_t(i0) * lda, lda, rows, panel + std::size_t(j) * k * kCols,
                       C + std::size_t(i0) * ldc + std::size_t(j) * kCols, ldc, std::min(kCols, n - j * kCols));
    }
}

void subtract512(int m, int n, int k, const float* A, int lda, const float* B, int ldb, float* C, int ldc) {
    for (int p = 0; p < k; p += kDepth)
        subtractSlice512(m, n, std::min(kDepth, k - p), A + p, lda, B + std::size_t(p) * ldb, ldb, C, ldc);
}

/// Forward substitution on columns c0..c1-1 of B for a triangle of at most kLeafRows rows.
TV_AVX512 void lowerLeafColumns(int k, const float* L, int ldl, float* B, int ldb, int c0, int c1) {
    for (int r = 0; r < k; ++r) {
        float* br = B + std::size_t(r) * ldb;
        const float* lr = L + std::size_t(r) * ldl;
        for (int p = 0; p < r; ++p) {
            const float l = lr[p];
            if (l == 0) continue;
            const float* bp = B + std::size_t(p) * ldb;
#pragma omp simd
            for (int c = c0; c < c1; ++c) br[c] -= l * bp[c];
        }
        const float d = lr[r];
#pragma omp simd
        for (int c = c0; c < c1; ++c) br[c] /= d;
    }
}

void lowerLeaf512(int k, int n, const float* L, int ldl, float* B, int ldb) {
    constexpr int kChunk = 512;
    const int chunks = (n + kChunk - 1) / kChunk;
#pragma omp parallel for schedule(static) if (double(k) * k * n > kParallelWork)
    for (int c = 0; c < chunks; ++c) lowerLeafColumns(k, L, ldl, B, ldb, c * kChunk, std::min(n, (c + 1) * kChunk));
}

/// Halves the triangle until the leaves; the block below the upper half is a product.
void solveLower512(int k, int n, const float* L, int ldl, float* B, int ldb) {
    if (k <= kLeafRows) return lowerLeaf512(k, n, L, ldl, B, ldb);
    const int h = k / 2;
    solveLower512(h, n, L, ldl, B, ldb);
    float* lower = B + std::size_t(h) * ldb;
    subtract512(k - h, n, h, L + std::size_t(h) * ldl, ldl, B, ldb, lower, ldb);
    solveLower512(k - h, n, L + std::size_t(h) * ldl + h, ldl, lower, ldb);
}

/// eliminateBelow with the row's columns j+1..end-1 in one masked vector of kStepColumns lanes.
TV_AVX512 int eliminateBelow512(float* M, int ld, int first, int n, int j, int end, float& best) {
    const __mmask16 lanes = firstLanes(end - j - 1);
    const __m512 pivot = _mm512_maskz_loadu_ps(lanes, M + std::size_t(j) * ld + j + 1);
    const bool searchNext = j + 1 < end;
    PivotSearch next{first};
    for (int r = first; r < n; ++r) {
        float* row = M + std::size_t(r) * ld;
        const float m = row[j];
        if (m != 0) {
            const __m512 v = _mm512_sub_ps(_mm512_maskz_loadu_ps(lanes, row + j + 1), _mm512_mul_ps(_mm512_set1_ps(m), pivot));
            _mm512_mask_storeu_ps(row + j + 1, lanes, v);
            if (searchNext) next.offer(r, _mm512_cvtss_f32(v));
        } else if (searchNext) {
            next.offer(r, row[j + 1]);
        }
    }
    best = next.best;
    return next.row;
}

/// s + err = a + b exactly (Knuth's two-sum), lane by lane.
TV_AVX512 inline __m512d twoSum(__m512d a, __m512d b, __m512d& err) {
    const __m512d s = _mm512_add_pd(a, b);
    const __m512d z = _mm512_sub_pd(s, a);
    err = _mm512_add_pd(_mm512_sub_pd(a, _mm512_sub_pd(s, z)), _mm512_sub_pd(b, z));
    return s;
}

inline double twoSum(double a, double b, double& err) {
    const double s = a + b, z = s - a;
    err = (a - (s - z)) + (b - z);
    return s;
}

/// sum + carry += a * x, the rounding errors of the product and of the addition into carry.
TV_AVX512 inline void accumulate(__m512d a, __m512d x, __m512d& sum, __m512d& carry) {
    const __m512d p = _mm512_mul_pd(a, x);
    const __m512d productError = _mm512_fmsub_pd(a, x, p);
    __m512d sumError;
    sum = twoSum(sum, p, sumError);
    carry = _mm512_add_pd(carry, _mm512_add_pd(sumError, productError));
}

/// b - a . x with the rounding errors of the products (from a fused multiply-subtract) and of
/// the additions summed aside and added at the end: as if summed in twice the precision.
TV_AVX512 double compensatedResidual(const double* a, const double* x, int n, double b) {
    __m512d sum = _mm512_setzero_pd(), carry = _mm512_setzero_pd();
    int j = 0;
    for (; j + 8 <= n; j += 8) accumulate(_mm512_loadu_pd(a + j), _mm512_loadu_pd(x + j), sum, carry);
    if (j < n) {
        const __mmask8 rest = __mmask8((1u << (n - j)) - 1);
        accumulate(_mm512_maskz_loadu_pd(rest, a + j), _mm512_maskz_loadu_pd(rest, x + j), sum, carry);
    }
    alignas(64) double sums[8], carries[8];
    _mm512_store_pd(sums, sum);
    _mm512_store_pd(carries, carry);
    double hi = b, lo = 0, e;
    for (int i = 0; i < 8; ++i) hi = twoSum(hi, -sums[i], e), lo += e - carries[i];
    return hi + lo;
}

#endif // TV_HAVE_AVX512_KERNELS

int eliminateBelowPlain(float* M, int ld, int first, int n, int j, int end, float& best) {
    const float* pivotRow = M + std::size_t(j) * ld;
    const bool searchNext = j + 1 < end;
    PivotSearch next{first};
    for (int r = first; r < n; ++r) {
        float* row = M + std::size_t(r) * ld;
        const float m = row[j];
        if (m != 0)
            for (int c = j + 1; c < end; ++c) row[c] -= m * pivotRow[c];
        if (searchNext) next.offer(r, row[j + 1]);
    }
    best = next.best;
    return next.row;
}

} // namespace

Kernels preferredKernels() {
#if TV_HAVE_AVX512_KERNELS
    static const Kernels chosen =
        __builtin_cpu_supports("avx512f") ? Kernels::Avx512 : Kernels::Blas;
    return chosen;
#else
    return Kernels::Blas;
#endif
}

void subtractProduct(int m, int n, int k, const float* A, int lda, const float* B, int ldb, float* C, int ldc,
                     Kernels kernels) {
    if (m <= 0 || n <= 0 || k <= 0) return;
#if TV_HAVE_AVX512_KERNELS
    if (kernels == Kernels::Avx512) return subtract512(m, n, k, A, lda, B, ldb, C, ldc);
#endif
    cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, m, n, k, -1.0f, A, lda, B, ldb, 1.0f, C, ldc);
}

void solveLowerInPlace(int k, int n, const float* L, int ldl, float* B, int ldb, Kernels kernels) {
    if (k <= 0 || n <= 0) return;
#if TV_HAVE_AVX512_KERNELS
    if (kernels == Kernels::Avx512) return solveLower512(k, n, L, ldl, B, ldb);
#endif
    cblas_strsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasNonUnit, k, n, 1.0f, L, ldl, B, ldb);
}

int eliminateBelow(float* M, int ld, int first, int n, int j, int end, float& best, Kernels kernels) {
#if TV_HAVE_AVX512_KERNELS
    if (kernels == Kernels::Avx512) return eliminateBelow512(M, ld, first, n, j, end, best);
#endif
    return eliminateBelowPlain(M, ld, first, n, j, end, best);
}

void residual(int n, const double* A, int lda, const double* x, const double* b, double* r, Kernels kernels) {
    if (n <= 0) return;
#if TV_HAVE_AVX512_KERNELS
    if (kernels == Kernels::Avx512) {
#pragma omp parallel for schedule(static) if (double(n) * n > kParallelWork)
        for (int i = 0; i < n; ++i) r[i] = compensatedResidual(A + std::size_t(i) * lda, x, n, b[i]);
        return;
    }
#endif
    std::copy(b, b + n, r);
    cblas_dgemv(CblasRowMajor, CblasNoTrans, n, n, -1.0, A, lda, x, 1, 1.0, r, 1);
}

} // namespace tv
