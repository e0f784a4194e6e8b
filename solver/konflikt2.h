#pragma once
// KONFLIKT2: moves wings apart in height where their spans overlap and they lie closer than a
// minimum separation, so that no control point sits on another wing's vortex lines.
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// Minimum separation D, mm: the largest over the wings in use of 0.6 x their mean strip width,
/// 0.6 * (b/2 - RootOffset) / SpanwiseStrips; wings without strips do not count. 0 if none.
double separationDistance(const Aircraft& ac, const SolverWorkspace& ws);

/// Inputs: ac.WingCount, per wing StationY[1] and StationY[SectionCount] (spanwise range, mm),
/// planform.b, RootOffset and PositionZ (mm); ws.SpanwiseStrips (from GRID).
/// Outputs: PositionZ of moved wings (2..5; wing 1 never moves), always whole millimetres;
/// ws.WingMoved[w] for each moved wing (their z fields must show the new value) and
/// ws.WingsShifted. Pair (1, 2) is placed exactly D apart, rounded away from wing 1 so the gap is
/// never below D; every later pair (a, b) steps wing b away from a in 1 mm steps until it clears
/// every earlier wing by more than D.
/// Failure: a wing whose new height would not fit the 32-bit field is not moved (it cannot be
/// separated); the first such wing is returned, 0 when every needed move was made. The caller
/// reports it (separationImpossibleLine) and aborts. Lengths within kLengthLimit never fail.
int KONFLIKT2(Aircraft& ac, SolverWorkspace& ws);

} // namespace tv
