#include "model/numformat.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tvtest::at;

namespace {

const QColor kRed{255, 0, 0}, kBlue{0, 0, 255};
const QSize kSize(800, 500);

// One rectangle wing (chord 200, half span 300) with its neutral point at 300 mm.
struct StabilityFixture : testing::Test {
    tv::Aircraft ac;
    tv::StabilityScene scene;
    tv::AircraftViewGeometry g;
    StabilityFixture() {
        tvtest::WingSpec wing;
        wing.span[1] = 300;
        ac = tvtest::makeAircraft(1, &wing);
        scene.aircraft = &ac;
        scene.NeutralPointKnown = true;
        scene.reference = {60000 * 2, 200, 300};
        scene.numbers = tv::computeStability(scene.aircraft->WingCount, 300, 200, 7.5);
        scene.colours.toolTipBackground = tvtest::kTip;
        scene.flightCaption = " flight direction";
        g = tv::fitAircraftView(ac, kSize);
    }
    tv::StabilityPicture draw(QImage& img) {
        img = tvtest::blankImage(kSize.width(), kSize.height(), Qt::white);
        QPainter p(&img);
        return tv::STABIL(p, kSize, scene, g);
    }
};

} // namespace

TEST_F(StabilityFixture, AutomaticMarksAtTheirRows) {
    QImage img;
    const tv::StabilityPicture pic = draw(img);
    ASSERT_TRUE(pic.drawn);
    EXPECT_DOUBLE_EQ(pic.numbers.CgHigh, 284.0);
    EXPECT_DOUBLE_EQ(pic.numbers.CgLow, 292.0);
    const int c = tv::markerColumn(kSize.width());
    EXPECT_EQ(c, 400);
    const int np = tv::markerRow(g, 300), low = tv::markerRow(g, 292), high = tv::markerRow(g, 284);
    EXPECT_EQ(np, int(tv::roundHalfEven(300 * g.AircraftScale + g.AircraftDatumY)));
    EXPECT_EQ(at(img, c + 3, np), kRed);
    EXPECT_EQ(at(img, c - 4, np), kRed);
    EXPECT_EQ(at(img, c + 2, low), kBlue);
    EXPECT_EQ(at(img, c - 3, high), kBlue);
    EXPECT_EQ(at(img, c, (low + high) / 2), kBlue);
    EXPECT_EQ(at(img, 3, 3), tvtest::kTip);
    EXPECT_EQ(at(img, 0, 3), QColor(128, 128, 128)); // grey outline of the cleared image
    EXPECT_EQ(pic.label21, "%  AC-CG= 15.0mm"); // the desired margin 7.5 % of 200 mm
    tvtest::keep(img, "stabil_auto");
}

TEST_F(StabilityFixture, ManualMarkAndLabel) {
    scene.manual = true;
    QImage img;
    const tv::StabilityPicture pic = draw(img);
    EXPECT_DOUBLE_EQ(pic.numbers.CgDesired, 285.0);
    EXPECT_EQ(pic.label21, "%  AC-CG= 15.0mm");
    const int c = tv::markerColumn(kSize.width());
    EXPECT_EQ(at(img, c + 2, tv::markerRow(g, 285)), kBlue);
    EXPECT_NE(at(img, c + 2, tv::markerRow(g, 292)), kBlue); // no automatic range
}

TEST_F(StabilityFixture, ResultLinesAndTheirBackground) {
    // The wing covers the lines' standard rows 232..; they stand below it, moved as one block.
    QImage img;
    int shift = draw(img).geometry.ResultLinesShift;
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(9, 232 + shift, 150, 14), QColor(0, 0, 0)));
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(9, 266 + shift, 150, 14), kBlue));
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(9, 298 + shift, 150, 14), kRed));
    // With the lattice known the first line stands on the light 3-D colour.
    scene.LatticeKnown = true;
    scene.colours.light3D = QColor(10, 200, 30);
    auto ws = tv::makeSolverWorkspace();
    scene.solver = ws.get();
    shift = draw(img).geometry.ResultLinesShift;
    EXPECT_TRUE(tvtest::anyPixel(img, QRect(9, 232 + shift, 150, 14), scene.colours.light3D));
    EXPECT_FALSE(tvtest::anyPixel(img, QRect(9, 249 + shift, 150, 14), scene.colours.light3D));
}

TEST_F(StabilityFixture, ReferenceOutlineOnTheLeftHalfOnlyWithTheLatticeOfThisModel) {
    // The reference wing, x 0..200 and y 0..300, is laid at column W/2 - y s: left of the centre line.
    auto ws = tv::makeSolverWorkspace();
    tv::Outline& o = ws->ReferenceOutline;
    o.count = 4;
    o.x = {0, 0, 0, 200, 200};
    o.y = {0, 0, 300, 300, 0};
    scene.solver = ws.get();
    scene.LatticeKnown = true;
    scene.colours.light3D = QColor(10, 200, 30);
    const int c = tv::markerColumn(kSize.width()), across = int(tv::roundHalfEven(150 * g.AircraftScale));
    const int row = tv::markerRow(g, 100);
    QImage img;
    draw(img);
    EXPECT_EQ(at(img, c - across, row), scene.colours.light3D);
    EXPECT_EQ(at(img, c + across, row), tvtest::kTip);
    // Called by the open-file command, the lattice in memory is the previous aircraft's.
    scene.fromOpenFile = true;
    draw(img);
    EXPECT_EQ(at(img, c - across, row), tvtest::kTip);
    scene.fromOpenFile = false;
    scene.LatticeKnown = false;
    draw(img);
    EXPECT_EQ(at(img, c - across, row), tvtest::kTip);
}

TEST_F(StabilityFixture, NothingWithoutANeutralPoint) {
    scene.NeutralPointKnown = false;
    QImage img;
    const tv::StabilityPicture pic = draw(img);
    EXPECT_FALSE(pic.drawn);
    EXPECT_EQ(pic.label21, "%");
    EXPECT_EQ(at(img, 400, 250), QColor(255, 255, 255));
}

TEST_F(StabilityFixture, LeaderLinesCrossNoResultText) {
    // Long numbers and the longest captions: every pixel of every result line's text stays as
    // the stability picture drew it, and each leader still starts on its line and ends at its mark.
    struct Row {
        tv::UiLanguage lang;
        bool manual;
        double margin;
    };
    const Row rows[] = {{tv::UiLanguage::English, false, 7.5}, {tv::UiLanguage::English, true, 12.5},
                        {tv::UiLanguage::German, true, 12.5},  {tv::UiLanguage::Spanish, false, 7.5},
                        {tv::UiLanguage::Spanish, true, 12.5}};
    scene.reference = {99999999, 1234.5, 1083.3};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << int(r.lang) << (r.manual ? " manual" : " automatic"));
        scene.lang = r.lang;
        scene.manual = r.manual;
        scene.numbers = tv::computeStability(scene.aircraft->WingCount, scene.reference.NeutralPointX,
                                             scene.reference.ReferenceChord, r.margin);
        QImage img;
        const tv::StabilityPicture pic = draw(img);
        const QImage before = img.copy();
        QPainter p(&img);
        tv::Zeiger(p, kSize.width(), r.lang, r.manual, scene.reference, pic.numbers, pic.geometry);
        const QFontMetrics fm = p.fontMetrics();
        const auto leaders = tv::leaderLines(fm, kSize.width(), r.lang, r.manual, scene.reference, pic.numbers, pic.geometry);
        p.end();
        for (const tv::ResultLine& line : tv::stabilityResultLines(r.lang, r.manual, scene.reference, pic.numbers)) {
            QString text = QString::fromStdString(line.text).trimmed();
            const QRect box(tv::kResultColumn, line.row + pic.geometry.ResultLinesShift, fm.horizontalAdvance(text),
                            fm.height());
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    ASSERT_EQ(img.pixel(x, y), before.pixel(x, y)) << line.text << " struck at " << x << "," << y;
        }
        ASSERT_EQ(leaders.size(), r.manual ? 2u : 3u);
        for (const tv::LeaderLine& l : leaders) {
            EXPECT_EQ(at(img, l.start.x(), l.start.y()), l.colour);
            EXPECT_EQ(l.end.x(), tv::markerColumn(kSize.width()) - 7);
        }
        EXPECT_EQ(leaders.back().end.y(), tv::markerRow(pic.geometry, scene.reference.NeutralPointX));
    }
}

TEST(LatticeOverlay, TintsOfTheGainExample) {
    QColor t;
    ASSERT_TRUE(tv::panelTint(0.0125, 8, t));
    EXPECT_EQ(t, QColor(255, 244, 244));
    ASSERT_TRUE(tv::panelTint(-0.0125, 8, t));
    EXPECT_EQ(t, QColor(244, 244, 255));
    EXPECT_FALSE(tv::panelTint(0.0, 8, t));
    ASSERT_TRUE(tv::panelTint(1e3, 80, t)); // saturated
    EXPECT_EQ(t, QColor(255, 0, 0));
    EXPECT_EQ(tv::pressureGain(92), 8);
    EXPECT_EQ(tv::pressureGain(20), 80);
    EXPECT_EQ(tv::pressureGain(99), 1);
}

TEST(LatticeOverlay, PanelsTintedAndZeroLoadKeepsTheBrush) {
    auto ws = tv::makeSolverWorkspace();
    // Wing 1: one strip from y 0 to 100, three rows 0..30..60..90 mm, loads +, 0, -.
    ws->SpanwiseStrips[1] = 1;
    ws->ChordwisePanels[1] = 3;
    ws->shapeLattice();
    ws->StripYLeft(1, 1) = 0;
    ws->StripYRight(1, 1) = 100;
    for (int k = 1; k <= 4; ++k) ws->PanelXLeft(k, 1, 1) = ws->PanelXRight(k, 1, 1) = 30.0 * (k - 1);
    ws->PanelLoad(1, 1, 1) = 0.0125;
    ws->PanelLoad(2, 1, 1) = 0;
    ws->PanelLoad(3, 1, 1) = -0.0125;
    tv::AircraftViewGeometry g;
    g.AircraftScale = 2;
    g.AircraftDatumY = 10;
    g.DrawRank = {0, 1, 2, 3, 4, 5};
    tv::LatticeOverlayOptions o;
    o.pressureOn = true;
    o.WingCount = 1;
    QImage img = tvtest::blankImage(401, 300, Qt::white);
    QPainter p(&img);
    tv::DrawGrid(p, 401, g, *ws, o);
    p.end();
    // Centre column 401 / 2 = 200; panel k spans rows 10 + 60 (k-1) .. 10 + 60 k.
    EXPECT_EQ(at(img, 300, 40), QColor(255, 244, 244));
    EXPECT_EQ(at(img, 300, 100), QColor(255, 244, 244)); // load 0: the brush of the panel before
    EXPECT_EQ(at(img, 300, 70), tv::wingColour(1));       // ... with the wing-colour pen
    EXPECT_EQ(at(img, 300, 160), QColor(244, 244, 255));
    // Switch off: outlined in the wing colour, filled with the starting brush.
    o.pressureOn = false;
    img.fill(Qt::white);
    p.begin(&img);
    tv::DrawGrid(p, 401, g, *ws, o);
    p.end();
    EXPECT_EQ(at(img, 300, 40), o.startBrush);
    EXPECT_EQ(at(img, 300, 10), tv::wingColour(1));
    EXPECT_EQ(at(img, 200, 40), tv::wingColour(1));
}
