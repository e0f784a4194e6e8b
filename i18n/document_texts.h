#pragma once
// Names and lines of the window's document commands.
#include "i18n/texts.h"

#include <string>

namespace tv {

/// The name of an aircraft started from a template that has not been saved yet.
std::string untitledProjectName(UiLanguage lang);

} // namespace tv

