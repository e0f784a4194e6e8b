#include "solver/einfluss.h"

#include "solver/indu.h"
#include "solver/refined_solve.h"
#include "solver/solver_threads.h"

#include <atomic>
#include <cmath>
#include <cstddef>

namespace tv {

namespace {

// Copies A, B and C of every panel, in panel order, into flat vectors; returns the count, or
// -1 when more panels exist than the vectors hold.
int packLattice(const Aircraft& ac, SolverWorkspace& ws) {
    PackedLattice& p = ws.Packed;
    int i = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const int n = ws.ChordwisePanels[w];
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
            const double* vl = ws.VortexXLeft.strip(s, w);
            const double* vr = ws.VortexXRight.strip(s, w);
            const double* cx = ws.ControlX.strip(s, w);
            for (int k = 1; k <= n; ++k, ++i) {
                if (i >= kPanelLimit) return -1;
                p.Ax[i] = vl[k], p.Ay[i] = ws.StripYLeft(s, w);
                p.Bx[i] = vr[k], p.By[i] = ws.StripYRight(s, w);
                p.Z[i] = ws.SolverWingZ[w];
                p.Cx[i] = cx[k], p.Cy[i] = ws.StripYMid(s, w);
            }
        }
    }
    return i;
}

} // namespace

// Row of control point i of the system matrix: the horseshoes j = 0..n-1 and their mirror images
// (y negated, running +inf -> B' -> A' -> +inf, hence the end points exchanged), times
// kSystemScale. Built for AVX2 and AVX-512 as well, chosen at run time where the processor has
// them: more kernels per instruction, the same operations lane by lane (no contraction into fused
// multiply-adds), so the same bits on every processor.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
void fillSystemRow(const PackedLattice& p, int i, int n, double* row) {
    const double cx = p.Cx[i], cy = p.Cy[i], cz = p.Z[i];
#pragma omp simd
    for (int j = 0; j < n; ++j) {
        const double ax = cx - p.Ax[j], bx = cx - p.Bx[j], dz = cz - p.Z[j];
        const double direct = induComponents(ax, cy - p.Ay[j], dz, bx, cy - p.By[j], dz);
        const double mirror = induComponents(bx, cy + p.By[j], dz, ax, cy + p.Ay[j], dz);
        row[j] = (direct + mirror) * kSystemScale;
    }
}

namespace {

/// The single-precision copy of a row, read while the row is still in the cache; false when an
/// entry does not fit a float (or is not a number): f * 0 is then not a number, and so the sum.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
bool copyRowToSingle(const double* row, int n, float* out) {
    float check = 0;
#pragma omp simd reduction(+ : check)
    for (int j = 0; j < n; ++j) {
        const float f = static_cast<float>(row[j]);
        out[j] = f;
        check += f * 0.0f;
    }
    return check == 0;
}

} // namespace

void EINFLUSS(const Aircraft& ac, SolverWorkspace& ws) {
    RefinementWork& refinement = ws.Refinement;
    refinement.CopyFor = refinement.FactoredFor = 0;
    const int n = packLattice(ac, ws);
    if (n < 0 || n != ws.PanelTotal) {
        ws.fail("EINFLUSS: Irgend ein Kuddel-Muddel");
        return;
    }
    const PackedLattice& p = ws.Packed;
    double* M = ws.Matrix.data();
    const bool single = refinedSolveApplies(ws);
    if (single) refinement.Factor.grow(std::size_t(n) * n);
    float* S = single ? refinement.Factor.data() : nullptr;
    std::atomic<bool> finite{true};
    forEachRange(n, 8, [&](int begin, int end) {
        bool rangeFinite = true;
        for (int i = begin; i < end; ++i) {
            double* row = M + std::size_t(i) * n;
            fillSystemRow(p, i, n, row);
            if (S) rangeFinite &= copyRowToSingle(row, n, S + std::size_t(i) * n);
        }
        if (!rangeFinite) finite = false;
    });
    if (single && finite) refinement.CopyFor = n; // otherwise the solve copies again and refuses it
}

} // namespace tv
