#include "views/wing_outline.h"

#include "views/view_common.h"

#include <QPolygon>

#include <algorithm>

namespace tv {
namespace {

// Pixel of one corner: leading or trailing edge of section s on the right or left half.
struct CornerMap {
    const Wing& wing;
    QPoint root;
    double scale;
    QPoint operator()(int s, bool trailing, bool left) const {
        const double x = sectionLeadingEdge(wing, s) + (trailing ? double(wing.Chord[s]) : 0.0);
        const int across = roundPixel(double(wing.SectionY[s]) * scale);
        return {left ? root.x() - across : root.x() + across, root.y() + roundPixel(x * scale)};
    }
};

} // namespace

int drawnTrapezia(const Wing& wing) { return std::clamp(wing.TrapeziumCount, 1, kTrapeziumMax); }

double sectionLeadingEdge(const Wing& wing, int s) { return s <= 1 ? 0.0 : double(wing.XOffset[s]); }

std::vector<QPolygon> wingTrapezia(const Wing& wing, QPoint root, double scale) {
    const CornerMap at{wing, root, scale};
    constexpr bool LE = false, TE = true;
    std::vector<QPolygon> out;
    for (bool left : {false, true})
        for (int k = 1; k <= drawnTrapezia(wing); ++k)
            out.push_back(QPolygon{at(k, LE, left), at(k + 1, LE, left), at(k + 1, TE, left), at(k, TE, left)});
    return out;
}

void drawWingOutline(QPainter& p, const Wing& wing, QPoint root, double scale) {
    const CornerMap at{wing, root, scale};
    constexpr bool LE = false, TE = true;
    for (bool left : {false, true}) {
        // The right half runs out along the leading edge, the left half out along the trailing edge.
        QPolygon first = left ? QPolygon{at(1, TE, left), at(2, TE, left), at(2, LE, left), at(1, LE, left)}
                              : QPolygon{at(1, LE, left), at(2, LE, left), at(2, TE, left), at(1, TE, left)};
        if (wing.RootOffset != 0) first << first.front();
        p.drawPolyline(first);
    }
    for (int k = 2; k <= drawnTrapezia(wing); ++k)
        for (bool left : {false, true})
            p.drawPolyline(QPolygon{at(k, LE, left), at(k + 1, LE, left), at(k + 1, TE, left), at(k, TE, left)});
}

} // namespace tv
