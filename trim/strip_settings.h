#pragma once
// What the settings give every strip of the lattice: its angle (incidence + twist - zero-lift
// angle), how the trim variable changes that angle, and its airfoil's moment coefficient.
#include "model/aircraft.h"
#include "model/trim_settings.h"
#include "solver/workspace.h"

#include <vector>

namespace tv {

struct StripSetting {
    double Angle = 0;    // degrees: i + t - alpha0 at the strip's middle
    double Variable = 0; // change of the angle per unit of the trim variable
    double Cm0 = 0;
};

/// Twist, zero-lift angle and moment coefficient at y (mm from the centre line), linear in y
/// between the two sections of the trapezium that holds y (the nearest end section outside).
SectionAero sectionAeroAt(const Wing& wing, const WingAero& aero, double y);

/// The angle the settings give the wing at y: incidence + twist - zero-lift angle, degrees.
inline double settingAngleAt(const Wing& wing, const WingAero& aero, double y) {
    const SectionAero a = sectionAeroAt(wing, aero, y);
    return aero.Incidence + a.Twist - a.Alpha0;
}

/// Twist, zero-lift angle and moment coefficient vary linearly in y between the two sections of a
/// trapezium; a strip takes their values at its middle. One entry per strip of wings
/// 1..WingCount in the lattice's order. variableWing: the wing whose incidence (washout false) or
/// linear washout (washout true) is the trim variable; 0 for none.
std::vector<StripSetting> stripSettings(const Aircraft& ac, const SolverWorkspace& ws, const TrimSettings& s,
                                        int variableWing, bool washout);

} // namespace tv
