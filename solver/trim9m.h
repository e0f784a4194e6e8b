#pragma once
// TRIM9M: Newton iteration on the strip-width equations (FCN) of one trapezium.
#include "i18n/texts.h"
#include "solver/workspace.h"

namespace tv {

/// Iterates on the n free entries (mask true, in order) of the m-entry vector v[1..m], updating
/// them in place, at most itmax times; w and t (wing, trapezium) only name the trapezium in
/// messages. Uses ws.NewtonJacobian (forward differences with step 0.001 mm) and SIMQ90.
/// status: left unchanged when v already satisfies sum |f| < 1e-9, else the number of the last
/// iteration that took a Newton step. Failures (lines appended to ws.Messages, AbortCalculation
/// set): a singular Newton system (status 0); no convergence within itmax iterations (the
/// trapezium failure lines with their advice, status -itmax).
void TRIM9M(SolverWorkspace& ws, UiLanguage lang, int w, int t, int& status, TrimVector& v,
            const TrimMask& mask, int itmax, int n, int m);

} // namespace tv
