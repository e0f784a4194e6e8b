#pragma once
// A project read as the input of a run without a window (the batch calculator, the PDF command):
// the same reader as "Open", but every file that does not give a project is an error with a
// message, never the built-in aircraft in its place.
#include "i18n/texts.h"
#include "model/aircraft.h"

#include <optional>
#include <string>

namespace tv {

/// Loads `file` into the default aircraft's field texts as opening a project does; an empty name
/// keeps the built-in default aircraft. Returns the error text (in `lang`) when the file cannot be
/// opened, is not a regular file (a pipe or device is refused before it is opened), is over 1 MB,
/// fails to read or is not a project.
std::optional<std::string> loadProjectTexts(const std::string& file, AircraftTexts& texts,
                                            UiLanguage lang = UiLanguage::English);

} // namespace tv
