#include "solver/single_elimination.h"

#include "solver/vector_kernels.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

// The same recursion as the double SIMQ902 (blocks of kBlock columns, each halved down to leaves
// of kLeaf columns eliminated one at a time, the rest brought up to date by a triangular solve
// and a product, solver/vector_kernels.h), on floats, which halves the memory traffic and doubles
// the arithmetic rate of the products. A pivot swap exchanges the rows within the block at once
// and in the other columns after the block, all swaps of the block in one parallel pass.
namespace tv {

namespace {

constexpr int kBlock = 128;
constexpr int kLeaf = 16;
static_assert(kLeaf <= kStepColumns, "a leaf is eliminated by column steps of one vector");

struct Factor {
    float* M;
    int ld;
    int n;
    int* pivots;
    Kernels kernels;
    int blockBegin = 0, blockEnd = 0; // the columns that pivot swaps exchange at once

    float* row(int r) const { return M + static_cast<std::ptrdiff_t>(r) * ld; }
    float& at(int r, int c) const { return row(r)[c]; }
};

void swapBlockRows(const Factor& f, int p, int j) {
    f.pivots[j] = p;
    if (p != j) std::swap_ranges(f.row(p) + f.blockBegin, f.row(p) + f.blockEnd, f.row(j) + f.blockBegin);
}

/// The swaps of pivots b0..b1-1 in every column outside b0..b1-1, in order, columns in chunks
/// shared among the threads.
void swapOutsideBlock(const Factor& f, int b0, int b1) {
    constexpr int kChunk = 256;
    const int chunks = (f.n + kChunk - 1) / kChunk;
#pragma omp parallel for schedule(static)
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
        p = eliminateBelow(f.M, f.ld, j + 1, f.n, j, end, best, f.kernels);
    }
    return false;
}

void updateColumns(const Factor& f, int c0, int c1, int w) {
    const int k = c1 - c0;
    if (w <= 0 || k <= 0) return;
    solveLowerInPlace(k, w, &f.at(c0, c0), f.ld, &f.at(c0, c1), f.ld, f.kernels);
    subtractProduct(f.n - c1, w, k, &f.at(c1, c0), f.ld, &f.at(c0, c1), f.ld, &f.at(c1, c1), f.ld, f.kernels);
}

bool eliminatePanel(const Factor& f, int c0, int w) {
    if (w <= kLeaf) return eliminateLeaf(f, c0, w);
    const int left = w / 2;
    if (eliminatePanel(f, c0, left)) return true;
    updateColumns(f, c0, c0 + left, w - left);
    return eliminatePanel(f, c0 + left, w - left);
}

} // namespace

bool factorSingle(float* M, int ld, int n, int* pivots, const EliminationProgress& progress, Kernels kernels) {
    if (n <= 0) return false;
    if (ld < n) return true;
    for (int i = 0; i < n; i += kBlock) {
        const int w = std::min(kBlock, n - i);
        const Factor f{M, ld, n, pivots, kernels, i, i + w};
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

} // namespace tv
