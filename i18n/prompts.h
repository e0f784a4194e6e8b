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

} // namespace tv
