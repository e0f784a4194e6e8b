#include "solver/loes.h"

#include "solver/refined_solve.h"
#include "solver/solver_threads.h"

namespace tv {

void scaleToSystemMatrix(SolverWorkspace& ws) {
    const int n = int(ws.PanelTotal); // at most 3000: EINFLUSS refuses more
    double* M = ws.Matrix.get();
    forEachRange(n, rowsPerRange(n), [&](int begin, int end) {
        for (int i = begin; i < end; ++i) {
            double* row = M + std::size_t(i) * kPanelLimit;
            for (int j = 0; j < n; ++j) row[j] *= 0.0795775;
        }
    });
}

SolveStatus LOES(SolverWorkspace& ws, const EliminationProgress& progress) {
    const int n = int(ws.PanelTotal);
    scaleToSystemMatrix(ws);
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
