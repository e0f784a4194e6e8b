#include "views/balance_marks.h"

#include "views/result_placement.h"
#include "views/stability_view.h"
#include "views/view_common.h"

#include <algorithm>
#include <cstdlib>

namespace tv {
namespace {

constexpr int kTickHalf = 6;    // pixels either side of the chord line
constexpr int kRangeWidth = 4;  // pen width of the CG range bar
constexpr int kMarkHalf = 4;    // half size of the My CG diamond
constexpr int kCaptionGap = 18; // pixels from the mark to the caption, clear of the range bar
constexpr int kRangeOffset = 9; // the range bar stands this far outboard of the line, beside the My CG mark

/// Where each mark goes, for the drawing and its box alike.
struct MarksLayout {
    int c = 0, le = 0, te = 0;          // the chord line: column, leading and trailing edge rows
    std::optional<std::pair<int, int>> range; // rows of the range bar, within the chord
    std::optional<QPoint> myCg;         // the diamond's centre
    QRect caption;                      // empty without a caption
};

QRect diamondBox(QPoint at) { return QRect(at - QPoint(kMarkHalf, kMarkHalf), at + QPoint(kMarkHalf, kMarkHalf)); }

/// The caption beside the mark at its row: left of it (towards the tip) where it fits and keeps off
/// the result lines, else right of it.
QRect captionBesideMark(const QFontMetrics& fm, QPoint mark, int width, const QRect& avoid) {
    const QRect left(mark.x() - kCaptionGap - width, mark.y() - fm.height() / 2, width, fm.height());
    const bool leftFree = left.left() >= 2 && !left.intersects(avoid);
    return leftFree ? left : left.translated(2 * kCaptionGap + width, 0);
}

/// The caption's box: beside the mark, moved up or down to the nearest rows where it covers no wing
/// and not the result lines (the side that needs the smaller move; towards the tip on a tie). Where
/// no rows are clear, or nothing is known of the image, beside the mark.
QRect captionBox(const QFontMetrics& fm, QPoint mark, const std::string& caption, const MarksSurroundings& around) {
    const int width = fm.horizontalAdvance(QString::fromStdString(caption));
    const QRect beside = captionBesideMark(fm, mark, width, around.resultLines);
    if (around.image.isEmpty()) return beside;
    std::vector<QPolygon> areas = around.wings;
    if (!around.resultLines.isEmpty()) areas.push_back(QPolygon(around.resultLines, true));
    const QRect left(mark.x() - kCaptionGap - width, mark.y() - fm.height() / 2, width, fm.height());
    std::optional<QRect> best;
    for (const QRect& side : {left, left.translated(2 * kCaptionGap + width, 0)}) {
        if (side.left() < 2 || side.right() > around.image.width() - 3) continue;
        const std::optional<int> shift = clearRowShift(areas, around.image, side);
        if (shift && (!best || std::abs(*shift) < std::abs(best->top() - side.top()))) best = side.translated(0, *shift);
    }
    return best ? *best : beside;
}

// The range is drawn where it lies on the chord (the centre column shows it whole). My CG stands
// on the chord line, extended where it lies ahead of or behind the chord; where it would cover the
// result lines there, it goes to the centre column with the neutral-point and CG marks.
MarksLayout layOut(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m,
                   const MarksSurroundings& around) {
    const QRect& avoid = around.resultLines;
    MarksLayout l;
    l.c = meanChordColumn(g, m.mac->StationY);
    l.le = markerRow(g, m.mac->LeadingEdgeX);
    l.te = markerRow(g, m.mac->LeadingEdgeX + m.mac->Length);
    if (m.cgForward && m.cgAft) {
        const int a = std::max(l.le, markerRow(g, *m.cgForward)), b = std::min(l.te, markerRow(g, *m.cgAft));
        if (a <= b) l.range = {a, b};
    }
    if (!m.myCg) return l;
    QPoint at(l.c, markerRow(g, *m.myCg));
    const QRect extension = QRect(QPoint(l.c, std::clamp(at.y(), l.le, l.te)), at).normalized();
    if (diamondBox(at).intersects(avoid) || extension.intersects(avoid)) at.setX(g.AircraftCentreX);
    l.myCg = at;
    if (!m.myCgCaption.empty()) l.caption = captionBox(fm, at, m.myCgCaption, around);
    return l;
}

/// The point of the caption's box nearest the mark, where a leader line to a moved caption starts.
QPoint nearestPoint(const QRect& box, QPoint to) {
    return QPoint(std::clamp(to.x(), box.left(), box.right()), std::clamp(to.y(), box.top(), box.bottom()));
}

} // namespace

QColor verdictColour(CgVerdict v) {
    switch (v) {
    case CgVerdict::Inside: return QColor(0, 128, 0);
    case CgVerdict::NoseHeavy: return QColor(200, 110, 0);
    case CgVerdict::TooFarAft: return QColor(200, 110, 0);
    case CgVerdict::Unstable: return QColor(220, 0, 0);
    }
    return Qt::black;
}

int meanChordColumn(const AircraftViewGeometry& g, double stationY) {
    return roundPixel(g.AircraftCentreX - stationY * g.AircraftScale);
}

QRegion balanceMarksArea(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m,
                         const MarksSurroundings& around) {
    if (!m.mac) return {};
    const MarksLayout l = layOut(fm, g, m, around);
    QRegion area(QRect(QPoint(l.c - kTickHalf, l.le), QPoint(l.c + kTickHalf, l.te)));
    if (l.range) area += QRect(QPoint(l.c - kRangeOffset - kRangeWidth / 2, l.range->first),
                               QPoint(l.c - kRangeOffset + kRangeWidth / 2, l.range->second));
    if (l.myCg) {
        area += diamondBox(*l.myCg);
        // The dotted extension from the chord to a mark ahead of or behind it.
        if (l.myCg->x() == l.c) area += QRect(QPoint(l.c, std::clamp(l.myCg->y(), l.le, l.te)), *l.myCg).normalized();
    }
    if (!l.caption.isEmpty()) area += l.caption;
    return area;
}

QRect balanceCaptionBox(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m,
                        const MarksSurroundings& around) {
    return m.mac ? layOut(fm, g, m, around).caption : QRect();
}

void drawBalanceMarks(QPainter& p, const AircraftViewGeometry& g, const BalanceMarks& m, const MarksSurroundings& around) {
    if (!m.mac) return;
    const MarksLayout l = layOut(p.fontMetrics(), g, m, around);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    setPen(p, Qt::black, 2);
    p.drawLine(l.c, l.le, l.c, l.te);
    p.drawLine(l.c - kTickHalf, l.le, l.c + kTickHalf, l.le);
    p.drawLine(l.c - kTickHalf, l.te, l.c + kTickHalf, l.te);
    if (l.range) {
        setPen(p, Qt::blue, kRangeWidth);
        p.drawLine(l.c - kRangeOffset, l.range->first, l.c - kRangeOffset, l.range->second);
    }
    if (l.myCg) {
        const QColor colour = m.verdictKnown ? verdictColour(m.verdict) : QColor(Qt::black);
        const QPoint at = *l.myCg;
        if (at.x() == l.c && (at.y() < l.le || at.y() > l.te)) {
            QPen dotted(Qt::black, 1, Qt::DotLine);
            p.setPen(dotted);
            p.drawLine(l.c, at.y() < l.le ? l.le : l.te, l.c, at.y());
        }
        setPen(p, colour, 1);
        p.setBrush(colour);
        p.drawPolygon(QPolygon({at - QPoint(0, kMarkHalf), at + QPoint(kMarkHalf, 0), at + QPoint(0, kMarkHalf),
                                at - QPoint(kMarkHalf, 0)}));
        p.setBrush(Qt::NoBrush);
        if (!l.caption.isEmpty()) {
            if (!l.caption.contains(l.caption.left(), at.y())) {
                setPen(p, colour, 1);
                p.drawLine(nearestPoint(l.caption, at), at);
            }
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(m.captionBackground);
            textOut(p, l.caption.left(), l.caption.top(), m.myCgCaption);
        }
    }
    p.restore();
}

} // namespace tv
