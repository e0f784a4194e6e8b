#pragma once
// TRIM9M: Newton iteration on the strip-width equations (FCN) of one trapezium.
#include "i18n/texts.h"
#include "solver/workspace.h"

namespace tv {

/// Newton steps one trim may take before the trapezium is given up.
inline constexpr int kTrimIterationLimit = 20;

/// How a trim ended: converged (sum |f| < 1e-9), a singular Newton system, or no convergence
/// within kTrimIterationLimit steps; iterations counts the Newton steps taken (0 when v already
/// satisfied the equations).
struct TrimOutcome {
    enum Result { Converged, Singular, NoConvergence } result = Converged;
    int iterations = 0;
    bool converged() const { return result == Converged; }
};

/// Iterates on the n free entries (mask true, in order) of the m-entry vector v[1..m], updating
/// them in place; w and t (wing, trapezium) only name the trapezium in messages. Uses
/// ws.NewtonJacobian (forward differences with step 0.001 mm) and SIMQ90.
/// Failures (ws.fail): a singular Newton system (its German line); no convergence (the trapezium
/// failure lines with their advice).
TrimOutcome TRIM9M(SolverWorkspace& ws, UiLanguage lang, int w, int t, TrimVector& v, const TrimMask& mask,
                   int n, int m);

} // namespace tv
