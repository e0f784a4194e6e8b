#include "solver/single_elimination.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

// LAPACK's single-precision factorisation and its solve (Fortran interface of the BLAS library).
extern "C" {
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void sgetrs_(const char* trans, const int* n, const int* nrhs, const float* a, const int* lda, const int* ipiv,
             float* b, const int* ldb, int* info, std::size_t transLength);
}

// The same recursion as the double SIMQ902 (blocks of kBlock columns, each halved down to leaves
// of kLeaf columns eliminated one at a time, the rest brought up to date by a triangular solve
// and a product), on floats, which halves the memory traffic and doubles the arithmetic rate of
// the products. A pivot swap exchanges the rows within the block at once and in the other
// columns after the block, all swaps of the block in one pass. Everything between the library's
// calls runs on the calling thread: its threads are the only ones that work beside it.
namespace tv {

namespace {

constexpr int kBlock = 128;
constexpr int kLeaf = 16;

/// The pivot rule of SIMQ902: the largest magnitude of the column, the last row among equal ones.
struct PivotSearch {
    int row;
    float best = -1;
    void offer(int r, float value) {
        const float v = std::fabs(value);
        if (v >= best) best = v, row = r;
    }
};

struct Factor {
    float* M;
    int ld;
    int n;
    int* pivots;
    int blockBegin = 0, blockEnd = 0; // the columns that pivot swaps exchange at once

    float* row(int r) const { return M + static_cast<std::ptrdiff_t>(r) * ld; }
    float& at(int r, int c) const { return row(r)[c]; }
};

void swapBlockRows(const Factor& f, int p, int j) {
    f.pivots[j] = p;
    if (p != j) std::swap_ranges(f.row(p) + f.blockBegin, f.row(p) + f.blockEnd, f.row(j) + f.blockBegin);
}

/// The swaps of pivots b0..b1-1 in every column outside b0..b1-1, in order, a chunk of columns
/// at a time so that the rows' chunks stay cached while the block's swaps go through them.
void swapOutsideBlock(const Factor& f, int b0, int b1) {
    constexpr int kChunk = 256;
    const int chunks = (f.n + kChunk - 1) / kChunk;
    for (int k = 0; k < chunks; ++k) {
        const int c = k * kChunk, e = std::min(f.n, c + kChunk);
        const int ranges[2][2] = {{c, std::min(e, b0)}, {std::max(c, b1), e}};
        for (const auto& range : ranges) {
            if (range[0] >= range[1]) continue;
            for (int j = b0; j < b1; ++j) {
                const int p = f.pivots[j];
                if (p != j) std::swap_ranges(f.row(p) + range[0], f.row(p) + range[1], f.row(j) + range[0]);
            }
        }
    }
}

/// One column step of the strip j..end-1: every row of first..n-1 loses M[r][j] times row j (the
/// pivot row) in columns j+1..end-1. Returns the row of the largest |M[r][j+1]| afterwards, with
/// its magnitude in best (first and -1 when the strip ends at j+1).
int eliminateBelow(const Factor& f, int first, int j, int end, float& best) {
    const float* pivotRow = f.row(j);
    const bool searchNext = j + 1 < end;
    PivotSearch next{first};
    for (int r = first; r < f.n; ++r) {
        float* row = f.row(r);
        const float m = row[j];
        if (m != 0)
            for (int c = j + 1; c < end; ++c) row[c] -= m * pivotRow[c];
        if (searchNext) next.offer(r, row[j + 1]);
    }
    best = next.best;
    return next.row;
}

/// Columns c0..c0+w-1 one at a time; the pass updating column j+1 also finds its pivot.
bool eliminateLeaf(const Factor& f, int c0, int w) {
    const int end = c0 + w;
    PivotSearch first{c0};
    for (int r = c0; r < f.n; ++r) first.offer(r, f.at(r, c0));
    int p = first.row;
    float best = first.best;
    for (int j = c0; j < end; ++j) {
        if (!(best > 0) || !std::isfinite(best)) return true; // also a column not a number
        swapBlockRows(f, p, j);
        float* pivotRow = f.row(j);
        const float factor = 1.0f / pivotRow[j];
        for (int c = j + 1; c < end; ++c) pivotRow[c] *= factor;
        p = eliminateBelow(f, j + 1, j, end, best);
    }
    return false;
}

void updateColumns(const Factor& f, int c0, int c1, int w) {
    const int k = c1 - c0;
    if (w <= 0 || k <= 0) return;
    cblas_strsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasNonUnit, k, w, 1.0f, &f.at(c0, c0), f.ld,
                &f.at(c0, c1), f.ld);
    const int below = f.n - c1;
    if (below <= 0) return;
    cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, below, w, k, -1.0f, &f.at(c1, c0), f.ld, &f.at(c0, c1),
                f.ld, 1.0f, &f.at(c1, c1), f.ld);
}

bool eliminatePanel(const Factor& f, int c0, int w) {
    if (w <= kLeaf) return eliminateLeaf(f, c0, w);
    const int left = w / 2;
    if (eliminatePanel(f, c0, left)) return true;
    updateColumns(f, c0, c0 + left, w - left);
    return eliminatePanel(f, c0 + left, w - left);
}

} // namespace

bool factorSingle(float* M, int ld, int n, int* pivots, const EliminationProgress& progress) {
    if (n <= 0) return false;
    if (ld < n) return true;
    for (int i = 0; i < n; i += kBlock) {
        const int w = std::min(kBlock, n - i);
        const Factor f{M, ld, n, pivots, i, i + w};
        if (eliminatePanel(f, i, w)) return true;
        swapOutsideBlock(f, i, i + w);
        updateColumns(f, i, i + w, n - i - w);
        if (progress) progress(n - i - w);
    }
    return false;
}

void solveFactoredSingle(const float* M, int ld, int n, const int* pivots, float* b) {
    if (n <= 0) return;
    for (int j = 0; j < n; ++j)
        if (pivots[j] != j) std::swap(b[j], b[pivots[j]]);
    cblas_strsv(CblasRowMajor, CblasLower, CblasNoTrans, CblasNonUnit, n, M, ld, b, 1);
    cblas_strsv(CblasRowMajor, CblasUpper, CblasNoTrans, CblasUnit, n, M, ld, b, 1);
}

bool factorSingleTransposed(float* M, int n, int* pivots) {
    if (n <= 0) return false;
    int info = 0;
    sgetrf_(&n, &n, M, &n, pivots, &info);
    if (info != 0) return true;
    for (int j = 0; j < n; ++j)
        if (!std::isfinite(M[std::size_t(j) * n + j])) return true;
    return false;
}

void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b) {
    if (n <= 0) return;
    const int one = 1;
    int info = 0;
    sgetrs_("T", &n, &one, M, &n, pivots, b, &n, &info, 1); // M read as M^T: its transpose is M
}

} // namespace tv
