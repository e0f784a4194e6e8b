#include "solver/konflikt2.h"

#include "solver/ueberschneid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tv {

namespace {

bool overlap(const Aircraft& ac, int a, int b) {
    const Wing& A = ac.Wings[a];
    const Wing& B = ac.Wings[b];
    return UEBERSCHNEID(A.StationY[1], A.StationY[A.SectionCount], B.StationY[1], B.StationY[B.SectionCount]);
}

// The first earlier wing c < b within D of wing b (inclusive) with overlapping span, or 0.
int firstConflict(const Aircraft& ac, const std::array<double, kWingMax + 1>& Z, int b, double D) {
    for (int c = 1; c < b; ++c)
        if (std::fabs(Z[c] - Z[b]) <= D && overlap(ac, c, b)) return c;
    return 0;
}

// Moves wing b in whole 1 mm steps away from wing a until no earlier wing conflicts, at least
// one step. Every position inside a conflicting wing's band [Zc - D, Zc + D] would be stepped
// over anyway, so the band is crossed in one jump: the result is that of single steps, and a
// huge D cannot make the loop long. Each jump leaves one band behind for good, so it ends.
void stepAway(const Aircraft& ac, std::array<double, kWingMax + 1>& Z, int a, int b, double D) {
    const double step = Z[a] < Z[b] ? 1.0 : -1.0;
    Z[b] += step;
    for (int c = firstConflict(ac, Z, b, D); c != 0; c = firstConflict(ac, Z, b, D)) {
        const double ahead = (Z[b] - Z[c]) * step; // distance of b beyond c in the step direction
        Z[b] += step * (std::floor(D - ahead) + 1.0);
    }
}

bool fitsTheField(double z) { return z >= double(INT32_MIN) && z <= double(INT32_MAX); }

} // namespace

double separationDistance(const Aircraft& ac, const SolverWorkspace& ws) {
    double D = 0;
    for (int w = 1; w <= ac.WingCount; ++w) {
        if (ws.SpanwiseStrips[w] <= 0) continue;
        const Wing& wg = ac.Wings[w];
        D = std::max(D, 0.6 * (wg.planform.b / 2.0 - wg.RootOffset) / ws.SpanwiseStrips[w]);
    }
    return D;
}

int KONFLIKT2(Aircraft& ac, SolverWorkspace& ws) {
    std::array<double, kWingMax + 1> Z{};
    for (int w = 1; w <= kWingMax; ++w) Z[w] = ac.Wings[w].PositionZ;
    const double D = separationDistance(ac, ws);

    int unseparated = 0;
    auto commit = [&](int b) {
        if (!fitsTheField(Z[b])) {
            Z[b] = ac.Wings[b].PositionZ; // stays where it was
            if (unseparated == 0) unseparated = b;
            return;
        }
        ac.Wings[b].PositionZ = int32_t(Z[b]);
        ws.WingMoved[b] = true;
        ws.WingsShifted = true;
    };

    if (ac.WingCount >= 2 && std::fabs(Z[1] - Z[2]) < D && overlap(ac, 1, 2)) {
        // Whole millimetres, rounded away from wing 1 (whose height is whole already).
        Z[2] = Z[1] < Z[2] ? std::ceil(Z[1] + D) : std::floor(Z[1] - D);
        commit(2);
    }
    for (int b = 3; b <= ac.WingCount; ++b) {
        for (int a = 1; a < b; ++a) {
            if (!(std::fabs(Z[a] - Z[b]) < D && overlap(ac, a, b))) continue;
            stepAway(ac, Z, a, b, D);
            commit(b);
        }
    }
    return unseparated;
}

} // namespace tv
