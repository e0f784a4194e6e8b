#include "solver/wirbel_erg.h"

#include "model/numformat.h"

#include <cmath>

namespace tv {

namespace {

struct WingSums {
    double lift = 0;        // L_w, both halves
    double moment = 0;      // M_w = -sum 2 l x_v
    double rollMoment = 0;  // R_w = -sum L_s y_s (right half)
    double chordSquare = 0; // integral of c^2 over the half span
    double area = 0;        // S_w, both halves
};

double edgeChord(const PanelArray& X, int n, int s, int w) { return X(n + 1, s, w) - X(1, s, w); }

// Integral of c^2 over strip s, exact for a chord varying linearly between its edges.
double chordSquareOfStrip(const SolverWorkspace& ws, int n, int s, int w) {
    const double cL = edgeChord(ws.PanelXLeft, n, s, w), cR = edgeChord(ws.PanelXRight, n, s, w);
    return (cL * cL + cL * cR + cR * cR) / 3.0 * (ws.StripYRight(s, w) - ws.StripYLeft(s, w));
}

// Loads of wing w's panels from the circulation, starting at panel i (advanced past the wing).
WingSums evaluateWing(SolverWorkspace& ws, int w, int& i, double& aircraftMoment) {
    WingSums sums;
    const int n = ws.ChordwisePanels[w];
    for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
        const double length = ws.StripChord(s, w) / n;
        const double dy = ws.StripYRight(s, w) - ws.StripYLeft(s, w);
        double stripLift = 0;
        for (int k = 1; k <= n; ++k) {
            const double gamma = ws.Circulation[++i];
            const double l = 2.0 * gamma * dy;
            const double load = length != 0 ? 2.0 * gamma / length : 0.0;
            ws.PanelLoad(k, s, w) = ws.PanelLoad3D(k, s, w) = load;
            const double xv = (ws.VortexXLeft(k, s, w) + ws.VortexXRight(k, s, w)) / 2.0;
            stripLift += l;
            sums.moment -= 2.0 * l * xv;
            aircraftMoment -= 2.0 * l * xv;
        }
        sums.rollMoment -= stripLift * (ws.StripYLeft(s, w) + ws.StripYRight(s, w)) / 2.0;
        const double cL = edgeChord(ws.PanelXLeft, n, s, w), cR = edgeChord(ws.PanelXRight, n, s, w);
        sums.chordSquare += chordSquareOfStrip(ws, n, s, w);
        sums.area += (cL + cR) * dy;
        sums.lift += 2.0 * stripLift;
    }
    return sums;
}

// Outer edge of the last strip minus inner edge of the first, mm; 0 for a wing without strips.
double extent(const SolverWorkspace& ws, int w) {
    const int last = ws.SpanwiseStrips[w];
    return last > 0 ? ws.StripYRight(last, w) - ws.StripYLeft(1, w) : 0.0;
}

// The widest wing, extents compared to 0.1 mm: a wider rounded extent wins, an equal one goes to
// the larger area, a full tie to the first. Comparing the raw extents would let rounding noise of
// the layout (1e-13 mm) make an equal-span tail the reference. A wing without extent never is.
int chooseReferenceWing(const Aircraft& ac, const SolverWorkspace& ws, const std::array<double, kWingMax + 1>& area) {
    int r = 0;
    int64_t tenthsBest = 0;
    double sBest = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const double e = extent(ws, w);
        if (!(e > 0)) continue;
        const int64_t tenths = roundHalfEven(10 * e);
        if (r == 0 || tenths > tenthsBest || (tenths == tenthsBest && area[w] > sBest)) {
            r = w, tenthsBest = tenths, sBest = area[w];
        }
    }
    return r;
}

void fillOutline(const Wing& wg, Outline& o) {
    const int q = wg.SectionCount;
    o.count = 2 * q + 2;
    o.x[1] = wg.LeadingEdgeX[1], o.y[1] = 0;
    for (int j = 1; j <= q; ++j) {
        o.x[j + 1] = wg.LeadingEdgeX[j], o.y[j + 1] = wg.StationY[j];
        o.x[o.count - j] = wg.LeadingEdgeX[j] + wg.StationChord[j], o.y[o.count - j] = wg.StationY[j];
    }
    o.x[o.count] = wg.LeadingEdgeX[1] + wg.StationChord[1], o.y[o.count] = 0;
}

// Reference area and chord of wing r; a gap at the centre is filled with the root chord.
void setReference(const Aircraft& ac, SolverWorkspace& ws, int r) {
    ws.ReferenceWing = r;
    ws.ReferenceArea = ac.Wings[r].planform.S;
    ws.ReferenceChord = ac.Wings[r].planform.lm;
    const int n = ws.ChordwisePanels[r];
    const double y0 = ws.StripYLeft(1, r);
    if (y0 != 0) {
        const double c0 = edgeChord(ws.PanelXLeft, n, 1, r);
        double chordSquare = c0 * c0 * y0;
        for (int s = 1; s <= ws.SpanwiseStrips[r]; ++s) chordSquare += chordSquareOfStrip(ws, n, s, r);
        ws.ReferenceArea += 2.0 * c0 * y0;
        ws.ReferenceChord = ws.ReferenceArea > 0 ? 2.0 * chordSquare / ws.ReferenceArea : 0.0;
    }
    fillOutline(ac.Wings[r], ws.ReferenceOutline);
}

void clearResults(SolverWorkspace& ws) {
    ws.WingLiftSlope.fill(0);
    ws.WingAcX.fill(0);
    ws.WingAcY.fill(0);
    ws.NeutralPointX = ws.ReferenceArea = ws.ReferenceChord = 0;
    ws.ReferenceWing = 0;
    ws.ReferenceOutline = Outline{};
}

void fail(SolverWorkspace& ws, std::string line) {
    ws.Messages.push_back(std::move(line));
    ws.AbortCalculation = true;
}

} // namespace

void WIRBEL_ERG(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang) {
    clearResults(ws);
    std::array<double, kWingMax + 1> area{};
    double lift = 0, moment = 0;
    int i = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const WingSums sums = evaluateWing(ws, w, i, moment);
        PlanformData& p = ac.Wings[w].planform;
        area[w] = p.S = sums.area;
        const int last = ws.SpanwiseStrips[w];
        p.b = last > 0 ? 2.0 * ws.StripYRight(last, w) : 0.0;
        const bool usable = sums.area > 0 && sums.lift != 0 && std::isfinite(sums.lift);
        p.lm = sums.area > 0 ? 2.0 * sums.chordSquare / sums.area : 0.0;
        p.lam = sums.area > 0 ? p.b * p.b / sums.area : 0.0;
        if (!usable) {
            fail(ws, wingWithoutLiftLine(lang, w));
            continue;
        }
        ws.WingLiftSlope[w] = sums.lift / sums.area;
        ws.WingAcX[w] = -sums.moment / sums.lift;
        ws.WingAcY[w] = -2.0 * sums.rollMoment / sums.lift;
        lift += sums.lift;
    }
    if (lift != 0 && std::isfinite(lift) && std::isfinite(moment)) {
        ws.NeutralPointX = -moment / lift;
    } else {
        fail(ws, noLiftLine(lang));
    }
    const int r = chooseReferenceWing(ac, ws, area);
    if (r == 0) {
        fail(ws, noReferenceWingLine(lang));
        return;
    }
    setReference(ac, ws, r);
}

} // namespace tv
