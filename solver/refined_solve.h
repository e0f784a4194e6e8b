#pragma once
// The lattice system solved fast: eliminated in single precision, then refined in double
// precision against the double matrix until the solution is as exact as the double elimination's;
// the double elimination (SIMQ902) takes over when the refinement cannot get there.
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

inline constexpr double kRefinedTolerance = 1e-15; // largest correction / largest |x| to stop at
inline constexpr int kRefinementStepLimit = 10;
/// The lattice system is refined from this many unknowns; a smaller one is eliminated in double
/// precision, which is as fast there (a small factorisation gains little from single precision
/// and the refinement's steps cost as much as the gain).
inline constexpr int kRefinedSolveFrom = 1000;

/// Solves A * x = b for n unknowns: A row-major with leading dimension ld, read only; b and x
/// n entries each (x is written, b read). The single-precision factorisation and the vectors
/// live in work (grown to n, never shrunk). x holds the refined solution only when the outcome is
/// Converged; otherwise it is undefined and the caller solves in double precision. The shrinking
/// of the corrections ends the refinement early: Converged once the next correction would be
/// below the tolerance, NotConverged when the step limit would not bring them below it.
RefinedResult solveRefined(const double* A, int ld, const double* b, double* x, int n, RefinementWork& work,
                           const EliminationProgress& progress = {});

/// LOES's solve of the scaled system in ws.Matrix (PanelTotal unknowns, leading dimension
/// kPanelLimit) with the right-hand side in ws.RightHandSide, which receives the solution.
/// Refined unless ws.ExactSolve is set or the system has fewer than kRefinedSolveFrom unknowns;
/// falls back to SIMQ902 on the same matrix when the refinement does not converge
/// (ws.LastRefinement tells what happened; cleared when the refinement did not run). Singular when SIMQ902
/// could not solve the system.
[[nodiscard]] SolveStatus solveLatticeSystem(SolverWorkspace& ws, const EliminationProgress& progress = {});

} // namespace tv
