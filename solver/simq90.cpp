#include "solver/simq90.h"

#include <cmath>
#include <utility>

namespace tv {

SolveStatus SIMQ90(NewtonMatrix& J, double* b, int n) {
    for (int i = 1; i <= n; ++i) {
        int p = i;
        double largest = -1;
        for (int r = i; r <= n; ++r) {
            const double v = std::fabs(J[r][i]);
            if (v >= largest) largest = v, p = r; // the last of equal largest values
        }
        if (!(largest > 0)) return SolveStatus::Singular; // zero column (or no finite pivot)
        const double factor = 1.0 / J[p][i];
        std::swap(b[p], b[i]);
        b[i] *= factor;
        for (int c = i; c <= n; ++c) {
            std::swap(J[p][c], J[i][c]);
            J[i][c] *= factor;
        }
        for (int r = i + 1; r <= n; ++r) {
            const double m = J[r][i];
            for (int c = i + 1; c <= n; ++c) J[r][c] -= m * J[i][c];
            b[r] -= m * b[i];
        }
    }
    for (int i = n - 1; i >= 1; --i) {
        double sum = 0;
        for (int c = i + 1; c <= n; ++c) sum += b[c] * J[i][c];
        b[i] -= sum;
    }
    return SolveStatus::Solved;
}

} // namespace tv
