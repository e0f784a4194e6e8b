#include "trim/strip_settings.h"

#include <algorithm>

namespace tv {
namespace {

double between(double a, double b, double f) { return a + f * (b - a); }

/// Fraction of y along trapezium t (0 at its inner section, 1 at its outer one).
double fractionIn(const Wing& wg, int t, double y) {
    const double y0 = wg.StationY[t], y1 = wg.StationY[t + 1];
    return y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
}

/// d(angle)/d(tau) of the linear washout at y: -(y - y1) / (y_last - y1).
double washoutShape(const Wing& wg, double y) {
    const double y1 = wg.StationY[1], yLast = wg.StationY[wg.SectionCount];
    return yLast > y1 ? -(y - y1) / (yLast - y1) : 0.0;
}

} // namespace

SectionAero sectionAeroAt(const Wing& wg, const WingAero& aero, double y) {
    const int last = std::clamp(wg.SectionCount, 1, kSectionMax);
    int t = 1;
    while (t + 1 < last && y > wg.StationY[t + 1]) ++t;
    if (last == 1) return aero.Sections[1];
    const double f = fractionIn(wg, t, y);
    const SectionAero& in = aero.Sections[t];
    const SectionAero& out = aero.Sections[t + 1];
    return {between(in.Twist, out.Twist, f), between(in.Alpha0, out.Alpha0, f), between(in.Cm0, out.Cm0, f)};
}

std::vector<StripSetting> stripSettings(const Aircraft& ac, const SolverWorkspace& ws, const TrimSettings& s,
                                        int variableWing, bool washout) {
    std::vector<StripSetting> out;
    for (int w = 1; w <= ac.WingCount; ++w) {
        const Wing& wg = ac.Wings[w];
        for (int strip = 1; strip <= ws.SpanwiseStrips[w]; ++strip) {
            const double y = ws.StripYMid(strip, w);
            StripSetting st;
            st.Angle = settingAngleAt(wg, s.Wings[w], y);
            st.Cm0 = sectionAeroAt(wg, s.Wings[w], y).Cm0;
            if (w == variableWing) st.Variable = washout ? washoutShape(wg, y) : 1.0;
            out.push_back(st);
        }
    }
    return out;
}

} // namespace tv
