#include "model/aircraft.h"
#include "model/planform.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace tv;

namespace {

// A wing of one trapezium given by its essential texts; the other sections hold junk that must not count.
WingTexts oneTrapezium(const char* root, const char* tip, const char* span, const char* sweep = "0",
                       const char* rootOffset = "0") {
    WingTexts t = defaultAircraftTexts().wings[1];
    t[WingField::RootOffset] = rootOffset;
    t[WingField::Chord1] = root;
    t[WingField::Chord2] = tip;
    t[WingField::Span1] = span;
    t[WingField::XOffset2] = sweep;
    t.TrapeziumCount = 1;
    return t;
}

} // namespace

TEST(Planform, RectangleGivesTheTextbookValues) {
    const Wing w = computeWing(oneTrapezium("200", "200", "500"));
    EXPECT_DOUBLE_EQ(w.planform.S, 200000);
    EXPECT_DOUBLE_EQ(w.planform.lm, 200);
    EXPECT_DOUBLE_EQ(w.planform.r25, 50);
    EXPECT_DOUBLE_EQ(w.planform.b, 1000);
    EXPECT_DOUBLE_EQ(w.planform.lam, 5);
    EXPECT_EQ(w.SectionCount, 2);
    const auto labels = planformLabelTexts(1, w.planform);
    EXPECT_EQ(labels.b, "1000mm");
    EXPECT_EQ(labels.S, "20.00dm^2");
    EXPECT_EQ(labels.lm, "200.0mm");
    EXPECT_EQ(labels.r25, "50.0mm");
    EXPECT_EQ(labels.lam, " 5.0");
}

TEST(Planform, TaperedMeanChordMatchesTheClosedForm) {
    const Wing w = computeWing(oneTrapezium("300", "100", "600"));
    EXPECT_NEAR(w.planform.lm, 2.0 / 3.0 * (300 + 100 - 300.0 * 100 / 400), 1e-9);
    EXPECT_EQ(planformLabelTexts(1, w.planform).lm, "216.7mm");
    EXPECT_DOUBLE_EQ(w.planform.S, 2 * 600 * 200.0);
}

TEST(Planform, SweepMovesTheGeometricCentreByTheMeanQuarterChordLine) {
    // Constant chord, leading edge swept back 100 mm: the quarter-chord line runs from 50 to 150.
    const Wing w = computeWing(oneTrapezium("200", "200", "500", "100"));
    EXPECT_NEAR(w.planform.r25, 100, 1e-9);
    // r25 is measured from the wing's own root leading edge, whatever its position.
    WingTexts moved = oneTrapezium("200", "200", "500", "100");
    moved[WingField::PositionX] = "-735";
    EXPECT_NEAR(computeWing(moved).planform.r25, 100, 1e-9);
    EXPECT_DOUBLE_EQ(computeWing(moved).LeadingEdgeX[2], -635);
}

TEST(Planform, RootGapCountsInTheSpanButNotInTheArea) {
    const Wing w = computeWing(oneTrapezium("600", "680", "38", "-80", "300"));
    EXPECT_DOUBLE_EQ(w.planform.b, 676);
    EXPECT_DOUBLE_EQ(w.planform.S, (600 + 680) * 38.0);
    EXPECT_DOUBLE_EQ(w.StationY[1], 300);
    EXPECT_DOUBLE_EQ(w.StationY[2], 338);
}

TEST(Planform, EmptyWingShowsZeros) {
    WingTexts zeroChords = oneTrapezium("0", "0", "500");
    zeroChords[WingField::PositionX] = "400";
    WingTexts zeroSpan = oneTrapezium("200", "100", "", "50");
    for (const WingTexts& t : {zeroChords, zeroSpan}) {
        const Wing w = computeWing(t);
        EXPECT_EQ(w.planform.S, 0);
        EXPECT_EQ(w.planform.b, 0);
        EXPECT_EQ(w.planform.lm, 0);
        EXPECT_EQ(w.planform.r25, 0);
        EXPECT_EQ(w.planform.lam, 0);
        const auto labels = planformLabelTexts(2, w.planform);
        EXPECT_EQ(labels.b, "   0mm");
        EXPECT_EQ(labels.S, "0.00dm^2");
        EXPECT_EQ(labels.r25, " 0.0mm");
    }
}

TEST(Planform, SignsFollowTheModelRules) {
    WingTexts t = oneTrapezium("-200", "-200", "-500", "-100", "-30");
    t[WingField::PositionZ] = "-190";
    const Wing w = computeWing(t);
    EXPECT_EQ(w.Chord[1], 200);
    EXPECT_EQ(w.TrapeziumSpan[1], 500);
    EXPECT_EQ(w.RootOffset, 30);
    EXPECT_EQ(w.XOffset[2], -100);
    EXPECT_EQ(w.PositionZ, -190);
    EXPECT_DOUBLE_EQ(w.planform.b, 1060);
}

TEST(Planform, DefaultMainWing) {
    const Wing w = computeWing(defaultAircraftTexts().wings[1]);
    EXPECT_EQ(w.SectionCount, 5);
    EXPECT_DOUBLE_EQ(w.planform.b, 2 * (220 + 764 + 50 + 66));
    // Twice the sum of the four trapezium areas.
    EXPECT_DOUBLE_EQ(w.planform.S, (335 + 335) * 220.0 + (335 + 335) * 764.0 + (335 + 295) * 50.0 + (295 + 120) * 66.0);
    const auto stations = stationLabelTexts(w);
    EXPECT_EQ(stations[1], "0");
    EXPECT_EQ(stations[2], "220");
    EXPECT_EQ(stations[5], "1100");
}

TEST(Planform, LoweringTheTrapeziumCountKeepsTheOuterSections) {
    WingTexts t = defaultAircraftTexts().wings[1];
    t.TrapeziumCount = 2;
    const Wing w = computeWing(t);
    EXPECT_DOUBLE_EQ(w.planform.b, 2.0 * w.SectionY[3]);
    EXPECT_EQ(w.Chord[5], 120);
    EXPECT_EQ(w.SectionY[5], 1100);
    t.TrapeziumCount = 4;
    EXPECT_DOUBLE_EQ(computeWing(t).planform.b, 2200);
}

TEST(Planform, ScalingAllLengthsScalesTheResults) {
    const Wing w1 = computeWing(defaultAircraftTexts().wings[2]);
    WingTexts t = defaultAircraftTexts().wings[2];
    for (auto& f : t.field) f = std::to_string(3 * std::stoi(f));
    const Wing w3 = computeWing(t);
    EXPECT_NEAR(w3.planform.b, 3 * w1.planform.b, 1e-9);
    EXPECT_NEAR(w3.planform.S, 9 * w1.planform.S, 1e-6);
    EXPECT_NEAR(w3.planform.lm, 3 * w1.planform.lm, 1e-9);
    EXPECT_NEAR(w3.planform.r25, 3 * w1.planform.r25, 1e-9);
    EXPECT_NEAR(w3.planform.lam, w1.planform.lam, 1e-12);
}

TEST(Planform, HugeTextsNeitherOverflowNorProduceNaN) {
    WingTexts t = defaultAircraftTexts().wings[1];
    for (auto& f : t.field) f = "99999999999";
    const Wing w = computeWing(t);
    EXPECT_EQ(w.SectionY[5], 5LL * 2147483647);
    EXPECT_TRUE(w.planform.S > 0 && w.planform.lam > 0);
}

TEST(Planform, PerWingLabelWidths) {
    PlanformData p;
    p.b = 10, p.S = 10000, p.lm = 5, p.r25 = 5, p.lam = 5;
    EXPECT_EQ(planformLabelTexts(3, p).lm, " 5.0mm");
    EXPECT_EQ(planformLabelTexts(4, p).lm, "5.0mm");
    EXPECT_EQ(planformLabelTexts(5, p).r25, "5.0mm");
    EXPECT_EQ(planformLabelTexts(4, p).lam, "5.0");
    EXPECT_EQ(planformLabelTexts(5, p).lam, "  5.0");
    EXPECT_EQ(planformLabelTexts(1, p).S, "1.00dm^2");
}

TEST(FieldTables, NamesAreUniqueAndDefaultsComplete) {
    std::set<std::string> names;
    for (int w = 1; w <= kWingMax; ++w)
        for (int f = 0; f < kWingFieldCount; ++f) names.insert(wingFieldName(w, static_cast<WingField>(f)));
    EXPECT_EQ(names.size(), size_t(kWingMax * kWingFieldCount));
    EXPECT_STREQ(wingFieldName(1, WingField::XOffset5), "Edit14xx");
    EXPECT_STREQ(wingFieldName(2, WingField::Chord1), "Edit14");
    EXPECT_STREQ(defaultFieldText(5, WingField::XOffset2), "-80");
    EXPECT_STREQ(defaultFieldText(4, WingField::PositionX), "-400");
    const AircraftTexts a = defaultAircraftTexts();
    EXPECT_EQ(a.WingCount, 5);
    EXPECT_EQ(a.wings[4].TrapeziumCount, 3);
    EXPECT_EQ(a.wings[5].TrapeziumCount, 2);
    EXPECT_EQ(a.wings[2][WingField::PositionX], "1167");
}
