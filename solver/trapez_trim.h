#pragma once
// TRAPEZ_TRIM: strip widths of one trapezium with equal width-to-mean-chord ratio.
#include "i18n/texts.h"
#include "solver/workspace.h"

namespace tv {

/// Equal ratio means the chords at the strip edges form a geometric progression from cIn to
/// cOut: c_i = cIn * (cOut / cIn)^(i / ns), and width_i = span * (c_i - c_{i-1}) / (cOut - cIn).
/// Writes those widths (1..ns, inner strip first) into v[1..ns]; equal widths when cIn = cOut.
/// Needs ns >= 1, span > 0 and both chords > 0.
void geometricStripWidths(int ns, double span, double cIn, double cOut, TrimVector& v);

/// Inputs: trapezium t of wing w (for messages), nc chordwise rows, ns > 1 strips (at most 297),
/// span dy > 0 and the chords cIn (inner) and cOut (outer), mm.
/// Output: fraction[0..ns], the strip edges as fractions of the span (0 first, 1 last).
/// The widths start at the closed form above and TRIM9M polishes them to sum |f| < 1e-9.
/// Failure (lines appended to ws.Messages, AbortCalculation set): a zero chord at either end has
/// no solution (the trapezium failure lines with their advice; equal widths are returned);
/// a Newton failure gets a second start from square end strips and an informational line.
/// The fractions are always filled, so the layout is complete even after a failure.
void TRAPEZ_TRIM(SolverWorkspace& ws, UiLanguage lang, int w, int t, int nc, int ns, double dy,
                 double cIn, double cOut, double* fraction);

} // namespace tv
