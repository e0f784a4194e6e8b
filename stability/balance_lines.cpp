#include "stability/balance_lines.h"

#include "model/numformat.h"

#include <cmath>

namespace tv {
namespace {

std::string F(double v, int decimals) { return formatFixed(v, 0, decimals); }

const char* rowProblemText(const BalanceLabels& t, RowProblem p) {
    switch (p) {
    case RowProblem::MassMissing: return t.massMissing;
    case RowProblem::MassNotANumber: return t.massNotANumber;
    case RowProblem::MassNotPositive: return t.massNotPositive;
    case RowProblem::MassBeyondLimit: return t.massBeyondLimit;
    case RowProblem::XMissing: return t.xMissing;
    case RowProblem::XNotANumber: return t.xNotANumber;
    case RowProblem::XBeyondLimit: return t.xBeyondLimit;
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

std::string cgMeasuresText(UiLanguage lang, const CgMeasures& m) {
    const BalanceLabels& t = balanceLabels(lang);
    return F(m.X, 1) + " mm = " + F(m.PercentMac, 1) + t.percentMac + " = " + F(m.BehindRootLe, 1) + t.behindRootLe;
}

std::string macReferenceLine(UiLanguage lang, const BalanceFigures& f) {
    if (!f.Mac) return "";
    const BalanceLabels& t = balanceLabels(lang);
    std::string line = t.percentMacOf + std::to_string(f.MacWing) + ": " + t.marginsChord + ", " + F(f.Mac->Length, 1) + " mm";
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

std::string marginLine(UiLanguage lang, const std::optional<CgMargin>& margin) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string head = std::string(t.staticMargin) + ": ";
    if (!margin) return head + t.notCalculated;
    return head + F(margin->Percent, 1) + " % (" + F(margin->Mm, 1) + " mm), " + verdictText(lang, margin->Verdict);
}

std::string cgRefusalLine(UiLanguage lang, const CgEntry& entry, std::string_view typed) {
    const BalanceLabels& t = balanceLabels(lang);
    switch (entry.Refusal) {
    case CgRefusal::Empty: return t.cgEmpty;
    case CgRefusal::NotANumber: return std::string(t.cgNotANumber) + "\"" + std::string(typed) + "\"";
    case CgRefusal::BeyondLimit:
        // A % MAC entry can overflow to infinity; such an x is not worth writing out.
        if (!(std::fabs(entry.X) < 1e15)) return t.cgBeyondLimit;
        return t.cgBeyondLimit + (": x = " + F(entry.X, 1)) + " mm";
    case CgRefusal::NoMeanChord: return t.cgNoMeanChord;
    case CgRefusal::NoTableCg: return t.cgNoTableCg;
    case CgRefusal::None: break;
    }
    return "";
}

std::string rowProblemLine(UiLanguage lang, int rowNumber, std::string_view name, RowProblem p) {
    if (p == RowProblem::None) return "";
    const BalanceLabels& t = balanceLabels(lang);
    std::string line = t.row + std::to_string(rowNumber);
    if (!name.empty()) line += " (" + std::string(name) + ")";
    return line + ": " + rowProblemText(t, p) + t.leftOut;
}

std::string moveLine(UiLanguage lang, std::string_view name, const ChangeAnswer& a) {
    const BalanceLabels& t = balanceLabels(lang);
    if (!a.ok()) return changeRefusalText(t, a.Refusal);
    const char* direction = a.Value < 0 ? t.forward : a.Value > 0 ? t.rearward : "";
    return t.moveBy + std::string(name) + t.by + F(a.Value, 1) + " mm" + direction;
}

std::string ballastLine(UiLanguage lang, double ballastX, const ChangeAnswer& a) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string place = t.ballast + F(ballastX, 1) + " mm: ";
    if (!a.ok()) return place + changeRefusalText(t, a.Refusal);
    if (a.Value == 0) return place + t.noBallastNeeded;
    return place + F(a.Value, 1) + " g";
}

std::vector<std::string> loadingLines(UiLanguage lang, const WingLoading& l) {
    const BalanceLabels& t = balanceLabels(lang);
    const std::string area = t.onArea + F(l.AreaDm2, 2) + " dm²";
    return {std::string(t.wingLoading) + ": " + F(l.GramsPerDm2, 1) + " g/dm²" + area,
            std::string(t.cubicLoading) + ": " + F(l.GramsPerDm3, 2) + " g/dm³" + area};
}

std::string tailVolumeLine(UiLanguage lang, const TailVolume& v) {
    const BalanceLabels& t = balanceLabels(lang);
    const char* role = v.Role == SurfaceRole::Tail ? t.tail : v.Role == SurfaceRole::Canard ? t.canard : t.noLever;
    return t.volumeOf + std::to_string(v.Wing) + ": " + F(v.Coefficient, 3) + " (" + role + ")";
}

namespace {

void meanChordLines(UiLanguage lang, const BalanceFigures& f, const StabilityNumbers& n,
                    std::vector<std::string>& lines) {
    const BalanceLabels& t = balanceLabels(lang);
    const MeanChord& m = *f.Mac;
    const std::string which = t.meanChord + std::string(t.ofWing) + std::to_string(f.MacWing) + " (" + t.marginsChord +
                              (m.FilledGap > 0 ? std::string(", ") + t.gapFilled : std::string()) + "): ";
    lines.push_back(which + F(m.Length, 1) + " mm, x " + F(m.LeadingEdgeX, 1) + " – " + F(m.LeadingEdgeX + m.Length, 1) +
                    " mm, y " + F(m.StationY, 1) + " mm");
    const std::pair<double, const std::optional<CgMeasures>*> cgs[] = {
        {n.RecommendedMarginHigh, &f.High}, {n.RecommendedMarginLow, &f.Low}, {n.DesiredMargin, &f.Desired}};
    for (const auto& [margin, at] : cgs)
        if (*at) lines.push_back(std::string(t.staticMargin) + " " + F(margin, 1) + " %: " + cgMeasuresText(lang, **at));
}

void myCgLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b, std::vector<std::string>& lines) {
    if (f.MyCg.Refusal == CgRefusal::Empty && !b.MyCgFromTable) return;
    std::string line = balanceLabels(lang).myCg + std::string(": ");
    if (!f.MyCg.ok()) line += cgRefusalLine(lang, f.MyCg, b.MyCg);
    else if (f.MyCgAt) line += cgMeasuresText(lang, *f.MyCgAt);
    else line += F(f.MyCg.X, 1) + " mm";
    lines.push_back(line);
    if (f.MyCg.ok()) lines.push_back(marginLine(lang, f.MyCgMargin));
}

void tableLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b, std::vector<std::string>& lines) {
    if (f.Masses.Rows.empty()) return; // no table, or figures not computed for it
    const BalanceLabels& t = balanceLabels(lang);
    std::string total = std::string(t.totalMass) + ": " + F(f.Masses.TotalMass, 1) + " g";
    if (f.Masses.CgX) total += std::string(", ") + t.massCg + ": " + F(*f.Masses.CgX, 1) + " mm";
    lines.push_back(total);
    for (size_t i = 0; i < f.Masses.Rows.size() && i < b.Rows.size(); ++i)
        if (!f.Masses.Rows[i].used())
            lines.push_back(rowProblemLine(lang, int(i) + 1, b.Rows[i].Name, f.Masses.Rows[i].Problem));
    if (f.Loading)
        for (std::string& l : loadingLines(lang, *f.Loading)) lines.push_back(std::move(l));
}

} // namespace

std::vector<std::string> balanceReportLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b,
                                            const StabilityNumbers& n, bool calculated) {
    std::vector<std::string> lines;
    if (calculated && f.Mac) meanChordLines(lang, f, n, lines);
    myCgLines(lang, f, b, lines);
    tableLines(lang, f, b, lines);
    if (calculated)
        for (const TailVolume& v : f.TailVolumes) lines.push_back(tailVolumeLine(lang, v));
    return lines;
}

} // namespace tv
