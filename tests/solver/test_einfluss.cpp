// System matrix: entries against the kernel with its mirror image, across wings, and the sign of
// a panel's own downwash; the vectorised row against the kernel entry by entry on random geometry
// and at the kernel's near-singular thresholds; the single copy written beside the matrix.
#include "solver/einfluss.h"
#include "solver/indu.h"
#include "solver/loes.h"
#include "solver/refined_solve.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

/// Random horseshoes (swept, raked, at different heights) with control points among them, then
/// control points put where the kernel switches terms off: on the line of a swept bound segment
/// beyond its end (cross product of round-off size), straight behind a corner, on a corner, and
/// on the trailing leg of a mirror image.
PackedLattice randomLattice(int n, unsigned seed) {
    PackedLattice p;
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> x(-300, 900), y(1, 800), dy(5, 60), z(-100, 100);
    for (int j = 0; j < n; ++j) {
        p.Ax[j] = x(gen), p.Ay[j] = y(gen), p.Z[j] = z(gen);
        p.Bx[j] = p.Ax[j] + x(gen) / 20, p.By[j] = p.Ay[j] + dy(gen);
        p.Cx[j] = x(gen), p.Cy[j] = y(gen);
    }
    const auto onBoundLine = [&](int i, int j, double t) {
        p.Cx[i] = p.Ax[j] + t * (p.Bx[j] - p.Ax[j]), p.Cy[i] = p.Ay[j] + t * (p.By[j] - p.Ay[j]), p.Z[i] = p.Z[j];
    };
    onBoundLine(0, 1, 2.2);
    onBoundLine(1, 2, 23.0);
    p.Cx[2] = p.Ax[3] + 50, p.Cy[2] = p.Ay[3], p.Z[2] = p.Z[3]; // behind corner A of horseshoe 3
    p.Cx[3] = p.Bx[4], p.Cy[3] = p.By[4], p.Z[3] = p.Z[4];      // on corner B of horseshoe 4
    p.Cx[4] = p.Bx[5] + 80, p.Cy[4] = -p.By[5], p.Z[4] = p.Z[5]; // behind the mirror's corner
    return p;
}

TEST(EINFLUSS, VectorisedRowEqualsTheKernelEntryByEntry) {
    for (const int n : {1, 7, 8, 37, 301}) {
        const PackedLattice p = randomLattice(std::max(n, 6), 11u + unsigned(n));
        std::vector<double> row(n + 1);
        for (int i = 0; i < std::min(n, 40); ++i) {
            row[n] = 12345.0; // beyond the row: must stay
            fillSystemRow(p, i, n, row.data());
            for (int j = 0; j < n; ++j) {
                const double expected = scalarEntry(p, i, j);
                ASSERT_TRUE(std::isfinite(row[j])) << n << ": " << i << "," << j;
                EXPECT_NEAR(row[j], expected, 1e-13 * (std::fabs(expected) + 1e-12)) << n << ": " << i << "," << j;
            }
            EXPECT_EQ(row[n], 12345.0) << n << ": row " << i;
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
