#include "trim/trim_texts.h"

#include "i18n/trim_texts.h"
#include "model/numformat.h"

namespace tv {
namespace {

std::string fx(double v, int decimals) { return formatFixed(v, 0, decimals); }

std::string angle(const TrimWords& t, double degrees) { return fx(degrees, 2) + t.degrees; }

std::string airfoilProblem(const TrimWords& t, const TrimResult& r, const char* what) {
    return std::string(what) + t.inWing + std::to_string(r.ProblemWing) + t.inSection +
           std::to_string(r.ProblemSection) + ")";
}

std::string variableLine(const TrimWords& t, const TrimResult& r) {
    const bool washout = r.Variable == TrimVariable::Washout;
    std::string line = std::string(washout ? t.washoutOf : t.incidenceOf) + std::to_string(r.VariableWing) + ": " +
                       angle(t, r.VariableTrim) + " (" + t.asSet + angle(t, r.VariableSet) + ")";
    if (!washout && r.Decalage) line += t.decalage + angle(t, *r.Decalage);
    return line;
}

void wingLines(UiLanguage lang, const TrimWords& t, const TrimResult& r, const DisplayUnits& u,
               std::vector<std::string>& out) {
    for (int w = 1; w <= r.WingCount && w <= kWingMax; ++w) {
        const WingTrim& wt = r.Wings[w];
        out.push_back(t.wing + std::to_string(w) + ": CL " + fx(wt.Cl, 3) + t.liftShare + fx(100 * wt.LiftShare, 1) +
                      " %" + t.highestCl + fx(wt.MaxCl, 3) + " (cl/CL " + fx(wt.MaxClRatio, 2) + ") " + t.atY +
                      measureText(lang, wt.MaxClY, Unit::Millimetre, u.length, 0));
    }
    out.push_back(t.highestClWing + std::to_string(r.HigherClWing) + t.stallsFirst);
}

} // namespace

std::string trimProblemText(UiLanguage lang, const TrimResult& r, const DisplayUnits& u) {
    const TrimWords& t = trimWords(lang);
    switch (r.Problem) {
    case TrimProblem::None: return "";
    case TrimProblem::NoResult: return t.noResult;
    case TrimProblem::Alpha0Beyond: return airfoilProblem(t, r, t.alpha0Beyond);
    case TrimProblem::Cm0Beyond: return airfoilProblem(t, r, t.cm0Beyond);
    case TrimProblem::MassNotPositive: return t.massNotPositive + unitSymbol(lang, u.mass) + t.massAfterUnit;
    case TrimProblem::DensityNotPositive: return t.densityNotPositive;
    case TrimProblem::TrimWingNotInUse: return t.trimWingNotInUse + std::to_string(r.ProblemWing);
    case TrimProblem::NoStableTrim: return t.noStableTrim;
    case TrimProblem::TargetNotPositive: return t.targetNotPositive;
    case TrimProblem::VariableWithoutEffect: return t.variableWithoutEffect;
    case TrimProblem::NoPositiveLift: return t.noPositiveLift;
    case TrimProblem::SolveFailed: return t.solveFailed;
    }
    return "";
}

std::string airfoilErrorText(UiLanguage lang, const Airfoil& a) {
    const TrimWords& t = trimWords(lang);
    std::string text;
    switch (a.Error) {
    case AirfoilError::None: return "";
    case AirfoilError::Unreadable: text = t.fileUnreadable; break;
    case AirfoilError::Empty: text = t.fileEmpty; break;
    case AirfoilError::NotNumeric: text = t.fileNotNumeric; break;
    case AirfoilError::OutOfOrder: text = t.fileOutOfOrder; break;
    case AirfoilError::SingleSurface: text = t.fileSingleSurface; break;
    }
    if (a.Line > 0) text += t.atLine + std::to_string(a.Line) + ")";
    return text;
}

std::vector<std::string> trimReportLines(UiLanguage lang, const TrimResult& r, const DisplayUnits& u) {
    const TrimWords& t = trimWords(lang);
    std::vector<std::string> out;
    out.push_back(t.trimAtCg + measureText(lang, r.CgX, Unit::Millimetre, u.length, 1));
    if (r.Problem != TrimProblem::None && r.Problem != TrimProblem::NoPositiveLift) {
        out.push_back("  " + trimProblemText(lang, r, u));
        return out;
    }
    out.push_back(t.alpha + angle(t, r.Alpha) + ", CL " + fx(r.Cl, 3) +
                  (r.Speed ? t.speed + measureText(lang, *r.Speed, Unit::MetrePerSecond, u.speed, 1) : std::string()));
    out.push_back("  " + variableLine(t, r));
    if (r.Problem == TrimProblem::NoPositiveLift) {
        out.push_back("  " + trimProblemText(lang, r, u));
        return out;
    }
    wingLines(lang, t, r, u, out);
    out.push_back("  CDi " + fx(r.Cdi, 5) + (r.SpanEfficiency ? std::string(", e ") + fx(*r.SpanEfficiency, 3) : std::string()));
    if (r.AlphaOutsideLinear || r.ClOutsideLinear) out.push_back(t.outsideLinear);
    return out;
}

} // namespace tv
