#pragma once
// The aerodynamic settings of the trim as the designer types them: every wing's incidence, every
// section's twist and airfoil (name, zero-lift angle, moment coefficient), the flying mass and the
// air density. Kept as texts like the wing fields; the lenient parse gives the values.
// Angles in degrees, leading edge up positive; the mass in g; the density in kg/m^3.
#include <array>
#include <string>

namespace tv {

inline constexpr int kTrimWingMax = 5;    // wings 1..5, as kWingMax
inline constexpr int kTrimSectionMax = 5; // sections 1..5, as kSectionMax
inline constexpr double kStandardAirDensity = 1.225; // kg/m^3, used while the density text is empty

/// One section of a wing: twist (added to the wing's incidence), the airfoil's name, its
/// zero-lift angle and its moment coefficient about the quarter chord.
struct TrimSectionTexts {
    std::string Twist, Airfoil, Alpha0, Cm0;
    bool operator==(const TrimSectionTexts&) const = default;
};

struct TrimWingTexts {
    std::string Incidence;
    std::array<TrimSectionTexts, kTrimSectionMax + 1> Sections{}; // [1..5]
    bool operator==(const TrimWingTexts&) const = default;
};

struct TrimTexts {
    std::array<TrimWingTexts, kTrimWingMax + 1> Wings{}; // [1..5]
    std::string Mass;    // g; "" takes the balance table's total
    std::string Density; // kg/m^3; "" is the standard atmosphere at sea level
    bool operator==(const TrimTexts&) const = default;
    /// Nothing entered: a project without trim settings stores no trim block.
    bool empty() const { return *this == TrimTexts{}; }
};

struct SectionAero {
    double Twist = 0;  // degrees
    double Alpha0 = 0; // degrees
    double Cm0 = 0;    // about the quarter chord
};

struct WingAero {
    double Incidence = 0; // degrees
    std::array<SectionAero, kTrimSectionMax + 1> Sections{}; // [1..5]
};

struct TrimSettings {
    std::array<WingAero, kTrimWingMax + 1> Wings{}; // [1..5]
    double Mass = 0;                           // g; 0 when not typed
    bool MassTyped = false;                    // the mass text holds something
    double Density = kStandardAirDensity;      // kg/m^3
};

/// The values of the texts, each read leniently ("" and "abc" give 0). A section whose zero-lift
/// angle and moment texts are both empty and whose airfoil is a four-digit NACA name takes the
/// thin-airfoil values of that name. An empty density is the standard one.
TrimSettings trimSettings(const TrimTexts& texts);

} // namespace tv
