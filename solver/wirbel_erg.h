#pragma once
// WIRBEL_ERG: panel loads, wing aerodynamic centres and lift slopes, the neutral point and the
// reference wing, from the solved circulation.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// Inputs: ws.Circulation[1..PanelTotal] (mm, per unit speed x angle of attack), the counts of
/// GRID and the layout of TRAWY2; ac.WingCount and, for the reference outline, SectionCount,
/// LeadingEdgeX, StationY, StationChord of the reference wing (mm).
/// Outputs: PanelLoad and PanelLoad3D [k][s][w] (2 x circulation / panel length, per radian);
/// WingLiftSlope, WingAcX (aircraft frame, mm), WingAcY (mm) of wings 1..5 (0 for wings not in
/// use); planform b, S, lm, lam of the wings in use as the lattice represents them (mm, mm^2);
/// NeutralPointX (mm); the reference wing (the widest to 0.1 mm; at equal tenths the larger area) with
/// ReferenceArea, ReferenceChord (a centre gap is filled with the root chord) and
/// ReferenceOutline.
/// WingAcX is the mean bound-vortex x weighted with the signed panel lifts. A surface whose rear
/// panels sit in another wing's downwash carries negative load there, so its net lift is small
/// and its aerodynamic centre can lie well ahead of its leading edge (wings 4 and 5 of the
/// default aircraft, under the main wing); alone, the same surface has it within its chord.
/// Failure (line appended, AbortCalculation set, the undefined values are 0, never NaN):
/// a wing in use without lift or area, an aircraft without lift, no wing with a positive extent.
void WIRBEL_ERG(Aircraft& ac, SolverWorkspace& ws, UiLanguage lang);

} // namespace tv
