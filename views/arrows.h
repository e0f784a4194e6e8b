#pragma once
// Arrow primitives of the dimension diagram: a line and filled arrowheads 11 pixels long and
// 4 pixels wide, drawn with the painter's current pen (line, outline) and brush (head fill).
#include <QPainter>

namespace tv {

/// Line (x1, y1)-(x2, y2) with one head at the end point, pointing down.
void PfeilV1(QPainter& p, int x1, int y1, int x2, int y2);
/// Line with a head at the start pointing up and one at the end pointing down.
void PfeilV2(QPainter& p, int x1, int y1, int x2, int y2);
/// Line with a head at the start pointing left and one at the end pointing right.
void PfeilH2(QPainter& p, int x1, int y1, int x2, int y2);

} // namespace tv
