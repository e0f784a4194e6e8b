#include "model/parse.h"

#include <cctype>
#include <charconv>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <system_error>

namespace tv {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

int32_t parseLenientInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // Accumulate in 64 bits and stop growing once beyond the 32-bit range: the result saturates.
    const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = base == 16 ? hexDigit(text[i]) : (std::isdigit(static_cast<unsigned char>(text[i])) ? text[i] - '0' : -1);
        if (d < 0) break;
        if (value <= limit) value = value * base + d;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t saturatingAbs(int32_t v) {
    if (v == std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::max();
    return v < 0 ? -v : v;
}

double parseReal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // Only digits or a point may start the number: from_chars would also take "inf" and "nan".
    if (i >= text.size() || !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) return 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::invalid_argument) return 0.0;
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the decimal magnitude of the text.
        int64_t magnitude = 0;
        const char* p = first;
        while (p < ptr && *p == '0') ++p;
        bool leading = true;
        for (; p < ptr && std::isdigit(static_cast<unsigned char>(*p)); ++p) ++magnitude, leading = false;
        if (p < ptr && *p == '.') {
            ++p;
            if (leading)
                for (; p < ptr && *p == '0'; ++p) --magnitude;
            while (p < ptr && std::isdigit(static_cast<unsigned char>(*p))) ++p;
        }
        if (p < ptr && (*p == 'e' || *p == 'E')) {
            int32_t e = parseLenientInt(std::string_view(p + 1, static_cast<size_t>(ptr - p - 1)));
            magnitude += e;
        }
        value = magnitude > 0 ? DBL_MAX : 0.0;
    }
    return negative ? -value : value;
}

std::optional<double> parseStrictReal(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits or a point may start the number: from_chars would also take "inf" and "nan".
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

} // namespace tv
