#include "solver/single_elimination.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

// The same recursion as the double SIMQ902 (blocks of kBlock columns, each halved down to leaves
// of kLeaf columns eliminated one at a time, the rest brought up to date by strsm and sgemm), on
// floats, which halves the memory traffic and doubles the arithmetic rate of the products.
namespace tv {

namespace {

constexpr int kBlock = 128;
constexpr int kLeaf = 16;

struct Factor {
    float* M;
    int ld;
    int n;
    int* pivots;

    float* row(int r) const { return M + static_cast<std::ptrdiff_t>(r) * ld; }
    float& at(int r, int c) const { return row(r)[c]; }
};

void swapWholeRows(const Factor& f, int p, int j) {
    f.pivots[j] = p;
    if (p != j) std::swap_ranges(f.row(p), f.row(p) + f.n, f.row(j));
}

/// Columns c0..c0+w-1 one at a time; the pass updating column j+1 also finds its pivot.
bool eliminateLeaf(const Factor& f, int c0, int w) {
    const int end = c0 + w;
    int p = c0;
    float best = -1;
    for (int r = c0; r < f.n; ++r) {
        const float v = std::fabs(f.at(r, c0));
        if (v >= best) best = v, p = r;
    }
    for (int j = c0; j < end; ++j) {
        if (best == 0 || !std::isfinite(best)) return true;
        swapWholeRows(f, p, j);
        float* pivotRow = f.row(j);
        const float factor = 1.0f / pivotRow[j];
        for (int c = j + 1; c < end; ++c) pivotRow[c] *= factor;
        const bool searchNext = j + 1 < end;
        p = j + 1, best = -1;
        for (int r = j + 1; r < f.n; ++r) {
            float* rowR = f.row(r);
            const float m = rowR[j];
            if (m != 0)
                for (int c = j + 1; c < end; ++c) rowR[c] -= m * pivotRow[c];
            if (searchNext) {
                const float v = std::fabs(rowR[j + 1]);
                if (v >= best) best = v, p = r;
            }
        }
    }
    return false;
}

void updateColumns(const Factor& f, int c0, int c1, int w) {
    const int k = c1 - c0;
    if (w <= 0 || k <= 0) return;
    cblas_strsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasNonUnit, k, w, 1.0f, &f.at(c0, c0),
                f.ld, &f.at(c0, c1), f.ld);
    const int below = f.n - c1;
    if (below <= 0) return;
    cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, below, w, k, -1.0f, &f.at(c1, c0), f.ld,
                &f.at(c0, c1), f.ld, 1.0f, &f.at(c1, c1), f.ld);
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
    const Factor f{M, ld, n, pivots};
    for (int i = 0; i < n; i += kBlock) {
        const int w = std::min(kBlock, n - i);
        if (eliminatePanel(f, i, w)) return true;
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

} // namespace tv
