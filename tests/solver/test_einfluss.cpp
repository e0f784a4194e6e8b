// Influence matrix: entries against the kernel with its mirror image, across wings, and the
// sign of a panel's own downwash.
#include "solver/einfluss.h"
#include "solver/indu.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tv
