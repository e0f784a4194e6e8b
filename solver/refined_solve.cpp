#include "solver/refined_solve.h"

#include "solver/blas_load.h"
#include "solver/compensated_residual.h"
#include "solver/single_elimination.h"
#include "solver/solver_threads.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>

namespace tv {

namespace {

/// The largest |v[i]|; not a number when an entry is not one (max would pass it over).
double largestMagnitude(const double* v, int n) {
    double m = 0;
    for (int i = 0; i < n; ++i) {
        if (std::isnan(v[i])) return v[i];
        m = std::max(m, std::fabs(v[i]));
    }
    return m;
}

/// The single-precision copy of A (leading dimension n); false when an entry does not fit.
bool copyToSingle(const double* A, int ld, int n, float* S) {
    std::atomic<bool> finite{true};
    forEachRange(n, rowsPerRange(n), [&](int begin, int end) {
        bool rangeFinite = true;
        for (int i = begin; i < end; ++i) {
            const double* row = A + std::size_t(i) * ld;
            float* out = S + std::size_t(i) * n;
            for (int j = 0; j < n; ++j) {
                out[j] = static_cast<float>(row[j]);
                rangeFinite &= std::isfinite(out[j]);
            }
        }
        if (!rangeFinite) finite = false;
    });
    return finite;
}

/// The single-precision factorisation of the copy in w.Factor; false when it cannot be used.
/// LAPACK's reports nothing while it runs: the count of all columns before, none after.
bool factor(RefinementWork& w, int n, const EliminationProgress& progress) {
    if (progress) progress(n);
    w.CopyFor = 0;
    const BlasThreadsForLoad threads(n); // no library thread waits for a processor others keep busy
    if (factorSingleTransposed(w.Factor.data(), n, w.Pivots.data())) return false;
    w.FactoredFor = n;
    if (progress) progress(0);
    return true;
}

/// d = A^-1 r through the single-precision factorisation, r scaled to its largest entry first so
/// that small residuals keep their digits in single precision. d may alias r.
void singleSolve(RefinementWork& w, int n, const double* r, double* d) {
    const double scale = largestMagnitude(r, n);
    if (scale == 0 || !std::isfinite(scale)) {
        std::fill(d, d + n, scale == 0 ? 0.0 : scale);
        return;
    }
    float* v = w.Vector.data();
    for (int i = 0; i < n; ++i) v[i] = static_cast<float>(r[i] / scale);
    solveFactoredSingleTransposed(w.Factor.data(), n, w.Pivots.data(), v);
    for (int i = 0; i < n; ++i) d[i] = double(v[i]) * scale;
}

/// The corrections shrink by a steady factor while the refinement converges; when that factor
/// would not bring the correction below the tolerance in the steps left (rounding in the residual
/// of a less well-conditioned system stops it short of 1e-15), more steps are wasted time.
/// The same steady factor tells when the solution is already as exact as asked: the next
/// correction, the error left in x, would be below the tolerance. Saves the step that would only
/// confirm it.
bool nextCorrectionNegligible(double previous, double last) {
    if (previous <= 0) return false;
    const double factor = last / previous;
    return factor < 1 && last * factor <= kRefinedTolerance;
}

bool cannotConverge(double previous, double last, int stepsLeft) {
    if (previous <= 0) return false;
    const double factor = last / previous;
    return factor >= 1 || last * std::pow(factor, stepsLeft) > kRefinedTolerance;
}

void growTo(RefinementWork& w, int n) {
    const std::size_t square = std::size_t(n) * n;
    if (w.Factor.size() < square) w.CopyFor = w.FactoredFor = 0, w.Factor.grow(square);
    if (w.Pivots.size() < std::size_t(n)) w.Pivots.resize(n);
    if (w.Vector.size() < std::size_t(n)) w.Vector.resize(n);
    if (w.Residual.size() < std::size_t(n)) w.Residual.resize(n);
    // Solution is the caller's (solveLatticeSystem grows it before handing it in).
}

/// solveRefined with the copy of A already in work.Factor when copied is set.
RefinedResult factorAndRefine(const double* A, int ld, const double* b, double* x, int n, RefinementWork& work,
                              const EliminationProgress& progress, bool copied) {
    RefinedResult result;
    if (n <= 0) return result.outcome = RefinedOutcome::Converged, result;
    growTo(work, n);
    copied = copied && work.CopyFor == n; // growing replaced the storage otherwise
    work.FactoredFor = 0;
    if (ld < n || !(copied || copyToSingle(A, ld, n, work.Factor.data())) || !factor(work, n, progress)) {
        work.CopyFor = 0;
        result.outcome = RefinedOutcome::FactorFailed;
        return result;
    }
    return refineOnFactor(A, ld, b, x, n, work);
}

} // namespace

RefinedResult solveRefined(const double* A, int ld, const double* b, double* x, int n, RefinementWork& work,
                           const EliminationProgress& progress) {
    return factorAndRefine(A, ld, b, x, n, work, progress, false);
}

RefinedResult refineOnFactor(const double* A, int ld, const double* b, double* x, int n, RefinementWork& work) {
    RefinedResult result;
    if (n <= 0) return result.outcome = RefinedOutcome::Converged, result;
    if (work.FactoredFor != n || ld < n) return result.outcome = RefinedOutcome::FactorFailed, result;
    singleSolve(work, n, b, x);
    double* r = work.Residual.data();
    double previous = 0;
    while (result.steps < kRefinementStepLimit) {
        // r = b - A x in double precision, then the correction through the single factorisation.
        compensatedResidual(n, A, ld, x, b, r);
        singleSolve(work, n, r, r);
        for (int i = 0; i < n; ++i) x[i] += r[i];
        ++result.steps;
        const double size = largestMagnitude(x, n);
        result.lastCorrection = size > 0 ? largestMagnitude(r, n) / size : largestMagnitude(r, n);
        // A factor whose entries overflowed can give an infinite solution with a zero correction.
        if (!std::isfinite(size) || !std::isfinite(result.lastCorrection)) break;
        if (result.lastCorrection <= kRefinedTolerance || nextCorrectionNegligible(previous, result.lastCorrection)) {
            result.outcome = RefinedOutcome::Converged;
            break;
        }
        if (cannotConverge(previous, result.lastCorrection, kRefinementStepLimit - result.steps)) break;
        previous = result.lastCorrection;
    }
    return result;
}

bool refinedSolveApplies(const SolverWorkspace& ws) { return !ws.ExactSolve && ws.PanelTotal >= kRefinedSolveFrom; }

SolveStatus solveLatticeSystem(SolverWorkspace& ws, const EliminationProgress& progress) {
    const int n = ws.PanelTotal;
    double* M = ws.Matrix.data();
    double* b = ws.RightHandSide.data();
    ws.LastRefinement = RefinedResult{};
    if (refinedSolveApplies(ws)) {
        std::vector<double>& solution = ws.Refinement.Solution;
        if (solution.size() < std::size_t(n)) solution.resize(n);
        double* x = solution.data();
        const bool copied = ws.Refinement.CopyFor == n; // EINFLUSS wrote it beside the matrix
        ws.LastRefinement = factorAndRefine(M, n, b, x, n, ws.Refinement, progress, copied);
        if (ws.LastRefinement.outcome == RefinedOutcome::Converged) {
            std::copy(x, x + n, b);
            if (progress) progress(0);
            return SolveStatus::Solved;
        }
    }
    return SIMQ902Pivoted(M, n, b, n, ws.EliminationPivots.data(), progress);
}

} // namespace tv
