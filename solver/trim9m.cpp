#include "solver/trim9m.h"

#include "solver/fcn.h"
#include "solver/simq90.h"

#include <cmath>

namespace tv {

namespace {

double absoluteSum(const TrimVector& f, int n) {
    double sum = 0;
    for (int r = 1; r <= n; ++r) sum += std::fabs(f[r]);
    return sum;
}

// Forward-difference Jacobian of FCN over the free entries, column j for the j-th free entry.
void jacobian(NewtonMatrix& J, TrimVector& v, const TrimMask& mask, const TrimVector& f, int n, int m) {
    TrimVector shifted{};
    int j = 0;
    for (int e = 1; e <= m && j < n; ++e) {
        if (!mask[e]) continue;
        ++j;
        const double kept = v[e];
        v[e] = kept + 0.001;
        FCN(m, n, v, shifted);
        for (int r = 1; r <= n; ++r) J[r][j] = (shifted[r] - f[r]) * 1000.0;
        v[e] = kept;
    }
}

void applyStep(TrimVector& v, const TrimMask& mask, const TrimVector& d, int n, int m) {
    int j = 0;
    for (int e = 1; e <= m && j < n; ++e)
        if (mask[e]) v[e] -= d[++j];
}

} // namespace

TrimOutcome TRIM9M(SolverWorkspace& ws, UiLanguage lang, int w, int t, TrimVector& v, const TrimMask& mask,
                   int n, int m) {
    TrimVector f{};
    for (int it = 0; it < kTrimIterationLimit; ++it) {
        FCN(m, n, v, f);
        if (absoluteSum(f, n) < 1e-9) return {TrimOutcome::Converged, it};
        jacobian(ws.NewtonJacobian, v, mask, f, n, m);
        if (SIMQ90(ws.NewtonJacobian, &f[0], n) == SolveStatus::Singular) {
            ws.fail(" TRIM9M: Das Gleichungssystem ist nicht loesbar //");
            return {TrimOutcome::Singular, it};
        }
        applyStep(v, mask, f, n, m);
    }
    // The last step is not checked: the limit is reached whichever way it went.
    ws.fail(trapeziumFailureLines(lang, w, t));
    return {TrimOutcome::NoConvergence, kTrimIterationLimit};
}

} // namespace tv
