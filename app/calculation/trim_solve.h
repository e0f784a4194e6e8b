#pragma once
// The trim of a calculated aircraft for the inputs the window holds: the trim and balance texts,
// the desired margin and the trim page's question. Solved on the factorisation the calculation
// left in its workspace, at My CG when it gives a position, else at the recommended CG for the
// desired margin. Qt-free, so that the live worker solves it on its own thread beside the lattice.
#include "model/aircraft.h"
#include "solver/workspace.h"
#include "trim/trim.h"

#include <optional>

/// Everything the trim of a result needs besides the result itself.
struct TrimInputs {
    tv::TrimTexts trim;         // incidences, twists, airfoils, flying mass, density
    tv::BalanceTexts balance;   // My CG and the table's total mass
    double desiredMargin = 7.5; // %: the recommended CG taken when My CG gives no position
    tv::TrimQuestion question = tv::TrimQuestion::AsSet;
    double targetCl = 0;
    double targetSpeed = 0;     // m/s
    int trimWing = 0;           // 1..5; 0: the trim unit's choice
    bool operator==(const TrimInputs&) const = default;
};

/// The trim of one result for one set of inputs.
struct TrimState {
    bool calculated = false;              // a lattice of the shown aircraft is known
    std::optional<double> cgX;            // where the trim is taken, mm
    std::optional<tv::TrimResult> result; // when calculated and a CG is known
};

/// The trim of `calculated` (the planforms as the calculation left them) on its workspace, which
/// the calculation ran on; not calculated when the run gave no usable result.
TrimState solveTrim(const tv::Aircraft& calculated, tv::SolverWorkspace& ws, const TrimInputs& in);
