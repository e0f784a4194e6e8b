#include "views/result_placement.h"

#include "views/view_common.h"
#include "views/wing_outline.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

namespace tv {
namespace {

struct RowRange {
    double top, bottom;
};

// Rows the polygon's area covers within the columns [left, right]: the extreme rows of its edges
// clipped to the band, which for any closed polygon bound its part inside the band.
std::optional<RowRange> rowsWithin(const QPolygon& poly, double left, double right) {
    std::optional<RowRange> r;
    const auto take = [&](double y) {
        if (!r) r = RowRange{y, y};
        r->top = std::min(r->top, y);
        r->bottom = std::max(r->bottom, y);
    };
    for (int i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        if (a.x() == b.x()) {
            if (a.x() >= left && a.x() <= right) {
                take(a.y());
                take(b.y());
            }
            continue;
        }
        double t0 = (left - a.x()) / (b.x() - a.x()), t1 = (right - a.x()) / (b.x() - a.x());
        if (t0 > t1) std::swap(t0, t1);
        t0 = std::max(t0, 0.0);
        t1 = std::min(t1, 1.0);
        if (t0 > t1) continue;
        take(a.y() + t0 * (b.y() - a.y()));
        take(a.y() + t1 * (b.y() - a.y()));
    }
    return r;
}

// The shift of box clear of every area and inside the image nearest to none, if any.
std::optional<int> clearShift(const std::vector<QPolygon>& areas, QSize image, const QRect& box) {
    const int c = kResultClearance, h = box.height();
    const int lowest = 2, highest = image.height() - 2 - h; // inside the one-pixel frame
    std::vector<RowRange> blocked; // box tops that come within c of an area
    for (const QPolygon& a : areas)
        if (const auto r = rowsWithin(a, box.left() - c, box.right() + c))
            blocked.push_back({r->top - c - h + 1, r->bottom + c});
    std::vector<int> tops{box.top(), lowest, highest};
    for (const RowRange& b : blocked) {
        tops.push_back(int(std::floor(b.top)) - 1);
        tops.push_back(int(std::ceil(b.bottom)) + 1);
    }
    std::optional<int> best;
    for (const int t : tops) {
        if (t < lowest || t > highest) continue;
        const bool free = std::none_of(blocked.begin(), blocked.end(),
                                       [&](const RowRange& b) { return t >= b.top && t <= b.bottom; });
        if (free && (!best || std::abs(t - box.top()) < std::abs(*best))) best = t - box.top();
    }
    return best;
}

AircraftViewGeometry shrunk(const AircraftViewGeometry& g, double factor, int imageHeight) {
    const int top = roundPixel(imageHeight / 7.0); // where the fit puts the most forward point
    AircraftViewGeometry s = g;
    s.AircraftScale = g.AircraftScale * factor;
    s.AircraftBaseScale = g.AircraftBaseScale * factor;
    s.AircraftDatumY = top + roundPixel((g.AircraftDatumY - top) * factor);
    return s;
}

} // namespace

std::optional<int> clearRowShift(const std::vector<QPolygon>& areas, QSize image, const QRect& box) {
    return clearShift(areas, image, box);
}

QPolygon referenceOutlinePolygon(int imageWidth, const Outline& outline, const AircraftViewGeometry& g) {
    QPolygon poly;
    const int count = std::clamp(outline.count, 0, int(outline.x.size()) - 1);
    for (int i = 1; i <= count; ++i)
        poly << QPoint(roundPixel(imageWidth / 2.0 - outline.y[i] * g.AircraftScale),
                       roundPixel(outline.x[i] * g.AircraftScale + g.AircraftDatumY));
    return poly;
}

std::vector<QPolygon> drawnWingAreas(const Aircraft& ac, const Outline* reference, int imageWidth,
                                     const AircraftViewGeometry& g) {
    std::vector<QPolygon> areas;
    for (int w = 1; w <= std::min(ac.WingCount, kWingMax); ++w) {
        const Wing& wing = ac.Wings[w];
        const QPoint root(g.AircraftCentreX, roundPixel(wing.PositionX * g.AircraftScale + g.AircraftDatumY));
        for (QPolygon& q : wingTrapezia(wing, root, g.AircraftScale)) areas.push_back(std::move(q));
    }
    if (reference) areas.push_back(referenceOutlinePolygon(imageWidth, *reference, g));
    return areas;
}

QRect resultLinesBox(const QFontMetrics& fm, const std::vector<ResultLine>& lines) {
    if (lines.empty()) return {};
    int widest = 0;
    for (const ResultLine& l : lines)
        widest = std::max(widest, fm.horizontalAdvance(QString::fromUtf8(l.text.data(), qsizetype(l.text.size()))));
    const int top = lines.front().row;
    return QRect(kResultColumn, top, widest, lines.back().row - top + fm.height());
}

AircraftViewGeometry placeResultLines(const Aircraft& ac, const Outline* reference, QSize image,
                                      const AircraftViewGeometry& g, const QRect& box) {
    const auto tryWith = [&](const AircraftViewGeometry& geom) -> std::optional<AircraftViewGeometry> {
        const auto shift = clearShift(drawnWingAreas(ac, reference, image.width(), geom), image, box);
        if (!shift) return std::nullopt;
        AircraftViewGeometry placed = geom;
        placed.ResultLinesShift = *shift;
        return placed;
    };
    if (const auto placed = tryWith(g)) return *placed;
    const bool magnified = g.AircraftScale > g.AircraftBaseScale; // the user's zoom is kept
    if (!magnified)
        for (int tenths = 9; tenths >= 3; --tenths)
            if (const auto placed = tryWith(shrunk(g, tenths / 10.0, image.height()))) return *placed;
    AircraftViewGeometry standard = g;
    standard.ResultLinesShift = 0;
    return standard;
}

} // namespace tv
