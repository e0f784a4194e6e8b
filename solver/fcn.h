#pragma once
// FCN: residuals of the strip-width equations of one trapezium.
#include "solver/workspace.h"

namespace tv {

/// Inputs: v[1..n] the strip widths w_i (mm, inner strip first), v[n+1] the trapezium span,
/// v[n+2] the inner chord, v[n+3] the outer chord (mm); m = n + 3 entries in all.
/// Output f[1..n]: f_r = w_r / m_r - w_n / m_n for r < n (every strip has the width-to-mean-chord
/// ratio of the outermost one), f_n = span - sum of widths. The chord varies linearly over the
/// span, m_i is the mean of the chords at the strip's edges.
/// A zero mean chord gives an infinite or undefined residual; callers keep chords positive.
void FCN(int m, int n, const TrimVector& v, TrimVector& f);

} // namespace tv
