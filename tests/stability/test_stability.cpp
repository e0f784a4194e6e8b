#include "stability/stability.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace tv;

TEST(Stability, RecommendedRangeDependsOnTheWingCount) {
    const StabilityNumbers one = computeStability(1, 300, 200, 7.5);
    EXPECT_DOUBLE_EQ(one.RecommendedMarginLow, 4);
    EXPECT_DOUBLE_EQ(one.RecommendedMarginHigh, 8);
    EXPECT_DOUBLE_EQ(one.CgHigh, 284.0);
    EXPECT_DOUBLE_EQ(one.CgLow, 292.0);
    EXPECT_DOUBLE_EQ(one.CgDesired, 285.0);
    const StabilityNumbers two = computeStability(2, 300, 200, 7.5);
    EXPECT_DOUBLE_EQ(two.CgHigh, 268.0);
    EXPECT_DOUBLE_EQ(two.CgLow, 284.0);
    // The centre of gravity always lies ahead of the neutral point for a positive margin.
    EXPECT_LT(two.CgHigh, two.CgLow);
    EXPECT_LT(two.CgLow, 300);
}

TEST(Stability, MarginLabelInEachLanguage) {
    const StabilityNumbers n = computeStability(1, 300, 200, 7.5);
    EXPECT_EQ(marginLabelText(UiLanguage::English, 300, n), "%  AC-CG= 15.0mm");
    EXPECT_EQ(marginLabelText(UiLanguage::German, 300, n), "%  NP-SP= 15.0mm");
    EXPECT_EQ(marginLabelText(UiLanguage::Spanish, 300, n), "%  NP-SP= 15.0mm");
}

TEST(Stability, AutomaticResultLines) {
    const ReferenceValues ref{456000, 200, 300};
    const auto lines = stabilityResultLines(UiLanguage::English, false, ref, computeStability(1, 300, 200, 7.5));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].row, 232);
    EXPECT_EQ(lines[0].text, "Reference area (S): 45.60dm^2 ");
    EXPECT_EQ(lines[1].text, "Reference length (lµ): 200.0mm ");
    EXPECT_EQ(lines[2].row, 266);
    EXPECT_EQ(lines[2].text, "x_CG (8% lµ): 284.0mm   ");
    EXPECT_EQ(lines[3].row, 282);
    EXPECT_EQ(lines[3].text, "x_CG (4% lµ): 292.0mm   ");
    EXPECT_EQ(lines[4].row, 298);
    EXPECT_EQ(lines[4].rgb, 0xFF0000u);
    EXPECT_EQ(lines[4].text, "x_AC: 300.0mm    ");
}

TEST(Stability, ManualResultLinesAndLanguages) {
    const ReferenceValues ref{456000, 200, 300};
    const StabilityNumbers n = computeStability(2, 300, 200, 7.5);
    const auto de = stabilityResultLines(UiLanguage::German, true, ref, n);
    ASSERT_EQ(de.size(), 4u);
    EXPECT_EQ(de[2].row, 282);
    EXPECT_EQ(de[2].rgb, 0x0000FFu);
    EXPECT_EQ(de[2].text, "x_SP (7.5% lµ): 285.0mm     ");
    EXPECT_EQ(de[3].text, "x_NP: 300.0mm    ");
    const auto es = stabilityResultLines(UiLanguage::Spanish, true, ref, n);
    EXPECT_EQ(es[2].text.rfind("x_CG (", 0), 0u);
    EXPECT_EQ(es[3].text.rfind("x_PN: ", 0), 0u);
}

TEST(Stability, MarginFieldFromTheSlider) {
    EXPECT_EQ(marginTextForSlider(45), " 7.5");
    EXPECT_EQ(marginTextForSlider(0), "30.0");
    EXPECT_EQ(marginTextForSlider(60), " 0.0");
    EXPECT_EQ(marginTextForSlider(-4), "30.0");
    EXPECT_DOUBLE_EQ(desiredMarginFromText(" 7.5"), 7.5);
    EXPECT_DOUBLE_EQ(desiredMarginFromText("abc"), 0);
}

TEST(Stability, AbsurdDesiredMarginIsRefusedWithoutNumbers) {
    const ReferenceValues ref{456000, 200, 300};
    struct Row {
        double margin;
        bool accepted;
    };
    for (const Row& row : {Row{100, true}, Row{-100, true}, Row{0, true}, Row{100.001, false}, Row{-101, false},
                           Row{1e300, false}, Row{1e308, false}, Row{-1e308, false},
                           Row{std::numeric_limits<double>::infinity(), false}}) {
        const StabilityNumbers n = computeStability(2, 300, 200, row.margin);
        EXPECT_EQ(n.DesiredMarginAccepted, row.accepted) << row.margin;
        EXPECT_TRUE(std::isfinite(n.CgDesired)) << row.margin;
        const std::string cgLine = stabilityResultLines(UiLanguage::German, true, ref, n)[2].text;
        const std::string label = marginLabelText(UiLanguage::English, 300, n);
        if (row.accepted) continue;
        EXPECT_EQ(cgLine, "Stabilitätsmaß: nur -100 bis 100 %") << row.margin;
        EXPECT_EQ(label, "%") << row.margin;
    }
}
