#pragma once
// What the planform view shows while the mouse edits it: small squares on the corners that can
// be dragged, and during a drag the wing's outline as the release will leave it (a rubber band),
// both over the view as last drawn, with its origin and scale.
#include "model/aircraft.h"

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QSize>

namespace tv {

/// Pixel of handle h (1..20) on an image of the size at the scale (the hit test's corner, rounded).
QPoint handlePosition(const Wing& wing, double scale, QSize image, int h);

/// Squares of 5 x 5 pixels in the colour on the corners of the drawn sections, both halves; the
/// square of the handle `hovered` (0 = none) is filled.
void drawPlanformHandles(QPainter& p, QSize image, const Wing& wing, double scale, const QColor& colour, int hovered);

/// The outline of `preview` (the wing with the drag's field values) as a dashed line in the colour.
void drawRubberBand(QPainter& p, QSize image, const Wing& preview, double scale, const QColor& colour);

} // namespace tv
