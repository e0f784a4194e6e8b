#include "stability/balance_lines.h"

#include "model/numformat.h"

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
    case CgRefusal::BeyondLimit: return t.cgBeyondLimit + F(entry.X, 1) + " mm" + t.limitSuffix;
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

} // namespace tv
