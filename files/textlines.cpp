#include "files/textlines.h"

#include <algorithm>
#include <cstring>

namespace tv {

const char* LineCursor::nextOf(char c, const char*& found, bool& known) const {
    // A character found earlier is still the next one while the line start has not passed it; a
    // character known to be missing stays missing. So each memchr starts where the last one for
    // the same character ended its search, and the text is scanned once for each: lone CRs in a
    // file without LF cost no search to the end per line.
    if (!known || (found && found < rest_.data())) {
        found = static_cast<const char*>(std::memchr(rest_.data(), c, rest_.size()));
        known = true;
    }
    return found;
}

std::optional<std::string_view> LineCursor::next() {
    if (rest_.empty()) return std::nullopt;
    const char* lf = nextOf('\n', lf_, lfKnown_);
    const char* cr = nextOf('\r', cr_, crKnown_);
    const char* stop = lf && cr ? std::min(lf, cr) : lf ? lf : cr;
    if (!stop) {
        const std::string_view line = rest_;
        rest_ = {};
        return line;
    }
    const size_t end = size_t(stop - rest_.data());
    const std::string_view line = rest_.substr(0, end);
    const size_t skip = (*stop == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') ? 2 : 1;
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
