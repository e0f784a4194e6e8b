// The whole calculation on complete aircraft: the built-in default aircraft as the acceptance
// check, a single rectangular wing against textbook properties, and the order of the messages.
#include "solver/calculation.h"
#include "solver/wirbel_erg.h"
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

TEST(Calculation, SeparationNoticeFollowsTheRefusalOfAWing) {
    // Wing 1 is too slender; wing 2 overlaps it at the same height and is moved.
    Aircraft ac = aircraftOf({trapeziumWing(20, 20, 7000), trapeziumWing(200, 200, 500)});
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::Spanish);
    std::vector<std::string> expected = wingFailureLines(UiLanguage::Spanish, 1);
    const auto notice = zSeparationNotice(UiLanguage::Spanish);
    expected.insert(expected.end(), notice.begin(), notice.end());
    EXPECT_EQ(ws.Messages, expected);
    EXPECT_TRUE(ws.AbortCalculation);
    EXPECT_TRUE(ws.WingMoved[2]);
    EXPECT_NE(ac.Wings[2].PositionZ, 0);
    EXPECT_FALSE(ws.EvaluationRan);
}

TEST(Calculation, StronglyTaperedWingIsCalculated) {
    // Root 400 tapering to 19 over 300 mm: the strip trim used to diverge from equal widths.
    Aircraft ac = aircraftOf({trapeziumWing(400, 19, 300, 200)});
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    EXPECT_TRUE(ws.Messages.empty()) << ws.Messages.front();
    EXPECT_FALSE(ws.AbortCalculation);
    EXPECT_TRUE(ws.EvaluationRan);
    EXPECT_NEAR(ac.Wings[1].planform.S, (400 + 19) * 300, 1e-6);
    EXPECT_TRUE(std::isfinite(ws.NeutralPointX));
}

TEST(Calculation, PointedTipStopsAfterTheLayoutWithAdvice) {
    WingTexts pointed = trapeziumWing(300, 200, 400);
    pointed.TrapeziumCount = 2;
    pointed[WingField::Span2] = "300", pointed[WingField::Chord3] = "0", pointed[WingField::XOffset3] = "150";
    Aircraft ac = aircraftOf({pointed});
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    EXPECT_EQ(ws.Messages, trapeziumFailureLines(UiLanguage::English, 1, 2));
    EXPECT_TRUE(ws.AbortCalculation);
    EXPECT_FALSE(ws.EvaluationRan);
}

TEST(Calculation, WingWithoutAreaStopsBeforeTheLayout) {
    Aircraft ac = aircraftOf({trapeziumWing(200, 200, 500), trapeziumWing(0, 0, 300)});
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    ASSERT_EQ(ws.Messages.size(), 1u);
    EXPECT_NE(ws.Messages[0].find("wing-2"), std::string::npos);
    EXPECT_FALSE(ws.EvaluationRan);
}

TEST(Calculation, LengthsBeyondAKilometreAreRefusedBeforeTheSizing) {
    struct Row {
        const char* name;
        WingField field;
        const char* text;
        const char* named; // the field as the English line names it
    } rows[] = {
        {"coordinate near 2^31", WingField::PositionX, "2147483000", "position x is 2147483000 mm"},
        {"height at the 32-bit limit", WingField::PositionZ, "-2147483648", "position z is -2147483648 mm"},
        {"huge chord", WingField::Chord2, "1000001", "chord 2 is 1000001 mm"},
        {"huge span", WingField::Span1, "5000000", "span 1 is 5000000 mm"},
        {"huge sweep", WingField::XOffset2, "-3000000", "x offset 2 is -3000000 mm"},
        {"huge root offset", WingField::RootOffset, "1000001", "root offset is 1000001 mm"},
    };
    for (const Row& row : rows) {
        WingTexts tail = trapeziumWing(150, 100, 400, 0, 0, 800);
        tail[row.field] = row.text;
        Aircraft ac = aircraftOf({trapeziumWing(200, 200, 500), tail});
        SolverWorkspace& ws = sharedWorkspace();
        runCalculation(ac, ws, UiLanguage::English);
        EXPECT_TRUE(ws.AbortCalculation) << row.name;
        EXPECT_FALSE(ws.EvaluationRan) << row.name;
        ASSERT_EQ(ws.Messages.size(), 1u) << row.name;
        EXPECT_EQ(ws.Messages[0], std::string("Can not calculate wing-2: ") + row.named +
                                      ", beyond the limit of ±1000000 mm. ") << row.name;
    }
}

TEST(Calculation, ARefusedLengthIsWrittenInTheUnitChosen) {
    struct Row {
        Unit unit;
        UiLanguage lang;
        const char* line;
    } rows[] = {
        {Unit::Inch, UiLanguage::English, "Can not calculate wing-1: span 1 is 196850.394 in, beyond the limit of ±39370.079 in. "},
        {Unit::Centimetre, UiLanguage::German,
         "Flügel-1 kann nicht berechnet werden: Spannweite 1 ist 500000.0 cm, jenseits der Grenze von ±100000.0 cm. "},
        {Unit::Inch, UiLanguage::Spanish,
         "No se puede calcular el ala-1: envergadura 1 es 196850.394 pulg, fuera del límite de ±39370.079 pulg. "},
    };
    for (const Row& row : rows) {
        WingTexts wing = trapeziumWing(200, 200, 500);
        wing[WingField::Span1] = "5000000";
        Aircraft ac = aircraftOf({wing});
        SolverWorkspace& ws = sharedWorkspace();
        runCalculation(ac, ws, row.lang, {}, row.unit);
        ASSERT_EQ(ws.Messages.size(), 1u);
        EXPECT_EQ(ws.Messages[0], row.line);
    }
}

TEST(Calculation, LengthsOfAKilometreAreAccepted) {
    Aircraft ac = aircraftOf({trapeziumWing(200, 200, 500, 0, 0, -1000000, 1000000)});
    SolverWorkspace& ws = sharedWorkspace();
    runCalculation(ac, ws, UiLanguage::English);
    EXPECT_FALSE(ws.AbortCalculation);
    EXPECT_TRUE(ws.EvaluationRan);
}

TEST(Calculation, ResultsAreUsableOnlyWhenNothingAborted) {
    SolverWorkspace& ws = sharedWorkspace();
    Aircraft ac = computeAircraft(defaultAircraftTexts());
    runCalculation(ac, ws, UiLanguage::English);
    EXPECT_TRUE(resultsUsable(ws));

    // The evaluation of a lattice without lift aborts after the solve: nothing to show.
    ws.Circulation.fill(0);
    WIRBEL_ERG(ac, ws, UiLanguage::English);
    EXPECT_FALSE(resultsUsable(ws)) << "an evaluation without lift shows no results";

    Aircraft refused = aircraftOf({trapeziumWing(20, 20, 7000)});
    runCalculation(refused, ws, UiLanguage::English);
    EXPECT_FALSE(resultsUsable(ws));
}

}  // namespace
}  // namespace tv
