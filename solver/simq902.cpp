#include "solver/simq902.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace tv {

namespace {

/// A matrix with an infinite or undefined entry (a degenerate lattice) eliminates without a zero
/// pivot but leaves such values in the solution; that is a failed solve, not a result.
SolveStatus finiteOrSingular(const double* b, int n) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(b[i])) return SolveStatus::Singular;
    return SolveStatus::Solved;
}

} // namespace

SolveStatus SIMQ902Literal(double* M, int ld, double* b, int n, const EliminationProgress& progress) {
    if (n <= 0) return SolveStatus::Solved;
    if (ld < n) return SolveStatus::Singular;
    auto at = [&](int r, int c) -> double& { return M[static_cast<std::ptrdiff_t>(r) * ld + c]; };
    for (int i = 0; i < n; ++i) {
        int p = i;
        double best = -1;
        for (int r = i; r < n; ++r) {
            const double v = std::fabs(at(r, i));
            if (v >= best) best = v, p = r; // the last of equal largest values
        }
        if (best == 0) return SolveStatus::Singular;
        const double factor = 1.0 / at(p, i);
        std::swap(b[p], b[i]);
        b[i] *= factor;
        for (int c = i; c < n; ++c) {
            std::swap(at(p, c), at(i, c));
            at(i, c) *= factor;
        }
        for (int r = i + 1; r < n; ++r) {
            const double m = at(r, i);
            if (m == 0) continue;
            for (int c = i + 1; c < n; ++c) at(r, c) -= m * at(i, c);
            b[r] -= m * b[i];
        }
        if (progress) progress(n - 1 - i);
    }
    for (int i = n - 2; i >= 0; --i) {
        double sum = 0;
        for (int c = i + 1; c < n; ++c) sum += b[c] * at(i, c);
        b[i] -= sum;
    }
    return finiteOrSingular(b, n);
}

// The blocked elimination computes the same factorisation as the literal one, P*M = L*U with the
// multipliers left in L (its diagonal holds the pivots) and U with a unit diagonal (the pivot row
// scaled by 1/pivot), but orders the work so that almost all of it is matrix-matrix products:
//   - the columns are taken in blocks of kBlock; a block (the panel) is eliminated recursively:
//     its left half first, then the right half is brought up to date by one triangular solve
//     (cblas_dtrsm) and one product (cblas_dgemm), then the right half is eliminated;
//   - below kLeaf columns the panel is eliminated column by column with the literal pivot rule;
//   - after each panel the rest of the matrix is brought up to date the same way.
// A pivot swap exchanges the two rows from the first column of the current block to the end, so
// that the multipliers of the block and the columns to the right stay row-consistent; the columns
// of earlier blocks are finished and are not touched (as in the literal elimination).
// b takes the pivot swaps, the scaling and the forward elimination column by column inside the
// leaves, exactly as in the literal elimination; the back substitution reads U only.
namespace {

constexpr int kBlock = 128; // columns per block of the outer loop
constexpr int kLeaf = 16;   // panel columns eliminated one at a time

struct System {
    double* M;
    int ld;
    double* b;
    int n;
    int blockStart; // first column of the block being eliminated: row swaps start here
    int* pivots;    // pivot row of every column, or null

    double* row(int r) const { return M + static_cast<std::ptrdiff_t>(r) * ld; }
    double& at(int r, int c) const { return row(r)[c]; }
};

/// Row of the pivot of column j among rows j..n-1 (the last one among equal largest |values|);
/// best receives that largest |value|.
int pickPivot(const System& s, int j, double& best) {
    int p = j;
    best = -1;
    for (int r = j; r < s.n; ++r) {
        const double v = std::fabs(s.at(r, j));
        if (v >= best) best = v, p = r;
    }
    return p;
}

/// Swaps rows p and j from the block's first column to the end, and b[p] with b[j].
void swapRows(const System& s, int p, int j) {
    if (p == j) return;
    double* rp = s.row(p);
    double* rj = s.row(j);
    for (int c = s.blockStart; c < s.n; ++c) std::swap(rp[c], rj[c]);
    std::swap(s.b[p], s.b[j]);
}

/// Eliminates columns c0..c0+w-1 one at a time; rows below are updated only inside these columns.
/// The pass that updates column j+1 also finds its pivot, so each column is read once.
/// Returns true on a zero pivot column.
bool eliminateLeaf(const System& s, int c0, int w) {
    const int end = c0 + w;
    double best;
    int p = pickPivot(s, c0, best);
    for (int j = c0; j < end; ++j) {
        if (best == 0) return true;
        if (s.pivots) s.pivots[j] = p;
        swapRows(s, p, j);
        double* pivotRow = s.row(j);
        const double factor = 1.0 / pivotRow[j];
        s.b[j] *= factor;
        for (int c = j + 1; c < end; ++c) pivotRow[c] *= factor; // pivotRow[j] keeps the pivot
        const double bj = s.b[j];
        const bool searchNext = j + 1 < end;
        p = j + 1, best = -1;
        for (int r = j + 1; r < s.n; ++r) {
            double* rowR = s.row(r);
            const double m = rowR[j];
            if (m != 0) {
                for (int c = j + 1; c < end; ++c) rowR[c] -= m * pivotRow[c];
                s.b[r] -= m * bj;
            }
            if (searchNext) {
                const double v = std::fabs(rowR[j + 1]);
                if (v >= best) best = v, p = r; // the last of equal largest values
            }
        }
    }
    return false;
}

/// Brings columns c1..c1+w-1 up to date with the eliminated columns c0..c1-1: the rows c0..c1-1
/// become rows of U (triangular solve with L's diagonal block), the rows below lose L * U.
void updateColumns(const System& s, int c0, int c1, int w) {
    const int k = c1 - c0;
    if (w <= 0 || k <= 0) return;
    cblas_dtrsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasNonUnit, k, w, 1.0,
                &s.at(c0, c0), s.ld, &s.at(c0, c1), s.ld);
    const int below = s.n - c1;
    if (below <= 0) return;
    cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, below, w, k, -1.0, &s.at(c1, c0), s.ld,
                &s.at(c0, c1), s.ld, 1.0, &s.at(c1, c1), s.ld);
}

/// Eliminates the panel columns c0..c0+w-1 (all rows from c0 down), halving it recursively.
bool eliminatePanel(const System& s, int c0, int w) {
    if (w <= kLeaf) return eliminateLeaf(s, c0, w);
    const int left = w / 2;
    if (eliminatePanel(s, c0, left)) return true;
    updateColumns(s, c0, c0 + left, w - left);
    return eliminatePanel(s, c0 + left, w - left);
}

/// Back substitution with the unit upper triangle: b[i] -= sum of U[i][c] * b[c] for c > i.
void backSubstitute(const System& s) {
    cblas_dtrsv(CblasRowMajor, CblasUpper, CblasNoTrans, CblasUnit, s.n, s.M, s.ld, s.b, 1);
}

} // namespace

SolveStatus SIMQ902(double* M, int ld, double* b, int n, const EliminationProgress& progress) {
    return SIMQ902Pivoted(M, ld, b, n, nullptr, progress);
}

SolveStatus SIMQ902Pivoted(double* M, int ld, double* b, int n, int* pivots, const EliminationProgress& progress) {
    if (n <= 0) return SolveStatus::Solved;
    if (ld < n) return SolveStatus::Singular;
    System s{M, ld, b, n, 0, pivots};
    for (int i = 0; i < n; i += kBlock) {
        const int w = std::min(kBlock, n - i);
        s.blockStart = i;
        if (eliminatePanel(s, i, w)) return SolveStatus::Singular;
        updateColumns(s, i, i + w, n - i - w);
        if (progress) progress(n - i - w);
    }
    backSubstitute(s);
    return finiteOrSingular(b, n);
}

// Inside a block every row exchange reached the block's multipliers, so they stand in the row
// order of the block's end: the block's exchanges are applied to b first, then its columns
// eliminate (the lower triangle with the pivots on its diagonal, then the rows below). Earlier
// blocks' multipliers were not exchanged later, and b had passed them already.
SolveStatus SIMQ902Resolve(const double* M, int ld, const int* pivots, double* b, int n) {
    if (n <= 0) return SolveStatus::Solved;
    if (ld < n) return SolveStatus::Singular;
    for (int i = 0; i < n; i += kBlock) {
        const int w = std::min(kBlock, n - i);
        for (int j = i; j < i + w; ++j) std::swap(b[pivots[j]], b[j]);
        const double* diagonal = M + static_cast<std::ptrdiff_t>(i) * ld + i;
        cblas_dtrsv(CblasRowMajor, CblasLower, CblasNoTrans, CblasNonUnit, w, diagonal, ld, b + i, 1);
        const int below = n - i - w;
        if (below > 0)
            cblas_dgemv(CblasRowMajor, CblasNoTrans, below, w, -1.0, diagonal + static_cast<std::ptrdiff_t>(w) * ld,
                        ld, b + i, 1, 1.0, b + i + w, 1);
    }
    cblas_dtrsv(CblasRowMajor, CblasUpper, CblasNoTrans, CblasUnit, n, M, ld, b, 1);
    return finiteOrSingular(b, n);
}

} // namespace tv
