// Strip trim: widths with equal width-to-mean-chord ratio, for every trapezium with positive
// chords, and the refusal of a zero chord.
#include "solver/fcn.h"
#include "solver/trapez_trim.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tv {
namespace {

using testing::sharedWorkspace;

struct TrimCase {
    const char* name;
    int strips;
    double span, cIn, cOut;
};

// Widths from the fractions, checked against the defining equations directly.
void expectEqualRatios(const TrimCase& c, const double* fraction) {
    const double taper = (c.cOut - c.cIn);
    const double firstRatio = (fraction[1] - fraction[0]) * c.span / (c.cIn + taper * (fraction[0] + fraction[1]) / 2);
    for (int i = 1; i <= c.strips; ++i) {
        const double width = (fraction[i] - fraction[i - 1]) * c.span;
        const double meanChord = c.cIn + taper * (fraction[i - 1] + fraction[i]) / 2;
        EXPECT_GT(width, 0) << c.name << " strip " << i;
        EXPECT_NEAR(width / meanChord, firstRatio, 1e-9 * firstRatio) << c.name << " strip " << i;
    }
    EXPECT_NEAR(fraction[c.strips] * c.span, c.span, 1e-9) << c.name;
}

TEST(TRAPEZ_TRIM, EveryPositiveTaperConvergesToEqualRatios) {
    const TrimCase cases[] = {
        {"rectangle", 8, 500, 200, 200},
        {"mild taper", 10, 600, 300, 100},
        {"root 400 to tip 19 over 300", 20, 300, 400, 19},
        {"chord ratio 1:1000", 50, 1000, 1000, 1},
        {"widening outwards", 12, 400, 100, 250},
        {"nearly rectangular", 30, 800, 200, 200.000001},
        {"most strips a trim holds", 297, 3000, 50, 10},
    };
    for (const TrimCase& c : cases) {
        SolverWorkspace& ws = sharedWorkspace();
        std::array<double, kTrimCapacity + 1> fraction{};
        TRAPEZ_TRIM(ws, UiLanguage::English, 1, 1, 10, c.strips, c.span, c.cIn, c.cOut, fraction.data());
        EXPECT_FALSE(ws.AbortCalculation) << c.name;
        EXPECT_TRUE(ws.Messages.empty()) << c.name;
        expectEqualRatios(c, fraction.data());
    }
}

TEST(TRAPEZ_TRIM, TaperedWidthsFormAGeometricProgressionSummingToTheSpan) {
    TrimVector v{};
    geometricStripWidths(6, 600, 300, 100, v);
    double sum = 0;
    for (int i = 1; i <= 6; ++i) sum += v[i];
    EXPECT_NEAR(sum, 600, 1e-9);
    for (int i = 2; i <= 6; ++i) EXPECT_NEAR(v[i] / v[i - 1], std::pow(100.0 / 300.0, 1.0 / 6), 1e-12);
    // The widths satisfy the strip equations without any Newton step.
    v[7] = 600, v[8] = 300, v[9] = 100;
    TrimVector f{};
    FCN(9, 6, v, f);
    for (int r = 1; r <= 6; ++r) EXPECT_NEAR(f[r], 0, 1e-12) << r;
}

TEST(TRAPEZ_TRIM, ZeroChordIsRefusedWithTheTrapeziumLinesAndEqualStrips) {
    for (const auto& [cIn, cOut] : {std::pair{300.0, 0.0}, std::pair{0.0, 300.0}}) {
        SolverWorkspace& ws = sharedWorkspace();
        std::array<double, kTrimCapacity + 1> fraction{};
        TRAPEZ_TRIM(ws, UiLanguage::English, 2, 3, 10, 4, 400, cIn, cOut, fraction.data());
        EXPECT_TRUE(ws.AbortCalculation);
        EXPECT_EQ(ws.Messages, trapeziumFailureLines(UiLanguage::English, 2, 3));
        for (int i = 0; i <= 4; ++i) EXPECT_DOUBLE_EQ(fraction[i], i / 4.0);
    }
}

} // namespace
} // namespace tv
