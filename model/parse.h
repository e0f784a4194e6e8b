#pragma once
// The ways a number typed or stored by the user is read. The two lenient ones never fail; the
// strict one says when a text is not a number.
#include <cstdint>
#include <optional>
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

/// The whole text as one finite real number, or nothing: blanks around it are allowed, then an
/// optional sign, digits with "." as the decimal point (never ","; "1,500" is ambiguous) and an
/// optional exponent. "", "12a", "1,5", "inf", "nan" and "1e999" give nothing. For entries where a
/// mistyped number must be reported rather than read as 0 (the weight-and-balance table, My CG).
std::optional<double> parseStrictReal(std::string_view text);

} // namespace tv
