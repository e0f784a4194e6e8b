#pragma once
// The span-loading plot: for every wing the local load c·cl / c_ref against the span station,
// both halves, in the wing's colour, with an elliptic load of the same lift dashed beside it.
// Drawn with a QPainter into any rectangle (window, printed page, test image).
#include "i18n/texts.h"
#include "model/units.h"
#include "solver/workspace.h"

#include <QPainter>
#include <QRect>

#include <array>
#include <string>
#include <vector>

namespace tv {

struct SpanLoadingWing {
    int wing = 0;               // 1..5, also the colour
    std::vector<double> y;      // strip middles of the right half, mm, from the inner edge
    std::vector<double> load;   // c·cl / c_ref of those strips, per radian
    double innerEdge = 0;       // y of the first strip's inner edge, mm (> 0 with a root gap)
    double tip = 0;             // y of the last strip's outer edge, mm
    double lift = 0;            // integral of the load over both halves, mm per radian
};

struct SpanLoadingScene {
    std::vector<SpanLoadingWing> wings; // empty: no calculation belongs to the model
    UiLanguage lang = UiLanguage::English;
    std::array<std::string, kWingMax + 1> names; // legend, [1..5]
    /// The local lift coefficient at trim along every wing (load holds cl), drawn under the unit
    /// loading with each wing's highest cl marked; empty: no trim.
    std::vector<SpanLoadingWing> trimmed;
    std::string trimmedTitle; // "Local cl at trim, CL 0.500"
    Unit length = Unit::Millimetre; // the span axis's unit (the wings' stations stay in mm)
};

/// The scene of the lattice and loads in ws for the wings 1..wingCount (after a calculation).
SpanLoadingScene spanLoadingScene(int wingCount, const SolverWorkspace& ws, UiLanguage lang);

/// The elliptic load of the wing's lift over its span (-tip..tip): l0 sqrt(1 - (y / tip)^2) with
/// l0 = 2 lift / (pi tip); 0 outside the span.
double ellipticLoad(const SpanLoadingWing& w, double y);

/// An axis from lo to hi in steps of 1, 2 or 5 times a power of ten, with at most maxTicks steps,
/// lo and hi on whole steps around the values asked for.
struct PlotAxis {
    double lo = 0, hi = 1, step = 1;
};
PlotAxis niceAxis(double lo, double hi, int maxTicks);

/// Where the plot put its axes: pixel of a span station and of a load value.
struct SpanLoadingFrame {
    QRect plot;          // the area inside the axes
    PlotAxis span, load;     // span in the axis's unit
    double spanPerMm = 1;    // the axis's unit per mm
    double column(double y) const; // y in mm
    double row(double load) const;
};

/// The span axis's caption with its unit: "span station y [mm]", "... [in]".
std::string spanAxisCaption(UiLanguage lang, Unit length);

/// Draws the plot into `target` (white background, title, axes with ticks and units, legend);
/// without wings, the note that a calculation is needed. Returns the frame used.
SpanLoadingFrame drawSpanLoading(QPainter& p, QRect target, const SpanLoadingScene& scene);

} // namespace tv
