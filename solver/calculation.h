#pragma once
// The calculate command's solver part: lattice sizing, z-separation, vortex layout, influence
// matrix, solution and evaluation, in this order, each step only while no earlier one failed.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

/// Runs the calculation on the computed aircraft (model/planform.h computeAircraft).
/// Clears the status of ws (AbortCalculation, WingsShifted, WingMoved, SolutionFailed, Messages),
/// then: the length limits (any length or position beyond ±kLengthLimit mm is refused); GRID; KONFLIKT2 (moved wings get a new whole-millimetre ac.Wings[w].PositionZ, listed in
/// ws.WingMoved; the notice lines follow any lines GRID wrote); TRAWY2 unless a step failed; then,
/// unless a step failed, EINFLUSS, LOES (a singular system adds "LOES: Fehler..." and the
/// evaluation still runs) and WIRBEL_ERG, which overwrites b, S, lm and lam of the wings in use
/// with the lattice values.
/// Afterwards ws.Messages holds the lines for the results box and ws.AbortCalculation tells
/// whether the results may be shown. progress (may be empty) sees the elimination's column count.
void runCalculation(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang,
                    const EliminationProgress& progress = {});

/// Whether the last run's results may be shown: the evaluation ran and no step set
/// AbortCalculation (a singular system, a wing or aircraft without lift, no reference wing).
/// The window and the batch calculator both decide by this.
inline bool resultsUsable(const SolverWorkspace& ws) { return ws.EvaluationRan && !ws.AbortCalculation; }

} // namespace tv
