#pragma once
// What the exports take from a finished calculation: the AVL deck of the lattice and the rows of
// the strip-load table (the loads themselves: solver/strip_loads.h). Reads the solver's workspace
// after runCalculation (solver/calculation.h) reached the evaluation; the aircraft is the one the calculation was given (heights after any separation).
#include "exports/avl_deck.h"
#include "exports/load_table.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/strip_loads.h"
#include "solver/workspace.h"

#include <array>
#include <string>
#include <vector>

namespace tv {

/// The deck of the lattice in ws: one surface per wing in use, named names[w] (1..5), TRANSLATE
/// (PositionX, SolverWingZ), Nchord = ChordwisePanels[w]; sections at the strip edges of the
/// lattice (leading edge and chord as the layout has them), Nspan 1 between them inside a tapered
/// trapezium, one pair with Nspan = its strip count inside a trapezium of constant chord (whose
/// strips are equally wide). Reference area and chord from the evaluation, Bref = twice the outer
/// edge of the reference wing's last strip; Xref = NeutralPointX when neutralPointKnown, else 0.
/// Every section's Ainc is the trim settings' incidence + twist - zero-lift angle at its y.
AvlDeck avlDeckFromLattice(const Aircraft& ac, const SolverWorkspace& ws, const std::string& title,
                           const std::array<std::string, kWingMax + 1>& names, bool neutralPointKnown);

/// The wings' names in the exports: the wing captions of the language without their blanks
/// ("Wing-1", "Flügel-1", "ala-1"), [1..5].
std::array<std::string, kWingMax + 1> exportWingNames(UiLanguage lang);

/// The rows of the CSV table: the strips with the wings named names[w].
std::vector<LoadRow> loadRows(const std::vector<StripLoad>& strips, const std::array<std::string, kWingMax + 1>& names);

} // namespace tv
