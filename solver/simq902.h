#pragma once
// Dense elimination of the lattice system.
#include <functional>

namespace tv {

/// The outcome of every elimination (SIMQ90, SIMQ902, LOES), one meaning everywhere.
enum class [[nodiscard]] SolveStatus { Solved, Singular };

/// Receives the number of columns still to eliminate while SIMQ902 runs (n - i after column i).
using EliminationProgress = std::function<void(int columnsLeft)>;

/// Solves M * x = b for the first n unknowns by Gaussian elimination with partial pivoting; among
/// equal largest candidates the last row is the pivot. M is row-major, 0-based, element (i, j) at
/// M[i * ld + j], and is destroyed; b (n entries) is replaced by x. Singular when a pivot
/// column is zero or the solution is not finite (the matrix held an infinite or undefined
/// entry); b then holds a partial result. n <= 0 is solved at once; ld < n is refused
/// (Singular, nothing touched). Only columns 0..n-1 of the first n
/// rows are read or written. The blocked SIMQ902 leaves M in a different state than the literal
/// one (the multipliers below the diagonal and the diagonal itself); only b is its result.
/// progress (may be empty) is called at least once per block of columns, with the count left,
/// and last with 0 on success.
SolveStatus SIMQ902(double* M, int ld, double* b, int n, const EliminationProgress& progress = {});

/// SIMQ902 that also writes the pivot row of every column into pivots (n entries), so that
/// SIMQ902Resolve can solve further right-hand sides on the eliminated M.
SolveStatus SIMQ902Pivoted(double* M, int ld, double* b, int n, int* pivots, const EliminationProgress& progress = {});

/// Solves M * x = b once more on the M that SIMQ902 eliminated (with its pivots), for another b
/// (n entries, replaced by x): the row exchanges, the forward elimination and the back
/// substitution replayed block by block, no new elimination. Singular when x is not finite.
SolveStatus SIMQ902Resolve(const double* M, int ld, const int* pivots, double* b, int n);

/// The plain column-by-column elimination (triple loop), the reference the blocked one must match.
SolveStatus SIMQ902Literal(double* M, int ld, double* b, int n, const EliminationProgress& progress = {});

} // namespace tv
