#pragma once
// The words of the units in the three languages: the symbol written after a figure and the name a
// menu shows. Looked up by the unit's stable ASCII key (model/units.h: unitKey), so that this
// folder needs no unit type.
#include "i18n/texts.h"

#include <string_view>

namespace tv {

struct UnitWords {
    const char* symbol; // "in", Spanish "pulg"; "dm²"
    const char* name;   // "inches", "Zoll", "pulgadas"
};

/// The words of the unit with this key in `lang`; an unknown key gives nothing (nullptrs).
UnitWords unitWords(UiLanguage lang, std::string_view key);

/// "the value lies beyond the limit of ", followed by the limit and its unit.
const char* beyondFieldLimitWords(UiLanguage lang);

/// "Metric" / "Imperial" presets as a menu names them.
const char* unitSystemName(UiLanguage lang, bool imperial);

} // namespace tv
