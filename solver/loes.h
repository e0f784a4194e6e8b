#pragma once
// LOES: circulations that cancel a unit normal velocity at every control point.
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ws.PanelTotal (1..3000) and the influence matrix in ws.Matrix from EINFLUSS.
/// Scales the matrix in place by 0.0795775 (1/(4 pi) to seven digits) into the system matrix,
/// sets the right-hand side to -1 (unit free-stream speed times angle of attack), solves it
/// (solveLatticeSystem: single precision refined in double, or SIMQ902 on the exact path and as
/// the fallback; row-major, leading dimension 3000) and copies the solution into
/// ws.Circulation[1..PanelTotal] (mm). The matrix holds the scaled system (refined path) or the
/// eliminated one (SIMQ902) afterwards; nothing reads it after the solve.
/// Failure (Singular): a singular system ("LOES: Fehler beim Loesen des
/// Gleichungssystems " appended, AbortCalculation and SolutionFailed set, the partial solution
/// is copied all the same).
SolveStatus LOES(SolverWorkspace& ws, const EliminationProgress& progress = {});

/// LOES's first step: the influence matrix in ws.Matrix (PanelTotal rows and columns) scaled in
/// place by 0.0795775 into the system matrix.
void scaleToSystemMatrix(SolverWorkspace& ws);

} // namespace tv
