#pragma once
// Further right-hand sides of the lattice system, solved on the factorisation the calculation's
// solve (LOES) left behind: the single-precision factor with the double matrix it refines
// against, or the double elimination of SIMQ902 with its pivots. Nothing is factorised again.
#include "solver/simq902.h"
#include "solver/workspace.h"

#include <vector>

namespace tv {

/// Whether the last calculation left a factorisation to solve on: its evaluation ran and its
/// system was solved.
bool latticeFactorAvailable(const SolverWorkspace& ws);

/// A correction below this share of the solution ends the refinement of solveSidesOnLatticeFactor.
inline constexpr double kSidesTolerance = 1e-12;

/// Several right-hand sides at once (sides[k], PanelTotal entries each, replaced by the
/// solutions), for figures shown to a few digits: on the single-precision factor every
/// refinement step takes one pass over the double matrix for all sides, with plain double
/// residuals, until the corrections are (or, by their steady shrinking, the next would be) below
/// kSidesTolerance of the solutions (at most kRefinementStepLimit steps); on SIMQ902's
/// elimination (the exact path, a small system, or the refinement's fallback) each side is
/// replayed with its pivots. Singular when no factorisation is there, the refinement does not
/// converge, or a solution is not finite.
SolveStatus solveSidesOnLatticeFactor(SolverWorkspace& ws, const std::vector<double*>& sides);

} // namespace tv
