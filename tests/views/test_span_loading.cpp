// The span-loading plot: its axes, the elliptic reference and the picture's symmetry.
#include "model/planform.h"
#include "solver/calculation.h"
#include "i18n/export_texts.h"
#include "views/span_loading.h"
#include "views/view_common.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

TEST(SpanLoading, NiceAxisCoversTheRangeInRoundSteps) {
    struct Row {
        double lo, hi;
        int ticks;
        double step;
    } rows[] = {
        {-1100, 1100, 10, 500}, {0, 5.3, 6, 1}, {0, 0.73, 6, 0.2}, {-0.4, 2.1, 5, 0.5},
        {-12.5, 12.5, 12, 5},   {0, 1e-3, 4, 5e-4}, {3, 3.5, 5, 0.1},
    };
    for (const Row& r : rows) {
        const tv::PlotAxis a = tv::niceAxis(r.lo, r.hi, r.ticks);
        EXPECT_DOUBLE_EQ(a.step, r.step) << r.lo << " " << r.hi;
        EXPECT_LE(a.lo, r.lo);
        EXPECT_GE(a.hi, r.hi);
        EXPECT_LT(r.lo - a.lo, a.step * (1 + 1e-9));
        EXPECT_LT(a.hi - r.hi, a.step * (1 + 1e-9));
        EXPECT_NEAR(a.lo / a.step, std::round(a.lo / a.step), 1e-9);
    }
    const tv::PlotAxis flat = tv::niceAxis(2, 2, 5); // no range: a unit axis rather than a division by 0
    EXPECT_LT(flat.lo, flat.hi);
}

TEST(SpanLoading, EllipseCarriesTheWingsLiftAndEndsAtTheTips) {
    tv::SpanLoadingWing w;
    w.tip = 750;
    w.lift = 3200;
    const int n = 200000;
    double sum = 0;
    for (int i = 0; i < n; ++i) sum += tv::ellipticLoad(w, -w.tip + (i + 0.5) * 2 * w.tip / n) * 2 * w.tip / n;
    EXPECT_NEAR(sum, w.lift, 1e-4 * w.lift);
    for (double y : {-750.0, 750.0, 900.0}) EXPECT_EQ(tv::ellipticLoad(w, y), 0.0) << y;
}

// The default aircraft's wing 1 alone: the scene from the solver and its picture.
struct SpanLoadingPicture : testing::Test {
    static void SetUpTestSuite() {
        ws = tv::makeSolverWorkspace().release();
        tv::AircraftTexts texts = tv::defaultAircraftTexts();
        texts.WingCount = 1;
        ac = tv::computeAircraft(texts);
        tv::runCalculation(ac, *ws, tv::UiLanguage::English);
    }
    static void TearDownTestSuite() { delete ws; }
    static tv::SolverWorkspace* ws;
    static tv::Aircraft ac;
};
tv::SolverWorkspace* SpanLoadingPicture::ws = nullptr;
tv::Aircraft SpanLoadingPicture::ac;

TEST_F(SpanLoadingPicture, SceneHoldsTheWingsLiftOverTheReferenceChord) {
    ASSERT_FALSE(ws->AbortCalculation);
    const tv::SpanLoadingScene scene = tv::spanLoadingScene(1, *ws, tv::UiLanguage::German);
    ASSERT_EQ(scene.wings.size(), 1u);
    const tv::SpanLoadingWing& w = scene.wings[0];
    EXPECT_EQ(int(w.y.size()), ws->SpanwiseStrips[1]);
    EXPECT_NEAR(w.lift * ws->ReferenceChord, ws->WingLiftSlope[1] * ac.Wings[1].planform.S, 1e-9 * w.lift * ws->ReferenceChord);
    EXPECT_DOUBLE_EQ(w.tip, ac.Wings[1].planform.b / 2);
    EXPECT_EQ(scene.names[1], "Flügel-1");
}

// In inches the span axis runs in whole inch steps around the tips, and the loads stand where
// their stations in mm put them on it; its caption names the unit in every language.
TEST_F(SpanLoadingPicture, TheSpanAxisInInchesCarriesTheStationsInMillimetres) {
    tv::SpanLoadingScene scene = tv::spanLoadingScene(1, *ws, tv::UiLanguage::English);
    scene.length = tv::Unit::Inch;
    QImage img = tvtest::blankImage(900, 500);
    QPainter p(&img);
    const tv::SpanLoadingFrame f = tv::drawSpanLoading(p, img.rect(), scene);
    p.end();
    const tv::SpanLoadingWing& w = scene.wings[0];
    EXPECT_GE(f.span.hi, w.tip / 25.4);
    EXPECT_LT(f.span.hi, w.tip / 25.4 + f.span.step);
    const std::size_t s = w.y.size() / 2;
    const QPoint c(tv::roundPixel(f.column(w.y[s])), tv::roundPixel(f.row(w.load[s])));
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(c - QPoint(2, 2), QSize(5, 5)), tv::wingColour(1)));
    for (const auto& [lang, unit] : {std::pair{tv::UiLanguage::English, "[in]"}, std::pair{tv::UiLanguage::German, "[in]"},
                                     std::pair{tv::UiLanguage::Spanish, "[pulg]"}}) {
        EXPECT_NE(tv::spanAxisCaption(lang, tv::Unit::Inch).find(unit), std::string::npos) << int(lang);
        EXPECT_EQ(tv::spanAxisCaption(lang, tv::Unit::Millimetre), tv::spanLoadingTexts(lang).spanAxis);
    }
}

TEST_F(SpanLoadingPicture, BothHalvesInTheWingsColourAndNothingWithoutLoads) {
    const tv::SpanLoadingScene scene = tv::spanLoadingScene(1, *ws, tv::UiLanguage::English);
    QImage img = tvtest::blankImage(900, 500);
    QPainter p(&img);
    const tv::SpanLoadingFrame f = tv::drawSpanLoading(p, img.rect(), scene);
    p.end();
    tvtest::keep(img, "span_loading");
    const tv::SpanLoadingWing& w = scene.wings[0];
    const QColor blue = tv::wingColour(1);
    // The load of a strip halfway out, on the right half and mirrored on the left.
    const std::size_t s = w.y.size() / 2;
    for (double side : {-1.0, 1.0}) {
        const QPoint c(tv::roundPixel(f.column(side * w.y[s])), tv::roundPixel(f.row(w.load[s])));
        EXPECT_TRUE(tvtest::anyPixel(img, QRect(c - QPoint(2, 2), QSize(5, 5)), blue)) << side;
    }
    // The ellipse reaches the axis at both tips; above the plot's frame no wing colour.
    for (double side : {-1.0, 1.0}) {
        const QPoint c(tv::roundPixel(f.column(side * w.tip)), tv::roundPixel(f.row(0)));
        EXPECT_TRUE(tvtest::anyPixel(img, QRect(c - QPoint(3, 4), QSize(7, 5)), blue)) << side;
    }
    EXPECT_FALSE(tvtest::anyPixel(img, QRect(0, 0, img.width(), f.plot.top() - 1), blue));
    EXPECT_LE(f.load.lo, 0.0);
    EXPECT_GE(f.span.hi, w.tip);
    EXPECT_DOUBLE_EQ(f.span.lo, -f.span.hi);

    tv::SpanLoadingScene none;
    QImage empty = tvtest::blankImage(900, 500);
    QPainter q(&empty);
    tv::drawSpanLoading(q, empty.rect(), none);
    q.end();
    EXPECT_FALSE(tvtest::anyPixel(empty, empty.rect(), blue));
    EXPECT_TRUE(tvtest::anyPixel(empty, QRect(300, 200, 300, 100), Qt::black)) << "the note to calculate";
}

} // namespace
