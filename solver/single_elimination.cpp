#include "solver/single_elimination.h"

#include <cmath>
#include <cstddef>

// LAPACK's single-precision factorisation and its solve (Fortran interface of the BLAS library).
extern "C" {
void sgetrf_(const int* m, const int* n, float* a, const int* lda, int* ipiv, int* info);
void sgetrs_(const char* trans, const int* n, const int* nrhs, const float* a, const int* lda, const int* ipiv,
             float* b, const int* ldb, int* info, std::size_t transLength);
}

namespace tv {

bool factorSingleTransposed(float* M, int n, int* pivots) {
    if (n <= 0) return false;
    int info = 0;
    sgetrf_(&n, &n, M, &n, pivots, &info);
    if (info != 0) return true;
    for (int j = 0; j < n; ++j)
        if (!std::isfinite(M[std::size_t(j) * n + j])) return true;
    return false;
}

void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b) {
    solveFactoredSingleTransposed(M, n, pivots, b, 1);
}

void solveFactoredSingleTransposed(const float* M, int n, const int* pivots, float* b, int nrhs) {
    if (n <= 0 || nrhs <= 0) return;
    int info = 0;
    sgetrs_("T", &n, &nrhs, M, &n, pivots, b, &n, &info, 1); // M read as M^T: its transpose is M
}

} // namespace tv
