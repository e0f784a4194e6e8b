#pragma once
// Lines of the program's text files: splitting for the readers, CR LF endings for the writers.
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// Lines of a text as views into it. A line ends at CR LF, LF or a lone CR; the terminator is not
/// part of the line. A final terminator does not start an extra empty line; a last line without
/// one is still a line. "" has no lines; "a\r\n\r\nb" has "a", "", "b".
std::vector<std::string_view> splitLines(std::string_view text);

/// Appends `text` and CR LF, the line end of every file the program writes.
void appendLine(std::string& out, std::string_view text);

} // namespace tv
