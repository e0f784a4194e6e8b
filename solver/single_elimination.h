#pragma once
// The lattice system's elimination in single precision, kept as a factorisation that later
// right-hand sides reuse: the fast first half of the refined solve (solver/refined_solve.h).
#include "solver/simq902.h"
#include "solver/vector_kernels.h"

namespace tv {

/// Factors the n x n row-major matrix M (element (i, j) at M[i * ld + j]) in place, with the
/// blocked structure and the pivot rule of SIMQ902 (largest |value| of the column, the last row
/// among equal ones): P * M = L * U, L lower with the pivots on its diagonal, U unit upper.
/// Unlike SIMQ902 a pivot swap exchanges the whole rows, so that L stays consistent with P and
/// the factorisation can be applied to any right-hand side. pivots[j] (n entries) receives the
/// row swapped with row j at column j. Returns true when a pivot column is zero or a pivot is
/// not finite (the single-precision copy overflowed): the factorisation cannot be used.
/// progress (may be empty) receives the columns left after each block; kernels names the loops
/// of the products and column steps (solver/vector_kernels.h).
bool factorSingle(float* M, int ld, int n, int* pivots, const EliminationProgress& progress = {},
                  Kernels kernels = preferredKernels());

/// Solves M * x = b with the factorisation of factorSingle; b (n entries) is replaced by x.
void solveFactoredSingle(const float* M, int ld, int n, const int* pivots, float* b);

} // namespace tv
