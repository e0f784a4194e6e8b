#pragma once
// The remark of a project runs up to the first "</comment>" in the file. A remark that itself holds
// "</comment>" would end there, and the lines after it would be read as tags. The writer therefore
// adds one backslash after the "<" of every "<\...\/comment>" (any number of backslashes, none
// included) and the reader takes one away again, so every remark reads back as itself and no
// written remark contains "</comment>". Other text, backslashes included, is written as it is.
#include <string>
#include <string_view>

namespace tv::comment_end {

/// True if text[pos..] holds at least `minBackslashes` backslashes followed by "/comment>".
inline bool follows(std::string_view text, size_t pos, size_t minBackslashes) {
    size_t end = pos;
    while (end < text.size() && text[end] == '\\') ++end;
    return end - pos >= minBackslashes && text.substr(end).starts_with("/comment>");
}

/// "</comment>" -> "<\/comment>", "<\/comment>" -> "<\\/comment>", ...
/// Only the places after a "<" are looked at (found with memchr); the text between is copied whole.
inline std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
        if (!follows(text, lt + 1, 0)) continue;
        out.append(text.substr(from, lt + 1 - from));
        out.push_back('\\');
        from = lt + 1;
    }
    out.append(text.substr(from));
    return out;
}

/// The inverse of escape.
inline std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    for (size_t lt = text.find('<'); lt != std::string_view::npos; lt = text.find('<', lt + 1)) {
        if (!follows(text, lt + 1, 1)) continue;
        out.append(text.substr(from, lt + 1 - from));
        from = lt + 2; // past the one backslash the writer added
    }
    out.append(text.substr(from));
    return out;
}

} // namespace tv::comment_end
