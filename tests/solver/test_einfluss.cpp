// System matrix: entries against the kernel with its mirror image, across wings, and the sign of
// a panel's own downwash; the row with shared corners against the kernel entry by entry on random
// strips and at the kernel's near-singular thresholds; the single copy written beside the matrix.
#include "solver/einfluss.h"
#include "solver/indu.h"
#include "solver/loes.h"
#include "solver/refined_solve.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::layOut;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(EINFLUSS, EntriesAreTheHorseshoeAndItsMirrorImage) {
    SolverWorkspace& ws = sharedWorkspace();
    Aircraft ac = aircraftOf({trapeziumWing(300, 150, 600, 100), trapeziumWing(120, 80, 250, 0, 0, 800, 60)});
    layOut(ac, ws);
    EINFLUSS(ac, ws);
    ASSERT_FALSE(ws.AbortCalculation);
    const PackedLattice& p = ws.Packed;
    const int n = ws.PanelTotal;
    for (int i : {1, 7, n / 2, n}) {
        for (int j : {1, 3, n / 3, n}) {
            const Vec3 C{p.Cx[i - 1], p.Cy[i - 1], p.Z[i - 1]};
            const Vec3 A{p.Ax[j - 1], p.Ay[j - 1], p.Z[j - 1]}, B{p.Bx[j - 1], p.By[j - 1], p.Z[j - 1]};
            const double direct = INDU({C.x - A.x, C.y - A.y, C.z - A.z}, {C.x - B.x, C.y - B.y, C.z - B.z});
            const double mirror = INDU({C.x - B.x, C.y + B.y, C.z - B.z}, {C.x - A.x, C.y + A.y, C.z - A.z});
            EXPECT_DOUBLE_EQ(ws.SystemMatrix(i, j), (direct + mirror) * kSystemScale) << i << "," << j;
        }
        EXPECT_LT(ws.SystemMatrix(i, i), 0) << "own downwash of panel " << i;
    }
}

/// The entry (i, j) as the kernel gives it one at a time.
double scalarEntry(const PackedLattice& p, int i, int j) {
    const Vec3 C{p.Cx[i], p.Cy[i], p.Z[i]};
    const Vec3 A{p.Ax[j], p.Ay[j], p.Z[j]}, B{p.Bx[j], p.By[j], p.Z[j]};
    const double direct = INDU({C.x - A.x, C.y - A.y, C.z - A.z}, {C.x - B.x, C.y - B.y, C.z - B.z});
    const double mirror = INDU({C.x - B.x, C.y + B.y, C.z - B.z}, {C.x - A.x, C.y + A.y, C.z - A.z});
    return (direct + mirror) * kSystemScale;
}

/// Random wings of strips side by side (swept, raked, at different heights), each strip's right
/// corners the next one's left, except where `breaks` names a panel whose left corner is moved by
/// the last bit; then control points where the kernel switches terms off: on the line of a swept
/// bound segment beyond its end (cross product of round-off size), straight behind a corner, on a
/// corner, and on the trailing leg of a mirror image.
struct RandomLattice {
    PackedLattice p;
    std::vector<PanelBlock> wings;
    int n = 0;
};

RandomLattice randomLattice(const std::vector<std::pair<int, int>>& rowsAndStrips, const std::vector<int>& breaks,
                            unsigned seed) {
    RandomLattice l;
    PackedLattice& p = l.p;
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> x(-300, 900), y(1, 800), dy(5, 60), z(-100, 100);
    for (const auto& [rows, strips] : rowsAndStrips) {
        l.wings.push_back({l.n, rows, strips});
        const double height = z(gen), root = y(gen), sweep = x(gen) / 20;
        std::vector<double> edge(rows);
        for (double& e : edge) e = x(gen);
        double left = root;
        for (int s = 0; s < strips; ++s) {
            const double right = left + dy(gen);
            for (int k = 0; k < rows; ++k, ++l.n) {
                const int j = l.n;
                p.Ax[j] = edge[k], p.Ay[j] = left, p.Z[j] = height;
                edge[k] += sweep + x(gen) / 100;
                p.Bx[j] = edge[k], p.By[j] = right;
                p.Cx[j] = x(gen), p.Cy[j] = y(gen);
            }
            left = right;
        }
    }
    for (const int j : breaks) p.Ax[j] = std::nextafter(p.Ax[j], 1e9);
    const auto onBoundLine = [&](int i, int j, double t) {
        p.Cx[i] = p.Ax[j] + t * (p.Bx[j] - p.Ax[j]), p.Cy[i] = p.Ay[j] + t * (p.By[j] - p.Ay[j]), p.Z[i] = p.Z[j];
    };
    const int last = l.n - 1;
    onBoundLine(0, std::min(1, last), 2.2);
    onBoundLine(std::min(1, last), std::min(2, last), 23.0);
    if (l.n > 5) {
        p.Cx[2] = p.Ax[3] + 50, p.Cy[2] = p.Ay[3], p.Z[2] = p.Z[3];  // behind corner A of horseshoe 3
        p.Cx[3] = p.Bx[4], p.Cy[3] = p.By[4], p.Z[3] = p.Z[4];       // on corner B of horseshoe 4
        p.Cx[4] = p.Bx[5] + 80, p.Cy[4] = -p.By[5], p.Z[4] = p.Z[5]; // behind the mirror's corner
    }
    shareCorners(p, l.wings);
    return l;
}

// A corner shared by two strips gives the value each strip's horseshoe gives on its own; an edge
// one bit apart is not shared.
TEST(EINFLUSS, RowWithSharedCornersEqualsTheKernelEntryByEntry) {
    const struct {
        std::vector<std::pair<int, int>> wings; // rows, strips
        std::vector<int> breaks;
        std::size_t runs;
    } cases[] = {
        {{{1, 1}}, {}, 1},
        {{{7, 1}}, {}, 1},
        {{{1, 8}}, {}, 1},
        {{{4, 9}, {3, 5}}, {}, 2},
        {{{4, 9}, {3, 5}}, {4 * 3 + 2, 4 * 9 + 3 * 2}, 4}, // the second strip of wing 2 starts anew
        {{{11, 23}, {5, 7}, {2, 3}}, {11 * 10}, 4},
    };
    for (const auto& c : cases) {
        const RandomLattice l = randomLattice(c.wings, c.breaks, 11u + unsigned(c.wings.size()));
        EXPECT_EQ(l.p.Runs.size(), c.runs);
        int rows = 0;
        for (const CornerRun& r : l.p.Runs) rows += r.rows;
        EXPECT_EQ(l.p.NodeCount, l.n + rows) << "one edge more per run than it has strips";
        std::vector<double> row(l.n + 1);
        auto terms = std::make_unique<CornerTerms>();
        for (int i = 0; i < std::min(l.n, 40); ++i) {
            row[l.n] = 12345.0; // beyond the row: must stay
            fillSystemRow(l.p, i, row.data(), *terms);
            for (int j = 0; j < l.n; ++j) {
                ASSERT_TRUE(std::isfinite(row[j])) << l.n << ": " << i << "," << j;
                ASSERT_EQ(row[j], scalarEntry(l.p, i, j)) << l.n << ": " << i << "," << j;
            }
            EXPECT_EQ(row[l.n], 12345.0) << l.n << ": row " << i;
        }
    }
}

TEST(EINFLUSS, SingleCopyBesideTheMatrixAndTheFactorKept) {
    SolverWorkspace& ws = sharedWorkspace();
    Aircraft ac = computeAircraft(defaultAircraftTexts());
    layOut(ac, ws);
    EINFLUSS(ac, ws);
    const int n = ws.PanelTotal;
    ASSERT_TRUE(refinedSolveApplies(ws));
    ASSERT_EQ(ws.Refinement.CopyFor, n);
    for (int i : {1, n / 2, n})
        for (int j : {1, 2, n / 3, n})
            EXPECT_EQ(ws.Refinement.Factor.data()[std::size_t(i - 1) * n + (j - 1)], float(ws.SystemMatrix(i, j)));
    const std::vector<double> A(ws.Matrix.data(), ws.Matrix.data() + std::size_t(n) * n);
    ASSERT_EQ(LOES(ws), SolveStatus::Solved);
    ASSERT_EQ(ws.Refinement.FactoredFor, n);
    // A second right-hand side on the kept factor: twice the first gives twice the circulation.
    std::vector<double> b(n, -2.0), x(n);
    EXPECT_EQ(refineOnFactor(A.data(), n, b.data(), x.data(), n, ws.Refinement).outcome, RefinedOutcome::Converged);
    for (int i : {1, n / 2, n}) EXPECT_NEAR(x[i - 1], 2 * ws.Circulation[i], 1e-12 * std::fabs(ws.Circulation[i]));
    // The exact path makes no copy, and a new matrix forgets the old factor.
    ws.ExactSolve = true;
    EINFLUSS(ac, ws);
    ws.ExactSolve = false;
    EXPECT_EQ(ws.Refinement.CopyFor, 0);
    EXPECT_EQ(refineOnFactor(A.data(), n, b.data(), x.data(), n, ws.Refinement).outcome, RefinedOutcome::FactorFailed);
}

} // namespace
} // namespace tv
