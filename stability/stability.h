#pragma once
// Static margins and centre-of-gravity positions from the neutral point, and their result texts.
// The static margin is the distance, in percent of the reference chord, by which the centre of
// gravity lies ahead of (at smaller x than) the neutral point.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tv {

/// Margins beyond ±100 % put the centre of gravity more than a reference chord from the neutral
/// point; much larger ones overflow into infinities. Such a desired margin is refused.
inline constexpr double kMarginLimit = 100.0;

/// A finite margin within -kMarginLimit .. kMarginLimit %.
bool isAcceptedMargin(double margin);

struct StabilityNumbers {
    double RecommendedMarginLow = 0;  // %, 4 for one wing, 8 for more
    double RecommendedMarginHigh = 0; // %, 8 for one wing, 16 for more
    double DesiredMargin = 0;         // %, the user's own margin
    bool DesiredMarginAccepted = true; // isAcceptedMargin(DesiredMargin); else CgDesired is 0 and never shown
    double CgLow = 0, CgHigh = 0, CgDesired = 0; // mm, aircraft frame
};

/// Margins for the wing count and the centre-of-gravity positions for them and for the desired margin.
StabilityNumbers computeStability(int wingCount, double neutralPointX, double referenceChord, double desiredMargin);

/// The desired margin as the margin field holds it (lenient real parse: "7.5", " 7.5", "abc" -> 0).
double desiredMarginFromText(const std::string& text);

/// One line of the results text drawn into the aircraft view at pixel column kResultColumn.
struct ResultLine {
    int row;       // pixel row of the line's top
    uint32_t rgb;  // font colour 0xRRGGBB
    std::string text;
    std::optional<double> markX; // mm: the mark a leader line runs to (centre of gravity, neutral point)
};
inline constexpr int kResultColumn = 9;

/// The result lines: reference area and length, the centre-of-gravity line(s) of the automatic
/// (high and low recommended margin) or manual (desired margin) choice, and the neutral point.
/// A refused desired margin gives, in place of its centre-of-gravity line, the line that says
/// which margins are accepted. Lengths and the area are written in `units`; the metric ones give
/// the lines as they have always read ("123.4mm", "20.00dm^2").
std::vector<ResultLine> stabilityResultLines(UiLanguage lang, bool manual, const ReferenceValues& ref,
                                             const StabilityNumbers& n, const DisplayUnits& units = kMetricUnits);

/// The label beside the margin field: "%  AC-CG= 15.0mm" (German and Spanish "%  NP-SP= ...");
/// "%" alone for a refused desired margin.
std::string marginLabelText(UiLanguage lang, double neutralPointX, const StabilityNumbers& n,
                            const DisplayUnits& units = kMetricUnits);
/// The label's text while no neutral point is known.
inline const char* kMarginLabelUnknown = "%";

/// Margin field text for the margin slider (0..60): 30 - position/2 in width 4 with one decimal.
std::string marginTextForSlider(int position);

} // namespace tv
