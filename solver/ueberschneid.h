#pragma once
// UEBERSCHNEID: spanwise overlap of two wings.

namespace tv {

/// True when [a1, a2] and [b1, b2] (spanwise ranges, mm) overlap with a positive length:
/// b2 > a1 and b1 < a2. Ranges that only touch do not overlap.
inline bool UEBERSCHNEID(double a1, double a2, double b1, double b2) { return b2 > a1 && b1 < a2; }

} // namespace tv
