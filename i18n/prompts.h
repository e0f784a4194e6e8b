#pragma once
// Questions the main window asks, in the three languages.
#include "i18n/texts.h"

#include <string>

namespace tv {

/// "Save changes to <name>?" with its three answers, asked before unsaved edits would be left.
struct SaveChangesTexts {
    std::string question;
    std::string save, discard, cancel;
};
SaveChangesTexts saveChangesTexts(UiLanguage lang, const std::string& projectName);

/// The name filter of the open dialog (both project formats) or the save dialog (the tagged one).
std::string projectFileFilter(UiLanguage lang, bool forOpen);

} // namespace tv
