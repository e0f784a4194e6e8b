#include "report/trim_report.h"

#include "trim/trim_texts.h"

#include <cmath>

namespace tv {
namespace {

nlohmann::json number(double v) { return std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr); }
nlohmann::json number(const std::optional<double>& v) { return v ? number(*v) : nlohmann::json(nullptr); }

const char* problemKey(TrimProblem p) {
    switch (p) {
    case TrimProblem::None: return nullptr;
    case TrimProblem::NoResult: return "no-result";
    case TrimProblem::Alpha0Beyond: return "alpha0-beyond";
    case TrimProblem::Cm0Beyond: return "cm0-beyond";
    case TrimProblem::MassNotPositive: return "mass-not-positive";
    case TrimProblem::DensityNotPositive: return "density-not-positive";
    case TrimProblem::TrimWingNotInUse: return "trim-wing-not-in-use";
    case TrimProblem::NoStableTrim: return "no-stable-trim";
    case TrimProblem::TargetNotPositive: return "target-not-positive";
    case TrimProblem::VariableWithoutEffect: return "variable-without-effect";
    case TrimProblem::NoPositiveLift: return "no-positive-lift";
    case TrimProblem::SolveFailed: return "solve-failed";
    }
    return nullptr;
}

nlohmann::json wingsJson(const TrimResult& t, int wingCount) {
    nlohmann::json wings = nlohmann::json::array();
    for (int w = 1; w <= wingCount && w <= kWingMax; ++w) {
        const WingTrim& wt = t.Wings[w];
        wings.push_back({{"Wing", w}, {"CL", number(wt.Cl)}, {"LiftShare", number(wt.LiftShare)},
                         {"MaxCl", number(wt.MaxCl)}, {"MaxClY", number(wt.MaxClY)}, {"MaxClRatio", number(wt.MaxClRatio)}});
    }
    return wings;
}

nlohmann::json curveJson(const TrimResult& t) {
    nlohmann::json curve = nlohmann::json::array();
    for (const TrimCurvePoint& p : t.Curve)
        curve.push_back({{"Variable", number(p.Variable)}, {"Alpha", number(p.Alpha)}, {"CL", number(p.Cl)},
                         {"Speed", number(p.Speed)}});
    return curve;
}

} // namespace

std::optional<double> trimCg(const BatchResult& r) {
    if (r.balance.MyCg.ok()) return r.balance.MyCg.X;
    if (r.calculated && r.stability.DesiredMarginAccepted) return r.stability.CgDesired;
    return std::nullopt;
}

void addTrim(BatchResult& r, SolverWorkspace& ws, const TrimOptions& o) {
    const std::optional<double> cg = trimCg(r);
    if (!r.calculated || !cg) {
        TrimResult t;
        t.Problem = TrimProblem::NoResult;
        r.trim = t;
        return;
    }
    const TrimRequest request{o.Question, o.TargetCl, o.TargetSpeed, o.TrimWing, *cg, o.Mass};
    r.trim = computeTrim(r.aircraft, ws, request);
}

nlohmann::json trimJson(const TrimResult& t, UiLanguage lang) {
    using nlohmann::json;
    json j;
    const char* problem = problemKey(t.Problem);
    j["Problem"] = problem ? json(problem) : json(nullptr);
    j["ProblemText"] = problem ? json(trimProblemText(lang, t)) : json(nullptr);
    j["CgX"] = number(t.CgX);
    const bool figures = t.ok() || t.Problem == TrimProblem::NoPositiveLift;
    const auto fig = [&](double v) { return figures ? number(v) : json(nullptr); };
    j["Variable"] = t.Variable == TrimVariable::Washout ? "washout" : "incidence";
    j["VariableWing"] = t.VariableWing;
    j["VariableSet"] = fig(t.VariableSet);
    j["VariableTrim"] = fig(t.VariableTrim);
    j["Decalage"] = figures ? number(t.Decalage) : json(nullptr);
    j["Alpha"] = fig(t.Alpha);
    j["CL"] = fig(t.Cl);
    j["Speed"] = figures ? number(t.Speed) : json(nullptr);
    j["Mass"] = t.Mass > 0 ? number(t.Mass) : json(nullptr);
    j["Density"] = fig(t.Density);
    j["CLalpha"] = fig(t.ClAlpha);
    j["CmAlpha"] = fig(t.CmAlpha);
    j["CDi"] = fig(t.Cdi);
    j["SpanEfficiency"] = figures ? number(t.SpanEfficiency) : json(nullptr);
    j["HigherClWing"] = figures ? json(t.HigherClWing) : json(nullptr);
    j["AlphaOutsideLinear"] = t.AlphaOutsideLinear;
    j["ClOutsideLinear"] = t.ClOutsideLinear;
    j["Wings"] = figures ? wingsJson(t, t.WingCount) : json::array();
    json strips = json::array();
    if (figures)
        for (const StripCl& s : t.Strips) strips.push_back({{"Wing", s.Wing}, {"Strip", s.Strip}, {"y", s.Y}, {"cl", number(s.Cl)}});
    j["Strips"] = std::move(strips);
    j["Curve"] = figures ? curveJson(t) : json::array();
    return j;
}

} // namespace tv
