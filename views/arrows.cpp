#include "views/arrows.h"

#include <QPolygon>

namespace tv {
namespace {

void triangle(QPainter& p, QPoint a, QPoint b, QPoint c) {
    const QPoint pts[3] = {a, b, c};
    p.drawPolygon(pts, 3);
}

void headDown(QPainter& p, int x, int y) { triangle(p, {x, y}, {x + 2, y - 11}, {x - 2, y - 11}); }
void headUp(QPainter& p, int x, int y) { triangle(p, {x, y}, {x + 2, y + 11}, {x - 2, y + 11}); }
void headLeft(QPainter& p, int x, int y) { triangle(p, {x, y}, {x + 11, y - 2}, {x + 11, y + 2}); }
void headRight(QPainter& p, int x, int y) { triangle(p, {x, y}, {x - 11, y - 2}, {x - 11, y + 2}); }

} // namespace

void PfeilV1(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawLine(x1, y1, x2, y2);
    headDown(p, x2, y2);
}

void PfeilV2(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawLine(x1, y1, x2, y2);
    headUp(p, x1, y1);
    headDown(p, x2, y2);
}

void PfeilH2(QPainter& p, int x1, int y1, int x2, int y2) {
    p.drawLine(x1, y1, x2, y2);
    headLeft(p, x1, y1);
    headRight(p, x2, y2);
}

} // namespace tv
