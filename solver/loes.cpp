#include "solver/loes.h"

#include "solver/refined_solve.h"

namespace tv {

SolveStatus LOES(SolverWorkspace& ws, const EliminationProgress& progress) {
    const int n = int(ws.PanelTotal);
    ws.RightHandSide.fill(-1.0);
    const SolveStatus status = solveLatticeSystem(ws, progress);
    if (status == SolveStatus::Singular) {
        ws.fail("LOES: Fehler beim Loesen des Gleichungssystems ");
        ws.SolutionFailed = true;
    }
    for (int i = 1; i <= n; ++i) ws.Circulation[i] = ws.RightHandSide[i - 1];
    return status;
}

} // namespace tv
