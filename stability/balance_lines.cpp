#include "stability/balance_lines.h"

#include "model/numformat.h"

#include <cmath>

namespace tv {
namespace {

std::string F(double v, int decimals) { return formatFixed(v, 0, decimals); }

/// A length (mm) or a mass (g) with its unit, one decimal in the metric unit.
std::string L(UiLanguage lang, double mm, const DisplayUnits& u) { return measureText(lang, mm, Unit::Millimetre, u.length, 1); }
std::string M(UiLanguage lang, double g, const DisplayUnits& u) { return measureText(lang, g, Unit::Gram, u.mass, 1); }

/// "30.0 – 230.0 mm": the unit written once, after the second end.
std::string rangeText(UiLanguage lang, double from, double to, const DisplayUnits& u) {
    return formatFixed(fromBase(from, u.length), 0, decimalsIn(u.length, 1)) + " – " + L(lang, to, u);
}

/// "50.0 mm behind the root LE": the label's text begins with the millimetre it replaces.
std::string behindRootLeText(UiLanguage lang, double mm, const DisplayUnits& u) {
    const std::string_view behind = balanceLabels(lang).behindRootLe;
    return L(lang, mm, u) + std::string(behind.substr(std::min<size_t>(3, behind.size())));
}

/// The limit of a length, "1000000 mm" or "39370.079 in", as a length field writes it.
std::string lengthLimitText(UiLanguage lang, const DisplayUnits& u) {
    return lengthFieldText(kLengthLimit, u.length) + " " + unitSymbol(lang, u.length);
}

/// The limit of a mass, "1000000 g" or "35273.96 oz".
std::string massLimitText(UiLanguage lang, const DisplayUnits& u) {
    return measureText(lang, kMassLimit, Unit::Gram, u.mass, 0);
}

std::string rowProblemText(UiLanguage lang, const BalanceLabels& t, RowProblem p, const DisplayUnits& u) {
    switch (p) {
    case RowProblem::MassMissing: return t.massMissing;
    case RowProblem::MassNotANumber: return t.massNotANumber;
    case RowProblem::MassNotPositive: return t.massNotPositive;
    case RowProblem::MassBeyondLimit: return t.massBeyondLimit + massLimitText(lang, u);
    case RowProblem::XMissing: return t.xMissing;
    case RowProblem::XNotANumber: return t.xNotANumber;
    case RowProblem::XBeyondLimit: return t.xBeyondLimit + lengthLimitText(lang, u);
    case RowProblem::None: break;
    }
    return "";
}

const char* changeRefusalText(const BalanceLabels& t, ChangeRefusal r) {
    switch (r) {
    case ChangeRefusal::NoCg: return t.noCg;
    case ChangeRefusal::RowNotUsed: return t.rowNotUsed;
    case ChangeRefusal::BallastAtTarget: return t.ballastAtTarget;
    case ChangeRefusal::NegativeBallast: return t.negativeBallast;
    case ChangeRefusal::BeyondLimit: return t.changeBeyondLimit;
    case ChangeRefusal::None: break;
    }
    return "";
}

} // namespace

std::string cgMeasuresText(UiLanguage lang, const CgMeasures& m, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    return L(lang, m.X, u) + " = " + F(m.PercentMac, 1) + t.percentMac + " = " + behindRootLeText(lang, m.BehindRootLe, u);
}

std::string macReferenceLine(UiLanguage lang, const BalanceFigures& f, const DisplayUnits& u) {
    if (!f.Mac) return "";
    const BalanceLabels& t = balanceLabels(lang);
    std::string line = t.percentMacOf + std::to_string(f.MacWing) + ": " + t.marginsChord + ", " + L(lang, f.Mac->Length, u);
    if (f.Mac->FilledGap > 0) line += std::string(", ") + t.gapFilled;
    return line;
}

const char* verdictText(UiLanguage lang, CgVerdict v) {
    const BalanceLabels& t = balanceLabels(lang);
    switch (v) {
    case CgVerdict::Inside: return t.inside;
    case CgVerdict::NoseHeavy: return t.noseHeavy;
    case CgVerdict::TooFarAft: return t.tooFarAft;
    case CgVerdict::Unstable: return t.unstable;
    }
    return "";
}

std::string marginLine(UiLanguage lang, const std::optional<CgMargin>& margin, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string head = std::string(t.staticMargin) + ": ";
    if (!margin) return head + t.notCalculated;
    return head + F(margin->Percent, 1) + " % (" + L(lang, margin->Mm, u) + "), " + verdictText(lang, margin->Verdict);
}

std::string cgRefusalLine(UiLanguage lang, const CgEntry& entry, std::string_view typed, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    switch (entry.Refusal) {
    case CgRefusal::Empty: return t.cgEmpty;
    case CgRefusal::NotANumber: return std::string(t.cgNotANumber) + "\"" + std::string(typed) + "\"";
    case CgRefusal::BeyondLimit:
        // A % MAC entry can overflow to infinity; such an x is not worth writing out.
        if (!(std::fabs(entry.X) < 1e15)) return t.cgBeyondLimit + lengthLimitText(lang, u);
        return t.cgBeyondLimit + lengthLimitText(lang, u) + ": x = " + L(lang, entry.X, u);
    case CgRefusal::NoMeanChord: return t.cgNoMeanChord;
    case CgRefusal::NoTableCg: return t.cgNoTableCg;
    case CgRefusal::None: break;
    }
    return "";
}

std::string rowProblemLine(UiLanguage lang, int rowNumber, std::string_view name, RowProblem p, const DisplayUnits& u) {
    if (p == RowProblem::None) return "";
    const BalanceLabels& t = balanceLabels(lang);
    std::string line = t.row + std::to_string(rowNumber);
    if (!name.empty()) line += " (" + std::string(name) + ")";
    return line + ": " + rowProblemText(lang, t, p, u) + t.leftOut;
}

std::string moveLine(UiLanguage lang, std::string_view name, const ChangeAnswer& a, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    if (!a.ok()) return changeRefusalText(t, a.Refusal);
    const char* direction = a.Value < 0 ? t.forward : a.Value > 0 ? t.rearward : "";
    return t.moveBy + std::string(name) + t.by + L(lang, a.Value, u) + direction;
}

std::string ballastLine(UiLanguage lang, double ballastX, const ChangeAnswer& a, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string place = t.ballast + L(lang, ballastX, u) + ": ";
    if (!a.ok()) return place + changeRefusalText(t, a.Refusal);
    if (a.Value == 0) return place + t.noBallastNeeded;
    return place + M(lang, a.Value, u);
}

std::vector<std::string> loadingLines(UiLanguage lang, const WingLoading& l, const DisplayUnits& u) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string area = t.onArea + measureText(lang, l.AreaDm2, Unit::SquareDecimetre, u.area, 2);
    return {std::string(t.wingLoading) + ": " + measureText(lang, l.GramsPerDm2, Unit::GramPerDm2, u.wingLoading, 1) + area,
            std::string(t.cubicLoading) + ": " + measureText(lang, l.GramsPerDm3, Unit::GramPerDm3, u.cubicLoading, 2) + area};
}

std::string tailVolumeLine(UiLanguage lang, const TailVolume& v) {
    const BalanceLabels& t = balanceLabels(lang);
    const char* role = v.Role == SurfaceRole::Tail ? t.tail : v.Role == SurfaceRole::Canard ? t.canard : t.noLever;
    return t.volumeOf + std::to_string(v.Wing) + ": " + F(v.Coefficient, 3) + " (" + role + ")";
}

namespace {

void meanChordLines(UiLanguage lang, const BalanceFigures& f, const StabilityNumbers& n, const DisplayUnits& u,
                    std::vector<std::string>& lines) {
    const BalanceLabels& t = balanceLabels(lang);
    const MeanChord& m = *f.Mac;
    const std::string which = t.meanChord + std::string(t.ofWing) + std::to_string(f.MacWing) + " (" + t.marginsChord +
                              (m.FilledGap > 0 ? std::string(", ") + t.gapFilled : std::string()) + "): ";
    lines.push_back(which + L(lang, m.Length, u) + ", x " + rangeText(lang, m.LeadingEdgeX, m.LeadingEdgeX + m.Length, u) +
                    ", y " + L(lang, m.StationY, u));
    const std::pair<double, const std::optional<CgMeasures>*> cgs[] = {
        {n.RecommendedMarginHigh, &f.High}, {n.RecommendedMarginLow, &f.Low}, {n.DesiredMargin, &f.Desired}};
    for (const auto& [margin, at] : cgs)
        if (*at) lines.push_back(std::string(t.staticMargin) + " " + F(margin, 1) + " %: " + cgMeasuresText(lang, **at, u));
}

void myCgLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b, const DisplayUnits& u,
               std::vector<std::string>& lines) {
    if (f.MyCg.Refusal == CgRefusal::Empty && !b.MyCgFromTable) return;
    std::string line = balanceLabels(lang).myCg + std::string(": ");
    if (!f.MyCg.ok()) line += cgRefusalLine(lang, f.MyCg, b.MyCg, u);
    else if (f.MyCgAt) line += cgMeasuresText(lang, *f.MyCgAt, u);
    else line += L(lang, f.MyCg.X, u);
    lines.push_back(line);
    if (f.MyCg.ok()) lines.push_back(marginLine(lang, f.MyCgMargin, u));
}

void tableLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b, const DisplayUnits& u,
                std::vector<std::string>& lines) {
    if (f.Masses.Rows.empty()) return; // no table, or figures not computed for it
    const BalanceLabels& t = balanceLabels(lang);
    std::string total = std::string(t.totalMass) + ": " + M(lang, f.Masses.TotalMass, u);
    if (f.Masses.CgX) total += std::string(", ") + t.massCg + ": " + L(lang, *f.Masses.CgX, u);
    lines.push_back(total);
    for (size_t i = 0; i < f.Masses.Rows.size() && i < b.Rows.size(); ++i)
        if (!f.Masses.Rows[i].used())
            lines.push_back(rowProblemLine(lang, int(i) + 1, b.Rows[i].Name, f.Masses.Rows[i].Problem, u));
    if (f.Loading)
        for (std::string& l : loadingLines(lang, *f.Loading, u)) lines.push_back(std::move(l));
}

} // namespace

std::vector<std::string> balanceReportLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b,
                                            const StabilityNumbers& n, bool calculated, const DisplayUnits& u) {
    std::vector<std::string> lines;
    if (calculated && f.Mac) meanChordLines(lang, f, n, u, lines);
    myCgLines(lang, f, b, u, lines);
    tableLines(lang, f, b, u, lines);
    if (calculated)
        for (const TailVolume& v : f.TailVolumes) lines.push_back(tailVolumeLine(lang, v));
    return lines;
}

} // namespace tv
