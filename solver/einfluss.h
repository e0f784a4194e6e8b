#pragma once
// EINFLUSS: the influence matrix of the lattice.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// 1/(4 pi) to seven digits: the influence of a unit horseshoe becomes the normal velocity.
inline constexpr double kSystemScale = 0.0795775;

/// Inputs: ac.WingCount, ws.PanelTotal and the layout of TRAWY2 (VortexXLeft/Right row 1..n,
/// StripYLeft/Right, ControlX rows 1..n, StripYMid, SolverWingZ; mm).
/// Output: ws.Packed (panel i at index i-1: A, B, C of its horseshoe and control point) and the
/// system matrix in ws.Matrix (PanelTotal rows and columns, compact): entry (i, j) is the
/// z-velocity at control point i from the horseshoe j of unit strength plus its mirror image on
/// the left half, times kSystemScale. Panels are numbered wing by wing, strip by strip from the
/// inner edge, row by row from the leading edge. When the refined solve will run
/// (refinedSolveApplies), each row's single-precision copy goes into ws.Refinement.Factor in the
/// same pass (CopyFor = PanelTotal when every entry fits a float). Rows are computed in
/// parallel; every entry is independent, so the result does not depend on the thread count.
/// Failure: the packed panel count differs from PanelTotal, or PanelTotal exceeds 3000
/// ("EINFLUSS: Irgend ein Kuddel-Muddel", AbortCalculation; the matrix is then not filled).
void EINFLUSS(const Aircraft& ac, SolverWorkspace& ws);

/// Row i (0-based) of the system matrix from the packed lattice: row[j] for j = 0..n-1, the
/// horseshoe j and its mirror image at the control point i, times kSystemScale; nothing beyond
/// row[n - 1] is written. Vectorised across j; equal to INDU entry by entry.
void fillSystemRow(const PackedLattice& p, int i, int n, double* row);

} // namespace tv
