#pragma once
// Helpers of the view tests: wings from numbers, images filled with a known colour, pixel probes.
#include "model/aircraft.h"
#include "solver/workspace.h"
#include "views/stability_view.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <array>
#include <memory>
#include <string>

namespace tvtest {

/// A wing of one trapezium per entry: spans[k], chords[s], xOffsets[s] (s = 2..), computed.
struct WingSpec {
    int rootOffset = 0;
    int trapezia = 1;
    int span[5] = {0, 500, 0, 0, 0};      // [1..4]
    int chord[6] = {0, 200, 200, 0, 0, 0}; // [1..5]
    int xOffset[6] = {0, 0, 0, 0, 0, 0};  // [2..5]
    int positionX = 0, positionZ = 0;
};
tv::WingTexts wingTexts(const WingSpec& spec);
tv::Wing makeWing(const WingSpec& spec);

/// An aircraft of count wings from specs[0..n-1] (n = count when not given); wings beyond n get a
/// copy of wing 1.
tv::Aircraft makeAircraft(int count, const WingSpec* specs, int n = -1);

inline const QColor kTip{255, 255, 225};

QImage blankImage(int w, int h, const QColor& fill = kTip);
/// The pixel's colour without alpha, for comparing with QColor(r, g, b).
QColor at(const QImage& img, int x, int y);
/// True when some pixel of the rectangle has the colour.
bool anyPixel(const QImage& img, const QRect& r, const QColor& c);
/// A starting aircraft of "New" as read from examples/ and calculated: the model as the window
/// shows it after F5, its workspace (lattice, reference outline) and reference values.
struct CalculatedAircraft {
    std::string name;
    tv::Aircraft aircraft;
    std::shared_ptr<tv::SolverWorkspace> solver;
    tv::ReferenceValues reference;
};
/// The five starting aircraft, in the order of the choice; calculated once per test program.
inline constexpr std::array<const char*, 5> kStartingAircraft{"glider-2m", "canard", "tandem", "flying-wing",
                                                              "default"};
const CalculatedAircraft& startingAircraft(const std::string& name);
/// The field texts of a starting aircraft as read from examples/, and an aircraft from texts calculated.
tv::AircraftTexts exampleTexts(const std::string& name);
CalculatedAircraft calculatedAircraft(const std::string& name, const tv::AircraftTexts& texts);
/// The stability picture's scene of a calculated aircraft, its neutral point and lattice known.
tv::StabilityScene calculatedScene(const CalculatedAircraft& c, tv::UiLanguage lang);

/// Writes the image to $TV_VIEWS_PNG/<name>.png when that variable names a folder.
void keep(const QImage& img, const std::string& name);

} // namespace tvtest
