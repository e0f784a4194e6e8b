#include "solver/grid.h"

#include "model/numformat.h"

#include <cmath>

namespace tv {

namespace {

// Rounds half-even and clamps into 0..limit, so absurd sizes (a zero chord gives an infinite
// strip count) stay representable and are refused by the limit checks.
int roundedCount(double v, int limit) {
    if (!(v > 0)) return 0;
    if (v > limit) return limit;
    return int(roundHalfEven(v));
}

constexpr int kCountCeiling = 1000000;

bool hasAreaAndSpan(const Wing& wg) {
    const double span = wg.StationY[wg.SectionCount] - wg.StationY[1];
    return wg.planform.S > 0 && span > 0 && std::isfinite(wg.planform.S);
}

void sizeWing(const Wing& wg, double referenceArea, int w, SolverWorkspace& ws) {
    const double N = double(roundHalfEven(400.0 * wg.planform.S / referenceArea));
    const double halfSpan = wg.StationY[wg.SectionCount] - wg.StationY[1];
    const double A = 4.0 * halfSpan * halfSpan / wg.planform.S;
    const int n = std::max(1, roundedCount(std::sqrt(2.0 * N / A), kCountCeiling));
    ws.ChordwisePanels[w] = n;
    int total = 0;
    for (int t = 1; t <= wg.SectionCount - 1; ++t) {
        const double dy = wg.StationY[t + 1] - wg.StationY[t];
        if (!(dy > 0)) continue;
        const double meanChord = (wg.StationChord[t] + wg.StationChord[t + 1]) / 2.0;
        const int strips = std::max(1, roundedCount(double(n) * dy / meanChord, kCountCeiling));
        ws.TrapeziumStrips[t][w] = strips;
        total += strips;
    }
    ws.SpanwiseStrips[w] = total;
}

bool exceedsArrays(const SolverWorkspace& ws, int w) {
    if (ws.SpanwiseStrips[w] > kStripLimit || ws.ChordwisePanels[w] > kRowLimit) return true;
    for (int t = 1; t <= kTrapeziumMax; ++t)
        if (ws.TrapeziumStrips[t][w] > kTrimStripLimit) return true;
    return false;
}

} // namespace

int sizingReferenceWing(const Aircraft& ac) {
    const double S1 = ac.Wings[1].planform.S, S2 = ac.Wings[2].planform.S, S3 = ac.Wings[3].planform.S;
    if (ac.WingCount <= 1) return 1;
    if (ac.WingCount == 2) return S1 > S2 ? 1 : 2;
    int r = 1;
    if (S2 > S1 && S2 >= S3) r = 2;
    if (S3 > S1 && S3 >= S2) r = 3;
    return r;
}

void GRID(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang) {
    ws.ChordwisePanels.fill(0);
    for (auto& row : ws.TrapeziumStrips) row.fill(0);
    ws.SpanwiseStrips.fill(0);
    ws.PanelTotal = 0;

    bool empty = false;
    for (int w = 1; w <= ac.WingCount; ++w) {
        if (hasAreaAndSpan(ac.Wings[w])) continue;
        ws.fail(emptyWingLine(lang, w));
        empty = true;
    }
    if (empty) return; // the panel budgets are ratios of areas: nothing can be sized

    const double referenceArea = ac.Wings[sizingReferenceWing(ac)].planform.S;
    // Each count is at most 1e6 (4e6 strips per wing), so the total of a refused lattice fits.
    ws.PanelTotal = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        sizeWing(ac.Wings[w], referenceArea, w, ws);
        ws.PanelTotal += int64_t(ws.SpanwiseStrips[w]) * ws.ChordwisePanels[w];
    }

    bool refused = false;
    for (int w = 1; w <= kWingMax; ++w) {
        if (!exceedsArrays(ws, w)) continue;
        ws.fail(wingFailureLines(lang, w));
        refused = true;
    }
    if (!refused && ws.PanelTotal > kPanelLimit) {
        // Name the wing with the most panels: shrinking it helps most.
        int largest = 1;
        for (int w = 2; w <= ac.WingCount; ++w)
            if (long(ws.SpanwiseStrips[w]) * ws.ChordwisePanels[w] >
                long(ws.SpanwiseStrips[largest]) * ws.ChordwisePanels[largest])
                largest = w;
        ws.fail(tooManyPanelsLine(lang));
        ws.fail(wingFailureLines(lang, largest));
    }
}

} // namespace tv
