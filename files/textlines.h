#pragma once
// Lines of the program's text files: reading line by line for the readers, CR LF endings for the
// writers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// The lines of a text one at a time, as views into it: a reader takes a file line by line
/// without first collecting every line (a file of newlines would need 16 bytes per byte).
/// A line ends at CR LF, LF or a lone CR; the terminator is not part of the line. A final
/// terminator does not start an extra empty line; a last line without one is still a line.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : rest_(text) {}
    /// The next line, or nothing at the end of the text.
    std::optional<std::string_view> next();

private:
    /// The next c at or after the line start, or nullptr when the rest holds none.
    const char* nextOf(char c, const char*& found, bool& known) const;
    std::string_view rest_;
    const char* lf_ = nullptr; // the next LF, valid when lfKnown_ (nullptr: none left)
    const char* cr_ = nullptr;
    bool lfKnown_ = false, crKnown_ = false;
};

/// All lines of a text, as LineCursor gives them. "" has no lines; "a\r\n\r\nb" has "a", "", "b".
std::vector<std::string_view> splitLines(std::string_view text);

/// Appends `text` and CR LF, the line end of every file the program writes.
void appendLine(std::string& out, std::string_view text);

} // namespace tv
