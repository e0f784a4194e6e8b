#pragma once
// An airfoil's zero-lift angle and moment coefficient from its camber line, by thin-airfoil
// theory: with x = (1 - cos t) / 2 along the chord,
//   alpha0 = -(1/pi) * integral over t from 0 to pi of z'(x) (cos t - 1) dt
//   Cm0    =  (1/2)  * integral over t from 0 to pi of z'(x) (cos 2t - cos t) dt
// (Cm0 about the quarter chord, nose-up positive). The camber line comes from a four-digit NACA
// name or from a coordinate file as airfoil collections publish them: a name line, then x/c y/c
// pairs, either one run from the trailing edge over the upper surface to the leading edge and
// back along the lower one, or a line with the two point counts and then each surface from the
// leading edge to the trailing edge. The camber line lies half-way between the two surfaces at
// equal x.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tv {

struct AirfoilCoefficients {
    double Alpha0Deg = 0; // zero-lift angle, degrees
    double Cm0 = 0;       // moment coefficient about the quarter chord
};

/// Why coordinates give no airfoil.
enum class AirfoilError {
    None,
    Unreadable,    // the file cannot be read (readAirfoilFile)
    Empty,         // no coordinate pairs
    NotNumeric,    // a line after the name is not two numbers
    OutOfOrder,    // a surface does not run steadily from the leading to the trailing edge
    SingleSurface, // the points describe one surface only, or too few points
};

struct Airfoil {
    AirfoilError Error = AirfoilError::None;
    int Line = 0;     // 1-based line of the file the error was found on (0: the file as a whole)
    std::string Name; // the first line, blanks trimmed; the NACA name as given
    AirfoilCoefficients Coefficients;
    bool ok() const { return Error == AirfoilError::None; }
};

/// A camber line as points (x/c, z/c) from the leading to the trailing edge, x increasing.
using CamberLine = std::vector<std::pair<double, double>>;

/// The thin-airfoil coefficients of a camber line, z' taken constant between its points (the
/// integrals are then exact per segment). Fewer than two points give 0 and 0.
AirfoilCoefficients thinAirfoil(const CamberLine& camber);

/// The camber line of a four-digit NACA name ("NACA 2412", "naca2412", "2412"; blanks allowed)
/// at `points` cosine-spaced stations; nothing when the text is not such a name.
std::optional<CamberLine> nacaFourDigitCamber(std::string_view name, int points = 400);

/// nacaFourDigitCamber's coefficients; nothing when the text is not a four-digit NACA name.
std::optional<AirfoilCoefficients> nacaFourDigit(std::string_view name);

/// The airfoil of a coordinate file's text (either layout; lines end in LF, CR LF or CR).
Airfoil airfoilFromCoordinates(std::string_view text);

} // namespace tv
