#pragma once
// The dimension diagram of a wing page: a fixed sketch of a right half wing with dimension
// arrows, the legend of the input fields standing over it. It depends only on the wing's
// trapezium count and the language, never on the wing's proportions.
#include "i18n/texts.h"
#include "model/units.h"

#include <QPainter>
#include <QSize>

#include <array>
#include <string>

namespace tv {

/// Size of the diagram image, pixels.
inline constexpr QSize kDiagramSize{750, 200};

/// Column and rows of trapezium k = 1..4 in the sketch: inner and outer column, leading- and
/// trailing-edge rows of the outer section.
struct DiagramTrapezium {
    int xi, xo, yl, yt;
};
DiagramTrapezium diagramTrapezium(int k);

/// The flight-direction caption of the diagram: " flight direction", " Flugrichtung",
/// "dirección de vuelo" (UTF-8).
std::string diagramFlightCaption(UiLanguage lang);

/// Draws the diagram of a wing with trapeziumCount trapezia (clamped to 1..4) onto the painter,
/// whose device is the 750 x 200 diagram image. Leaves font and pen black. In any length unit but
/// mm the axes name the unit the fields are typed in ("x (in)", "y (in)"); in mm they read "x", "y".
void DimensionDiagram(QPainter& p, int trapeziumCount, UiLanguage lang, Unit length = Unit::Millimetre);

/// The axis names of the diagram in `length`: {"x", "y"} in mm, else {"x (in)", "y (in)"}.
std::array<std::string, 2> diagramAxisNames(UiLanguage lang, Unit length);

} // namespace tv
