#pragma once
// Dense elimination of the lattice system.
#include <functional>

namespace tv {

/// Receives the number of columns still to eliminate while SIMQ902 runs (n - i after column i).
using EliminationProgress = std::function<void(int columnsLeft)>;

/// Solves M * x = b for the first n unknowns by Gaussian elimination with partial pivoting; among
/// equal largest candidates the last row is the pivot. M is row-major, 0-based, element (i, j) at
/// M[i * ld + j], and is destroyed; b (n entries) is replaced by x. Returns true when a pivot
/// column is zero (the system is singular); b then holds a partial result.
/// progress (may be empty) is called at least once per block of columns, with the count left.
bool SIMQ902(double* M, int ld, double* b, int n, const EliminationProgress& progress = {});

/// The plain column-by-column elimination (triple loop), the reference the blocked one must match.
bool SIMQ902Literal(double* M, int ld, double* b, int n, const EliminationProgress& progress = {});

} // namespace tv
