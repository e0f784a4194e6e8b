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
inline std::string escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if (text[i] == '<' && follows(text, i + 1, 0)) out.push_back('\\');
    }
    return out;
}

/// The inverse of escape.
inline std::string unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        if (text[i] == '<' && follows(text, i + 1, 1)) ++i;
    }
    return out;
}

} // namespace tv::comment_end
