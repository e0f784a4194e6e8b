#pragma once
// GRID: lattice sizing, how many chordwise rows and spanwise strips every wing gets.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"

namespace tv {

/// Sizing reference among wings 1..3 by area S (1 wing: 1; 2 wings: 1 if S1 > S2, else 2;
/// 3 or more: the largest of 1..3, ties with wing 1 keep wing 1, S2 = S3 > S1 gives 3).
int sizingReferenceWing(const Aircraft& ac);

/// Inputs: ac.WingCount; for wings 1..WingCount SectionCount, StationY[1..q] and
/// StationChord[1..q] (mm) and planform.S (mm^2, both halves).
/// Outputs: ws.ChordwisePanels[w], TrapeziumStrips[t][w], SpanwiseStrips[w] (w = 1..5, cleared
/// first) and PanelTotal. The reference wing gets a budget of 400 panels per half wing, the
/// others proportionally to their area; panels come out roughly square.
/// Failure (lines appended to ws.Messages, AbortCalculation set, nothing laid out later):
/// a wing in use without area or span; a wing with 300 or more strips or chordwise rows, or with
/// a trapezium of more than 297 strips (in wing order, TxtWingFail and the advice: the chord for
/// a trapezium whose chords are both 0, less chord relative to the span for too many rows, less
/// aspect ratio for too many strips); a lattice of more than 3000 panels (tooManyPanelsLine and
/// the wings whose areas to reduce relative to the reference wing). The counts stay as computed
/// so the failing sizes can be shown.
void GRID(const Aircraft& ac, SolverWorkspace& ws, UiLanguage lang);

} // namespace tv
