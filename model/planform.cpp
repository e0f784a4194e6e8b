#include "model/planform.h"
#include "model/shown_figure.h"

#include "model/numformat.h"
#include "model/parse.h"

namespace tv {

PlanformData NTRAP_SPEZIAL(int n, const std::array<double, kSectionMax + 1>& X,
                           const std::array<double, kSectionMax + 1>& Y,
                           const std::array<double, kSectionMax + 1>& C) {
    PlanformData p;
    if (n > kSectionMax) n = kSectionMax;
    double Alm = 0, Ar = 0; // integrals of chord^2 and of quarter-chord x times chord over y
    for (int k = 1; k <= n - 1; ++k) {
        const int i = k, o = k + 1;
        const double dy = Y[o] - Y[i];
        const double ci = C[i], co = C[o], t = ci - co;
        p.S += (ci + co) * dy; // twice the trapezium: both half-wings
        Alm += (ci * ci - ci * t + t * t / 3.0) * dy;
        const double qi = X[i] + 0.25 * ci;
        const double dq = (X[o] + 0.25 * co) - qi;
        Ar += (qi * ci + 0.5 * (dq * ci - qi * t) - dq * t / 3.0) * dy;
    }
    if (p.S == 0) return PlanformData{};
    p.lm = 2.0 * Alm / p.S;
    p.r25 = 2.0 * Ar / p.S;
    p.b = 2.0 * Y[n];
    p.lam = p.b * p.b / p.S;
    return p;
}

Wing computeWing(const WingTexts& t) {
    Wing w;
    auto value = [&](WingField f) { return parseLenientInt(t[f]); };
    auto absValue = [&](WingField f) { return saturatingAbs(parseLenientInt(t[f])); };
    w.RootOffset = absValue(WingField::RootOffset);
    for (int s = 1; s <= kSectionMax; ++s) w.Chord[s] = absValue(chordField(s));
    for (int k = 1; k <= kTrapeziumMax; ++k) w.TrapeziumSpan[k] = absValue(spanField(k));
    w.XOffset[1] = 0;
    for (int s = 2; s <= kSectionMax; ++s) w.XOffset[s] = value(xOffsetField(s));
    w.PositionX = value(WingField::PositionX);
    w.PositionZ = value(WingField::PositionZ);

    w.TrapeziumCount = (t.TrapeziumCount >= 1 && t.TrapeziumCount <= kTrapeziumMax) ? t.TrapeziumCount : 1;
    w.SectionCount = w.TrapeziumCount + 1;

    w.SectionY[1] = w.RootOffset;
    for (int s = 2; s <= kSectionMax; ++s) w.SectionY[s] = w.SectionY[s - 1] + w.TrapeziumSpan[s - 1];
    for (int s = 1; s <= kSectionMax; ++s) {
        w.LeadingEdgeX[s] = double(w.PositionX) + double(w.XOffset[s]);
        w.StationY[s] = double(w.SectionY[s]);
        w.StationChord[s] = double(w.Chord[s]);
    }
    w.planform = NTRAP_SPEZIAL(w.SectionCount, w.LeadingEdgeX, w.StationY, w.StationChord);
    if (w.planform.S != 0) w.planform.r25 -= w.PositionX;
    return w;
}

Aircraft computeAircraft(const AircraftTexts& texts) {
    Aircraft a;
    a.WingCount = (texts.WingCount >= 1 && texts.WingCount <= kWingMax) ? texts.WingCount : 1;
    for (int w = 1; w <= kWingMax; ++w) a.Wings[w] = computeWing(texts.wings[w]);
    a.Comment = texts.Comment;
    a.Balance = texts.Balance;
    a.Trim = texts.Trim;
    return a;
}

std::array<std::string, kSectionMax + 1> stationLabelTexts(const Wing& wing) {
    std::array<std::string, kSectionMax + 1> out;
    for (int s = 1; s <= kSectionMax; ++s) out[s] = formatInt(wing.SectionY[s]);
    return out;
}

PlanformLabelTexts planformLabelTexts(int wing, const PlanformData& p) {
    // Widths of lm, r25 and lam differ per wing; b and S are the same for all.
    const int lmWidth = wing >= 4 ? 3 : 4;
    const int lamWidth = wing == 4 ? 3 : (wing == 5 ? 5 : 4);
    PlanformLabelTexts t;
    t.b = formatFixed(p.b, 4, 0) + "mm";
    t.S = formatFixed(p.S / 10000.0, 4, 2) + "dm^2";
    t.lm = formatFixed(p.lm, lmWidth, 1) + "mm";
    t.r25 = formatFixed(p.r25, lmWidth, 1) + "mm";
    t.lam = formatFixed(p.lam, lamWidth, 1);
    return t;
}

AerodynamicCentreTexts aerodynamicCentreTexts(const Wing& wing, double acX, double acY) {
    return {formatFixed(acX - wing.PositionX, 0, 1), formatFixed(acY, 0, 1)};
}

std::array<std::string, kSectionMax + 1> stationLabelTexts(const Wing& wing, UiLanguage lang, Unit length) {
    if (isMetricDefault(length)) return stationLabelTexts(wing);
    std::array<std::string, kSectionMax + 1> out;
    for (int s = 1; s <= kSectionMax; ++s) out[s] = shownFigure(lang, wing.SectionY[s], length, 0, 0, "");
    return out;
}

PlanformLabelTexts planformLabelTexts(int wing, const PlanformData& p, UiLanguage lang, const DisplayUnits& units) {
    // Figures in a metric default keep their texts (and the per-wing widths) as they are.
    PlanformLabelTexts t = planformLabelTexts(wing, p);
    if (const Unit u = units.length; !isMetricDefault(u)) {
        t.b = shownFigure(lang, p.b, u, 0, 0, "");
        t.lm = shownFigure(lang, p.lm, u, 0, 1, "");
        t.r25 = shownFigure(lang, p.r25, u, 0, 1, "");
    }
    if (!isMetricDefault(units.area)) t.S = shownFigure(lang, p.S, units.area, 0, 2, "");
    return t;
}

AerodynamicCentreTexts aerodynamicCentreTexts(const Wing& wing, double acX, double acY, UiLanguage lang, Unit length) {
    return {shownFigure(lang, acX - wing.PositionX, length, 0, 1, "mm"), shownFigure(lang, acY, length, 0, 1, "mm")};
}

} // namespace tv
