#pragma once
// The lattice system's elimination in single precision, kept as a factorisation that later
// right-hand sides reuse: the fast first half of the refined solve (solver/refined_solve.h). Two
// ways to it: the blocked elimination of SIMQ902 on floats, and LAPACK's sgetrf, whose panels
// are factored by the library's own threads (the faster one for large systems).
#include "solver/simq902.h"

namespace tv {

/// Factors the n x n row-major matrix M (element (i, j) at M[i * ld + j]) in place, with the
/// blocked structure and the pivot rule of SIMQ902 (largest |value| of the column, the last row
/// among equal ones): P * M = L * U, L lower with the pivots on its diagonal, U unit upper.
/// Unlike SIMQ902 a pivot swap exchanges the whole rows, so that L stays consistent with P and
/// the factorisation can be applied to any right-hand side. pivots[j] (n entries) receives the
/// row swapped with row j at column j. Returns true when a pivot column is zero or a pivot is
/// not finite (the single-precision copy overflowed): the factorisation cannot be used.
/// progress (may be empty) receives the columns left after each block.
bool factorSingle(float* M, int ld, int n, int* pivots, const EliminationProgress& progress = {});

/// Solves M * x = b with the factorisation of factorSingle; b (n entries) is replaced by x.
void solveFactoredSingle(const float* M, int ld, int n, const int* pivots, float* b);

/// Factors the same row-major M (leading dimension n) with LAPACK's sgetrf, which reads it as its
/// transpose: M^T = P * L * U, the pivoting exchanging columns of M. pivots (n entries) receives
/// LAPACK's (1-based) pivot rows. Returns true when a pivot is zero or not finite.
bool factorSingleTransposed(float* M, int n, int* pivots);

/// Solves M * x = b with the factorisation of factorSingleTransposed; b (n entries) becomes x.
void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b);

} // namespace tv
