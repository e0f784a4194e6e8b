#include "solver/fcn.h"

namespace tv {

void FCN(int m, int n, const TrimVector& v, TrimVector& f) {
    const double span = v[n + 1], cIn = v[n + 2], cOut = v[n + 3];
    const double taper = (cOut - cIn) / span; // chord change per mm of span
    double covered = 0;                       // w_1 + ... + w_i
    double cLeft = cIn;                       // chord at the inner edge of strip i
    double ratioOuter = 0;
    TrimVector& ratio = f; // the ratios w_i / m_i first, then the residuals in place
    for (int i = 1; i <= n; ++i) {
        covered += v[i];
        const double cRight = (i == n) ? cOut : cIn + taper * covered;
        ratio[i] = v[i] / ((cLeft + cRight) / 2.0);
        cLeft = cRight;
    }
    ratioOuter = ratio[n];
    for (int r = 1; r <= n - 1; ++r) f[r] = ratio[r] - ratioOuter;
    f[n] = span - covered;
}

} // namespace tv
