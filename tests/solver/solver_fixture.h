#pragma once
// Shared helpers of the solver tests: one workspace for the whole program (it is large) and
// aircraft built from field texts the way the window builds them.
#include "model/aircraft.h"
#include "model/planform.h"
#include "solver/grid.h"
#include "solver/konflikt2.h"
#include "solver/trawy2.h"
#include "solver/workspace.h"

#include <string>
#include <vector>

namespace tv::testing {

/// The one workspace of the test program, status cleared.
inline SolverWorkspace& sharedWorkspace() {
    static std::unique_ptr<SolverWorkspace> ws = makeSolverWorkspace();
    ws->clearStatus();
    return *ws;
}

/// Texts of a wing of one straight trapezium: root chord, tip chord, half span, tip sweep (mm).
inline WingTexts trapeziumWing(int rootChord, int tipChord, int halfSpan, int sweep = 0, int rootOffset = 0,
                               int x = 0, int z = 0) {
    WingTexts t;
    for (auto& f : t.field) f = "0";
    t[WingField::RootOffset] = std::to_string(rootOffset);
    t[WingField::Chord1] = std::to_string(rootChord);
    t[WingField::Span1] = std::to_string(halfSpan);
    t[WingField::Chord2] = std::to_string(tipChord);
    t[WingField::XOffset2] = std::to_string(sweep);
    t[WingField::PositionX] = std::to_string(x);
    t[WingField::PositionZ] = std::to_string(z);
    t.TrapeziumCount = 1;
    return t;
}

/// An aircraft of the given wings (1..5 of them), the others left as defaults but not in use.
inline Aircraft aircraftOf(const std::vector<WingTexts>& wings) {
    AircraftTexts texts = defaultAircraftTexts();
    int w = 0;
    for (const WingTexts& t : wings) texts.wings[++w] = t;
    texts.WingCount = w;
    return computeAircraft(texts);
}

/// Sizes, separates and lays out the lattice of ac, as the calculation does before the matrix.
inline void layOut(Aircraft& ac, SolverWorkspace& ws) {
    GRID(ac, ws, UiLanguage::English);
    KONFLIKT2(ac, ws);
    TRAWY2(ac, ws, UiLanguage::English);
}

} // namespace tv::testing
