#pragma once
// The planform view of a wing page: both halves of the wing to scale, the mean aerodynamic
// chord laid on the centre line with its quarter point at r25, and, once a calculation has
// given it, the wing's aerodynamic centre.
#include "model/aircraft.h"

#include <QPainter>
#include <QSize>

namespace tv {

/// Origin of the view: centre column a = W/2 and reference row p = H/3 (both truncated), where
/// the wing's root leading edge lies.
struct PlanformOrigin {
    int a = 0, p = 0;
};
PlanformOrigin planformOrigin(QSize image);

/// Pixels per mm that fit the wing's half span into W/2.03 and its chordwise extent into H/1.6.
/// A zero half span fits horizontally at 1.0; a wing with no chordwise extent takes the
/// horizontal fit alone.
double planformScale(const Wing& wing, QSize image);

struct PlanformScene {
    Wing wing;                       // computed (model/planform.h computeWing); r25 from the root leading edge
    bool NeutralPointKnown = false;  // draw the aerodynamic centre
    double WingAcX = 0, WingAcY = 0; // aircraft frame, mm
    QColor toolTipBackground{255, 255, 225};
};

/// Draws the view onto an image of the given size and returns the scale used (PlanformScale).
double PlanformView(QPainter& p, QSize image, const PlanformScene& scene);

} // namespace tv
