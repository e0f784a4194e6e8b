// The whole calculation on complete aircraft: the built-in default aircraft as the acceptance
// check, a single rectangular wing against textbook properties, and the order of the messages.
#include "solver/calculation.h"
#include "solver_fixture.h"

#include "model/numformat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(Calculation, DefaultAircraftGivesTheKnownNeutralPoint) {
    Aircraft ac = computeAircraft(defaultAircraftTexts());
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    for (const auto& line : ws.Messages) ADD_FAILURE() << line;
    ASSERT_FALSE(ws.AbortCalculation);
    EXPECT_EQ(ws.PanelTotal, 1144);
    EXPECT_EQ(formatFixed(ws.NeutralPointX, 0, 1), "116.5");
    EXPECT_EQ(formatFixed(ws.ReferenceChord, 0, 1), "329.7");
}
}  // namespace
}  // namespace tv
