#pragma once
// Where the result lines stand on the stability picture. They keep their standard rows at the
// left edge (kResultColumn, from row 232) while no wing is drawn there; otherwise they move up or
// down the left edge to the nearest rows clear of every wing; and where the fitted drawing leaves
// no such rows, the drawing is shrunk towards its top centre until it does.
#include "solver/workspace.h"
#include "stability/stability.h"
#include "views/aircraft_view.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

namespace tv {

/// Pixels kept free between the result lines and any wing.
inline constexpr int kResultClearance = 3;

/// The reference outline as the stability picture fills it, left of the centre line.
QPolygon referenceOutlinePolygon(int imageWidth, const Outline& outline, const AircraftViewGeometry& g);

/// The areas the wings cover when drawn with g: each drawn trapezium of each taking-part wing,
/// both halves, and the filled reference outline when one is given (null: none is drawn).
std::vector<QPolygon> drawnWingAreas(const Aircraft& ac, const Outline* reference, int imageWidth,
                                     const AircraftViewGeometry& g);

/// The vertical shift that puts box inside the image and kResultClearance clear of every area, the
/// smallest such (0 when box is clear where it stands); nothing when no shift does.
std::optional<int> clearRowShift(const std::vector<QPolygon>& areas, QSize image, const QRect& box);

/// What the lines cover at their standard rows: from kResultColumn as wide as the widest text
/// with its trailing blanks (their background is opaque), from the first line's top to the last
/// line's bottom.
QRect resultLinesBox(const QFontMetrics& fm, const std::vector<ResultLine>& lines);

/// The geometry to draw the picture with: g with ResultLinesShift set so that box, moved by it,
/// lies inside the image and kResultClearance clear of every area drawnWingAreas gives, the shift
/// as small as possible. When no shift does and g is the fit (not magnified), g shrunk towards
/// (centre line, H/7) by the first of 0.9, 0.8 .. 0.3 that leaves room. Otherwise g unchanged:
/// the lines keep their standard rows.
AircraftViewGeometry placeResultLines(const Aircraft& ac, const Outline* reference, QSize image,
                                      const AircraftViewGeometry& g, const QRect& box);

} // namespace tv
