#pragma once
// The outline of a wing's planform as the planform view and the aircraft view both draw it: the
// trapezia of both halves as open polylines from the wing's root leading edge.
#include "model/aircraft.h"

#include <QPainter>
#include <QPoint>
#include <QPolygon>

#include <vector>

namespace tv {

/// Trapezia that are drawn, 1..4 (the sections beyond them keep values but are not shown).
int drawnTrapezia(const Wing& wing);
/// Sections that are drawn, 2..5.
inline int drawnSections(const Wing& wing) { return drawnTrapezia(wing) + 1; }
/// x of section s's leading edge (1..5) behind the wing's root leading edge, mm; 0 for the root.
double sectionLeadingEdge(const Wing& wing, int s);

/// Draws the outline with the painter's pen. A planform point (y, x) of the wing's own frame lies at
/// (root.x + R(y * scale), root.y + R(x * scale)) on the right half and (root.x - R(y * scale), ...)
/// on the left, R rounding halves to even. Trapezium 1 runs LE1, LE2, TE2, TE1 (right) and TE1,
/// TE2, LE2, LE1 (left), closed over the root chord only when there is a root offset (otherwise the
/// root chord lies on the centre line); trapezia 2.. run LEk, LEk+1, TEk+1, TEk on each half.
void drawWingOutline(QPainter& p, const Wing& wing, QPoint root, double scale);

/// The area the outline encloses, as drawWingOutline places it: one quadrilateral (LEk, LEk+1,
/// TEk+1, TEk) per drawn trapezium and half, right half first.
std::vector<QPolygon> wingTrapezia(const Wing& wing, QPoint root, double scale);

} // namespace tv
