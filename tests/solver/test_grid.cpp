// Lattice sizing: counts of the worked examples, the choice of the sizing reference, and the
// refusal of lattices the arrays cannot hold.
#include "solver/grid.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::sharedWorkspace;
using testing::trapeziumWing;

TEST(GRID, RectangleOf1000By200Gets13RowsAnd32Strips) {
    SolverWorkspace& ws = sharedWorkspace();
    GRID(aircraftOf({trapeziumWing(200, 200, 500)}), ws, UiLanguage::English);
    EXPECT_FALSE(ws.AbortCalculation);
    EXPECT_EQ(ws.ChordwisePanels[1], 13);
    EXPECT_EQ(ws.TrapeziumStrips[1][1], 32); // 32.5 rounds to the even neighbour
    EXPECT_EQ(ws.SpanwiseStrips[1], 32);
    EXPECT_EQ(ws.PanelTotal, 13 * 32);
}

TEST(GRID, SizingReferenceWing) {
    struct Row {
        const char* name;
        std::vector<WingTexts> wings;
        int reference;
    };
    const WingTexts small = trapeziumWing(100, 100, 300), large = trapeziumWing(200, 200, 300);
    const Row rows[] = {
        {"one wing", {small}, 1},
        {"two equal areas take wing 2", {small, small}, 2},
        {"larger first wing", {large, small}, 1},
        {"wings 2 and 3 equal and larger take wing 3", {small, large, large}, 3},
        {"tie with wing 1 keeps wing 1", {large, small, large}, 1},
        {"wing 4 is never a candidate", {small, small, small, large}, 1},
    };
    for (const Row& row : rows) EXPECT_EQ(sizingReferenceWing(aircraftOf(row.wings)), row.reference) << row.name;
}

TEST(GRID, PanelBudgetFollowsTheAreaAndPanelTotalIsTheSum) {
    // Wing 4 has twice the area of the reference at the same aspect ratio: budget 800.
    const WingTexts ref = trapeziumWing(100, 100, 400), twice = trapeziumWing(141, 141, 566);
    SolverWorkspace& ws = sharedWorkspace();
    const Aircraft ac = aircraftOf({ref, ref, ref, twice});
    GRID(ac, ws, UiLanguage::English);
    ASSERT_FALSE(ws.AbortCalculation);
    EXPECT_EQ(ws.ChordwisePanels[1], 10); // sqrt(2 * 400 / 8)
    EXPECT_EQ(ws.ChordwisePanels[4], 14); // sqrt(2 * 800 / 8.0) = 14.1
    int total = 0;
    for (int w = 1; w <= 4; ++w) total += ws.SpanwiseStrips[w] * ws.ChordwisePanels[w];
    EXPECT_EQ(ws.PanelTotal, total);
}

TEST(GRID, TrapeziumOfZeroSpanGetsNoStripsAndATinyOneGetsOne) {
    WingTexts t = trapeziumWing(200, 200, 500);
    t.TrapeziumCount = 3;
    t[WingField::Chord3] = "200";
    t[WingField::Span2] = "0";
    t[WingField::Chord4] = "200";
    t[WingField::Span3] = "1";
    SolverWorkspace& ws = sharedWorkspace();
    GRID(aircraftOf({t}), ws, UiLanguage::English);
    EXPECT_EQ(ws.TrapeziumStrips[2][1], 0);
    EXPECT_EQ(ws.TrapeziumStrips[3][1], 1);
    EXPECT_EQ(ws.SpanwiseStrips[1], ws.TrapeziumStrips[1][1] + 1);
}

TEST(GRID, SlenderWingsAreRefusedWithTwoLinesEachInWingOrder) {
    const WingTexts ok = trapeziumWing(200, 200, 500), slender = trapeziumWing(20, 20, 7000);
    SolverWorkspace& ws = sharedWorkspace();
    GRID(aircraftOf({slender, ok, slender}), ws, UiLanguage::English);
    EXPECT_TRUE(ws.AbortCalculation);
    std::vector<std::string> expected = wingFailureLines(UiLanguage::English, 1);
    const auto third = wingFailureLines(UiLanguage::English, 3);
    expected.insert(expected.end(), third.begin(), third.end());
    EXPECT_EQ(ws.Messages, expected);
}

TEST(GRID, LatticesBeyondTheArraysAreRefusedWithAdviceThatHelps) {
    struct Row {
        const char* name;
        std::vector<WingTexts> wings;
        std::vector<std::string> lines; // the last lines written, English
    };
    // A deep wing of low aspect ratio needs more than 299 chordwise rows; a main wing beside a
    // much larger wing 4 pushes the total past 3000 panels; one long trapezium with the rest
    // of the span tiny needs more than 297 strips in one trapezium but fewer than 300 per wing;
    // a trapezium without chords would need endless strips.
    const WingTexts longTrapezium = trapeziumWing(20, 20, 5960); // 298 strips
    const WingTexts stubby = trapeziumWing(100000, 100000, 10);
    const WingTexts ref = trapeziumWing(100, 100, 400), huge = trapeziumWing(500, 500, 2000);
    WingTexts pointless = trapeziumWing(200, 0, 400);
    pointless.TrapeziumCount = 2;
    pointless[WingField::Span2] = "300";
    const Row rows[] = {
        {"chordwise rows", {stubby},
         {"Can not calculate wing-1. ", "Please change this wing (less chord relative to its span)!"}},
        {"panel total", {ref, ref, ref, huge, huge},
         {"Can not calculate: the lattice needs more than 3000 panels. ",
          "Please reduce the area of wing 4, wing 5 relative to wing 1 (the reference wing)!"}},
        {"strips of one trapezium", {longTrapezium}, wingFailureLines(UiLanguage::English, 1)},
        {"trapezium without chords", {ref, pointless},
         {"Can not calculate wing-2. ", "Please give trapezium 2 of this wing a chord!"}},
    };
    for (const Row& row : rows) {
        SolverWorkspace& ws = sharedWorkspace();
        GRID(aircraftOf(row.wings), ws, UiLanguage::English);
        EXPECT_TRUE(ws.AbortCalculation) << row.name;
        EXPECT_EQ(ws.Messages, row.lines) << row.name;
    }
}

TEST(GRID, WingWithoutAreaOrSpanIsRefusedWithItsOwnLine) {
    const WingTexts ok = trapeziumWing(200, 200, 500);
    for (const WingTexts& empty : {trapeziumWing(0, 0, 500), trapeziumWing(200, 200, 0)}) {
        SolverWorkspace& ws = sharedWorkspace();
        GRID(aircraftOf({ok, empty}), ws, UiLanguage::German);
        EXPECT_TRUE(ws.AbortCalculation);
        ASSERT_EQ(ws.Messages.size(), 1u);
        EXPECT_NE(ws.Messages[0].find("Flügel-2"), std::string::npos) << ws.Messages[0];
        EXPECT_EQ(ws.PanelTotal, 0);
    }
}

} // namespace
} // namespace tv
