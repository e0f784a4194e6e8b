#include "model/numformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tv {

int64_t roundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    // nearbyint rounds in the default mode: to nearest, exact halves to even.
    const double r = std::nearbyint(v);
    if (r >= 9.2233720368547758e18) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2233720368547758e18) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

namespace {

std::string padLeft(std::string s, int width) {
    if (width > 0 && static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    return s;
}

} // namespace

std::string formatFixed(double v, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 20);
    if (!std::isfinite(v)) v = 0.0;
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, res.ec == std::errc() ? res.ptr : buf);
    // A value that rounds to zero is written without a sign.
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
    return padLeft(std::move(s), width);
}

std::string formatInt(int64_t v, int width) { return padLeft(std::to_string(v), width); }

} // namespace tv
