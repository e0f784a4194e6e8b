#pragma once
// The starting aircraft of "New": ordinary project files among the examples, found beside the
// installed program or, in a build tree, in the sources.
#include "i18n/session_texts.h"

#include <QString>
#include <array>

/// File names of the starting aircraft 0..tv::kStartingAircraftCount-1, in the order of the choice.
inline constexpr std::array<const char*, tv::kStartingAircraftCount> kStartingAircraftFiles{
    "glider-2m.tv4", "canard.tv4", "tandem.tv4", "flying-wing.tv4", "default.tv4"};

/// Path of starting aircraft `index`: the first examples folder that holds it (installed
/// share/tarvolin4/examples beside the program's bin folder, then the source tree's); empty when
/// none does.
QString startingAircraftPath(int index);
