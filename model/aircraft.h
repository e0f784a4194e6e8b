#pragma once
// The aircraft model: up to five wings, each a half-wing chain of up to four trapezia.
// All arrays are 1-based as the rest of the program indexes them; element 0 is unused.
// The model is always derived from the input field texts (AircraftTexts) by the lenient parse.
#include "model/balance.h"
#include "model/trim_settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tv {

inline constexpr int kWingMax = 5;      // wings 1..5
inline constexpr int kSectionMax = 5;   // sections 1..5, 1 = root
inline constexpr int kTrapeziumMax = 4; // trapezia 1..4, between sections k and k+1
/// Largest length or position (mm, either sign) the calculation accepts: a kilometre, far beyond
/// any model aircraft, and far enough inside the 32-bit fields that sums of them stay exact.
inline constexpr int32_t kLengthLimit = 1000000;

/// The 16 numeric input fields of one wing, in the order the wing exchange moves them.
enum class WingField : int {
    RootOffset, Chord1, Span1, Chord2, XOffset2, Span2, Chord3, XOffset3, Span3,
    Chord4, XOffset4, Span4, Chord5, XOffset5, PositionX, PositionZ
};
inline constexpr int kWingFieldCount = 16;

/// Field of Chord[s] (s = 1..5), TrapeziumSpan[k] (k = 1..4), XOffset[s] (s = 2..5).
WingField chordField(int s);
WingField spanField(int k);
WingField xOffsetField(int s);

/// Field names of the window's edit controls, [wing 1..5][WingField].
const char* wingFieldName(int wing, WingField f);
/// Default texts of the fields at program start, [wing 1..5][WingField].
const char* defaultFieldText(int wing, WingField f);
/// Default trapezium count of wing 1..5.
int defaultTrapeziumCount(int wing);
inline constexpr int kDefaultWingCount = 5;

/// One wing as its input fields hold it.
struct WingTexts {
    std::array<std::string, kWingFieldCount> field;
    int TrapeziumCount = 4; // 1..4, the checked radio button
    std::string& operator[](WingField f) { return field[static_cast<int>(f)]; }
    const std::string& operator[](WingField f) const { return field[static_cast<int>(f)]; }
};

/// The whole aircraft as the window's fields hold it; the source of truth of the model.
struct AircraftTexts {
    int WingCount = kDefaultWingCount;
    std::array<WingTexts, kWingMax + 1> wings{}; // [1..5]
    std::string Comment;
    BalanceTexts Balance; // My CG and the weight-and-balance table
    TrimTexts Trim;       // incidence, twist and airfoils, flying mass and air density
};

/// The built-in default aircraft (field texts, counts; the comment is left empty).
AircraftTexts defaultAircraftTexts();

struct PlanformData {
    double b = 0;   // span, mm, both halves (includes a root gap of 2 * RootOffset)
    double S = 0;   // area, mm^2, both halves
    double lm = 0;  // mean aerodynamic chord, mm
    double r25 = 0; // quarter point of the mean chord, mm from the wing's own root leading edge
    double lam = 0; // aspect ratio
};

struct Wing {
    // Inputs (chords, spans and root offset as absolute values).
    int TrapeziumCount = 4;
    int32_t RootOffset = 0;
    std::array<int32_t, kTrapeziumMax + 1> TrapeziumSpan{}; // [1..4]
    std::array<int32_t, kSectionMax + 1> Chord{};           // [1..5]
    std::array<int32_t, kSectionMax + 1> XOffset{};         // [2..5]; [1] is 0
    int32_t PositionX = 0;
    int32_t PositionZ = 0;
    // Derived by the planform computation.
    int SectionCount = 5;                                // TrapeziumCount + 1
    std::array<int64_t, kSectionMax + 1> SectionY{};     // [1..5] spanwise stations, mm
    std::array<double, kSectionMax + 1> LeadingEdgeX{};  // [1..5] absolute x, mm
    std::array<double, kSectionMax + 1> StationY{};      // [1..5]
    std::array<double, kSectionMax + 1> StationChord{};  // [1..5]
    PlanformData planform;
};

struct Aircraft {
    int WingCount = kDefaultWingCount;
    std::array<Wing, kWingMax + 1> Wings{}; // [1..5], always five
    std::string Comment;
    BalanceTexts Balance; // as the texts hold it
    TrimTexts Trim;       // as the texts hold it (model/trim_settings.h: trimSettings reads them)
};

} // namespace tv

namespace tv {

/// The solver's reference values that a project file and the wing clipboard carry when a
/// neutral point is known.
struct ReferenceValues {
    double ReferenceArea = 0;  // mm^2, both halves
    double ReferenceChord = 0; // mm
    double NeutralPointX = 0;  // mm, aircraft frame
};

} // namespace tv
