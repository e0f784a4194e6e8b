#pragma once
// Planform computation of one wing: parse its fields, fill the section tables, integrate.
#include "model/aircraft.h"

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

/// Texts of the result labels b, S, lm, r25, lam of wing 1..5, with the unit suffixes and the
/// per-wing widths: "1000mm", "20.00dm^2", " 200.0mm", "  50.0mm", "   5.0".
struct PlanformLabelTexts {
    std::string b, S, lm, r25, lam;
};
PlanformLabelTexts planformLabelTexts(int wing, const PlanformData& p);

/// A calculated wing's aerodynamic centre as the window's result labels and the batch report show
/// it, numbers in mm with one decimal: x from the wing's position (acX is the aircraft's x), y
/// from the centre line ("123.4", "56.7").
struct AerodynamicCentreTexts {
    std::string x, y;
};
AerodynamicCentreTexts aerodynamicCentreTexts(const Wing& wing, double acX, double acY);

} // namespace tv
