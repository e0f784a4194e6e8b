// Evaluation: a single rectangular wing against known properties, loads integrating back to the
// lift, the reference wing and its centre gap, and no NaN where the lift vanishes.
#include "solver/einfluss.h"
#include "solver/loes.h"
#include "solver/wirbel_erg.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::layOut;
using testing::sharedWorkspace;
using testing::trapeziumWing;

Aircraft solved(const std::vector<WingTexts>& wings, SolverWorkspace& ws) {
    Aircraft ac = aircraftOf(wings);
    layOut(ac, ws);
    EINFLUSS(ac, ws);
    LOES(ws);
    WIRBEL_ERG(ac, ws, UiLanguage::English);
    return ac;
}

TEST(WIRBEL_ERG, SingleRectangularWing) {
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = solved({trapeziumWing(200, 200, 500, 0, 0, 100)}, ws);
    ASSERT_FALSE(ws.AbortCalculation);
    EXPECT_NEAR(ws.WingAcX[1], 100 + 50, 5.0); // near the quarter chord
    EXPECT_DOUBLE_EQ(ws.NeutralPointX, ws.WingAcX[1]);
    EXPECT_GT(ws.WingAcY[1], 0.40 * 500);
    EXPECT_LT(ws.WingAcY[1], 0.50 * 500);
    EXPECT_NEAR(ac.Wings[1].planform.S, 200000, 1e-6);
    EXPECT_NEAR(ac.Wings[1].planform.b, 1000, 1e-9);
    EXPECT_NEAR(ac.Wings[1].planform.lm, 200, 1e-9);
    EXPECT_GT(ws.WingLiftSlope[1], 2.5); // an aspect ratio of 5 lifts about 3.5 per radian
    EXPECT_LT(ws.WingLiftSlope[1], 2 * M_PI);
    EXPECT_EQ(ws.ReferenceWing, 1);
    EXPECT_DOUBLE_EQ(ws.ReferenceArea, ac.Wings[1].planform.S);
    EXPECT_DOUBLE_EQ(ws.ReferenceChord, ac.Wings[1].planform.lm);
    for (int w = 2; w <= 5; ++w) EXPECT_EQ(ws.WingAcX[w], 0) << w;
}

TEST(WIRBEL_ERG, PanelLoadIntegratesBackToTheStripLift) {
    SolverWorkspace& ws = sharedWorkspace();
    solved({trapeziumWing(300, 120, 600, 150)}, ws);
    const int n = ws.ChordwisePanels[1];
    int i = 0;
    for (int s = 1; s <= ws.SpanwiseStrips[1]; ++s) {
        const double length = ws.StripChord(s, 1) / n, dy = ws.StripYRight(s, 1) - ws.StripYLeft(s, 1);
        double fromLoads = 0, stripLift = 0;
        for (int k = 1; k <= n; ++k) {
            fromLoads += ws.PanelLoad(k, s, 1) * length * dy;
            stripLift += 2 * ws.Circulation[++i] * dy;
            EXPECT_EQ(ws.PanelLoad3D(k, s, 1), ws.PanelLoad(k, s, 1));
        }
        EXPECT_NEAR(fromLoads, stripLift, 1e-9 * std::fabs(stripLift)) << s;
    }
}

TEST(WIRBEL_ERG, CanardAndWingPutTheNeutralPointBetweenTheirCentres) {
    // A small canard ahead of and above the main wing: each wing's lift is its slope times its
    // area, and the neutral point is the lift-weighted mean of the two aerodynamic centres.
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = solved({trapeziumWing(100, 100, 250, 0, 0, 0, 60), trapeziumWing(250, 150, 800, 50, 0, 600)}, ws);
    ASSERT_FALSE(ws.AbortCalculation);
    const double liftCanard = ws.WingLiftSlope[1] * ac.Wings[1].planform.S;
    const double liftWing = ws.WingLiftSlope[2] * ac.Wings[2].planform.S;
    EXPECT_GT(ws.NeutralPointX, ws.WingAcX[1]);
    EXPECT_LT(ws.NeutralPointX, ws.WingAcX[2]);
    EXPECT_GT(liftWing, liftCanard);
    EXPECT_LT(ws.WingAcX[2] - ws.NeutralPointX, ws.NeutralPointX - ws.WingAcX[1]);
    const double weighted = (liftCanard * ws.WingAcX[1] + liftWing * ws.WingAcX[2]) / (liftCanard + liftWing);
    EXPECT_NEAR(ws.NeutralPointX, weighted, 1e-9 * std::fabs(weighted));
}

TEST(WIRBEL_ERG, CentreGapIsFilledWithTheRootChord) {
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = solved({trapeziumWing(200, 100, 400, 50, 50, 30)}, ws);
    ASSERT_EQ(ws.ReferenceWing, 1);
    EXPECT_NEAR(ws.ReferenceArea, ac.Wings[1].planform.S + 2 * 200 * 50, 1e-6);
    const double chordSquare = 200.0 * 200 * 50 + (200.0 * 200 + 200 * 100 + 100 * 100) / 3 * 400;
    EXPECT_NEAR(ws.ReferenceChord, 2 * chordSquare / ws.ReferenceArea, 1e-9);
    const Outline& o = ws.ReferenceOutline;
    ASSERT_EQ(o.count, 6);
    const double x[] = {30, 30, 80, 180, 230, 230}, y[] = {0, 50, 450, 450, 50, 0};
    for (int p = 1; p <= 6; ++p) {
        EXPECT_DOUBLE_EQ(o.x[p], x[p - 1]) << p;
        EXPECT_DOUBLE_EQ(o.y[p], y[p - 1]) << p;
    }
}

TEST(WIRBEL_ERG, ReferenceIsTheWidestWingAndWithinATenthTheLarger) {
    struct Row {
        const char* name;
        std::vector<WingTexts> wings;
        int reference;
    } rows[] = {
        {"wider second wing", {trapeziumWing(200, 200, 300), trapeziumWing(100, 100, 400, 0, 0, 800, 100)}, 2},
        {"equal extent, larger area", {trapeziumWing(100, 100, 400), trapeziumWing(200, 200, 400, 0, 0, 800, 100)}, 2},
        {"equal extent and area", {trapeziumWing(150, 150, 400), trapeziumWing(150, 150, 400, 0, 0, 800, 100)}, 1},
        // The tail's lattice reaches 2e-13 mm further out than the wing's: rounding noise.
        {"equal span, noisy extent", {trapeziumWing(200, 200, 500), trapeziumWing(100, 100, 500, 0, 0, 900)}, 1},
        {"tail wider by 1 mm", {trapeziumWing(200, 200, 500), trapeziumWing(100, 100, 501, 0, 0, 900)}, 2},
    };
    for (const Row& row : rows) {
        SolverWorkspace& ws = sharedWorkspace();
        solved(row.wings, ws);
        EXPECT_EQ(ws.ReferenceWing, row.reference) << row.name;
    }
}

TEST(WIRBEL_ERG, VanishingLiftGivesLinesAndZerosNotNaN) {
    SolverWorkspace& ws = sharedWorkspace();
    Aircraft ac = aircraftOf({trapeziumWing(200, 200, 500)});
    layOut(ac, ws);
    ws.Circulation.fill(0);
    WIRBEL_ERG(ac, ws, UiLanguage::English);
    EXPECT_TRUE(ws.AbortCalculation);
    EXPECT_EQ(ws.Messages.size(), 2u); // the wing without lift, the aircraft without lift
    for (double v : {ws.WingAcX[1], ws.WingAcY[1], ws.WingLiftSlope[1], ws.NeutralPointX}) EXPECT_EQ(v, 0);
    EXPECT_TRUE(std::isfinite(ws.ReferenceChord));
}

} // namespace
} // namespace tv
