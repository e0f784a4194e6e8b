#include "solver/length_limits.h"

#include <cstdlib>

namespace tv {

namespace {

/// True when the value lies within the limit; otherwise its line is added and the run aborted.
bool checkOne(SolverWorkspace& ws, UiLanguage lang, Unit u, int w, GeometryField f, int index, int32_t value) {
    if (std::llabs(value) <= kLengthLimit) return true;
    const auto figure = [&](int64_t mm) { return lengthFieldText(mm, u) + " " + unitSymbol(lang, u); };
    ws.Messages.push_back(lengthBeyondLimitLine(lang, w, f, index, figure(value), figure(kLengthLimit)));
    ws.AbortCalculation = true;
    return false;
}

} // namespace

bool checkLengthLimits(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang, Unit length) {
    bool within = true;
    auto check = [&](int w, GeometryField f, int index, int32_t value) {
        within = checkOne(ws, lang, length, w, f, index, value) && within;
    };
    for (int w = 1; w <= ac.WingCount; ++w) {
        const Wing& wg = ac.Wings[w];
        check(w, GeometryField::RootOffset, 0, wg.RootOffset);
        for (int s = 1; s <= wg.SectionCount; ++s) check(w, GeometryField::Chord, s, wg.Chord[s]);
        for (int k = 1; k < wg.SectionCount; ++k) check(w, GeometryField::Span, k, wg.TrapeziumSpan[k]);
        for (int s = 2; s <= wg.SectionCount; ++s) check(w, GeometryField::XOffset, s, wg.XOffset[s]);
        check(w, GeometryField::PositionX, 0, wg.PositionX);
        check(w, GeometryField::PositionZ, 0, wg.PositionZ);
    }
    return within;
}

} // namespace tv
