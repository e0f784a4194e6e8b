#include "fuzz/oracle.h"

namespace tvfuzz {

bool sameStoredWing(const tv::Wing& a, const tv::Wing& b) {
    if (a.TrapeziumCount != b.TrapeziumCount || a.RootOffset != b.RootOffset) return false;
    if (a.PositionX != b.PositionX || a.PositionZ != b.PositionZ) return false;
    for (int s = 1; s <= a.TrapeziumCount + 1; ++s) {
        if (a.Chord[s] != b.Chord[s]) return false;
        if (s >= 2 && (a.XOffset[s] != b.XOffset[s] || a.TrapeziumSpan[s - 1] != b.TrapeziumSpan[s - 1]))
            return false;
    }
    return true;
}

bool sameStoredAircraft(const tv::Aircraft& a, const tv::Aircraft& b) {
    if (a.WingCount != b.WingCount || a.Comment != b.Comment || a.Balance != b.Balance) return false;
    for (int w = 1; w <= a.WingCount; ++w)
        if (!sameStoredWing(a.Wings[w], b.Wings[w])) return false;
    return true;
}

} // namespace tvfuzz
