#pragma once
// SIMQ90: Gaussian elimination with partial pivoting for the Newton step of the strip trim.
#include "solver/simq902.h"
#include "solver/workspace.h"

namespace tv {

/// Solves J * d = b for the first n unknowns (rows and columns 1..n, b[1..n]); d replaces b and
/// J is destroyed. The elimination is SIMQ902Literal's (among equal largest pivot candidates the
/// last row is taken; a solution that is not finite is Singular too).
/// Singular when a pivot column is all zero; b is then partial.
SolveStatus SIMQ90(NewtonMatrix& J, double* b, int n);

} // namespace tv
