#include "views/lattice_overlay.h"

#include "model/numformat.h"
#include "views/view_common.h"

#include <algorithm>
#include <cmath>

namespace tv {

int pressureGain(int scrollBarPosition) { return 100 - std::clamp(scrollBarPosition, 20, 99); }

bool panelTint(double v, int gain, QColor& tint) {
    const double q = gain * std::fabs(v) * 10000.0;
    if (!(q > 0)) return false;
    const int64_t I = roundHalfEven(std::pow(q, 0.35));
    const int m = int(std::max<int64_t>(255 - I, 0));
    tint = v > 0 ? QColor(255, m, m) : QColor(m, m, 255);
    return true;
}

void DrawGrid1(QPainter& p, int imageWidth, const AircraftViewGeometry& g, const SolverWorkspace& ws,
               int w, const LatticeOverlayOptions& o) {
    if (w < 1 || w > kWingMax) return;
    const double sc = g.AircraftScale;
    const int cx = imageWidth / 2, datum = g.AircraftDatumY;
    const int strips = std::clamp(ws.SpanwiseStrips[w], 0, ws.Shape.strips[w]);
    const int rows = std::clamp(ws.ChordwisePanels[w], 0, std::max(ws.Shape.rows[w] - 2, 0));
    auto col = [&](double y) { return cx + roundPixel(y * sc); };
    auto row = [&](double x) { return datum + roundPixel(x * sc); };
    setPen(p, kAqua);
    for (int s = 1; s <= strips; ++s) {
        const int yl = col(ws.StripYLeft(s, w)), yr = col(ws.StripYRight(s, w));
        for (int k = 1; k <= rows; ++k) {
            const QPoint quad[4] = {{yl, row(ws.PanelXLeft(k, s, w))},
                                    {yr, row(ws.PanelXRight(k, s, w))},
                                    {yr, row(ws.PanelXRight(k + 1, s, w))},
                                    {yl, row(ws.PanelXLeft(k + 1, s, w))}};
            setPen(p, wingColour(w));
            QColor tint;
            if (o.pressureOn && panelTint(ws.PanelLoad(k, s, w), o.gain, tint)) {
                setPen(p, tint);
                p.setBrush(tint);
            }
            p.drawPolygon(quad, 4);
        }
    }
    p.setBrush(o.toolTipBackground);
}

void DrawGrid(QPainter& p, int imageWidth, const AircraftViewGeometry& g, const SolverWorkspace& ws,
              const LatticeOverlayOptions& o) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(o.startBrush);
    const int last = std::clamp(o.WingCount, 0, kWingMax);
    for (int r = 1; r <= kWingMax; ++r)
        for (int w = 1; w <= last; ++w)
            if (g.DrawRank[w] == r) DrawGrid1(p, imageWidth, g, ws, w, o);
    p.restore();
}

} // namespace tv
