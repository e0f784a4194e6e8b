#pragma once
// Failure lines of the solver for cases that would otherwise divide by zero: a wing in use
// without area or span, a wing or an aircraft without lift, no wing to refer the results to.
#include "i18n/texts.h"

#include <string>

namespace tv {

/// "Can not calculate wing-2: it has no area or no span. "
std::string emptyWingLine(UiLanguage lang, int wing);
/// "Wing-2 carries no lift; its results are set to 0. "
std::string wingWithoutLiftLine(UiLanguage lang, int wing);
/// "The aircraft carries no lift: no neutral point. "
std::string noLiftLine(UiLanguage lang);
/// "No wing has a span: no reference wing. "
std::string noReferenceWingLine(UiLanguage lang);
/// "Can not calculate: the lattice needs more than 3000 panels. "
std::string tooManyPanelsLine(UiLanguage lang);

} // namespace tv
