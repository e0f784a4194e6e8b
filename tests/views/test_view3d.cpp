#include "views/view3d.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

using tvtest::at;

namespace {

constexpr double kDeg = 0.017453292519943295769;

// The projection written out: rotate about z by the azimuth, about x by the elevation, then
// divide by the weight 1 + depth / 10000.
void expectedUV(double X, double Y, double Z, double e, double a, double& u, double& v) {
    a *= kDeg;
    e *= kDeg;
    const double x1 = X * std::cos(a) - Y * std::sin(a), y1 = X * std::sin(a) + Y * std::cos(a);
    const double y2 = y1 * std::cos(e) - Z * std::sin(e), z2 = y1 * std::sin(e) + Z * std::cos(e);
    const double w = 1 + y2 / 10000;
    u = z2 / w;
    v = x1 / w;
}

} // namespace

TEST(View3D, ProjectionOfKnownPoints) {
    struct Row {
        const char* name;
        double e, a;
    };
    const Row rows[] = {{"default angles", 10, 110}, {"elevation 90", 90, 30}, {"edge-on", 0, 0}};
    const double pts[][3] = {{100, 0, 0}, {0, 100, 0}, {0, 0, 100}, {-250, 480, -60}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const tv::Matrix4 M = tv::viewMatrix(r.e, r.a);
        for (const auto& q : pts) {
            tv::Point3D pt{q[0], q[1], q[2], 0, 0};
            tv::projectPoints(M, &pt, 1);
            double u, v;
            expectedUV(q[0], q[1], q[2], r.e, r.a, u, v);
            EXPECT_NEAR(pt.u, u, 1e-9);
            EXPECT_NEAR(pt.v, v, 1e-9);
        }
    }
}

TEST(View3D, ElevationNinetyShowsThePlanformUndistorted) {
    // Seen from above at azimuth 0: a point of height 0 keeps its span as v and its x as u.
    const tv::Matrix4 M = tv::viewMatrix(tv::elevationFromBar(0), tv::azimuthFromBar(360));
    tv::Point3D pt{150, 320, 0, 0, 0};
    tv::projectPoints(M, &pt, 1);
    EXPECT_NEAR(pt.v, 150, 1e-9);
    EXPECT_NEAR(pt.u, 320, 1e-9);
    EXPECT_EQ(tv::screenPoint(pt, {401, 301}), QPoint(200 - 150, 150 - 320));
    tv::Point3D neg{-150.7, -20.2, 0, 0, 0};
    tv::projectPoints(M, &neg, 1);
    EXPECT_EQ(tv::screenPoint(neg, {400, 300}), QPoint(200 + 150, 150 + 20)); // cut towards zero
}

TEST(View3D, PointBehindTheEyeKeepsItsLastPosition) {
    const tv::Matrix4 M = tv::viewMatrix(0, 0); // depth = Y
    tv::Point3D pt{10, 0, 5, 7, 8};
    pt.Y = -10000; // weight 0
    tv::projectPoints(M, &pt, 1);
    EXPECT_EQ(pt.u, 7);
    EXPECT_EQ(pt.v, 8);
    pt.Y = -20000;
    tv::projectPoints(M, &pt, 1);
    EXPECT_EQ(pt.u, 7);
}

TEST(View3D, ZoomScale) {
    EXPECT_DOUBLE_EQ(tv::view3DScaleForZoom(75, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(tv::view3DScaleForZoom(10, 1), 3.6);
    EXPECT_DOUBLE_EQ(tv::view3DScaleForZoom(100, 1), 0.0001);
}

TEST(View3D, WireFrameFromAbove) {
    tvtest::WingSpec spec; // chord 200, half span 500 at x 0
    spec.trapezia = 1;
    spec.span[2] = 300;    // stored but hidden trapezium 2
    spec.chord[3] = 200;
    const tv::Aircraft ac = tvtest::makeAircraft(1, &spec);
    tv::View3DScene scene;
    scene.aircraft = &ac;
    scene.View3DScale = 0.25;
    scene.elevationDeg = 90;
    scene.azimuthDeg = 0;
    scene.colours.toolTipBackground = tvtest::kTip;
    auto state = std::make_unique<tv::View3DState>();
    QImage img = tvtest::blankImage(400, 300, Qt::white);
    QPainter p(&img);
    tv::d_3d(p, img.size(), scene, *state);
    p.end();
    // Screen (200 - trunc(y s), 150 - trunc(x s)): trailing edge row 150 - 50 = 100, tip column 75.
    EXPECT_EQ(at(img, 150, 100), tv::wingColour(1));
    EXPECT_EQ(at(img, 250, 100), tv::wingColour(1));
    EXPECT_EQ(at(img, 75, 125), tv::wingColour(1));
    EXPECT_EQ(at(img, 325, 125), tv::wingColour(1));
    EXPECT_EQ(at(img, 200, 125), tv::wingColour(1));          // root chord is always drawn
    EXPECT_EQ(at(img, 60, 125), tvtest::kTip);                // hidden trapezium 2 is not
    EXPECT_EQ(at(img, 200, 200), QColor(0, 0, 0));            // fuselage axis
    EXPECT_EQ(at(img, 180, 230), QColor(255, 0, 0));          // flight arrow from (180, 214) to its tip (180, 250)
    tvtest::keep(img, "view3d_top");
}

TEST(View3D, StalksAndMeshOfTheLoads) {
    auto ws = tv::makeSolverWorkspace();
    ws->PanelTotal = 4;
    ws->SpanwiseStrips[1] = 2;
    ws->ChordwisePanels[1] = 2;
    ws->shapeLattice();
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= 2; ++k) {
            ws->StripYMid(s, 1) = 100.0 * s;
            ws->ControlX(k, s, 1) = 50.0 * k;
            ws->PanelLoad3D(k, s, 1) = 10;
        }
    tvtest::WingSpec spec;
    const tv::Aircraft ac = tvtest::makeAircraft(1, &spec);
    tv::View3DScene scene;
    scene.aircraft = &ac;
    scene.solver = ws.get();
    scene.View3DScale = 1;
    scene.elevationDeg = 0; // edge-on: height runs up the screen
    scene.azimuthDeg = 0;
    scene.pressureOn = scene.NeutralPointKnown = scene.LatticeKnown = true;
    auto state = std::make_unique<tv::View3DState>();
    QImage img = tvtest::blankImage(600, 400, Qt::white);
    QPainter p(&img);
    tv::d_3d(p, img.size(), scene, *state);
    p.end();
    ASSERT_EQ(state->pressure.count, 8);
    EXPECT_EQ(state->pressure.points[1].Z, 80); // gain 8 times load 10
    // Base of strip 1 at column 300 - trunc(100 / w), w = 1 + x / 10000.
    const tv::Point3D& top = state->pressure.points[1];
    const QPoint topPx = tv::screenPoint(top, img.size());
    const QPoint basePx = tv::screenPoint(state->pressure.points[0], img.size());
    EXPECT_EQ(at(img, basePx.x(), (basePx.y() + topPx.y()) / 2), QColor(200, 200, 200));
    const QPoint nextStrip = tv::screenPoint(state->pressure.points[5], img.size());
    EXPECT_EQ(at(img, (topPx.x() + nextStrip.x()) / 2, topPx.y()), QColor(0, 255, 0));
    // Without a lattice of the current model there are no stalks.
    scene.LatticeKnown = false;
    img.fill(Qt::white);
    p.begin(&img);
    tv::d_3d(p, img.size(), scene, *state);
    p.end();
    EXPECT_FALSE(tvtest::anyPixel(img, img.rect(), QColor(0, 255, 0)));
    tvtest::keep(img, "view3d_stalks");
}
