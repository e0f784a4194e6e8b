#include "solver/calculation.h"

#include "solver/einfluss.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/length_limits.h"
#include "solver/loes.h"
#include "solver/trawy2.h"
#include "solver/wirbel_erg.h"

#include <new>

namespace tv {

namespace {

void appendLines(SolverWorkspace& ws, const std::vector<std::string>& lines) {
    ws.Messages.insert(ws.Messages.end(), lines.begin(), lines.end());
}

void runSteps(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang, const EliminationProgress& progress, Unit length) {
    if (!checkLengthLimits(ac, ws, lang, length)) return;
    GRID(ac, ws, lang);

    // The notice follows whatever GRID reported, so a refused wing stays visible.
    if (const int w = KONFLIKT2(ac, ws)) {
        ws.fail(separationImpossibleLine(lang, w));
    }
    if (ws.WingsShifted) appendLines(ws, zSeparationNotice(lang));

    if (!ws.AbortCalculation) TRAWY2(ac, ws, lang);
    if (ws.AbortCalculation) return;
    // The lattice is sized: ask for what solving this one takes before anything large is touched.
    if (!reserveCalculationMemory(ws, lang)) return;

    EINFLUSS(ac, ws);
    if (ws.AbortCalculation) return; // the matrix was not filled: nothing to solve
    if (LOES(ws, progress) == SolveStatus::Singular) ws.Messages.push_back("LOES: Fehler...");
    // A singular system still gets evaluated: the partial solution shows where it went wrong.
    WIRBEL_ERG(ac, ws, lang);
    ws.EvaluationRan = true;
}

} // namespace

void runCalculation(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang, const EliminationProgress& progress,
                    Unit length) {
    ws.clearStatus();
    // The large buffers were taken with the workspace; the panel arrays grow with a larger
    // lattice. Memory that is not there becomes a message, never an escaping exception.
    try {
        runSteps(ac, ws, lang, progress, length);
    } catch (const std::bad_alloc&) {
        ws.fail(notEnoughMemoryLine(lang));
        ws.EvaluationRan = false;
    }
}

} // namespace tv
