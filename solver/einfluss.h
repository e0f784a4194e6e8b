#pragma once
// EINFLUSS: the influence matrix of the lattice.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ac.WingCount, ws.PanelTotal and the layout of TRAWY2 (VortexXLeft/Right row 1..n,
/// StripYLeft/Right, ControlX rows 1..n, StripYMid, SolverWingZ; mm).
/// Output: ws.Packed (panel i at index i-1: A, B, C of its horseshoe and control point) and the
/// first PanelTotal rows and columns of ws.Matrix: entry (i, j) is the z-velocity at control
/// point i from the horseshoe j of unit strength plus its mirror image on the left half, without
/// 1/(4 pi). Panels are numbered wing by wing, strip by strip from the inner edge, row by row
/// from the leading edge. Rows are computed in parallel; every entry is independent, so the
/// result does not depend on the thread count. Entries beyond PanelTotal are not touched.
/// Failure: the packed panel count differs from PanelTotal, or PanelTotal exceeds 3000
/// ("EINFLUSS: Irgend ein Kuddel-Muddel", AbortCalculation; the matrix is then not filled).
void EINFLUSS(const Aircraft& ac, SolverWorkspace& ws);

} // namespace tv
