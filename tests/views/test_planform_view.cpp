#include "model/numformat.h"
#include "views/planform_view.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tvtest::at;

namespace {

const QColor kBlue{0, 0, 255}, kRed{255, 0, 0}, kBlack{0, 0, 0};

struct Drawn {
    QImage img;
    double scale;
};

Drawn draw(const tv::Wing& wing, QSize size, bool npKnown = false, double acX = 0, double acY = 0) {
    Drawn d{tvtest::blankImage(size.width(), size.height(), Qt::white), 0};
    QPainter p(&d.img);
    tv::PlanformScene scene{wing, npKnown, acX, acY, tvtest::kTip};
    d.scale = tv::PlanformView(p, size, scene);
    return d;
}

int R(double v) { return int(tv::roundHalfEven(v)); }

} // namespace

TEST(PlanformView, RectangleOutlineAndMeanChordAtTheFittedScale) {
    // Chord 200, half span 500 on 600 x 400: a = 300, p = 133, s = 600 / 2.03 / 500.
    const tv::Wing wing = tvtest::makeWing({});
    const Drawn d = draw(wing, {600, 400});
    const double s = 600 / 2.03 / 500;
    ASSERT_DOUBLE_EQ(d.scale, s);
    const int a = 300, p = 133, tip = R(500 * s), te = R(200 * s);
    EXPECT_EQ(at(d.img, 5, 300), tvtest::kTip);             // background
    EXPECT_EQ(at(d.img, a + 100, p + te), kBlue);            // trailing edge, right half
    EXPECT_EQ(at(d.img, a - 100, p + te), kBlue);            // and left half
    EXPECT_EQ(at(d.img, a + tip, p + 50), kBlue);            // tip chord
    EXPECT_EQ(at(d.img, a - tip, p + 50), kBlue);
    EXPECT_EQ(at(d.img, a + 100, p), kBlue);                 // leading edge over the reference line
    // r25 = 50, lm = 200: the mean chord on the centre line from Y(0) to Y(200), tick at Y(50).
    EXPECT_EQ(at(d.img, a, p + R(100 * s)), kRed);
    EXPECT_EQ(at(d.img, a + 1, R(p + 50 * s)), kRed);
    EXPECT_EQ(at(d.img, a, p + te + 20), kBlack);            // centre line below the wing
    EXPECT_EQ(at(d.img, 2, p), kBlack);                      // reference line beside the wing
    EXPECT_EQ(at(d.img, a + 20, 20), kRed);                  // flight direction
    tvtest::keep(d.img, "planform_rectangle");
}

TEST(PlanformView, RootChordsOnlyWithARootGap) {
    tvtest::WingSpec spec;
    const Drawn plain = draw(tvtest::makeWing(spec), {600, 400});
    spec.rootOffset = 120;
    const Drawn gap = draw(tvtest::makeWing(spec), {600, 400});
    const int a = 300, p = 133;
    EXPECT_EQ(at(plain.img, a + R(120 * plain.scale), p + 50), tvtest::kTip);
    EXPECT_EQ(at(gap.img, a + R(120 * gap.scale), p + 50), kBlue);
    EXPECT_EQ(at(gap.img, a - R(120 * gap.scale), p + 50), kBlue);
}

TEST(PlanformView, ScaleRules) {
    // Forward-swept tip: the chordwise extent is 2 * 100 = 200, not the 150 of the trailing edges.
    tvtest::WingSpec swept;
    swept.trapezia = 4;
    for (int k = 1; k <= 4; ++k) swept.span[k] = 10;
    for (int s = 1; s <= 5; ++s) swept.chord[s] = 50;
    swept.xOffset[5] = -100;
    EXPECT_DOUBLE_EQ(tv::planformScale(tvtest::makeWing(swept), {2000, 400}), 400 / 1.6 / 200);
    // Zero half span fits horizontally at 1.0; no chordwise extent takes the horizontal fit.
    tvtest::WingSpec none;
    none.span[1] = 0;
    EXPECT_DOUBLE_EQ(tv::planformScale(tvtest::makeWing(none), {600, 4000}), 1.0);
    none.chord[1] = none.chord[2] = 0;
    EXPECT_DOUBLE_EQ(tv::planformScale(tvtest::makeWing(none), {600, 400}), 1.0);
    EXPECT_EQ(tv::planformOrigin({601, 401}).a, 300);
    EXPECT_EQ(tv::planformOrigin({601, 401}).p, 133);
}

TEST(PlanformView, OneTrapeziumIgnoresStoredOuterSections) {
    tvtest::WingSpec spec;
    spec.span[2] = spec.span[3] = spec.span[4] = 200;
    spec.chord[3] = spec.chord[4] = spec.chord[5] = 200;
    const Drawn d = draw(tvtest::makeWing(spec), {600, 400});
    EXPECT_DOUBLE_EQ(d.scale, 600 / 2.03 / 500);
    spec.trapezia = 4;
    const Drawn four = draw(tvtest::makeWing(spec), {600, 400});
    EXPECT_DOUBLE_EQ(four.scale, 600 / 2.03 / 1100);
}

TEST(PlanformView, AerodynamicCentreCrossWhileTheNeutralPointIsKnown) {
    tvtest::WingSpec spec;
    spec.positionX = 1000;
    const tv::Wing wing = tvtest::makeWing(spec);
    const Drawn with = draw(wing, {600, 400}, true, 1000 + 60, 250);
    const Drawn without = draw(wing, {600, 400}, false, 1000 + 60, 250);
    const double s = with.scale;
    const int a = 300, p = 133, row = R(p + 60 * s), col = R(a + 250 * s);
    EXPECT_EQ(at(with.img, col + 2, row), kBlack);
    EXPECT_EQ(at(with.img, col, row + 2), kBlack);
    EXPECT_EQ(at(with.img, a - 3, row), kBlack);  // tick on the centre line
    EXPECT_EQ(at(without.img, col + 2, row), tvtest::kTip);
}
