#pragma once
// Planform computation of one wing: parse its fields, fill the section tables, integrate.
#include "model/aircraft.h"
#include "model/units.h"

#include <array>
#include <string>

namespace tv {

/// Integrates the first n-1 trapezia (n = section count, 0..5; none when n < 2) from the section
/// tables X = leading-edge x, Y = stations, C = chords ([1..5], mm). r25 comes out in the frame
/// of X (absolute). S = 0 gives all outputs 0.
PlanformData NTRAP_SPEZIAL(int n, const std::array<double, kSectionMax + 1>& X,
                           const std::array<double, kSectionMax + 1>& Y,
                           const std::array<double, kSectionMax + 1>& C);

/// Reads one wing from its field texts (absolute values where the model stores them), fills the
/// section tables, integrates and makes r25 relative to the wing's root leading edge.
Wing computeWing(const WingTexts& texts);

/// computeWing for every wing 1..5 (whatever WingCount is) plus WingCount, Comment and Balance.
Aircraft computeAircraft(const AircraftTexts& texts);

/// Texts of the five station labels above the wing's diagram: SectionY[1..5] as integers.
std::array<std::string, kSectionMax + 1> stationLabelTexts(const Wing& wing);
/// The same in the length unit chosen: in mm the integers above, otherwise "19.69 in".
std::array<std::string, kSectionMax + 1> stationLabelTexts(const Wing& wing, UiLanguage lang, Unit length);

/// Texts of the result labels b, S, lm, r25, lam of wing 1..5, with the unit suffixes and the
/// per-wing widths: "1000mm", "20.00dm^2", " 200.0mm", "  50.0mm", "   5.0".
struct PlanformLabelTexts {
    std::string b, S, lm, r25, lam;
};
PlanformLabelTexts planformLabelTexts(int wing, const PlanformData& p);
/// The same in the units chosen: in the metric defaults exactly the texts above; in other units
/// each figure followed by a blank and its symbol in `lang` ("39.370 in", "310.00 in²").
PlanformLabelTexts planformLabelTexts(int wing, const PlanformData& p, UiLanguage lang, const DisplayUnits& units);

/// A calculated wing's aerodynamic centre as the window's result labels and the batch report show
/// it, numbers in mm with one decimal: x from the wing's position (acX is the aircraft's x), y
/// from the centre line ("123.4", "56.7").
struct AerodynamicCentreTexts {
    std::string x, y;
};
AerodynamicCentreTexts aerodynamicCentreTexts(const Wing& wing, double acX, double acY);
/// The window's labels with their unit: "123.4mm" in mm (as they have always read), else
/// "4.858 in".
AerodynamicCentreTexts aerodynamicCentreTexts(const Wing& wing, double acX, double acY, UiLanguage lang, Unit length);

} // namespace tv
