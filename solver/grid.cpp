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

/// The first trapezium of the wing with a span but both chords 0 (its strips would be endless), or 0.
int zeroChordTrapezium(const Wing& wg) {
    for (int t = 1; t < wg.SectionCount; ++t)
        if (wg.StationY[t + 1] > wg.StationY[t] && wg.StationChord[t] == 0 && wg.StationChord[t + 1] == 0) return t;
    return 0;
}

/// The two lines refusing wing w, the second saying what to change: the chord of a trapezium
/// without one; the chord against the span for too many rows; else less aspect ratio.
std::vector<std::string> refusalLines(const Wing& wg, const SolverWorkspace& ws, int w, UiLanguage lang) {
    std::vector<std::string> lines = wingFailureLines(lang, w);
    if (const int t = zeroChordTrapezium(wg)) lines.back() = zeroChordAdvice(lang, t);
    else if (ws.ChordwisePanels[w] > kRowLimit) lines.back() = chordwiseRowsAdvice(lang);
    return lines;
}

/// The panel budgets follow the areas: the wings larger than the reference wing r take more than
/// its 400 panels each. Without such a wing, the one with the most panels.
std::vector<int> wingsToShrink(const Aircraft& ac, const SolverWorkspace& ws, int r) {
    std::vector<int> wings;
    for (int w = 1; w <= ac.WingCount; ++w)
        if (w != r && ac.Wings[w].planform.S > ac.Wings[r].planform.S) wings.push_back(w);
    if (!wings.empty()) return wings;
    int largest = 1;
    for (int w = 2; w <= ac.WingCount; ++w)
        if (long(ws.SpanwiseStrips[w]) * ws.ChordwisePanels[w] >
            long(ws.SpanwiseStrips[largest]) * ws.ChordwisePanels[largest])
            largest = w;
    return {largest};
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

    const int r = sizingReferenceWing(ac);
    const double referenceArea = ac.Wings[r].planform.S;
    // Each count is at most 1e6 (4e6 strips per wing), so the total of a refused lattice fits.
    ws.PanelTotal = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        sizeWing(ac.Wings[w], referenceArea, w, ws);
        ws.PanelTotal += int64_t(ws.SpanwiseStrips[w]) * ws.ChordwisePanels[w];
    }

    bool refused = false;
    for (int w = 1; w <= kWingMax; ++w) {
        if (!exceedsArrays(ws, w)) continue;
        ws.fail(refusalLines(ac.Wings[w], ws, w, lang));
        refused = true;
    }
    if (!refused && ws.PanelTotal > kPanelLimit)
        ws.fail({tooManyPanelsLine(lang), panelTotalAdvice(lang, wingsToShrink(ac, ws, r), r)});
}

} // namespace tv
