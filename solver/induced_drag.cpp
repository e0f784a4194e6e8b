#include "solver/induced_drag.h"

#include <numbers>
#include <vector>

namespace tv {
namespace {

struct WakeStrip {
    double yLeft, yRight, yMid, z, circulation;
};

std::vector<WakeStrip> wakeStrips(int wingCount, const SolverWorkspace& ws, const double* gamma) {
    std::vector<WakeStrip> out;
    int i = 0;
    for (int w = 1; w <= wingCount && w <= kWingMax; ++w) {
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
            double g = 0;
            for (int k = 1; k <= ws.ChordwisePanels[w]; ++k) g += gamma[++i];
            out.push_back({ws.StripYLeft(s, w), ws.StripYRight(s, w), ws.StripYMid(s, w), ws.SolverWingZ[w], g});
        }
    }
    return out;
}

/// Upwash at (y, z) of a unit vortex pair whose legs stand at (a, zv) and (b, zv), a < b,
/// circulating so that it lifts: downwash between the legs.
double pairUpwash(double y, double z, double a, double b, double zv) {
    const double dz2 = (z - zv) * (z - zv);
    const auto leg = [&](double yv) {
        const double dy = y - yv, r2 = dy * dy + dz2;
        return r2 > 0 ? dy / r2 : 0.0;
    };
    return (leg(b) - leg(a)) / (2 * std::numbers::pi);
}

} // namespace

double inducedDragArea(int wingCount, const SolverWorkspace& ws, const double* gamma) {
    const std::vector<WakeStrip> strips = wakeStrips(wingCount, ws, gamma);
    double drag = 0;
    for (const WakeStrip& at : strips) {
        double w = 0;
        for (const WakeStrip& v : strips) {
            w += v.circulation * (pairUpwash(at.yMid, at.z, v.yLeft, v.yRight, v.z) +
                                  pairUpwash(at.yMid, at.z, -v.yRight, -v.yLeft, v.z));
        }
        drag -= at.circulation * w * (at.yRight - at.yLeft);
    }
    // Both halves: the mirror half carries the same circulation in the same upwash.
    return 2 * drag;
}

} // namespace tv
