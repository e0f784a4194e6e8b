#pragma once
// TRAWY2: the vortex lattice of every wing: strips, chordwise panels, horseshoe vortices and
// control points.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ac.WingCount; per wing SectionCount, LeadingEdgeX, StationY, StationChord of its
/// sections (mm, absolute frame) and PositionZ; ws.ChordwisePanels, TrapeziumStrips,
/// SpanwiseStrips from GRID (within the limits: GRID refuses larger lattices); shapes the panel
/// arrays of ws to this lattice first (SolverWorkspace::shapeLattice).
/// Outputs for wings 1..WingCount, strips s = 1..SpanwiseStrips[w], n = ChordwisePanels[w]:
/// PanelXLeft/Right rows 1..n+1 (corners, n+1 = trailing edge), VortexXLeft/Right rows 1..n
/// (quarter chord of each panel), StripYLeft/Right/Mid, ControlX rows 0..n+1 (0 leading edge,
/// 1..n the three-quarter-chord control points, n+1 trailing edge), StripChord; SolverWingZ[1..5].
/// Failure: a trapezium whose strip trim fails (TRAPEZ_TRIM's lines, AbortCalculation); the
/// arrays are filled all the same.
void TRAWY2(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang);

} // namespace tv
