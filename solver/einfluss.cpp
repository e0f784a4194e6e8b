#include "solver/einfluss.h"

#include "solver/indu.h"
#include "solver/refined_solve.h"
#include "solver/solver_threads.h"
#include "solver/widest_vectors.h"

#include <atomic>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tv {

namespace {

// Copies A, B and C of every panel, in panel order, into flat vectors; returns the count, or
// -1 when more panels exist than the vectors hold.
int packLattice(const Aircraft& ac, SolverWorkspace& ws, std::vector<PanelBlock>& wings) {
    PackedLattice& p = ws.Packed;
    int i = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const int n = ws.ChordwisePanels[w];
        wings.push_back({i, n, ws.SpanwiseStrips[w]});
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

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

/// Whether corner B of panel j is corner A of panel k (the same row of the next strip).
bool sharesCorner(const PackedLattice& p, int j, int k) {
    return sameBits(p.Bx[j], p.Ax[k]) && sameBits(p.By[j], p.Ay[k]) && sameBits(p.Z[j], p.Z[k]);
}

void addNode(PackedLattice& p, double x, double y, double z) {
    p.Nx[p.NodeCount] = x, p.Ny[p.NodeCount] = y, p.Nz[p.NodeCount] = z;
    ++p.NodeCount;
}

} // namespace

void shareCorners(PackedLattice& p, const std::vector<PanelBlock>& wings) {
    p.NodeCount = 0;
    p.Runs.clear();
    for (const PanelBlock& b : wings) {
        for (int s = 0; b.rows > 0 && s < b.strips; ++s) {
            const int first = b.first + s * b.rows;
            bool joins = s > 0;
            for (int k = 0; joins && k < b.rows; ++k) joins = sharesCorner(p, first - b.rows + k, first + k);
            if (!joins) {
                p.Runs.push_back({first, 0, p.NodeCount, b.rows});
                for (int k = first; k < first + b.rows; ++k) addNode(p, p.Ax[k], p.Ay[k], p.Z[k]);
            }
            p.Runs.back().count += b.rows;
            for (int k = first; k < first + b.rows; ++k) addNode(p, p.Bx[k], p.By[k], p.Z[k]);
        }
    }
}

// The horseshoes j and their mirror images (y negated, running +inf -> B' -> A' -> +inf, hence
// the end points exchanged), in the processor's widest vectors.

namespace {

/// The terms of every node at the control point (cx, cy, cz): its squared distance, root and
/// trailing leg, and its mirror image's (y + cy instead of cy - y).
TV_WIDEST_VECTORS
void nodeTerms(const PackedLattice& p, double cx, double cy, double cz, CornerTerms& t) {
    const double *nx = p.Nx.data(), *ny = p.Ny.data(), *nz = p.Nz.data();
    double *a2 = t.A2.data(), *ia = t.Ia.data(), *leg = t.Leg.data();
    double *ma2 = t.MirrorA2.data(), *mia = t.MirrorIa.data(), *mleg = t.MirrorLeg.data();
#pragma omp simd
    for (int e = 0; e < p.NodeCount; ++e) {
        const double ax = cx - nx[e], ay = cy - ny[e], az = cz - nz[e], my = cy + ny[e];
        a2[e] = squaredLength(ax, ay, az), ma2[e] = squaredLength(ax, my, az);
        const double direct = inverseLength(a2[e]), mirror = inverseLength(ma2[e]);
        ia[e] = direct, leg[e] = legTerm(ax, ay, az, direct);
        mia[e] = mirror, mleg[e] = legTerm(ax, my, az, mirror);
    }
}

/// The entries of run r: each horseshoe's bound segment and its mirror's, with the distances, roots
/// and legs of its corners from the node terms.
TV_WIDEST_VECTORS
void runEntries(const PackedLattice& p, const CornerRun& r, double cx, double cy, double cz, const CornerTerms& t,
                double* row) {
    const double *nx = p.Nx.data() + r.node, *ny = p.Ny.data() + r.node, *nz = p.Nz.data() + r.node;
    const double *a2 = t.A2.data() + r.node, *ia = t.Ia.data() + r.node, *leg = t.Leg.data() + r.node;
    const double *ma2 = t.MirrorA2.data() + r.node, *mia = t.MirrorIa.data() + r.node;
    const double* mleg = t.MirrorLeg.data() + r.node;
    const int b = r.rows;
    double* out = row + r.first;
#pragma omp simd
    for (int q = 0; q < r.count; ++q) {
        // A panel's two corners lie at its own height (shareCorners shares none across heights).
        const double ax = cx - nx[q], ay = cy - ny[q], z = cz - nz[q];
        const double bx = cx - nx[q + b], by = cy - ny[q + b];
        const double direct = boundTermLevel(ax, ay, bx, by, z, a2[q], ia[q], ia[q + b]) - leg[q] + leg[q + b];
        const double may = cy + ny[q], mby = cy + ny[q + b];
        const double mirror =
            boundTermLevel(bx, mby, ax, may, z, ma2[q + b], mia[q + b], mia[q]) - mleg[q + b] + mleg[q];
        out[q] = (direct + mirror) * kSystemScale;
    }
}

} // namespace

void fillSystemRow(const PackedLattice& p, int i, double* row, CornerTerms& terms) {
    const double cx = p.Cx[i], cy = p.Cy[i], cz = p.Z[i];
    nodeTerms(p, cx, cy, cz, terms);
    for (const CornerRun& r : p.Runs) runEntries(p, r, cx, cy, cz, terms, row);
}

namespace {

/// The single-precision copy of a row, read while the row is still in the cache; false when an
/// entry does not fit a float (or is not a number): f * 0 is then not a number, and so the sum.
TV_WIDEST_VECTORS
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

constexpr int kRowsPerFill = 8; // rows a thread of the fill takes at a time

} // namespace

void EINFLUSS(const Aircraft& ac, SolverWorkspace& ws) {
    RefinementWork& refinement = ws.Refinement;
    refinement.CopyFor = refinement.FactoredFor = 0;
    std::vector<PanelBlock> wings;
    const int n = packLattice(ac, ws, wings);
    if (n < 0 || n != ws.PanelTotal) {
        ws.fail("EINFLUSS: Irgend ein Kuddel-Muddel");
        return;
    }
    shareCorners(ws.Packed, wings);
    const PackedLattice& p = ws.Packed;
    double* M = ws.Matrix.data();
    const bool single = refinedSolveApplies(ws);
    if (single) refinement.Factor.grow(std::size_t(n) * n);
    float* S = single ? refinement.Factor.data() : nullptr;
    std::atomic<bool> finite{true};
    const int threads = rangeThreads(n, kRowsPerFill);
    if (ws.CornerScratch.size() < std::size_t(threads)) ws.CornerScratch.resize(threads);
    forEachRangeOnThreads(n, kRowsPerFill, [&](int begin, int end, int thread) {
        bool rangeFinite = true;
        CornerTerms& terms = ws.CornerScratch[thread];
        for (int i = begin; i < end; ++i) {
            double* row = M + std::size_t(i) * n;
            fillSystemRow(p, i, row, terms);
            if (S) rangeFinite &= copyRowToSingle(row, n, S + std::size_t(i) * n);
        }
        if (!rangeFinite) finite = false;
    });
    if (single && finite) refinement.CopyFor = n; // otherwise the solve copies again and refuses it
}

} // namespace tv
