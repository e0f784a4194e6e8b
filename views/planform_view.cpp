#include "views/planform_view.h"

#include "views/view_common.h"
#include "views/wing_outline.h"

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

// Largest chordwise extent aft of the root leading edge, or twice the most forward leading edge.
double chordwiseExtent(const Wing& w, int n) {
    double e = w.Chord[1];
    for (int s = 2; s <= n; ++s) e = std::max(e, sectionLeadingEdge(w, s) + w.Chord[s]);
    for (int s = 2; s <= n; ++s)
        if (-2.0 * sectionLeadingEdge(w, s) > e) e = -2.0 * sectionLeadingEdge(w, s);
    return e;
}

struct Mapper {
    PlanformOrigin o;
    double s;
    // R(p + v * s): rows of values on the centre line.
    int row(double v) const { return roundPixel(o.p + v * s); }
};

void drawAxes(QPainter& p, QSize image, PlanformOrigin o) {
    const int W = image.width(), H = image.height();
    setPen(p, Qt::black);
    p.drawLine(W, o.p, 0, o.p);
    p.drawLine(o.a, 0, o.a, H);
    p.drawLine(o.a, H, o.a + 2, H - 10);
    p.drawLine(o.a, H, o.a - 2, H - 10);
    p.drawLine(W - 10, o.p + 2, W, o.p);
    p.drawLine(W, o.p, W - 10, o.p - 2);
    setPen(p, Qt::red);
    p.drawLine(o.a + 20, 30, o.a + 20, 3);
    p.drawLine(o.a + 20, 3, o.a + 18, 13);
    p.drawLine(o.a + 20, 3, o.a + 22, 13);
}

void drawMeanChord(QPainter& p, const Mapper& m, const PlanformData& d) {
    setPen(p, Qt::red, 2);
    p.drawLine(m.o.a - 1, m.row(d.r25), m.o.a + 2, m.row(d.r25));
    setPen(p, Qt::red, 1);
    p.drawLine(m.o.a, m.row(d.r25 - d.lm / 4), m.o.a, m.row(d.r25 - d.lm / 4 + d.lm));
}

void drawAerodynamicCentre(QPainter& p, const Mapper& m, double xa, double ya) {
    const int a = m.o.a, pr = m.o.p;
    const double s = m.s;
    setPen(p, Qt::black);
    p.drawLine(a - 3, m.row(xa), a + 4, m.row(xa));
    p.drawLine(roundPixel(a - 2 + ya * s), m.row(xa), roundPixel(a + 3 + ya * s), m.row(xa));
    p.drawLine(roundPixel(a + ya * s), roundPixel(pr - 2 + xa * s), roundPixel(a + ya * s), roundPixel(pr + 3 + xa * s));
}

} // namespace

PlanformOrigin planformOrigin(QSize image) { return {image.width() / 2, image.height() / 3}; }

double planformScale(const Wing& wing, QSize image) {
    const int n = drawnSections(wing);
    const double ytip = double(wing.SectionY[n]);
    const double sx = ytip == 0 ? 1.0 : image.width() / 2.03 / ytip;
    const double e = chordwiseExtent(wing, n);
    if (!(e > 0)) return sx;
    return std::min(image.height() / 1.6 / e, sx);
}

double PlanformView(QPainter& p, QSize image, const PlanformScene& scene) {
    const Wing& w = scene.wing;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), image), scene.toolTipBackground);
    const Mapper m{planformOrigin(image), planformScale(w, image)};
    drawAxes(p, image, m.o);
    drawMeanChord(p, m, w.planform);
    if (scene.NeutralPointKnown) drawAerodynamicCentre(p, m, scene.WingAcX - w.PositionX, scene.WingAcY);
    setPen(p, QColor(0, 0, 255));
    drawWingOutline(p, w, {m.o.a, m.o.p}, m.s);
    setPen(p, Qt::black);
    textOut(p, m.o.a + 5, image.height() - 20, "x");
    textOut(p, image.width() - 18, m.o.p - 17, "y");
    return m.s;
}

} // namespace tv
