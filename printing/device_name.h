#pragma once
// Names as the platform's fixed buffers of printer, paper and tray names hold them.
#include <algorithm>
#include <string>

namespace tv {

// At most maxChars - 1 bytes (the platform's buffers keep a terminating zero), never cutting a
// UTF-8 sequence in two.
inline std::string truncatedName(const std::string& s, int maxChars) {
    size_t n = std::min(s.size(), size_t(maxChars - 1));
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

} // namespace tv
