#include "trim/trim.h"

#include "model/trim_settings.h"
#include "solver/calculation.h"
#include "solver/factor_solve.h"
#include "solver/induced_drag.h"
#include "stability/balance.h"
#include "trim/strip_settings.h"
#include "trim/trim_loads.h"

#include <cmath>
#include <numbers>

namespace tv {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

TrimResult refused(TrimResult r, TrimProblem p, int wing = 0, int section = 0) {
    r.Problem = p, r.ProblemWing = wing, r.ProblemSection = section;
    return r;
}

/// The first airfoil value beyond the linear model's range among the sections in use.
TrimResult checkAirfoils(const Aircraft& ac, const TrimSettings& s, TrimResult r) {
    for (int w = 1; w <= ac.WingCount; ++w) {
        for (int k = 1; k <= ac.Wings[w].SectionCount && k <= kSectionMax; ++k) {
            const SectionAero& a = s.Wings[w].Sections[k];
            if (!(std::fabs(a.Alpha0) <= kAirfoilAlpha0Limit)) return refused(r, TrimProblem::Alpha0Beyond, w, k);
            if (!(std::fabs(a.Cm0) <= kAirfoilCm0Limit)) return refused(r, TrimProblem::Cm0Beyond, w, k);
        }
    }
    return r;
}

/// The flying mass: the request's, else the balance table's total, else the typed one; 0 for none.
std::optional<double> flyingMass(const Aircraft& ac, const TrimSettings& s, const TrimRequest& req) {
    if (req.Mass) return *req.Mass;
    const double table = massBalance(ac.Balance.Rows).TotalMass;
    if (table > 0) return table;
    if (s.MassTyped) return s.Mass;
    return std::nullopt;
}

/// The trim variable of the request: one wing's washout for an aircraft of one wing, else a
/// wing's incidence (by default the first one that is not the reference wing).
void chooseVariable(const Aircraft& ac, const SolverWorkspace& ws, const TrimRequest& req, TrimResult& r) {
    r.Variable = ac.WingCount == 1 ? TrimVariable::Washout : TrimVariable::Incidence;
    r.VariableWing = req.TrimWing;
    if (r.VariableWing == 0)
        r.VariableWing = ac.WingCount == 1 ? 1 : (ws.ReferenceWing == 1 ? 2 : 1);
}

/// The washout the settings hold: root twist minus tip twist of the variable's wing.
double setVariable(const Aircraft& ac, const TrimSettings& s, const TrimResult& r) {
    const WingAero& a = s.Wings[r.VariableWing];
    if (r.Variable == TrimVariable::Incidence) return a.Incidence;
    return a.Sections[1].Twist - a.Sections[ac.Wings[r.VariableWing].SectionCount].Twist;
}

/// +1 when wing k stands ahead of the reference wing (quarter points of the mean chords), else -1:
/// the decalage is the front wing's incidence minus the rear wing's.
double frontWingSign(const Aircraft& ac, int k, int reference) {
    const auto quarter = [&](int w) { return ac.Wings[w].PositionX + ac.Wings[w].planform.r25; };
    return quarter(k) < quarter(reference) ? 1.0 : -1.0;
}

struct Solutions {
    TrimLoads unit, base, variable; // per radian of alpha; the settings; per radian of the variable
    std::vector<double> baseGamma, variableGamma; // 1-based
};

/// The settings' and the variable's right-hand sides solved on the calculation's factorisation.
bool solveSides(const Aircraft& ac, SolverWorkspace& ws, const std::vector<StripSetting>& strips, double cgX,
                Solutions& out) {
    const int n = int(ws.PanelTotal);
    std::vector<double> base(n), variable(n);
    int i = 0;
    size_t j = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s, ++j) {
            for (int k = 1; k <= ws.ChordwisePanels[w]; ++k, ++i) {
                base[i] = -strips[j].Angle * kDeg; // the calculation's side is -1 for one radian
                variable[i] = -strips[j].Variable;
            }
        }
    }
    if (solveSidesOnLatticeFactor(ws, {base.data(), variable.data()}) != SolveStatus::Solved) return false;
    out.baseGamma.assign(1, 0.0), out.variableGamma.assign(1, 0.0);
    out.baseGamma.insert(out.baseGamma.end(), base.begin(), base.end());
    out.variableGamma.insert(out.variableGamma.end(), variable.begin(), variable.end());
    out.unit = trimLoads(ac.WingCount, ws, ws.Circulation.data(), cgX);
    out.base = trimLoads(ac.WingCount, ws, out.baseGamma.data(), cgX);
    out.variable = trimLoads(ac.WingCount, ws, out.variableGamma.data(), cgX);
    std::vector<double> cm0;
    for (const StripSetting& st : strips) cm0.push_back(st.Cm0);
    out.base.Moment += sectionMoment(ac.WingCount, ws, cm0);
    return true;
}


/// Lift and moment coefficients of the three solutions.
struct Coefficients {
    double clU, cmU, clB, cmB, clV, cmV;
};

Coefficients coefficients(const Solutions& sol, double area, double chord) {
    const double sc = area * chord;
    return {sol.unit.Lift / area, sol.unit.Moment / sc, sol.base.Lift / area,
            sol.base.Moment / sc, sol.variable.Lift / area, sol.variable.Moment / sc};
}

std::optional<double> speedFor(double cl, const TrimResult& r, double area) {
    if (!(cl > 0) || !(r.Mass > 0)) return std::nullopt;
    const double v = std::sqrt(2.0 * r.Mass / 1000.0 * kGravity / (r.Density * area * 1e-6 * cl));
    return std::isfinite(v) ? std::optional(v) : std::nullopt;
}

/// The target lift coefficient of the question; nothing after a refusal written into r.
std::optional<double> targetCl(const TrimRequest& req, double area, TrimResult& r) {
    if (req.Question == TrimQuestion::TargetCl) {
        if (!(req.TargetCl > 0)) return r.Problem = TrimProblem::TargetNotPositive, std::nullopt;
        return req.TargetCl;
    }
    if (!(req.TargetSpeed > 0)) return r.Problem = TrimProblem::TargetNotPositive, std::nullopt;
    if (!(r.Mass > 0)) return r.Problem = TrimProblem::MassNotPositive, std::nullopt;
    return 2.0 * r.Mass / 1000.0 * kGravity / (r.Density * area * 1e-6 * req.TargetSpeed * req.TargetSpeed);
}

/// Alpha and the variable (radians) that trim: as set the variable stays, for a target both move.
bool solveTrim(const Coefficients& k, const TrimRequest& req, double area, TrimResult& r, double& alpha,
               double& delta) {
    delta = 0;
    if (req.Question == TrimQuestion::AsSet) {
        alpha = -k.cmB / k.cmU;
        return true;
    }
    const std::optional<double> cl = targetCl(req, area, r);
    if (!cl) return false;
    const double det = k.clU * k.cmV - k.clV * k.cmU;
    if (!(std::fabs(k.cmV) > 1e-6 * std::fabs(k.cmU)) || det == 0) {
        r.Problem = TrimProblem::VariableWithoutEffect;
        return false;
    }
    alpha = ((*cl - k.clB) * k.cmV + k.clV * k.cmB) / det;
    delta = (-k.clU * k.cmB - k.cmU * (*cl - k.clB)) / det;
    return true;
}

/// Every wing's lift coefficient and share, the local cl along it and where it is highest.
void wingFigures(const Aircraft& ac, const SolverWorkspace& ws, const TrimLoads& at, TrimResult& r) {
    size_t j = 0;
    double best = -1;
    for (int w = 1; w <= ac.WingCount; ++w) {
        WingTrim& wt = r.Wings[w];
        const double area = ac.Wings[w].planform.S;
        wt.Cl = area > 0 ? at.WingLift[w] / area : 0.0;
        wt.LiftShare = at.Lift != 0 ? at.WingLift[w] / at.Lift : 0.0;
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s, ++j) {
            const double cl = at.StripCl[j];
            r.Strips.push_back({w, s, ws.StripYMid(s, w), cl});
            if (s == 1 || cl > wt.MaxCl) wt.MaxCl = cl, wt.MaxClY = ws.StripYMid(s, w);
            r.ClOutsideLinear = r.ClOutsideLinear || std::fabs(cl) > kLinearClLimit;
        }
        wt.MaxClRatio = wt.Cl != 0 ? wt.MaxCl / wt.Cl : 0.0;
        if (wt.Cl > best) best = wt.Cl, r.HigherClWing = w;
    }
}

void dragFigures(const Aircraft& ac, const SolverWorkspace& ws, const Solutions& sol, double alpha, double delta,
                 TrimResult& r) {
    std::vector<double> gamma(sol.baseGamma.size());
    for (size_t i = 1; i < gamma.size(); ++i)
        gamma[i] = alpha * ws.Circulation[i] + sol.baseGamma[i] + delta * sol.variableGamma[i];
    const double area = ws.ReferenceArea;
    r.Cdi = inducedDragArea(ac.WingCount, ws, gamma.data()) / area;
    const double span = ac.Wings[ws.ReferenceWing].planform.b;
    const double aspect = span * span / area;
    if (r.Cdi > 0 && aspect > 0) r.SpanEfficiency = r.Cl * r.Cl / (std::numbers::pi * aspect * r.Cdi);
}

void trimCurve(const Coefficients& k, double area, TrimResult& r) {
    for (double v = kCurveFrom; v <= kCurveTo + 1e-9; v += kCurveStep) {
        const double delta = (v - r.VariableSet) * kDeg;
        const double alpha = -(k.cmB + delta * k.cmV) / k.cmU;
        TrimCurvePoint p{v, alpha / kDeg, alpha * k.clU + k.clB + delta * k.clV, std::nullopt};
        p.Speed = speedFor(p.Cl, r, area);
        r.Curve.push_back(p);
    }
}

/// The request's checks that need no solve; false after a refusal written into r.
bool acceptRequest(const Aircraft& ac, const SolverWorkspace& ws, const TrimRequest& req, const TrimSettings& s,
                   TrimResult& r) {
    if (!resultsUsable(ws) || !latticeFactorAvailable(ws) || !(ws.ReferenceArea > 0) || !(ws.ReferenceChord > 0))
        return r.Problem = TrimProblem::NoResult, false;
    r = checkAirfoils(ac, s, r);
    if (!r.ok()) return false;
    if (!(r.Density > 0)) return r.Problem = TrimProblem::DensityNotPositive, false;
    const std::optional<double> mass = flyingMass(ac, s, req);
    if (mass && !(*mass > 0)) return r.Problem = TrimProblem::MassNotPositive, false;
    r.Mass = mass.value_or(0);
    if (r.VariableWing < 1 || r.VariableWing > ac.WingCount)
        return r.Problem = TrimProblem::TrimWingNotInUse, r.ProblemWing = r.VariableWing, false;
    if (!(ws.NeutralPointX - req.CgX > kVerdictToleranceMm)) return r.Problem = TrimProblem::NoStableTrim, false;
    return true;
}

} // namespace

TrimResult computeTrim(const Aircraft& ac, SolverWorkspace& ws, const TrimRequest& request) {
    TrimResult r;
    const TrimSettings s = trimSettings(ac.Trim);
    r.CgX = request.CgX;
    r.WingCount = ac.WingCount;
    r.Density = s.Density;
    chooseVariable(ac, ws, request, r);
    if (!acceptRequest(ac, ws, request, s, r)) return r;
    r.VariableSet = setVariable(ac, s, r);
    const double sign = frontWingSign(ac, r.VariableWing, ws.ReferenceWing);
    if (r.Variable == TrimVariable::Incidence && r.VariableWing != ws.ReferenceWing)
        r.Decalage = sign * (r.VariableSet - s.Wings[ws.ReferenceWing].Incidence);
    Solutions sol;
    const std::vector<StripSetting> strips = stripSettings(ac, ws, s, r.VariableWing, r.Variable == TrimVariable::Washout);
    if (!solveSides(ac, ws, strips, request.CgX, sol)) return refused(r, TrimProblem::SolveFailed);
    const double area = ws.ReferenceArea;
    const Coefficients k = coefficients(sol, area, ws.ReferenceChord);
    r.ClAlpha = k.clU, r.CmAlpha = k.cmU, r.ClZero = k.clB, r.CmZero = k.cmB, r.ClVariable = k.clV, r.CmVariable = k.cmV;
    double alpha = 0, delta = 0;
    if (!solveTrim(k, request, area, r, alpha, delta)) return r;
    r.Alpha = alpha / kDeg;
    r.VariableTrim = r.VariableSet + delta / kDeg;
    if (r.Decalage) r.Decalage = *r.Decalage + sign * delta / kDeg;
    const TrimLoads at = combine(alpha, sol.unit, sol.base, delta, sol.variable);
    r.Cl = at.Lift / area;
    r.Cm = at.Moment / (area * ws.ReferenceChord);
    r.Speed = speedFor(r.Cl, r, area);
    r.AlphaOutsideLinear = std::fabs(r.Alpha) > kLinearAlphaLimit;
    wingFigures(ac, ws, at, r);
    dragFigures(ac, ws, sol, alpha, delta, r);
    trimCurve(k, area, r);
    if (!(r.Cl > 0)) r.Problem = TrimProblem::NoPositiveLift;
    return r;
}

} // namespace tv
