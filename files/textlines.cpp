#include "files/textlines.h"

namespace tv {

namespace {

// The first CR or LF, in one pass over the text: find_first_of with a set of two characters
// looks each character up in the set, one call per character.
size_t lineEnd(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && *p != '\n' && *p != '\r') ++p;
    return p == end ? std::string_view::npos : size_t(p - text.data());
}

} // namespace

std::optional<std::string_view> LineCursor::next() {
    if (rest_.empty()) return std::nullopt;
    const size_t end = lineEnd(rest_);
    if (end == std::string_view::npos) {
        const std::string_view line = rest_;
        rest_ = {};
        return line;
    }
    const std::string_view line = rest_.substr(0, end);
    const size_t skip = (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') ? 2 : 1;
    rest_.remove_prefix(end + skip);
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineCursor cursor(text);
    while (const auto line = cursor.next()) lines.push_back(*line);
    return lines;
}

void appendLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

} // namespace tv
