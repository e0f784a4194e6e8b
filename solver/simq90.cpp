#include "solver/simq90.h"

namespace tv {

// The Jacobian is stored 1-based in rows of kTrimCapacity + 1 entries, one row after the other:
// from its element (1, 1) on it is the 0-based row-major matrix that the literal elimination
// takes, with the row length as leading dimension.
static_assert(sizeof(NewtonMatrix) == sizeof(double) * (kTrimCapacity + 1) * (kTrimCapacity + 1),
              "the Newton matrix must be one contiguous block of rows");

SolveStatus SIMQ90(NewtonMatrix& J, double* b, int n) {
    return SIMQ902Literal(&J[1][1], kTrimCapacity + 1, b + 1, n);
}

} // namespace tv
