#pragma once
// The lattice system's factorisation in single precision, kept for the right-hand sides of the
// refined solve (solver/refined_solve.h): LAPACK's sgetrf, whose panels and products run on the
// library's own threads. It was measured against a blocked elimination of our own on floats (the
// recursion of SIMQ902): as fast or faster from 1000 unknowns up on a quiet machine (12.6 against
// 14.0 ms at 1144, 48 against 56 ms at 2000, 199 against 185 ms at 3000), and two to three times
// faster beside busy processes (127 against 317 ms at 1144), whose many calls each wait for the
// slowest thread.

namespace tv {

/// Factors the n x n row-major matrix M (element (i, j) at M[i * n + j]) in place with sgetrf,
/// which reads it as its transpose: M^T = P * L * U, the pivoting exchanging columns of M.
/// pivots (n entries) receives LAPACK's (1-based) pivot rows. Returns true when a pivot is zero or
/// not finite (the single-precision copy overflowed): the factorisation cannot be used.
bool factorSingleTransposed(float* M, int n, int* pivots);

/// Solves M * x = b with the factorisation of factorSingleTransposed; b (n entries) becomes x.
void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b);

/// The same for nrhs right-hand sides at once (b holds them one after the other, n entries each):
/// one pass over the factorisation for all of them.
void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b, int nrhs);

} // namespace tv
