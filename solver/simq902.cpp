#include "solver/simq902.h"

#include <cmath>
#include <utility>

namespace tv {

bool SIMQ902Literal(double* M, int ld, double* b, int n, const EliminationProgress& progress) {
    auto at = [&](int r, int c) -> double& { return M[static_cast<long>(r) * ld + c]; };
    for (int i = 0; i < n; ++i) {
        int p = i;
        double best = -1;
        for (int r = i; r < n; ++r) {
            const double v = std::fabs(at(r, i));
            if (v >= best) best = v, p = r; // the last of equal largest values
        }
        if (best == 0) return true;
        const double factor = 1.0 / at(p, i);
        std::swap(b[p], b[i]);
        b[i] *= factor;
        for (int c = i; c < n; ++c) {
            std::swap(at(p, c), at(i, c));
            at(i, c) *= factor;
        }
        for (int r = i + 1; r < n; ++r) {
            const double m = at(r, i);
            if (m == 0) continue;
            for (int c = i + 1; c < n; ++c) at(r, c) -= m * at(i, c);
            b[r] -= m * b[i];
        }
        if (progress) progress(n - 1 - i);
    }
    for (int i = n - 2; i >= 0; --i) {
        double sum = 0;
        for (int c = i + 1; c < n; ++c) sum += b[c] * at(i, c);
        b[i] -= sum;
    }
    return false;
}

// Placeholder until the blocked elimination lands.
bool SIMQ902(double* M, int ld, double* b, int n, const EliminationProgress& progress) {
    return SIMQ902Literal(M, ld, b, n, progress);
}

} // namespace tv
