#pragma once
// Induced drag in the Trefftz plane far behind the aircraft: the trailing legs of every horseshoe
// leave the strip edges at the wing's height, the mirror half's included, and stand there as
// point vortices of the strip's summed circulation. D = -(rho/2) * integral of G * w over the
// span, with w the normal velocity they induce at each strip's middle.
#include "solver/workspace.h"

namespace tv {

/// D / q (mm^2) of the circulation gamma[1..PanelTotal] (mm, per unit speed, in the lattice's
/// panel order) over the lattice of the last layout of wings 1..wingCount.
double inducedDragArea(int wingCount, const SolverWorkspace& ws, const double* gamma);

} // namespace tv
