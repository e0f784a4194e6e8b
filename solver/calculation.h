#pragma once
// The calculate command's solver part: lattice sizing, z-separation, vortex layout, influence
// matrix, solution and evaluation, in this order, each step only while no earlier one failed.
//
// The routines and where they live (solver files keep the routines' names); indented: called
// by the routine above.
//
//   routine             file                        what it does
//   ------------------  --------------------------  -----------------------------------------------
//   runCalculation      calculation.{h,cpp}         the steps below in order; resultsUsable
//   checkLengthLimits   length_limits.{h,cpp}       refuses lengths and positions beyond any model
//   GRID                grid.{h,cpp}                chordwise rows and spanwise strips per wing
//   KONFLIKT2           konflikt2.{h,cpp}           moves overlapping wings apart in height
//     UEBERSCHNEID      ueberschneid.h              spanwise overlap of two wings
//   TRAWY2              trawy2.{h,cpp}              the vortex lattice: strips, panels, control points
//     TRAPEZ_TRIM       trapez_trim.{h,cpp}         strip widths of one trapezium, equal width/chord
//       TRIM9M          trim9m.{h,cpp}              Newton iteration on the strip-width equations
//         FCN           fcn.{h,cpp}                 residuals of the strip-width equations
//         SIMQ90        simq90.{h,cpp}              elimination for the Newton step
//   EINFLUSS            einfluss.{h,cpp}            the influence matrix
//     INDU              indu.h                      downwash of a unit horseshoe vortex
//   LOES                loes.{h,cpp}                circulations: the lattice system solved
//     solveLatticeSystem refined_solve.{h,cpp}      refined solve, or SIMQ902 alone (ExactSolve)
//       solveRefined    refined_solve.{h,cpp}       single-precision solve refined to double accuracy
//         factorSingle  single_elimination.{h,cpp}  single-precision factorisation, reused per side
//         (kernels)     vector_kernels.{h,cpp}      the vectorised products and column steps
//       SIMQ902         simq902.{h,cpp}             dense elimination in double precision; fallback
//   WIRBEL_ERG          wirbel_erg.{h,cpp}          panel loads, aerodynamic centres, neutral point
//   stripLoads          strip_loads.{h,cpp}         the load of every strip, after the evaluation
//   SolverWorkspace     workspace.{h,cpp}           every array at its fixed capacity, made once
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"
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
/// A refused length is written in `length`.
void runCalculation(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang,
                    const EliminationProgress& progress = {}, Unit length = Unit::Millimetre);

/// Whether the last run's results may be shown: the evaluation ran and no step set
/// AbortCalculation (a singular system, a wing or aircraft without lift, no reference wing).
/// The window and the batch calculator both decide by this.
inline bool resultsUsable(const SolverWorkspace& ws) { return ws.EvaluationRan && !ws.AbortCalculation; }

} // namespace tv
