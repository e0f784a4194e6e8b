#pragma once
// Number formatting and rounding in one place: locale-independent, "." as the decimal point.
#include <cstdint>
#include <string>

namespace tv {

/// Rounds to the nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
/// Values beyond the 64-bit range saturate; NaN gives 0.
int64_t roundHalfEven(double v);

/// Writes v with `decimals` fixed decimals, right-aligned in at least `width` characters
/// (leading blanks pad a shorter number; a longer one is written whole): (5.5, 4, 1) -> " 5.5".
/// The decimal point is always "."; NaN and infinity are written as "0" in the same layout.
/// The last decimal is rounded to nearest from the exact binary value, so an exactly representable
/// half goes to the even neighbour (245.125 -> "245.12"); a value that rounds to zero has no sign.
std::string formatFixed(double v, int width, int decimals);

/// Writes an integer right-aligned in at least `width` characters: (50, 4) -> "  50".
std::string formatInt(int64_t v, int width = 0);

} // namespace tv
