#pragma once
// EINFLUSS: the influence matrix of the lattice.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

#include <vector>

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

/// A wing's panels in the packed order: `strips` strips of `rows` panels from panel `first`
/// (0-based).
struct PanelBlock {
    int first = 0, rows = 0, strips = 0;
};

/// The corners of the packed panels (p.Ax..p.By, p.Z) as nodes, and the runs of strips that
/// share them (p.Nx, p.Ny, p.Nz, p.NodeCount, p.Runs). An edge is shared only where every row
/// of it is bit for bit the same on both sides, so that a shared corner gives the bits its two
/// panels would give on their own.
void shareCorners(PackedLattice& p, const std::vector<PanelBlock>& wings);

/// Row i (0-based) of the system matrix from the packed lattice: row[j] for the panels of p.Runs,
/// the horseshoe j and its mirror image at the control point i, times kSystemScale; nothing beyond
/// them is written. Each corner's root and leg are taken once for the two strips that share it;
/// the loops run across the nodes and across the panels of a run in the widest vectors. Equal to
/// INDU entry by entry.
void fillSystemRow(const PackedLattice& p, int i, double* row, CornerTerms& terms);

} // namespace tv
