#pragma once
// The settings file "Default.pa4" (working directory; the caller passes the path): the interface
// language and the main window's geometry. Five CR LF lines: letter, width, height, left, top;
// a sixth line "1" when the live neutral point is switched on. Readers take the first five lines
// and ignore what follows, so older programs read a file with the sixth line, and a file without
// it (from an older program) leaves the live mode off.
// The language travels as its letter ("e" English, "d" German, anything else Spanish), so this
// folder needs no language type; i18n's languageLetter/languageFromLetter convert.
#include "files/fileio.h"

#include <optional>
#include <string>
#include <string_view>

namespace tv {

inline constexpr const char* kSettingsFileName = "Default.pa4";

/// What the settings file gives. Geometry fields are empty when the window keeps its
/// design-time value.
struct Settings {
    char LanguageLetter = 'e'; // first character of line 1; '\0' for an empty first line
    std::optional<int> Width;  // set if 0 < value < 3000
    std::optional<int> Height; // set if 0 < value < 2000
    std::optional<int> Left;   // the value if 0 <= value < 1000, else 0; empty only without its line
    std::optional<int> Top;    // as Left
    bool LiveNeutralPoint = false; // a sixth line whose value is 1
};

/// "<letter>\r\n<width>\r\n<height>\r\n<left>\r\n<top>\r\n", integers without padding, and
/// "1\r\n" after them with the live neutral point on (off writes the five lines of old).
std::string settingsBytes(char languageLetter, int width, int height, int left, int top,
                          bool liveNeutralPoint = false);

/// Writes the settings safely; the program ignores a failure (nothing is written, no message).
std::optional<FileError> writeSettings(const std::string& path, char languageLetter, int width, int height,
                                       int left, int top, bool liveNeutralPoint = false,
                                       const FileOps& ops = systemFileOps());

/// Parses settings contents: the letter, then width, height, left, top only while lines remain.
/// Empty contents give the defaults (English, no geometry), as a missing file does.
Settings parseSettings(std::string_view bytes);

/// Reads the settings file; a file that cannot be read gives the defaults.
Settings readSettings(const std::string& path, const FileOps& ops = systemFileOps());

} // namespace tv
