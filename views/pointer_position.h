#pragma once
// Where the pointer is, in the aircraft frame: x aft from the root leading edge of wing 1, y
// spanwise with the right half positive and the left half negative. Pure functions of a view's
// scale and origin; the window shows the result in its status line.
#include "i18n/texts.h"
#include "model/units.h"
#include "views/aircraft_view.h"

#include <QFontMetrics>
#include <QPoint>
#include <QSize>
#include <QString>

#include <optional>

namespace tv {

/// A point of the aircraft frame, whole millimetres (rounded to nearest).
struct AircraftFramePoint {
    int x = 0;
    int y = 0;
    bool operator==(const AircraftFramePoint&) const = default;
};

/// The aircraft view's pixel (bitmap coordinates) in the aircraft frame: the datum row is x = 0,
/// the centre column y = 0. Nothing when the scale is not finite and positive.
std::optional<AircraftFramePoint> aircraftViewPointAt(const AircraftViewGeometry& g, QPoint pixel);

/// A planform view's pixel in the aircraft frame. The view draws the wing's own frame with the
/// root leading edge at (W/2, H/3) and `scale` pixels per mm; the wing sits at `positionX`.
std::optional<AircraftFramePoint> planformViewPointAt(QSize image, double scale, int positionX, QPoint pixel);

/// The status line's text for p within `width` pixels: the longest of pointerPositionForms that
/// fits; where none does, the figures alone cut at their end.
/// The figures are written in `length` ("x 12 mm", "x 0.47 in").
QString fittedPointerText(const QFontMetrics& fm, int width, UiLanguage lang, AircraftFramePoint p,
                          Unit length = Unit::Millimetre);

} // namespace tv
