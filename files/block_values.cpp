#include "files/block_values.h"

#include "files/commentend.h"
#include "files/encoding.h"
#include "files/textlines.h"

#include <algorithm>

namespace tv::block_values {

std::string valueOnDisk(std::string_view text) {
    std::string bytes = comment_end::escape(utf8ToCp1252(text));
    std::replace_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return bytes;
}

std::string valueFromDisk(std::string_view rest, std::string_view tag) {
    const std::string close = "</" + std::string(tag) + ">";
    const size_t end = rest.rfind(close);
    return cp1252ToUtf8(comment_end::unescape(rest.substr(0, end)));
}

void valueLine(std::string& out, std::string_view indent, std::string_view tag, std::string_view text) {
    const std::string t(tag);
    appendLine(out, std::string(indent) + "<" + t + ">" + valueOnDisk(text) + "</" + t + ">");
}

} // namespace tv::block_values
