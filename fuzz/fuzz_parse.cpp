// The two lenient parses against plain reference parses written the simple way: the digits are
// collected first and converted by the C library.
#include "fuzz/oracle.h"
#include "model/parse.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int32_t referenceInt(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && isBlank(t[i])) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    bool hex = false;
    if (i < t.size() && (t[i] == '$' || t[i] == 'x' || t[i] == 'X')) hex = true, ++i;
    else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) hex = true, i += 2;
    std::string digits;
    for (; i < t.size() && (hex ? isHexDigit(t[i]) : isDigit(t[i])); ++i)
        if (!(digits.empty() && t[i] == '0')) digits += t[i];
    if (digits.size() > 12) return negative ? INT32_MIN : INT32_MAX; // far beyond 32 bits either way
    const long long v = digits.empty() ? 0 : std::strtoll(digits.c_str(), nullptr, hex ? 16 : 10);
    const long long s = negative ? -v : v;
    return s > INT32_MAX ? INT32_MAX : s < INT32_MIN ? INT32_MIN : int32_t(s);
}

/// The longest prefix of the form [blanks][sign](digits[.digits] | .digits)[(e|E)[sign]digits],
/// converted by strtod; an overflow saturates at DBL_MAX.
double referenceReal(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && isBlank(t[i])) ++i;
    std::string number;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) number += t[i++];
    size_t mantissaDigits = 0;
    for (; i < t.size() && isDigit(t[i]); ++i) number += t[i], ++mantissaDigits;
    if (i < t.size() && t[i] == '.') {
        number += t[i++];
        for (; i < t.size() && isDigit(t[i]); ++i) number += t[i], ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0.0;
    if (i + 1 < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (t[j] == '-' || t[j] == '+') exponent += t[j++];
        const size_t firstDigit = j;
        for (; j < t.size() && isDigit(t[j]); ++j) exponent += t[j];
        if (j > firstDigit) number += exponent;
    }
    const double v = std::strtod(number.c_str(), nullptr);
    return std::isinf(v) ? std::copysign(DBL_MAX, v) : v;
}

bool sameReal(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tvfuzz::expect(tv::parseLenientInt(text) == referenceInt(text), "the integer parse differs from the reference");
    const double real = tv::parseReal(text);
    tvfuzz::expect(std::isfinite(real), "the real parse gave NaN or infinity");
    tvfuzz::expect(sameReal(real, referenceReal(text)), "the real parse differs from the reference");
    return 0;
}
