// The whole calculation on small lattices (at most 500 panels): an aircraft made from the input
// bytes is calculated; every result it reports must be a number and lie in plausible bounds.
#include "fuzz/oracle.h"
#include "model/numformat.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/grid.h"
#include "stability/stability.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

namespace {

constexpr int kFuzzPanelLimit = 500;

void putInt(FuzzedDataProvider& in, tv::WingTexts& w, tv::WingField f, int lo, int hi) {
    w[f] = tv::formatInt(in.ConsumeIntegralInRange<int>(lo, hi), 4);
}

tv::AircraftTexts aircraftFrom(FuzzedDataProvider& in) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    texts.WingCount = in.ConsumeIntegralInRange<int>(1, tv::kWingMax);
    for (int w = 1; w <= texts.WingCount; ++w) {
        tv::WingTexts& wing = texts.wings[w];
        wing.TrapeziumCount = in.ConsumeIntegralInRange<int>(1, tv::kTrapeziumMax);
        putInt(in, wing, tv::WingField::RootOffset, 0, 500);
        for (int s = 1; s <= tv::kSectionMax; ++s) putInt(in, wing, tv::chordField(s), 0, 2000);
        for (int k = 1; k <= tv::kTrapeziumMax; ++k) putInt(in, wing, tv::spanField(k), 0, 3000);
        for (int s = 2; s <= tv::kSectionMax; ++s) putInt(in, wing, tv::xOffsetField(s), -1000, 3000);
        putInt(in, wing, tv::WingField::PositionX, -2000, 4000);
        putInt(in, wing, tv::WingField::PositionZ, -500, 500);
    }
    return texts;
}

struct Extent {
    double xmin = 1e300, xmax = -1e300, length = 0;
};

/// The aircraft's extent along x and the larger of its length and largest span.
Extent extentOf(const tv::Aircraft& ac) {
    Extent e;
    double span = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const tv::Wing& wing = ac.Wings[w];
        for (int s = 1; s <= wing.SectionCount; ++s) {
            e.xmin = std::min(e.xmin, wing.LeadingEdgeX[s]);
            e.xmax = std::max(e.xmax, wing.LeadingEdgeX[s] + wing.StationChord[s]);
        }
        span = std::max(span, wing.planform.b);
    }
    e.length = std::max(e.xmax - e.xmin, span);
    return e;
}

void checkResults(const tv::Aircraft& ac, const tv::SolverWorkspace& ws) {
    using tvfuzz::expect;
    const Extent e = extentOf(ac);
    expect(std::isfinite(ws.NeutralPointX) && std::isfinite(ws.ReferenceChord) && std::isfinite(ws.ReferenceArea),
           "a reported neutral point or reference value is not a number");
    expect(ws.ReferenceChord > 0 && ws.ReferenceArea > 0, "a reported reference chord or area is not positive");
    expect(ws.NeutralPointX > e.xmin - 10 * e.length && ws.NeutralPointX < e.xmax + 10 * e.length,
           "the neutral point lies far outside the aircraft");
    for (int w = 1; w <= ac.WingCount; ++w) {
        expect(std::isfinite(ws.WingAcX[w]) && std::isfinite(ws.WingAcY[w]) && std::isfinite(ws.WingLiftSlope[w]),
               "a reported wing result is not a number");
        expect(std::fabs(ws.WingLiftSlope[w]) < 100, "a lift slope beyond 100 per radian");
    }
    const tv::StabilityNumbers n = tv::computeStability(ac.WingCount, ws.NeutralPointX, ws.ReferenceChord, 7.5);
    expect(std::isfinite(n.CgLow) && std::isfinite(n.CgHigh) && std::isfinite(n.CgDesired),
           "a centre-of-gravity position is not a number");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<tv::SolverWorkspace> ws = tv::makeSolverWorkspace();
    FuzzedDataProvider in(data, size);
    tv::Aircraft ac = tv::computeAircraft(aircraftFrom(in));
    ws->AbortCalculation = false; // the sizing alone, to pass over large lattices
    tv::GRID(ac, *ws, tv::UiLanguage::English);
    if (ws->AbortCalculation || ws->PanelTotal > kFuzzPanelLimit) return -1; // keep the lattices small
    tv::runCalculation(ac, *ws, tv::UiLanguage::English);
    if (!ws->AbortCalculation) checkResults(ac, *ws);
    return 0;
}
