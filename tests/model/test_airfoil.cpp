#include "model/airfoil.h"
#include "model/trim_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tv {
namespace {

struct NacaRow {
    const char* name;
    double alpha0, cm0, tolerance;
};

class NacaCheck : public ::testing::TestWithParam<NacaRow> {};

// Thin-airfoil values of the four-digit camber lines (the 2412's are the textbook figures).
TEST_P(NacaCheck, ThinAirfoilValues) {
    const auto c = nacaFourDigit(GetParam().name);
    ASSERT_TRUE(c);
    EXPECT_NEAR(c->Alpha0Deg, GetParam().alpha0, GetParam().tolerance);
    EXPECT_NEAR(c->Cm0, GetParam().cm0, GetParam().tolerance / 10);
}
INSTANTIATE_TEST_SUITE_P(Names, NacaCheck,
                         ::testing::Values(NacaRow{"NACA 2412", -2.08, -0.053, 0.01},
                                           NacaRow{"naca2412", -2.08, -0.053, 0.01},
                                           NacaRow{" 0012 ", 0.0, 0.0, 1e-12},
                                           NacaRow{"NACA 4412", -4.15, -0.106, 0.02}));

TEST(Naca, OtherTextsAreNoName) {
    for (const char* text : {"", "NACA", "NACA 23012", "24a2", "Clark Y", "NACA 241"})
        EXPECT_FALSE(nacaFourDigit(text)) << text;
}

/// A Selig file of a camber line z(x) with thickness t(x): TE -> upper -> LE -> lower -> TE.
template <class Camber>
std::string seligFile(Camber z, double thickness = 0.06) {
    std::string out = "test section\n";
    const int n = 60;
    auto line = [&](double x, double y) { out += std::to_string(x) + "  " + std::to_string(y) + "\n"; };
    for (int i = n; i >= 0; --i) {
        const double x = (1 - std::cos(M_PI * i / n)) / 2, t = thickness * 2 * std::sqrt(x) * (1 - x);
        line(x, z(x) + t);
    }
    for (int i = 1; i <= n; ++i) {
        const double x = (1 - std::cos(M_PI * i / n)) / 2, t = thickness * 2 * std::sqrt(x) * (1 - x);
        line(x, z(x) - t);
    }
    return out;
}

double naca2412(double x) { return x < 0.4 ? 0.02 / 0.16 * (0.8 * x - x * x) : 0.02 / 0.36 * (0.2 + 0.8 * x - x * x); }

TEST(AirfoilFile, CoordinatesGiveTheCamberLinesValues) {
    const Airfoil cambered = airfoilFromCoordinates(seligFile(naca2412));
    ASSERT_TRUE(cambered.ok());
    EXPECT_EQ(cambered.Name, "test section");
    EXPECT_NEAR(cambered.Coefficients.Alpha0Deg, -2.08, 0.02);
    EXPECT_NEAR(cambered.Coefficients.Cm0, -0.053, 0.002);

    const Airfoil symmetric = airfoilFromCoordinates(seligFile([](double) { return 0.0; }, 0.12));
    ASSERT_TRUE(symmetric.ok());
    EXPECT_NEAR(symmetric.Coefficients.Alpha0Deg, 0, 1e-9);
    EXPECT_NEAR(symmetric.Coefficients.Cm0, 0, 1e-9);

    // A reflexed line: camber ahead, the trailing edge bent up.
    const Airfoil reflexed = airfoilFromCoordinates(seligFile([](double x) { return 0.06 * x * (1 - x) * (1 - 2.2 * x); }));
    ASSERT_TRUE(reflexed.ok());
    EXPECT_GT(reflexed.Coefficients.Cm0, 0);
}

TEST(AirfoilFile, LednicerLayoutReadsAsTheSameSection) {
    std::string text = "LEDNICER\n41. 41.\n";
    for (double sign : {1.0, -1.0}) {
        text += "\n";
        for (int i = 0; i <= 40; ++i) {
            const double x = (1 - std::cos(M_PI * i / 40)) / 2;
            text += std::to_string(x) + " " + std::to_string(0.05 * x * (1 - x) + sign * 0.04) + "\n";
        }
    }
    const Airfoil a = airfoilFromCoordinates(text);
    ASSERT_TRUE(a.ok());
    // A parabolic camber line of height 0.0125: alpha0 = -2 h (radians), Cm0 = -pi h.
    EXPECT_NEAR(a.Coefficients.Alpha0Deg, -2 * 0.0125 * 180 / M_PI, 0.02);
    EXPECT_NEAR(a.Coefficients.Cm0, -M_PI * 0.0125, 0.001);
}

struct BadFileRow {
    const char* text;
    AirfoilError error;
    int line;
};
class BadAirfoilFile : public ::testing::TestWithParam<BadFileRow> {};

TEST_P(BadAirfoilFile, IsAnErrorValue) {
    const Airfoil a = airfoilFromCoordinates(GetParam().text);
    EXPECT_EQ(a.Error, GetParam().error);
    EXPECT_EQ(a.Line, GetParam().line);
}
INSTANTIATE_TEST_SUITE_P(Texts, BadAirfoilFile, ::testing::Values(
    BadFileRow{"", AirfoilError::Empty, 0},
    BadFileRow{"name only\n\n", AirfoilError::Empty, 0},
    BadFileRow{"s\n1 0\n0.5 0.1\nzero 0\n0.5 -0.1\n1 0\n", AirfoilError::NotNumeric, 4},
    BadFileRow{"s\n1 0\n0.5 0.1\n0.7 0.1\n0 0\n0.5 -0.1\n1 0\n", AirfoilError::OutOfOrder, 3},
    BadFileRow{"s\n0 0\n0.5 0.1\n1 0\n", AirfoilError::SingleSurface, 0},
    BadFileRow{"s\n1 0\n0.5 0.1\n0 0\n", AirfoilError::SingleSurface, 0},
    BadFileRow{"s\n9 9\n0 0\n1 0\n", AirfoilError::SingleSurface, 0},
    BadFileRow{"s\n1e300 1e300\n0 0\n1 0\n", AirfoilError::SingleSurface, 0},
    BadFileRow{"s\n1 0\n0.5 1e308\n0 0\n0.5 1e308\n1 0\n", AirfoilError::NotNumeric, 0}));

TEST(TrimSettings, TextsReadLenientlyAndANacaNameFillsEmptyValues) {
    TrimTexts t;
    t.Wings[1].Incidence = "2.5deg";
    t.Wings[1].Sections[1].Airfoil = "NACA 2412";
    t.Wings[1].Sections[2] = {"-1.5", "NACA 2412", "-3", ""}; // a typed value wins over the name
    t.Wings[2].Sections[1].Cm0 = "abc";
    const TrimSettings s = trimSettings(t);
    EXPECT_DOUBLE_EQ(s.Wings[1].Incidence, 2.5);
    EXPECT_NEAR(s.Wings[1].Sections[1].Alpha0, -2.08, 0.01);
    EXPECT_DOUBLE_EQ(s.Wings[1].Sections[2].Alpha0, -3);
    EXPECT_DOUBLE_EQ(s.Wings[1].Sections[2].Cm0, 0);
    EXPECT_DOUBLE_EQ(s.Wings[1].Sections[2].Twist, -1.5);
    EXPECT_DOUBLE_EQ(s.Wings[2].Sections[1].Cm0, 0);
    EXPECT_DOUBLE_EQ(s.Density, kStandardAirDensity);
    EXPECT_FALSE(s.MassTyped);
}

} // namespace
} // namespace tv
