#pragma once
// SIMQ90: Gaussian elimination with partial pivoting for the Newton step of the strip trim.
#include "solver/workspace.h"

namespace tv {

/// Solves J * d = b for the first n unknowns (rows and columns 1..n, b[1..n]); d replaces b and
/// J is destroyed. Among equal largest pivot candidates the last row is taken.
/// Returns true when a pivot column is all zero (the system is singular); b is then partial.
bool SIMQ90(NewtonMatrix& J, double* b, int n);

} // namespace tv
