#include "solver/trapez_trim.h"

#include "solver/trim9m.h"

#include <cmath>

namespace tv {

void geometricStripWidths(int ns, double span, double cIn, double cOut, TrimVector& v) {
    // With L = ln(cOut / cIn) / ns: width_i = span * e^((i-1)L) * (e^L - 1) / (e^(ns L) - 1).
    // expm1 keeps the widths exact for chords that differ only slightly.
    const double L = std::log(cOut / cIn) / ns;
    if (L == 0 || !std::isfinite(L)) {
        for (int i = 1; i <= ns; ++i) v[i] = span / ns;
        return;
    }
    const double first = span * std::expm1(L) / std::expm1(ns * L);
    for (int i = 1; i <= ns; ++i) v[i] = first * std::exp((i - 1) * L);
}

namespace {

// Cumulative widths over the span; widths a failed iteration left undefined give equal strips,
// so the layout never holds NaN.
void fractionsFromWidths(const TrimVector& v, int ns, double dy, double* fraction) {
    fraction[0] = 0;
    double covered = 0;
    for (int i = 1; i <= ns; ++i) {
        covered += v[i];
        fraction[i] = covered / dy;
    }
    if (std::isfinite(covered)) return;
    for (int i = 1; i <= ns; ++i) fraction[i] = double(i) / ns;
}

void setParameters(TrimVector& v, TrimMask& mask, int ns, double dy, double cIn, double cOut) {
    v[ns + 1] = dy, v[ns + 2] = cIn, v[ns + 3] = cOut;
    for (int i = 1; i <= ns + 3; ++i) mask[i] = i <= ns;
}

// Second start from square panels at both ends, kept as a fallback should the Newton iteration
// ever fail from the closed form; the calculation stops either way.
void secondStart(SolverWorkspace& ws, UiLanguage lang, int w, int t, int nc, int ns, TrimVector& v,
                 const TrimMask& mask) {
    ws.Messages.push_back("TRAPEZ_TRIM: Trimmen der Trapezaufteilung hat nicht auf Anhieb geklappt//");
    const double dy = v[ns + 1];
    v[1] = v[ns + 2] / nc;
    v[ns] = v[ns + 3] / nc;
    for (int i = 2; i <= ns - 1; ++i) v[i] = (dy - v[1] - v[ns]) / (ns - 2);
    const TrimOutcome second = TRIM9M(ws, lang, w, t, v, mask, ns, ns + 3);
    ws.fail(stripTrimRetryLine(lang, !second.converged(), w, t));
}

} // namespace

void TRAPEZ_TRIM(SolverWorkspace& ws, UiLanguage lang, int w, int t, int nc, int ns, double dy,
                 double cIn, double cOut, double* fraction) {
    TrimVector v{};
    TrimMask mask{};
    setParameters(v, mask, ns, dy, cIn, cOut);
    if (!(cIn > 0 && cOut > 0)) { // a strip reaching a zero chord can never match the others
        for (int i = 1; i <= ns; ++i) v[i] = dy / ns;
        ws.fail(trapeziumFailureLines(lang, w, t));
        fractionsFromWidths(v, ns, dy, fraction);
        return;
    }
    geometricStripWidths(ns, dy, cIn, cOut, v);
    const TrimOutcome first = TRIM9M(ws, lang, w, t, v, mask, ns, ns + 3);
    if (!first.converged() && ns > 2) secondStart(ws, lang, w, t, nc, ns, v, mask);
    fractionsFromWidths(v, ns, dy, fraction);
}

} // namespace tv
