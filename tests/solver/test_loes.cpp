// Solution of the lattice system: the residual of the solved circulation, and the singular case.
#include "solver/einfluss.h"
#include "solver/loes.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::layOut;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(LOES, CirculationCancelsTheUnitNormalVelocity) {
    SolverWorkspace& ws = sharedWorkspace();
    Aircraft ac = aircraftOf({trapeziumWing(250, 120, 700, 80), trapeziumWing(150, 100, 300, 0, 0, 900, 40)});
    layOut(ac, ws);
    EINFLUSS(ac, ws);
    const int n = ws.PanelTotal;
    std::vector<double> influence(std::size_t(n) * n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) influence[std::size_t(i - 1) * n + (j - 1)] = ws.SystemMatrix(i, j);
    ASSERT_EQ(LOES(ws), SolveStatus::Solved);
    double worst = 0;
    for (int i = 1; i <= n; ++i) {
        double w = 0;
        for (int j = 1; j <= n; ++j) w += influence[std::size_t(i - 1) * n + (j - 1)] * ws.Circulation[j];
        worst = std::max(worst, std::fabs(w + 1.0));
    }
    EXPECT_LT(worst, 1e-9);
    EXPECT_GT(ws.Circulation[1], 0); // upwards lift for a unit angle of attack
}

TEST(LOES, SingularSystemIsReportedAndStillCopied) {
    SolverWorkspace& ws = sharedWorkspace();
    ws.PanelTotal = 3;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) ws.SystemMatrix(i, j) = (j == 2) ? 0.0 : double(i + j);
    EXPECT_EQ(LOES(ws), SolveStatus::Singular);
    EXPECT_TRUE(ws.AbortCalculation);
    EXPECT_TRUE(ws.SolutionFailed);
    ASSERT_EQ(ws.Messages.size(), 1u);
    EXPECT_EQ(ws.Messages[0], "LOES: Fehler beim Loesen des Gleichungssystems ");
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(std::isfinite(ws.Circulation[i]));
}

} // namespace
} // namespace tv
