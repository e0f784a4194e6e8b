#pragma once
// The two ways every number typed or stored by the user is read. Neither ever fails.
#include <cstdint>
#include <string_view>

namespace tv {

/// Lenient integer parse of an input field: leading blanks, an optional sign, then decimal digits,
/// or hexadecimal ones after "$", "x", "X", "0x" or "0X". Stops at the first character that does
/// not fit and returns what was read so far; empty or non-numeric text gives 0.
/// "12.5" -> 12, "12a" -> 12, "1e3" -> 1, "$10" -> 16, "-0x1F" -> -31.
/// A value beyond the 32-bit range saturates at INT32_MIN / INT32_MAX.
int32_t parseLenientInt(std::string_view text);

/// Absolute value that saturates instead of overflowing (|INT32_MIN| -> INT32_MAX).
int32_t saturatingAbs(int32_t v);

/// Real number with "." as the decimal point and an optional exponent, whatever the locale.
/// Leading blanks are skipped; reading stops at the first character that does not fit; no number
/// gives 0. NaN and infinity are never produced (an overflowing exponent saturates).
double parseReal(std::string_view text);

} // namespace tv
