#include "solver/calculation.h"

namespace tv {

void runCalculation(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang, const EliminationProgress& progress) {
    ws.AbortCalculation = false;
    ws.WingsShifted = false;
    ws.WingMoved.fill(false);
    ws.SolutionFailed = false;
    ws.EvaluationRan = false;
    ws.Messages.clear();
}

} // namespace tv
