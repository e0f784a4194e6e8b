#pragma once
// Trim on the neutral point's factorisation: the angle of attack at which the pitching moment
// about the CG vanishes, with every wing's incidence, every section's twist and the airfoils'
// zero-lift angles and moments; the lift coefficient and speed there; or the setting (one wing's
// incidence, or a lone wing's linear washout) that trims at a target lift coefficient or speed.
//
// The lattice stays flat: at every control point of strip j the right-hand side is
// a_j = alpha + i + t_j - alpha0_j (radians), i the wing's incidence, t_j and alpha0_j linear in y
// between the trapezium's sections, taken at the strip's middle. The circulation is linear in
// them, so alpha (the calculation's own solution), the settings and the trim variable each take
// one right-hand side on the factorisation the calculation made. Forces as in the neutral point's
// evaluation; CL on the reference area (both halves); the moment about x_cg from every panel's
// lift at its bound vortex plus the sections' moments sum of Cm0_j c_j^2 dy_j (both halves), as a
// coefficient on S_ref c_ref, nose-up positive.
// Units: angles in degrees, lengths in mm, masses in g, density in kg/m^3, speed in m/s.
#include "model/aircraft.h"
#include "solver/workspace.h"

#include <array>
#include <optional>
#include <vector>

namespace tv {

inline constexpr double kAirfoilAlpha0Limit = 15;   // degrees: a larger zero-lift angle is refused
inline constexpr double kAirfoilCm0Limit = 0.5;     // a larger moment coefficient is refused
inline constexpr double kLinearAlphaLimit = 15;     // degrees: a trim angle beyond is flagged
inline constexpr double kLinearClLimit = 1.5;       // a local lift coefficient beyond is flagged
inline constexpr double kGravity = 9.81;            // m/s^2
inline constexpr double kCurveFrom = -2, kCurveTo = 6, kCurveStep = 0.5; // degrees of the trim variable

enum class TrimQuestion {
    AsSet,       // the settings as typed: the trim angle, lift coefficient and speed
    TargetCl,    // the trim variable that trims at TargetCl
    TargetSpeed, // the trim variable that trims at TargetSpeed with the flying mass
};

enum class TrimVariable {
    Incidence, // the incidence of VariableWing (the decalage against the reference wing)
    Washout,   // linear washout of the aircraft's one wing: twist -tau (y - y1) / (y_last - y1) added
};

struct TrimRequest {
    TrimQuestion Question = TrimQuestion::AsSet;
    double TargetCl = 0;
    double TargetSpeed = 0; // m/s
    int TrimWing = 0;       // 1..5; 0: the first wing other than the reference wing (one wing: its washout)
    double CgX = 0;         // mm, aircraft frame
    std::optional<double> Mass; // g, in place of the project's; nothing: the table's total, else the typed mass
};

enum class TrimProblem {
    None,
    NoResult,             // the calculation gave no usable result
    Alpha0Beyond,         // |alpha0| > 15 degrees at ProblemWing, ProblemSection
    Cm0Beyond,            // |Cm0| > 0.5 at ProblemWing, ProblemSection
    MassNotPositive,      // a mass was given (or is needed for a target speed) and is not positive
    DensityNotPositive,
    TrimWingNotInUse,     // the trim wing is not among the wings in use
    NoStableTrim,         // the CG is at or behind the neutral point
    TargetNotPositive,    // a target CL or speed <= 0
    VariableWithoutEffect,// the trim variable does not change the moment about the CG
    NoPositiveLift,       // the aircraft trims at CL <= 0: no speed
    SolveFailed,          // a right-hand side could not be solved on the factorisation
};

struct WingTrim {
    double Cl = 0;        // the wing's lift coefficient on its own area
    double LiftShare = 0; // of the aircraft's lift, 0..1 for wings that lift together
    double MaxCl = 0;     // the highest local lift coefficient along the wing
    double MaxClY = 0;    // mm from the centre line: where it is (the wing stalls first there)
    double MaxClRatio = 0;// MaxCl / Cl
};

struct StripCl {
    int Wing = 0, Strip = 0;
    double Y = 0;  // strip middle, mm
    double Cl = 0; // local lift coefficient at trim
};

struct TrimCurvePoint {
    double Variable = 0;          // degrees (incidence of the trim wing, or washout)
    double Alpha = 0;             // trim angle, degrees
    double Cl = 0;                // trimmed lift coefficient
    std::optional<double> Speed;  // m/s, when CL > 0 and a mass is known
};

struct TrimResult {
    TrimProblem Problem = TrimProblem::None;
    int ProblemWing = 0, ProblemSection = 0;
    bool ok() const { return Problem == TrimProblem::None; }

    int WingCount = 0;        // the wings in use, whose figures are given
    TrimVariable Variable = TrimVariable::Incidence;
    int VariableWing = 0;     // the wing the variable belongs to
    double VariableSet = 0;   // degrees: the variable as the settings have it
    double VariableTrim = 0;  // degrees: at trim (as set: VariableSet)
    std::optional<double> Decalage; // the front wing's incidence minus the rear one's (trim and reference wing), degrees
    double CgX = 0;           // mm
    double Mass = 0;          // g, 0 when none is known
    double Density = 0;       // kg/m^3

    // The linear model: per radian of alpha, at alpha = 0 with the settings, per radian of the variable.
    double ClAlpha = 0, CmAlpha = 0, ClZero = 0, CmZero = 0, ClVariable = 0, CmVariable = 0;

    double Alpha = 0;         // trim angle, degrees
    double Cl = 0;            // trimmed lift coefficient on S_ref
    std::optional<double> Speed; // m/s
    double Cm = 0;            // the moment coefficient left at trim (rounding only)
    double Cdi = 0;           // induced drag coefficient on S_ref
    std::optional<double> SpanEfficiency;
    std::array<WingTrim, kWingMax + 1> Wings{}; // [1..WingCount]
    int HigherClWing = 0;     // the wing with the highest CL_w (stalls first)
    std::vector<StripCl> Strips;
    bool AlphaOutsideLinear = false; // |alpha| > 15 degrees
    bool ClOutsideLinear = false;    // a local cl > 1.5
    std::vector<TrimCurvePoint> Curve;
};

/// The trim of the aircraft `ac` (its planforms as the calculation left them, its Trim and Balance
/// texts) on the calculation in ws, which must have run on it. Fills every figure it can; a
/// problem is a value, never a NaN.
TrimResult computeTrim(const Aircraft& ac, SolverWorkspace& ws, const TrimRequest& request);

} // namespace tv
