// Height separation of overlapping wings: the worked examples, and wings that must stay put.
#include "solver/konflikt2.h"
#include "solver/ueberschneid.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(UEBERSCHNEID, OverlapNeedsAPositiveLengthAndIsSymmetric) {
    struct Row {
        const char* name;
        double a1, a2, b1, b2;
        bool overlap;
    } rows[] = {
        {"nested", 0, 500, 100, 200, true},
        {"partial", 0, 500, 400, 800, true},
        {"touching", 0, 500, 500, 800, false},
        {"apart", 0, 500, 600, 800, false},
        {"same", 0, 500, 0, 500, true},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(UEBERSCHNEID(r.a1, r.a2, r.b1, r.b2), r.overlap) << r.name;
        EXPECT_EQ(UEBERSCHNEID(r.b1, r.b2, r.a1, r.a2), r.overlap) << r.name << " swapped";
    }
}

// Runs KONFLIKT2 with every wing given `strips` strips, so D = 0.6 * halfSpan / strips.
Aircraft separate(std::vector<WingTexts> wings, int strips, SolverWorkspace& ws) {
    Aircraft ac = aircraftOf(wings);
    ws.SpanwiseStrips.fill(0);
    for (int w = 1; w <= ac.WingCount; ++w) ws.SpanwiseStrips[w] = strips;
    KONFLIKT2(ac, ws);
    return ac;
}

TEST(KONFLIKT2, PairOfWingsAtOneHeightIsPlacedDApart) {
    SolverWorkspace& ws = sharedWorkspace();
    const WingTexts w = trapeziumWing(200, 200, 600, 0, 0, 0, 35); // D = 0.6 * 600 / 30 = 12
    Aircraft ac = separate({w, w}, 30, ws);
    EXPECT_DOUBLE_EQ(separationDistance(ac, ws), 12.0);
    EXPECT_EQ(ac.Wings[1].PositionZ, 35);
    EXPECT_EQ(ac.Wings[2].PositionZ, 23);
    EXPECT_TRUE(ws.WingsShifted);
    EXPECT_TRUE(ws.WingMoved[2]);
    EXPECT_FALSE(ws.WingMoved[1]);
}

TEST(KONFLIKT2, PairWithFractionalDistanceEndsAtLeastDApart) {
    SolverWorkspace& ws = sharedWorkspace();
    const WingTexts low = trapeziumWing(200, 200, 610), high = trapeziumWing(200, 200, 610, 0, 0, 0, 5);
    Aircraft ac = separate({low, high}, 30, ws); // D = 12.2
    EXPECT_EQ(ac.Wings[2].PositionZ, 13);
}

TEST(KONFLIKT2, WingThatCannotMoveIsReportedAndStays) {
    SolverWorkspace& ws = sharedWorkspace();
    const WingTexts w = trapeziumWing(200, 200, 600, 0, 0, 0, -2147483647); // D = 12: below the 32-bit range
    Aircraft ac = separate({w, w}, 30, ws);
    EXPECT_EQ(KONFLIKT2(ac, ws), 2);
    EXPECT_EQ(ac.Wings[2].PositionZ, -2147483647);
    EXPECT_FALSE(ws.WingsShifted);
    EXPECT_FALSE(ws.WingMoved[2]);
}

TEST(KONFLIKT2, ThreeWingsAtZeroStepDownPastEachOther) {
    SolverWorkspace& ws = sharedWorkspace();
    const WingTexts w = trapeziumWing(200, 200, 500); // D = 0.6 * 500 / 30 = 10
    Aircraft ac = separate({w, w, w}, 30, ws);
    EXPECT_EQ(ac.Wings[2].PositionZ, -10);
    EXPECT_EQ(ac.Wings[3].PositionZ, -21);
}

TEST(KONFLIKT2, WingsThatNeedNoMoveStay) {
    struct Row {
        const char* name;
        WingTexts second;
    } rows[] = {
        {"span beyond the main wing's tip", trapeziumWing(200, 200, 300, 0, 600)},
        {"spans only touching", trapeziumWing(200, 200, 300, 0, 500)},
        {"more than D apart in height", trapeziumWing(200, 200, 500, 0, 0, 0, 11)},
    };
    for (const Row& row : rows) {
        SolverWorkspace& ws = sharedWorkspace();
        Aircraft ac = separate({trapeziumWing(200, 200, 500), row.second}, 30, ws);
        EXPECT_FALSE(ws.WingsShifted) << row.name;
        EXPECT_EQ(ac.Wings[2].PositionZ, aircraftOf({row.second}).Wings[1].PositionZ) << row.name;
    }
}

TEST(KONFLIKT2, HugeSeparationEndsAtOnce) {
    SolverWorkspace& ws = sharedWorkspace();
    const WingTexts w = trapeziumWing(200, 200, 2000000000);
    Aircraft ac = separate({w, w, w}, 1, ws); // D = 1.2e9 mm, a billion single steps
    EXPECT_EQ(ac.Wings[2].PositionZ, -1200000000);
    // -2.4e9 does not fit the field: wing 3 stays and is reported rather than clamped.
    EXPECT_EQ(ac.Wings[3].PositionZ, 0);
    EXPECT_FALSE(ws.WingMoved[3]);
    EXPECT_EQ(KONFLIKT2(ac, ws), 3);
}

} // namespace
} // namespace tv
