#include "model/numformat.h"
#include "views/aircraft_view.h"
#include "views/view_common.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tvtest::at;

namespace {

int R(double v) { return int(tv::roundHalfEven(v)); }

QImage drawAircraft(const tv::Aircraft& ac, QSize size, tv::AircraftViewGeometry* out = nullptr) {
    QImage img = tvtest::blankImage(size.width(), size.height());
    QPainter p(&img);
    const tv::AircraftViewGeometry g = tv::fitAircraftView(ac, size);
    tv::d_1d(p, size, ac, g, " flight direction");
    if (out) *out = g;
    return img;
}

tvtest::WingSpec at_z(int z) {
    tvtest::WingSpec s;
    s.positionZ = z;
    return s;
}

} // namespace

TEST(AircraftView, RanksFromHeight) {
    const tvtest::WingSpec specs[5] = {at_z(0), at_z(0), at_z(10), at_z(-5), at_z(10)};
    const tv::Aircraft ac = tvtest::makeAircraft(5, specs);
    const auto rank = tv::computeDrawRank(ac);
    EXPECT_EQ((std::array<int, 6>{0, 2, 2, 4, 1, 4}), rank);
    // A wing beyond the count still takes a rank: wing 5 lowest pushes the others up.
    const tvtest::WingSpec three[5] = {at_z(0), at_z(0), at_z(10), at_z(20), at_z(-100)};
    const auto r3 = tv::computeDrawRank(tvtest::makeAircraft(3, three, 5));
    EXPECT_EQ(r3[5], 1);
    EXPECT_EQ(r3[1], 2);
    EXPECT_EQ(r3[3], 4);
}

TEST(AircraftView, HighestWingIsDrawnLastWingOrderWithinARank) {
    // Five identical planforms on top of each other: the visible colour is the last drawn.
    const QSize size(400, 300);
    const auto visible = [&](const std::array<int, 5>& z, int wings) {
        tvtest::WingSpec specs[5];
        for (int i = 0; i < 5; ++i) specs[i] = at_z(z[i]);
        tv::AircraftViewGeometry g;
        const QImage img = drawAircraft(tvtest::makeAircraft(wings, specs), size, &g);
        const int te = g.AircraftDatumY + R(200 * g.AircraftScale);
        return at(img, g.AircraftCentreX + 50, te);
    };
    EXPECT_EQ(visible({0, 0, 10, -5, 10}, 5), tv::wingColour(5)); // ranks 2,2,4,1,4: wing 5 last
    EXPECT_EQ(visible({0, 0, 30, -5, 10}, 5), tv::wingColour(3));
    EXPECT_EQ(visible({0, 0, 0, 0, 0}, 5), tv::wingColour(5));
    EXPECT_EQ(visible({0, 0, 0, 0, 50}, 4), tv::wingColour(4));   // wing 5 is not drawn
}

TEST(AircraftView, DatumRowOfTheFit) {
    const QSize size(700, 420);
    tvtest::WingSpec main;
    tv::AircraftViewGeometry g;
    QImage img = drawAircraft(tvtest::makeAircraft(1, &main), size, &g);
    // Only wing 1 at x = 0: xmin = 0, datum at H/7; scale the smaller of the two fits.
    const double sx = 700 / 2.03 / 500, sy = 420 / 1.26 / 200;
    EXPECT_DOUBLE_EQ(g.AircraftScale, std::min(sx, sy));
    EXPECT_DOUBLE_EQ(g.View3DScale, g.AircraftScale);
    EXPECT_EQ(g.AircraftDatumY, 60);
    EXPECT_EQ(g.AircraftCentreX, 350);
    EXPECT_EQ(at(img, 2, 60), QColor(0, 0, 0));
    EXPECT_EQ(at(img, 2, 61), tvtest::kTip);

    // A canard at x = -300 moves the datum down by 300 * scale; its leading edge lies on H/7.
    tvtest::WingSpec pair[2] = {main, main};
    pair[1].positionX = -300;
    pair[1].chord[1] = pair[1].chord[2] = 100;
    pair[1].span[1] = 200;
    img = drawAircraft(tvtest::makeAircraft(2, pair), size, &g);
    EXPECT_EQ(g.AircraftDatumY, R(60 + 300 * g.AircraftScale));
    EXPECT_EQ(at(img, 2, g.AircraftDatumY), QColor(0, 0, 0));
    EXPECT_EQ(at(img, g.AircraftCentreX + 30, 60), tv::wingColour(2));
    tvtest::keep(img, "aircraft_canard");
}

TEST(AircraftView, RootLeadingEdgeOfOtherWingsIsNotFitted) {
    // Wing 3 at x = -200 whose outer leading edges are 100 aft: xf = -100.
    tvtest::WingSpec specs[3] = {{}, {}, {}};
    specs[2].positionX = -200;
    specs[2].xOffset[2] = 100;
    const tv::Aircraft ac = tvtest::makeAircraft(3, specs);
    const tv::AircraftViewGeometry g = tv::fitAircraftView(ac, {700, 420});
    EXPECT_EQ(g.AircraftDatumY, R(60 + 100 * g.AircraftScale));
}

TEST(AircraftView, DegenerateFitFallsBackToOnePixelPerMillimetre) {
    tvtest::WingSpec flat;
    flat.span[1] = 0;
    flat.chord[1] = flat.chord[2] = 0;
    tvtest::WingSpec five[5] = {flat, flat, flat, flat, flat};
    const tv::AircraftViewGeometry g = tv::fitAircraftView(tvtest::makeAircraft(5, five), {300, 300});
    EXPECT_DOUBLE_EQ(g.AircraftScale, 1.0);
    EXPECT_DOUBLE_EQ(tv::magnifiedGeometry(g, 10).AircraftScale, 4.6);
    EXPECT_DOUBLE_EQ(tv::magnifiedGeometry(g, 100).AircraftScale, 1.0);
}
