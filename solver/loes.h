#pragma once
// LOES: circulations that cancel a unit normal velocity at every control point.
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ws.PanelTotal (1..3000) and the system matrix in ws.Matrix from EINFLUSS (with its
/// single-precision copy when the refined solve runs). Sets the right-hand side to -1 (unit free-stream speed times angle of attack), solves it
/// (solveLatticeSystem: single precision refined in double, or SIMQ902 on the exact path and as
/// the fallback; row-major, leading dimension PanelTotal) and copies the solution into
/// ws.Circulation[1..PanelTotal] (mm). The matrix holds the scaled system (refined path) or the
/// eliminated one (SIMQ902) afterwards; nothing reads it after the solve.
/// Failure (Singular): a singular system ("LOES: Fehler beim Loesen des
/// Gleichungssystems " appended, AbortCalculation and SolutionFailed set, the partial solution
/// is copied all the same).
SolveStatus LOES(SolverWorkspace& ws, const EliminationProgress& progress = {});

} // namespace tv
