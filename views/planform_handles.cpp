#include "views/planform_handles.h"

#include "views/planform_edit.h"
#include "views/planform_view.h"
#include "views/view_common.h"
#include "views/wing_outline.h"

namespace tv {

QPoint handlePosition(const Wing& wing, double scale, QSize image, int h) {
    const PlanformOrigin o = planformOrigin(image);
    const int s = handleSection(h);
    const double y = double(wing.SectionY[s]) * scale;
    const double x = (sectionLeadingEdge(wing, s) + (handleIsTrailing(h) ? wing.Chord[s] : 0)) * scale;
    return {o.a + (handleIsLeft(h) ? -roundPixel(y) : roundPixel(y)), o.p + roundPixel(x)};
}

void drawPlanformHandles(QPainter& p, QSize image, const Wing& wing, double scale, const QColor& colour, int hovered) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    setPen(p, colour);
    const int last = 4 * drawnSections(wing);
    for (int h = 1; h <= last; ++h) {
        const QPoint c = handlePosition(wing, scale, image, h);
        p.setBrush(h == hovered ? QBrush(colour) : QBrush(Qt::NoBrush));
        p.drawRect(c.x() - 2, c.y() - 2, 4, 4);
    }
    p.restore();
}

void drawRubberBand(QPainter& p, QSize image, const Wing& preview, double scale, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(colour);
    pen.setStyle(Qt::DashLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    const PlanformOrigin o = planformOrigin(image);
    drawWingOutline(p, preview, {o.a, o.p}, scale);
    p.restore();
}

} // namespace tv
