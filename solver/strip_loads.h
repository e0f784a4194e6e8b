#pragma once
// The load of every strip of the right half wings, from the solver's workspace after
// runCalculation (solver/calculation.h) reached the evaluation: what the span-loading view draws
// and the strip-load table (exports/) writes.
#include "solver/workspace.h"

#include <vector>

namespace tv {

/// The load of one strip of the right half wing.
struct StripLoad {
    int wing = 0;      // 1..5
    int strip = 0;     // 1..SpanwiseStrips[wing], from the inner edge
    double y = 0;      // mid y, mm
    double width = 0;  // mm
    double chord = 0;  // chord in the strip middle, mm
    double cl = 0;     // strip lift coefficient per radian: sum over the rows of 2 circulation / chord
    double load = 0;   // c * cl / ReferenceChord, per radian
};

/// Every strip of every wing in use, wing by wing from the inner edge. The strip lift of
/// WIRBEL_ERG is cl * chord * width, so twice the sum over a wing is the wing's lift.
std::vector<StripLoad> stripLoads(int wingCount, const SolverWorkspace& ws);

} // namespace tv
