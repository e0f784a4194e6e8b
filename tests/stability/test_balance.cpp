// Balance figures against hand calculations on two aircraft:
//  A, a flying wing: one tapered swept trapezium, root chord 300, tip chord 100, half span 600,
//    tip leading edge 150 behind the root's, root leading edge at x = 50. By hand: lm = 650/3,
//    the mean chord's station y = 250 where the leading edge is 62.5 behind the root's, so
//    x_LE,MAC = 112.5 and x25 = 112.5 + 650/12. Neutral point 160 (given), c_ref = 650/3.
//  B, wing and tail: main wing rectangular, chord 200, half span 1000, root LE at x = 30;
//    tail chord 100, half span 300, root LE at x = 800. x_LE,MAC = 30, lm = 200, x25 = 80 and 825;
//    S = 400000 and 60000 mm^2. Neutral point 100 (given), c_ref = 200, S_ref = 400000.
#include "model/numformat.h"
#include "model/planform.h"
#include "stability/balance.h"
#include "stability/balance_lines.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace tv;

namespace {

WingTexts wingTexts(const char* root, const char* tip, const char* span, const char* sweep, const char* x) {
    WingTexts t = defaultAircraftTexts().wings[1];
    t[WingField::RootOffset] = "0";
    t[WingField::Chord1] = root;
    t[WingField::Chord2] = tip;
    t[WingField::Span1] = span;
    t[WingField::XOffset2] = sweep;
    t[WingField::PositionX] = x;
    t.TrapeziumCount = 1;
    return t;
}

Aircraft flyingWingA() {
    AircraftTexts t = defaultAircraftTexts();
    t.WingCount = 1;
    t.wings[1] = wingTexts("300", "100", "600", "150", "50");
    return computeAircraft(t);
}

Aircraft wingAndTailB(const char* tailX = "800") {
    AircraftTexts t = defaultAircraftTexts();
    t.WingCount = 2;
    t.wings[1] = wingTexts("200", "200", "1000", "0", "30");
    t.wings[2] = wingTexts("100", "100", "300", "0", tailX);
    return computeAircraft(t);
}

constexpr double kLmA = 650.0 / 3;
const ReferenceValues kRefA{2 * 0.5 * (300 + 100) * 600, kLmA, 160};
const ReferenceValues kRefB{400000, 200, 100};
const StabilityNumbers kStabA = computeStability(1, 160, kLmA, 6);  // CG 142.67..151.33, desired 147
const StabilityNumbers kStabB = computeStability(2, 100, 200, 10);  // CG 68..84, desired 80

} // namespace

TEST(Balance, MeanChordOfBothAircraft) {
    const MeanChord a = *meanChord(flyingWingA().Wings[1]);
    EXPECT_NEAR(a.Length, kLmA, 1e-9);
    EXPECT_NEAR(a.LeadingEdgeX, 112.5, 1e-9);
    EXPECT_NEAR(a.StationY, 250, 1e-9);
    EXPECT_EQ(a.RootLeadingEdgeX, 50);
    const MeanChord b = *meanChord(wingAndTailB().Wings[1]);
    EXPECT_NEAR(b.LeadingEdgeX, 30, 1e-9);
    EXPECT_NEAR(b.StationY, 500, 1e-9);
    // A wing without area has no mean chord to measure from.
    EXPECT_FALSE(meanChord(computeWing(wingTexts("0", "0", "500", "0", "0"))));
}

// A with a centre gap of 50 mm: the margins' chord fills the gap with the root chord (300 x 50 per
// half at the root's leading edge, x = 50). By hand, per half: area 15000 + 120000; the integral of
// c^2 4.5e6 + 26e6, so c_ref = 6100/27 (225.9, not A's 216.7); the area-weighted leading edge
// (750000 + 13.5e6) / 135000 = 950/9; the area's centroid (375000 + 36e6) / 135000 = 2425/9.
TEST(Balance, PercentMacAndTheMarginMeasureWithTheGapFilledChord) {
    AircraftTexts t = defaultAircraftTexts();
    t.WingCount = 1;
    t.wings[1] = wingTexts("300", "100", "600", "150", "50");
    t.wings[1][WingField::RootOffset] = "50";
    const Aircraft gap = computeAircraft(t);
    const double cRef = 6100.0 / 27;
    const ReferenceValues ref{2 * 135000.0, cRef, 170};
    const StabilityNumbers n = computeStability(1, 170, cRef, 6);
    const MeanChord filled = *meanChord(gap.Wings[1]);
    EXPECT_NEAR(filled.Length, cRef, 1e-9);
    EXPECT_NEAR(filled.LeadingEdgeX, 950.0 / 9, 1e-9);
    EXPECT_NEAR(filled.StationY, 2425.0 / 9, 1e-9);
    EXPECT_EQ(filled.FilledGap, 50);

    const BalanceFigures f = balanceFigures(gap, 1, ref, n);
    ASSERT_TRUE(f.Mac);
    EXPECT_EQ(f.Mac->Length, cRef) << "one chord for the % MAC and the margins";
    // The desired CG lies its margin (6 %) ahead of the neutral point in % MAC too.
    ASSERT_TRUE(f.Desired);
    EXPECT_NEAR(cgMeasures(170, *f.Mac).PercentMac - f.Desired->PercentMac, 6, 1e-9);
    const std::vector<std::string> lines = balanceReportLines(UiLanguage::English, f, gap.Balance, n, true);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Mean aerodynamic chord of wing 1 (reference chord of the margins, centre gap filled "
                             "with the root chord): 225.9 mm, x 105.6 – 331.5 mm, y 269.4 mm");
}

TEST(Balance, CgInPercentMacAndBehindTheRootLeadingEdge) {
    struct Row { const char* name; bool a; double x, percentMac, behindRootLe; };
    const Row rows[] = {
        {"A at the MAC's leading edge", true, 112.5, 0, 62.5},
        {"A at its quarter point", true, 112.5 + kLmA / 4, 25, 62.5 + kLmA / 4},
        {"A at 150", true, 150, 37.5 / kLmA * 100, 100},
        {"A ahead of the root", true, 20, -92.5 / kLmA * 100, -30},
        {"B at the low limit", false, 84, 27, 54},
        {"B at the high limit", false, 68, 19, 38},
    };
    const MeanChord a = *meanChord(flyingWingA().Wings[1]), b = *meanChord(wingAndTailB().Wings[1]);
    for (const Row& r : rows) {
        const CgMeasures m = cgMeasures(r.x, r.a ? a : b);
        EXPECT_NEAR(m.PercentMac, r.percentMac, 1e-9) << r.name;
        EXPECT_NEAR(m.BehindRootLe, r.behindRootLe, 1e-9) << r.name;
        // Each entry mode gives back the aircraft-frame x.
        for (CgInput mode : {CgInput::AircraftFrame, CgInput::BehindRootLe, CgInput::PercentMac}) {
            const std::string typed = formatFixed(cgInMode(r.x, mode, r.a ? a : b), 0, 12);
            const CgEntry e = cgFromEntry(typed, mode, r.a ? a : b);
            ASSERT_TRUE(e.ok()) << r.name;
            EXPECT_NEAR(e.X, r.x, 1e-9) << r.name << " mode " << int(mode);
        }
    }
}

TEST(Balance, EnteredCgIsRefusedRatherThanGuessed) {
    const std::optional<MeanChord> b = meanChord(wingAndTailB().Wings[1]);
    struct Row { const char* text; CgInput mode; bool withMac; CgRefusal refusal; double x; };
    const Row rows[] = {
        {" 72.5 ", CgInput::AircraftFrame, false, CgRefusal::None, 72.5},
        {"-1000000", CgInput::AircraftFrame, false, CgRefusal::None, -1000000},
        {"50", CgInput::BehindRootLe, true, CgRefusal::None, 80},
        {"25", CgInput::PercentMac, true, CgRefusal::None, 80},
        {"", CgInput::AircraftFrame, true, CgRefusal::Empty, 0},
        {"  ", CgInput::PercentMac, true, CgRefusal::Empty, 0},
        {"7,5", CgInput::AircraftFrame, true, CgRefusal::NotANumber, 0},
        {"72mm", CgInput::AircraftFrame, true, CgRefusal::NotANumber, 0},
        {"nan", CgInput::AircraftFrame, true, CgRefusal::NotANumber, 0},
        {"1000000.1", CgInput::AircraftFrame, true, CgRefusal::BeyondLimit, 0},
        {"999990", CgInput::BehindRootLe, true, CgRefusal::BeyondLimit, 0},
        {"1e300", CgInput::PercentMac, true, CgRefusal::BeyondLimit, 0},
        {"25", CgInput::PercentMac, false, CgRefusal::NoMeanChord, 0},
        {"50", CgInput::BehindRootLe, false, CgRefusal::NoMeanChord, 0},
    };
    for (const Row& r : rows) {
        const CgEntry e = cgFromEntry(r.text, r.mode, r.withMac ? b : std::nullopt);
        EXPECT_EQ(e.Refusal, r.refusal) << '"' << r.text << '"';
        if (e.ok()) {
            EXPECT_NEAR(e.X, r.x, 1e-9) << r.text;
        }
    }
}

TEST(Balance, MarginAndVerdictAtTheBoundaries) {
    struct Row { const char* name; bool a; double cg, percent, mm; CgVerdict verdict; };
    const Row rows[] = {
        {"B exactly at the low limit", false, 84, 8, 16, CgVerdict::Inside},
        {"B exactly at the high limit", false, 68, 16, 32, CgVerdict::Inside},
        {"B desired", false, 80, 10, 20, CgVerdict::Inside},
        {"B just ahead of the high limit", false, 67.9, 16.05, 32.1, CgVerdict::NoseHeavy},
        {"B just behind the low limit", false, 84.1, 7.95, 15.9, CgVerdict::TooFarAft},
        {"B just ahead of the neutral point", false, 99.9, 0.05, 0.1, CgVerdict::TooFarAft},
        {"B exactly at the neutral point", false, 100, 0, 0, CgVerdict::Unstable},
        {"B behind the neutral point", false, 130, -15, -30, CgVerdict::Unstable},
        // A's limits are not whole numbers: 160 - 650/3 * 4 % and 160 - 650/3 * 8 %.
        {"A exactly at the low limit", true, 160 - 26.0 / 3, 4, 26.0 / 3, CgVerdict::Inside},
        {"A exactly at the high limit", true, 160 - 52.0 / 3, 8, 52.0 / 3, CgVerdict::Inside},
        {"A at 150", true, 150, 10 / kLmA * 100, 10, CgVerdict::Inside},
        {"A at the neutral point", true, 160, 0, 0, CgVerdict::Unstable},
    };
    for (const Row& r : rows) {
        const std::optional<CgMargin> m =
            r.a ? cgMargin(r.cg, 160, kLmA, kStabA) : cgMargin(r.cg, 100, 200, kStabB);
        ASSERT_TRUE(m) << r.name;
        EXPECT_NEAR(m->Percent, r.percent, 1e-9) << r.name;
        EXPECT_NEAR(m->Mm, r.mm, 1e-9) << r.name;
        EXPECT_EQ(m->Verdict, r.verdict) << r.name;
    }
    // The limits exactly as the program computes and shows them are inside too.
    for (double cg : {kStabA.CgLow, kStabA.CgHigh})
        EXPECT_EQ(cgMargin(cg, 160, kLmA, kStabA)->Verdict, CgVerdict::Inside) << cg;
    EXPECT_FALSE(cgMargin(80, 100, 0, kStabB));
}

namespace {

std::vector<BalanceRowTexts> rowsB() {
    return {{"Motor", "200", "-60"},   {"Battery", "300", "40"},  {"Wing", "400", "100"},
            {"Tail", "100", "800"},    {"Servo", "abc", "50"},    {"Receiver", "0", "20"},
            {"Lead", "-5", "10"},      {"Switch", "10", ""},      {"Wire", "10", "1,5"},
            {"", "", ""},              {"Crate", "2e6", "0"},     {"Far", "5", "2000000"}};
}

} // namespace

TEST(Balance, TableLeavesOutEveryRowWithAProblem) {
    const MassBalance mb = massBalance(rowsB());
    // 200 * -60 + 300 * 40 + 400 * 100 + 100 * 800 = 120000 g mm over 1000 g.
    EXPECT_DOUBLE_EQ(mb.TotalMass, 1000);
    ASSERT_TRUE(mb.CgX);
    EXPECT_DOUBLE_EQ(*mb.CgX, 120);
    const RowProblem expected[] = {RowProblem::None, RowProblem::None, RowProblem::None, RowProblem::None,
                                   RowProblem::MassNotANumber, RowProblem::MassNotPositive,
                                   RowProblem::MassNotPositive, RowProblem::XMissing, RowProblem::XNotANumber,
                                   RowProblem::MassMissing, RowProblem::MassBeyondLimit, RowProblem::XBeyondLimit};
    ASSERT_EQ(mb.Rows.size(), std::size(expected));
    for (size_t i = 0; i < mb.Rows.size(); ++i) EXPECT_EQ(mb.Rows[i].Problem, expected[i]) << "row " << i + 1;
    EXPECT_EQ(rowProblemLine(UiLanguage::English, 5, "Servo", mb.Rows[4].Problem),
              "Row 5 (Servo): the mass is not a number; the row is left out of the sums");
    // Only the first 30 rows count; nothing usable gives no CG.
    std::vector<BalanceRowTexts> many(40, {"Ballast", "10", "5"});
    EXPECT_DOUBLE_EQ(massBalance(many).TotalMass, 300);
    EXPECT_FALSE(massBalance({{"Servo", "x", "1"}}).CgX);
}

TEST(Balance, MoveAndBallastAnswers) {
    const MassBalance b = massBalance(rowsB());       // 1000 g at 120, target 80
    const MassBalance a = massBalance({{"Battery", "150", "100"}, {"Airframe", "350", "180"}}); // 500 g at 156
    const MassBalance tiny = massBalance({{"Pin", "0.001", "0"}, {"Airframe", "500", "100"}});
    struct Row { const char* name; const MassBalance* mb; bool move; double at, target; ChangeRefusal refusal; double value; };
    const Row rows[] = {
        {"B move battery", &b, true, 1, 80, ChangeRefusal::None, 1000.0 * -40 / 300},
        {"B move the tail", &b, true, 3, 80, ChangeRefusal::None, -400},
        {"B move a row left out", &b, true, 4, 80, ChangeRefusal::RowNotUsed, 0},
        {"B move a row that is not there", &b, true, 99, 80, ChangeRefusal::RowNotUsed, 0},
        {"B ballast in the nose", &b, false, -100, 80, ChangeRefusal::None, 40000.0 / 180},
        {"B ballast behind the target", &b, false, 200, 80, ChangeRefusal::NegativeBallast, 0},
        {"B ballast at the target", &b, false, 80, 80, ChangeRefusal::BallastAtTarget, 0},
        {"B ballast next to the target", &b, false, 79.99, 80, ChangeRefusal::BeyondLimit, 0},
        {"B ballast beyond the limit", &b, false, -2000000, 80, ChangeRefusal::BeyondLimit, 0},
        {"B already at the target", &b, false, 80, 120, ChangeRefusal::None, 0},
        {"A move battery", &a, true, 0, 147, ChangeRefusal::None, -30},
        {"A ballast in the nose", &a, false, 0, 147, ChangeRefusal::None, 4500.0 / 147},
        {"A ballast in the tail", &a, false, 300, 147, ChangeRefusal::NegativeBallast, 0},
        {"moving a pin moves it a kilometre", &tiny, true, 0, 90, ChangeRefusal::BeyondLimit, 0},
    };
    for (const Row& r : rows) {
        const ChangeAnswer ans = r.move ? rowMoveFor(*r.mb, int(r.at), r.target) : ballastFor(*r.mb, r.at, r.target);
        EXPECT_EQ(ans.Refusal, r.refusal) << r.name;
        if (ans.ok()) {
            EXPECT_NEAR(ans.Value, r.value, 1e-9) << r.name;
        }
    }
    EXPECT_EQ(ballastFor(MassBalance{}, 0, 80).Refusal, ChangeRefusal::NoCg);
}

TEST(Balance, WingLoadingAndTailVolume) {
    struct Row { double mass, area, perDm2, perDm3; };
    const Row rows[] = {
        {1000, 400000, 25, 1000 / (40 * std::sqrt(40.0))},   // B: 40 dm^2
        {500, kRefA.ReferenceArea, 500 / 24.0, 500 / (24 * std::sqrt(24.0))}, // A: 24 dm^2
    };
    for (const Row& r : rows) {
        const std::optional<WingLoading> l = wingLoading(r.mass, r.area);
        ASSERT_TRUE(l);
        EXPECT_NEAR(l->GramsPerDm2, r.perDm2, 1e-9);
        EXPECT_NEAR(l->GramsPerDm3, r.perDm3, 1e-9);
    }
    EXPECT_FALSE(wingLoading(0, 400000));
    EXPECT_FALSE(wingLoading(1000, 0));

    struct Volume { const char* tailX; double v; SurfaceRole role; };
    const Volume volumes[] = {
        {"800", 60000.0 * (825 - 80) / (400000 * 200), SurfaceRole::Tail},
        {"-600", 60000.0 * (-575 - 80) / (400000 * 200), SurfaceRole::Canard},
        {"55", 0, SurfaceRole::NoLever}, // the tail's quarter point on the wing's: 55 + 25 = 80
    };
    for (const Volume& r : volumes) {
        const std::vector<TailVolume> v = tailVolumes(wingAndTailB(r.tailX), 1, kRefB);
        ASSERT_EQ(v.size(), 1u);
        EXPECT_EQ(v[0].Wing, 2);
        EXPECT_NEAR(v[0].Coefficient, r.v, 1e-12) << r.tailX;
        EXPECT_EQ(v[0].Role, r.role) << r.tailX;
    }
    EXPECT_TRUE(tailVolumes(flyingWingA(), 1, kRefA).empty());
}

TEST(Balance, AllFiguresOfAircraftBWithMyCgInPercentMac) {
    Aircraft b = wingAndTailB();
    b.Balance.MyCg = "25";
    b.Balance.MyCgInput = CgInput::PercentMac;
    b.Balance.Rows = rowsB();
    const BalanceFigures f = balanceFigures(b, 1, kRefB, kStabB);
    ASSERT_TRUE(f.MyCg.ok());
    EXPECT_NEAR(f.MyCg.X, 80, 1e-9);
    EXPECT_EQ(f.MyCgMargin->Verdict, CgVerdict::Inside);
    EXPECT_NEAR(f.Low->PercentMac, 27, 1e-9);
    EXPECT_NEAR(*f.TargetX, 80, 1e-9);
    EXPECT_NEAR(f.Loading->GramsPerDm2, 25, 1e-9);
    EXPECT_EQ(f.TailVolumes.size(), 1u);
    EXPECT_EQ(marginLine(UiLanguage::English, f.MyCgMargin),
              "Static margin: 10.0 % (20.0 mm), inside the recommended range");
    // From the table, My CG is the masses' 120 mm: behind the neutral point.
    b.Balance.MyCgFromTable = true;
    EXPECT_EQ(balanceFigures(b, 1, kRefB, kStabB).MyCgMargin->Verdict, CgVerdict::Unstable);
    // Without a result: the table's sums, and no margin ("not calculated").
    const BalanceFigures u = uncalculatedBalanceFigures(b.Balance);
    EXPECT_DOUBLE_EQ(u.Masses.TotalMass, 1000);
    EXPECT_FALSE(u.MyCgMargin);
    EXPECT_EQ(marginLine(UiLanguage::German, u.MyCgMargin), "Stabilitätsmaß: nicht berechnet");
}

TEST(BalanceTexts, EveryLabelInEveryLanguage) {
    for (UiLanguage lang : {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish}) {
        const BalanceLabels& t = balanceLabels(lang);
        const auto* texts = reinterpret_cast<const char* const*>(&t);
        for (size_t i = 0; i < sizeof(BalanceLabels) / sizeof(const char*); ++i) {
            ASSERT_NE(texts[i], nullptr) << "label " << i;
            EXPECT_GT(std::string_view(texts[i]).size(), 0u) << "label " << i;
        }
    }
    const CgEntry beyond = cgFromEntry("5000000", CgInput::AircraftFrame, std::nullopt);
    EXPECT_EQ(cgRefusalLine(UiLanguage::English, beyond, "5000000"),
              "the CG lies beyond the limit of ±1000000 mm: x = 5000000.0 mm");
    const std::optional<MeanChord> mac = meanChord(wingAndTailB().Wings[1]);
    EXPECT_EQ(cgRefusalLine(UiLanguage::German, cgFromEntry("1e307", CgInput::PercentMac, mac), "1e307"),
              "der Schwerpunkt liegt jenseits der Grenze von ±1000000 mm");
    EXPECT_EQ(ballastLine(UiLanguage::Spanish, 80, {ChangeRefusal::BallastAtTarget}).rfind("Lastre en x = 80.0 mm: ", 0), 0u);
}

// A refusal quotes its limit in the units the figures are shown in, not in millimetres and grams
// beside a value in inches; metric keeps its texts.
TEST(BalanceTexts, ALimitIsQuotedInTheUnitsShown) {
    const CgEntry beyond = cgFromEntry("5000000", CgInput::AircraftFrame, std::nullopt);
    struct Row {
        std::string line, expected;
    };
    const Row rows[] = {
        {cgRefusalLine(UiLanguage::English, beyond, "5000000", kImperialUnits),
         "the CG lies beyond the limit of ±39370.079 in: x = 196850.394 in"},
        {rowProblemLine(UiLanguage::German, 2, "", RowProblem::XBeyondLimit, kImperialUnits),
         "Zeile 2: x liegt jenseits der Grenze von ±39370.079 in; die Zeile zählt nicht mit"},
        {rowProblemLine(UiLanguage::English, 3, "Ballast", RowProblem::MassBeyondLimit, kImperialUnits),
         "Row 3 (Ballast): the mass is above 35273.96 oz; the row is left out of the sums"},
        {rowProblemLine(UiLanguage::Spanish, 3, "", RowProblem::MassBeyondLimit),
         "Fila 3: la masa es mayor que 1000000 g; la fila no se incluye en las sumas"},
    };
    for (const Row& r : rows) EXPECT_EQ(r.line, r.expected);
}
