#include "solver/factor_solve.h"

#include "solver/refined_solve.h"

#include <algorithm>
#include <cmath>

namespace tv {

bool latticeFactorAvailable(const SolverWorkspace& ws) {
    return ws.EvaluationRan && !ws.SolutionFailed && ws.PanelTotal > 0 && ws.PanelTotal <= kPanelLimit;
}

SolveStatus solveOnLatticeFactor(SolverWorkspace& ws, double* b) {
    if (!latticeFactorAvailable(ws)) return SolveStatus::Singular;
    const int n = int(ws.PanelTotal);
    if (ws.LastRefinement.outcome == RefinedOutcome::Converged && ws.LastRefinement.steps > 0) {
        // The refined solve's solution buffer is free once LOES copied its result out.
        double* x = ws.Refinement.Solution.data();
        const RefinedResult r = refineOnFactor(ws.Matrix.get(), kPanelLimit, b, x, n, ws.Refinement);
        if (r.outcome != RefinedOutcome::Converged) return SolveStatus::Singular;
        std::copy(x, x + n, b);
        return std::all_of(b, b + n, [](double v) { return std::isfinite(v); }) ? SolveStatus::Solved
                                                                                 : SolveStatus::Singular;
    }
    return SIMQ902Resolve(ws.Matrix.get(), kPanelLimit, ws.EliminationPivots.data(), b, n);
}

} // namespace tv
