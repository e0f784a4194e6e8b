#include "solver/trawy2.h"

#include "solver/trapez_trim.h"

namespace tv {

namespace {

struct Trapezium {
    double X1, Y1, c1; // inner section: leading-edge x, station y, chord (mm)
    double dx, dy, dc; // change to the outer section
};

// One strip edge at fraction f of the trapezium span: the corners and bound-vortex points of
// its n rows go into the given rows (0..n+1 of one strip); returns the edge's y.
double layEdge(const Trapezium& tr, double f, int n, double* corner, double* vortex) {
    const double leading = tr.X1 + f * tr.dx;
    const double chord = tr.c1 + f * tr.dc;
    const double length = chord / n;
    for (int k = 1; k <= n; ++k) {
        corner[k] = leading + (k - 1) * length;
        vortex[k] = leading + (k - 0.75) * length;
    }
    corner[n + 1] = leading + chord;
    return tr.Y1 + f * tr.dy;
}

// Strip fractions of trapezium t: trimmed for several strips, the whole span for one.
void stripFractions(SolverWorkspace& ws, UiLanguage lang, int w, int t, int n, int ns, const Trapezium& tr,
                    double* fraction) {
    if (ns > 1) {
        TRAPEZ_TRIM(ws, lang, w, t, n, ns, tr.dy, tr.c1, tr.c1 + tr.dc, fraction);
    } else {
        fraction[0] = 0, fraction[1] = 1;
    }
}

void layWing(const Wing& wg, int w, SolverWorkspace& ws, UiLanguage lang) {
    const int n = ws.ChordwisePanels[w];
    int s = 0;
    for (int t = 1; t <= wg.SectionCount - 1; ++t) {
        const int ns = ws.TrapeziumStrips[t][w];
        if (ns <= 0) continue;
        const Trapezium tr{wg.LeadingEdgeX[t], wg.StationY[t], wg.StationChord[t],
                           wg.LeadingEdgeX[t + 1] - wg.LeadingEdgeX[t], wg.StationY[t + 1] - wg.StationY[t],
                           wg.StationChord[t + 1] - wg.StationChord[t]};
        double* fraction = ws.StripFraction.data();
        stripFractions(ws, lang, w, t, n, ns, tr, fraction);
        for (int i = 1; i <= ns; ++i) {
            ++s;
            ws.StripYLeft(s, w) = layEdge(tr, fraction[i - 1], n, ws.PanelXLeft.strip(s, w), ws.VortexXLeft.strip(s, w));
            ws.StripYRight(s, w) = layEdge(tr, fraction[i], n, ws.PanelXRight.strip(s, w), ws.VortexXRight.strip(s, w));
        }
    }
}

// Control points at three quarters of each panel in the strip middle, plus the leading (row 0)
// and trailing edge (row n+1).
void placeControlPoints(int w, SolverWorkspace& ws) {
    const int n = ws.ChordwisePanels[w];
    for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
        const double* L = ws.PanelXLeft.strip(s, w);
        const double* R = ws.PanelXRight.strip(s, w);
        double* C = ws.ControlX.strip(s, w);
        C[0] = (L[1] + R[1]) / 2.0;
        for (int k = 1; k <= n; ++k) C[k] = 0.125 * (L[k] + R[k]) + 0.375 * (L[k + 1] + R[k + 1]);
        C[n + 1] = (L[n + 1] + R[n + 1]) / 2.0;
        ws.StripYMid(s, w) = (ws.StripYLeft(s, w) + ws.StripYRight(s, w)) / 2.0;
        ws.StripChord(s, w) = C[n + 1] - C[0];
    }
}

} // namespace

void TRAWY2(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang) {
    ws.shapeLattice();
    for (int w = 1; w <= ac.WingCount; ++w) {
        layWing(ac.Wings[w], w, ws, lang);
        placeControlPoints(w, ws);
    }
    for (int w = 1; w <= kWingMax; ++w) ws.SolverWingZ[w] = double(ac.Wings[w].PositionZ);
}

} // namespace tv
