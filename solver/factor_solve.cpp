#include "solver/factor_solve.h"

#include "solver/refined_solve.h"
#include "solver/single_elimination.h"

#include <cblas.h>

#include <algorithm>
#include <cmath>

namespace tv {

namespace {

double largest(const double* v, int n) {
    double m = 0;
    for (int i = 0; i < n; ++i) m = std::max(m, std::fabs(v[i]));
    return m;
}

bool allFinite(const double* v, std::size_t n) {
    return std::all_of(v, v + n, [](double x) { return std::isfinite(x); });
}

/// d = A^-1 r for the m sides of r (one after the other, n entries each) through the single
/// factor in one pass; every side scaled to its largest entry first, so that small residuals keep
/// their digits in single precision.
void singleSolveSides(SolverWorkspace& ws, int n, int m, const double* r, double* d) {
    std::vector<float> v(std::size_t(n) * m);
    std::vector<double> scale(m);
    for (int k = 0; k < m; ++k) {
        const double* rk = r + std::size_t(k) * n;
        scale[k] = largest(rk, n);
        for (int i = 0; i < n; ++i) v[std::size_t(k) * n + i] = scale[k] > 0 ? static_cast<float>(rk[i] / scale[k]) : 0.0f;
    }
    solveFactoredSingleTransposed(ws.Refinement.Factor.data(), n, ws.Refinement.Pivots.data(), v.data(), m);
    for (std::size_t i = 0; i < v.size(); ++i) d[i] = double(v[i]) * scale[i / std::size_t(n)];
}

/// The joint refinement: x from b, m sides of n entries one after the other.
SolveStatus refineSides(SolverWorkspace& ws, int n, int m, const std::vector<double>& b, std::vector<double>& x) {
    std::vector<double> r(b.size()), d(b.size());
    singleSolveSides(ws, n, m, b.data(), x.data());
    double previous = 1; // the single-precision solution's relative error is at most of order 1
    for (int step = 0; step < kRefinementStepLimit; ++step) {
        // r = b - A x for every side in one pass over A (as rows: r^T = b^T - x^T A^T).
        r = b;
        cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasTrans, m, n, n, -1.0, x.data(), n, ws.Matrix.data(),
                    ws.matrixStride(), 1.0, r.data(), n);
        singleSolveSides(ws, n, m, r.data(), d.data());
        for (std::size_t i = 0; i < x.size(); ++i) x[i] += d[i];
        if (!allFinite(x.data(), x.size())) return SolveStatus::Singular;
        const double size = largest(x.data(), int(x.size()));
        const double correction = size > 0 ? largest(d.data(), int(d.size())) / size : 0.0;
        // The corrections shrink by a steady factor, about the relative error of the single
        // solution itself: when the next one, so predicted, is below the tolerance, x is there.
        const double next = correction * correction / previous;
        if (correction <= kSidesTolerance || (correction < previous && next <= kSidesTolerance)) return SolveStatus::Solved;
        previous = correction;
    }
    return SolveStatus::Singular;
}

} // namespace

bool latticeFactorAvailable(const SolverWorkspace& ws) {
    return ws.EvaluationRan && !ws.SolutionFailed && ws.PanelTotal > 0 && ws.PanelTotal <= kPanelLimit;
}

SolveStatus solveSidesOnLatticeFactor(SolverWorkspace& ws, const std::vector<double*>& sides) {
    if (!latticeFactorAvailable(ws)) return SolveStatus::Singular;
    const int n = int(ws.PanelTotal), m = int(sides.size());
    if (ws.LastRefinement.outcome != RefinedOutcome::Converged) {
        for (double* b : sides)
            if (SIMQ902Resolve(ws.Matrix.data(), ws.matrixStride(), ws.EliminationPivots.data(), b, n) != SolveStatus::Solved)
                return SolveStatus::Singular;
        return SolveStatus::Solved;
    }
    if (ws.Refinement.FactoredFor != n) return SolveStatus::Singular;
    std::vector<double> b(std::size_t(n) * m), x(b.size());
    for (int k = 0; k < m; ++k) std::copy(sides[k], sides[k] + n, b.begin() + std::ptrdiff_t(k) * n);
    if (refineSides(ws, n, m, b, x) != SolveStatus::Solved) return SolveStatus::Singular;
    for (int k = 0; k < m; ++k) std::copy(x.begin() + std::ptrdiff_t(k) * n, x.begin() + std::ptrdiff_t(k + 1) * n, sides[k]);
    return SolveStatus::Solved;
}

} // namespace tv
