#include "trim/trim_loads.h"

namespace tv {

TrimLoads trimLoads(int wingCount, const SolverWorkspace& ws, const double* gamma, double cgX) {
    TrimLoads out;
    int i = 0;
    for (int w = 1; w <= wingCount && w <= kWingMax; ++w) {
        const int n = ws.ChordwisePanels[w];
        for (int s = 1; s <= ws.SpanwiseStrips[w]; ++s) {
            const double dy = ws.StripYRight(s, w) - ws.StripYLeft(s, w);
            double circulation = 0;
            for (int k = 1; k <= n; ++k) {
                const double g = gamma[++i];
                const double lift = 2.0 * (2.0 * g * dy); // both halves
                const double xv = (ws.VortexXLeft(k, s, w) + ws.VortexXRight(k, s, w)) / 2.0;
                circulation += g;
                out.WingLift[w] += lift;
                out.Moment += lift * (cgX - xv);
            }
            const double chord = ws.StripChord(s, w);
            out.StripCl.push_back(chord > 0 ? 2.0 * circulation / chord : 0.0);
        }
        out.Lift += out.WingLift[w];
    }
    return out;
}

TrimLoads combine(double a, const TrimLoads& A, const TrimLoads& B, double d, const TrimLoads& D) {
    TrimLoads out;
    out.Lift = a * A.Lift + B.Lift + d * D.Lift;
    out.Moment = a * A.Moment + B.Moment + d * D.Moment;
    for (int w = 0; w <= kWingMax; ++w) out.WingLift[w] = a * A.WingLift[w] + B.WingLift[w] + d * D.WingLift[w];
    out.StripCl.resize(B.StripCl.size());
    for (size_t j = 0; j < out.StripCl.size(); ++j)
        out.StripCl[j] = a * A.StripCl[j] + B.StripCl[j] + d * D.StripCl[j];
    return out;
}

double sectionMoment(int wingCount, const SolverWorkspace& ws, const std::vector<double>& cm0) {
    double m = 0;
    size_t j = 0;
    for (int w = 1; w <= wingCount && w <= kWingMax; ++w) {
        for (int s = 1; s <= ws.SpanwiseStrips[w] && j < cm0.size(); ++s, ++j) {
            const double c = ws.StripChord(s, w);
            m += 2.0 * cm0[j] * c * c * (ws.StripYRight(s, w) - ws.StripYLeft(s, w));
        }
    }
    return m;
}

} // namespace tv
