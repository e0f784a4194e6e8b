#pragma once
// The residual of the refinement, summed as if in twice the precision: the residual of an almost
// exact solution is a small difference of large sums, which plain double sums bury under rounding
// noise of about n * 1e-16 * |A| |x|; the refinement could then not reach its tolerance.

namespace tv {

/// r = b - A x for the row-major n x n A (leading dimension lda); x, b and r have n entries, r
/// may not alias x. Every product's rounding error (a fused multiply-add) and every addition's
/// (a two-sum) are carried along and added at the end, in one fixed order: the same bits on every
/// processor.
void compensatedResidual(int n, const double* A, int lda, const double* x, const double* b, double* r);

} // namespace tv
