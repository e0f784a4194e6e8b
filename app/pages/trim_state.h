#pragma once
// The trim of the aircraft on screen, for the trim page, the results strip, the span loading and
// the report alike: computed by the trim unit on the current result's factorisation, at My CG when
// it is set, else at the recommended CG for the desired margin; nothing without a current result.
#include "app/pages/balance_state.h"
#include "trim/trim.h"

#include <optional>
#include <string>
#include <vector>

/// The question the trim page asks: kept with the page, not with the project.
struct TrimAsk {
    tv::TrimQuestion question = tv::TrimQuestion::AsSet;
    std::string target; // CL or m/s, as typed
    int trimWing = 0;   // 1..5; 0: the first wing other than the reference wing (one wing: its washout)
};

struct TrimState {
    bool calculated = false;               // a lattice of the shown aircraft is known
    std::optional<double> cgX;             // where the trim is taken, mm
    std::optional<tv::TrimResult> result;  // when calculated and a CG is known
};

TrimState trimState(const BalanceScene& scene, const TrimAsk& ask);

/// The page's figures: the report's trim block, or why there is none.
std::vector<std::string> trimPageLines(tv::UiLanguage lang, const TrimState& s);

/// The strip's part: the trim speed, else the required setting; "" without a trim.
std::string trimStripPart(tv::UiLanguage lang, const TrimState& s);
