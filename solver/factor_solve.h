#pragma once
// Further right-hand sides of the lattice system, solved on the factorisation the calculation's
// solve (LOES) left behind: the single-precision factor with the double matrix it refines
// against, or the double elimination of SIMQ902 with its pivots. Nothing is factorised again.
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

/// Whether the last calculation left a factorisation to solve on: its evaluation ran and its
/// system was solved.
bool latticeFactorAvailable(const SolverWorkspace& ws);

/// Solves the system for b (ws.PanelTotal entries, replaced by the solution) on that
/// factorisation: refined against the double matrix when the calculation's solve converged that
/// way, else through SIMQ902's elimination. Singular when no factorisation is there, the
/// refinement does not converge for this b, or the solution is not finite.
SolveStatus solveOnLatticeFactor(SolverWorkspace& ws, double* b);

} // namespace tv
