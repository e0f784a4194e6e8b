// Vortex layout: positions of vortices and control points, strip numbering across trapezia.
#include "solver/trawy2.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(TRAWY2, FourRowsOf200mmChord) {
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = aircraftOf({trapeziumWing(200, 200, 100, 0, 0, 0, 7)});
    ws.ChordwisePanels[1] = 4, ws.TrapeziumStrips[1][1] = 1, ws.SpanwiseStrips[1] = 1;
    TRAWY2(ac, ws, UiLanguage::English);
    const double control[] = {37.5, 87.5, 137.5, 187.5}, vortex[] = {12.5, 62.5, 112.5, 162.5};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_DOUBLE_EQ(ws.ControlX(k, 1, 1), control[k - 1]) << k;
        EXPECT_DOUBLE_EQ(ws.VortexXLeft(k, 1, 1), vortex[k - 1]) << k;
        EXPECT_DOUBLE_EQ(ws.VortexXRight(k, 1, 1), vortex[k - 1]) << k;
    }
    EXPECT_DOUBLE_EQ(ws.ControlX(0, 1, 1), 0);
    EXPECT_DOUBLE_EQ(ws.ControlX(5, 1, 1), 200);
    EXPECT_DOUBLE_EQ(ws.StripChord(1, 1), 200);
    EXPECT_DOUBLE_EQ(ws.StripYMid(1, 1), 50);
    EXPECT_DOUBLE_EQ(ws.SolverWingZ[1], 7);
}

TEST(TRAWY2, StripsContinueAcrossTrapeziaAndSkipAZeroSpan) {
    WingTexts t = trapeziumWing(300, 200, 400, 50, 20);
    t.TrapeziumCount = 3;
    t[WingField::Span2] = "0", t[WingField::Chord3] = "200", t[WingField::XOffset3] = "50";
    t[WingField::Span3] = "200", t[WingField::Chord4] = "100", t[WingField::XOffset4] = "120";
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = aircraftOf({t});
    ws.ChordwisePanels[1] = 3;
    ws.TrapeziumStrips[1][1] = 5, ws.TrapeziumStrips[2][1] = 0, ws.TrapeziumStrips[3][1] = 4;
    ws.SpanwiseStrips[1] = 9;
    TRAWY2(ac, ws, UiLanguage::English);
    ASSERT_FALSE(ws.AbortCalculation);
    EXPECT_DOUBLE_EQ(ws.StripYLeft(1, 1), 20);
    EXPECT_DOUBLE_EQ(ws.StripYRight(5, 1), 420);
    EXPECT_DOUBLE_EQ(ws.StripYLeft(6, 1), 420);
    EXPECT_NEAR(ws.StripYRight(9, 1), 620, 1e-9);
    for (int s = 1; s < 9; ++s) { // the lattice is continuous from strip to strip
        EXPECT_NEAR(ws.StripYRight(s, 1), ws.StripYLeft(s + 1, 1), 1e-9) << s;
        for (int k = 1; k <= 4; ++k) EXPECT_NEAR(ws.PanelXRight(k, s, 1), ws.PanelXLeft(k, s + 1, 1), 1e-9) << s;
    }
    EXPECT_NEAR(ws.PanelXRight(4, 9, 1) - ws.PanelXRight(1, 9, 1), 100, 1e-9); // tip chord
}

} // namespace
} // namespace tv
