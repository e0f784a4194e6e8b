#include "views/aircraft_view.h"

#include "model/numformat.h"
#include "views/view_common.h"
#include "views/wing_outline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tv {
namespace {

struct Extents {
    double hs = 1.0, xr = 1.0, xf = 0.0; // half span, rear and front x, mm (absent wings keep these)
};

Extents wingExtents(const Wing& w) {
    const int n = drawnSections(w);
    Extents e;
    e.hs = double(w.SectionY[n]);
    double rear = w.Chord[1];
    double front = std::numeric_limits<double>::infinity();
    for (int s = 2; s <= n; ++s) {
        rear = std::max(rear, sectionLeadingEdge(w, s) + w.Chord[s]);
        front = std::min(front, w.PositionX + sectionLeadingEdge(w, s)); // the root leading edge is not included
    }
    e.xr = w.PositionX + rear;
    e.xf = front;
    return e;
}

double fitRatio(double pixels, double extent) {
    return extent > 0 ? pixels / extent : std::numeric_limits<double>::infinity();
}

} // namespace

std::array<int, kWingMax + 1> computeDrawRank(const Aircraft& ac) {
    std::array<int, kWingMax + 1> rank{};
    for (int i = 1; i <= kWingMax; ++i) {
        rank[i] = 1;
        for (int j = 1; j <= kWingMax; ++j)
            if (ac.Wings[j].PositionZ < ac.Wings[i].PositionZ) ++rank[i];
    }
    return rank;
}

AircraftViewGeometry fitAircraftView(const Aircraft& ac, QSize image) {
    const double W = image.width(), H = image.height();
    double hsMax = -std::numeric_limits<double>::infinity(), xmax = hsMax;
    double xmin = ac.Wings[1].PositionX;
    for (int w = 1; w <= kWingMax; ++w) {
        const Extents e = w <= ac.WingCount ? wingExtents(ac.Wings[w]) : Extents{};
        hsMax = std::max(hsMax, e.hs);
        xmax = std::max(xmax, e.xr);
        xmin = std::min(xmin, e.xf);
    }
    double scale = std::min(fitRatio(W / 2.03, hsMax), fitRatio(H / 1.26, xmax - xmin));
    if (!std::isfinite(scale) || scale <= 0) scale = 1.0;
    AircraftViewGeometry g;
    g.AircraftScale = g.AircraftBaseScale = g.View3DScale = scale;
    g.AircraftCentreX = roundPixel(W / 2);
    g.AircraftDatumY = xmin < 0 ? roundPixel(H / 7 - xmin * scale) : roundPixel(H / 7);
    g.DrawRank = computeDrawRank(ac);
    return g;
}

AircraftViewGeometry magnifiedGeometry(const AircraftViewGeometry& fitted, int position) {
    AircraftViewGeometry g = fitted;
    const int pos = std::clamp(position, 10, 100);
    g.AircraftScale = fitted.AircraftBaseScale + (100 - pos) * fitted.AircraftBaseScale * 0.04;
    return g;
}

void d_1d_w(QPainter& p, const Aircraft& ac, int w, const AircraftViewGeometry& g) {
    if (w < 1 || w > ac.WingCount || w > kWingMax) return;
    const Wing& wing = ac.Wings[w];
    const int r0 = roundPixel(wing.PositionX * g.AircraftScale + g.AircraftDatumY);
    setPen(p, wingColour(w));
    drawWingOutline(p, wing, {g.AircraftCentreX, r0}, g.AircraftScale);
}

void d_1d(QPainter& p, QSize image, const Aircraft& ac, const AircraftViewGeometry& g,
          const std::string& flightCaption) {
    const int W = image.width(), H = image.height();
    const int cx = g.AircraftCentreX, datum = g.AircraftDatumY;
    p.setRenderHint(QPainter::Antialiasing, false);
    setPen(p, Qt::black);
    p.drawLine(W, datum, 0, datum);
    p.drawLine(cx, 0, cx, H);
    p.drawLine(cx, H, cx + 2, H - 10);
    p.drawLine(cx, H, cx - 2, H - 10);
    p.drawLine(W - 10, datum + 2, W, datum);
    p.drawLine(W, datum, W - 10, datum - 2);
    setPen(p, Qt::red);
    p.drawLine(cx + 20, 30, cx + 20, 3);
    p.drawLine(cx + 20, 3, cx + 18, 13);
    p.drawLine(cx + 20, 3, cx + 22, 13);
    setPen(p, Qt::black);
    textOut(p, cx + 4, H - 20, "x");
    textOut(p, W - 20, datum - 16, "y");
    const std::array<int, kWingMax + 1> rank = computeDrawRank(ac);
    for (int r = 1; r <= kWingMax; ++r)
        for (int w = 1; w <= kWingMax; ++w)
            if (rank[w] == r) d_1d_w(p, ac, w, g);
    drawFlightCaption(p, cx + 29, flightCaption);
}

void drawFlightCaption(QPainter& p, int x, const std::string& text, const QColor* opaqueOn) {
    p.save();
    setPen(p, Qt::red);
    p.setBackgroundMode(opaqueOn ? Qt::OpaqueMode : Qt::TransparentMode);
    if (opaqueOn) p.setBackground(*opaqueOn);
    textOut(p, x, 2, text);
    p.restore();
}

} // namespace tv
