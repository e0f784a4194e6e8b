#pragma once
// The trim page's question, the inputs the trim is solved for, and the texts the one current trim
// (the calculation controller's, app/calculation/trim_cache.h) gives on the page and the strip,
// in the units the window shows.
#include "app/calculation/trim_solve.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <functional>
#include <string>
#include <vector>

/// The question the trim page asks: kept with the page, not with the project.
struct TrimAsk {
    tv::TrimQuestion question = tv::TrimQuestion::AsSet;
    std::string target; // CL, or a speed in the chosen unit (or with its unit written after it), as typed
    int trimWing = 0;   // 1..5; 0: the first wing other than the reference wing (one wing: its washout)
};

/// What the trim page shows.
struct TrimScene {
    tv::Aircraft aircraft;           // planforms shown; trim and balance texts as the project holds them
    std::function<const TrimState&()> trim; // the current trim, solved when first asked (none: nothing calculated)
    tv::UiLanguage lang = tv::UiLanguage::English;
    tv::DisplayUnits units;
};

/// The inputs of the trim: the project's trim and balance texts and the question, its typed target
/// speed read in the chosen unit (the desired margin is added by the calculation controller).
TrimInputs trimInputsFor(const tv::AircraftTexts& texts, const TrimAsk& ask, const tv::DisplayUnits& u);

/// The page's figures: the report's trim block, or why there is none.
std::vector<std::string> trimPageLines(tv::UiLanguage lang, const TrimState& s, const tv::DisplayUnits& u = tv::kMetricUnits);

/// The strip's part: the trim speed, else the required setting; "" without a trim.
std::string trimStripPart(tv::UiLanguage lang, const TrimState& s, const tv::DisplayUnits& u = tv::kMetricUnits);

/// The flying mass field: the project's grams shown in the chosen unit (as stored in grams); the
/// text typed last is kept while it still gives the stored mass.
std::string massFieldText(const std::string& storedGrams, const std::string& typed, tv::Unit u);
/// The project's text of a typed mass: in grams a plain number stays as typed; a number with a
/// unit written after it, or one in another chosen unit, becomes grams; "" stays empty.
std::string storedMassText(const std::string& typed, tv::Unit u);
