#pragma once
// The value rules of the project's own blocks (balance, trim), which older readers pass over: a
// value is one line of Windows-1252 with "</comment>" escaped, read back up to the line's last
// closing tag so that a value holding "<" or even "</tag>" reads back whole.

#include <string>
#include <string_view>

namespace tv::block_values {

/// A typed text on disk: one line, Windows-1252, "</comment>" escaped.
std::string valueOnDisk(std::string_view text);

/// The value after "<tag>": up to the line's last "</tag>" (all of it without one), as UTF-8.
std::string valueFromDisk(std::string_view rest, std::string_view tag);

/// Appends "<indent><tag>value</tag>" as one line.
void valueLine(std::string& out, std::string_view indent, std::string_view tag, std::string_view text);

} // namespace tv::block_values
