#include "solver/strip_loads.h"

namespace tv {

std::vector<StripLoad> stripLoads(int wingCount, const SolverWorkspace& ws) {
    std::vector<StripLoad> out;
    int i = 0; // panel index over all wings, in the order of the solution
    for (int w = 1; w <= wingCount && w <= kWingMax; ++w) {
        const int n = ws.ChordwisePanels[w];
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
            StripLoad l;
            l.wing = w;
            l.strip = s;
            l.y = (ws.StripYLeft(s, w) + ws.StripYRight(s, w)) / 2;
            l.width = ws.StripYRight(s, w) - ws.StripYLeft(s, w);
            l.chord = ws.StripChord(s, w);
            double twiceCirculation = 0;
            for (int k = 1; k <= n; ++k) twiceCirculation += 2 * ws.Circulation[++i];
            l.cl = l.chord > 0 ? twiceCirculation / l.chord : 0.0;
            l.load = ws.ReferenceChord > 0 ? twiceCirculation / ws.ReferenceChord : 0.0;
            out.push_back(l);
        }
    }
    return out;
}

} // namespace tv
