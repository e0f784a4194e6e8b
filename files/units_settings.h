#pragma once
// The chosen units, remembered between sessions in a small file of our own beside the program's
// other per-user configuration: "units.conf" in $XDG_CONFIG_HOME/Tarvolin4 (or ~/.config/Tarvolin4).
// Default.pa4 keeps its layout: older programs read it as before.
// One "quantity=key" line per quantity (keys of model/units.h), LF line ends:
//   length=in
//   area=in2
//   mass=oz
//   wing-loading=oz/ft2
//   cubic-loading=oz/ft3
//   speed=mph
// A missing line keeps that quantity's metric default, an unknown quantity is passed over (a
// newer program's); a unit the program does not know, or one of another quantity, makes the whole
// file read as metric: half of a choice is no choice the designer made.
#include "files/fileio.h"
#include "model/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace tv {

inline constexpr const char* kUnitsSettingsFileName = "units.conf";

/// The file's place: $XDG_CONFIG_HOME/Tarvolin4/units.conf when that variable is an absolute
/// path, else $HOME/.config/Tarvolin4/units.conf; "units.conf" (working folder) without either.
/// The values are passed in (nullptr for an unset variable) so that a test can choose them.
std::string unitsSettingsPath(const char* xdgConfigHome, const char* home);
/// The same for this process's environment.
std::string unitsSettingsPath();

std::string unitsSettingsBytes(const DisplayUnits& units);
DisplayUnits parseUnitsSettings(std::string_view bytes);

/// A missing or unreadable file gives metric.
DisplayUnits readUnitsSettings(const std::string& path, const FileOps& ops = systemFileOps());
/// Written safely (a temporary renamed over the file), the folder made when missing.
std::optional<FileError> writeUnitsSettings(const std::string& path, const DisplayUnits& units,
                                            const FileOps& ops = systemFileOps());

} // namespace tv
