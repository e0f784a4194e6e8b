#pragma once
// What every fuzz target shares: a finding aborts with one line that says what broke, and the
// comparison of two aircraft over the values a project file carries.
#include "model/aircraft.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tvfuzz {

/// A broken oracle is a finding: libFuzzer keeps the input that led here.
[[noreturn]] inline void finding(const char* what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

inline void expect(bool ok, const char* what) {
    if (!ok) finding(what);
}

/// The values a project file stores for one wing: trapezium count, root offset, the spans and
/// chords and offsets of the sections in use, and the position.
bool sameStoredWing(const tv::Wing& a, const tv::Wing& b);

/// WingCount, the stored values of the wings in use, the comment and the balance data.
bool sameStoredAircraft(const tv::Aircraft& a, const tv::Aircraft& b);

} // namespace tvfuzz
