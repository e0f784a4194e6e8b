#include "views/balance_marks.h"

#include "views/stability_view.h"
#include "views/view_common.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kTickHalf = 6;   // pixels either side of the chord line
constexpr int kRangeWidth = 4; // pen width of the CG range bar
constexpr int kMarkHalf = 4;   // half size of the My CG diamond
constexpr int kCaptionGap = 18; // pixels from the line to the caption, clear of the range bar
constexpr int kRangeOffset = 9; // the range bar stands this far outboard of the line, beside the My CG mark

/// Left of the line, towards the tip, where it fits: the centre column keeps the neutral-point and
/// CG marks free. Else right of it.
int captionLeft(const QFontMetrics& fm, int c, const std::string& caption) {
    const int width = fm.horizontalAdvance(QString::fromStdString(caption));
    return c - kCaptionGap - width >= 2 ? c - kCaptionGap - width : c + kCaptionGap;
}

QPolygon diamond(int c, int r) {
    return QPolygon({QPoint(c, r - kMarkHalf), QPoint(c + kMarkHalf, r), QPoint(c, r + kMarkHalf), QPoint(c - kMarkHalf, r)});
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

QRect balanceMarksBox(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m) {
    if (!m.mac) return {};
    const int c = meanChordColumn(g, m.mac->StationY);
    int top = markerRow(g, m.mac->LeadingEdgeX), bottom = markerRow(g, m.mac->LeadingEdgeX + m.mac->Length);
    int left = c - kRangeOffset - kRangeWidth, right = c + kTickHalf;
    for (const std::optional<double>& x : {m.cgForward, m.cgAft, m.myCg})
        if (x) top = std::min(top, markerRow(g, *x)), bottom = std::max(bottom, markerRow(g, *x));
    if (m.myCg && !m.myCgCaption.empty()) {
        const int r = markerRow(g, *m.myCg);
        const int x = captionLeft(fm, c, m.myCgCaption);
        left = std::min(left, x);
        right = std::max(right, x + fm.horizontalAdvance(QString::fromStdString(m.myCgCaption)));
        top = std::min(top, r - fm.height() / 2);
        bottom = std::max(bottom, r + fm.height() / 2);
    }
    return QRect(QPoint(left, top - kMarkHalf), QPoint(right, bottom + kMarkHalf));
}

void drawBalanceMarks(QPainter& p, const AircraftViewGeometry& g, const BalanceMarks& m) {
    if (!m.mac) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    const int c = meanChordColumn(g, m.mac->StationY);
    const int le = markerRow(g, m.mac->LeadingEdgeX), te = markerRow(g, m.mac->LeadingEdgeX + m.mac->Length);
    setPen(p, Qt::black, 2);
    p.drawLine(c, le, c, te);
    p.drawLine(c - kTickHalf, le, c + kTickHalf, le);
    p.drawLine(c - kTickHalf, te, c + kTickHalf, te);
    if (m.cgForward && m.cgAft) {
        setPen(p, Qt::blue, kRangeWidth);
        p.drawLine(c - kRangeOffset, markerRow(g, *m.cgForward), c - kRangeOffset, markerRow(g, *m.cgAft));
    }
    if (m.myCg) {
        const QColor colour = m.verdictKnown ? verdictColour(m.verdict) : QColor(Qt::black);
        const int r = markerRow(g, *m.myCg);
        setPen(p, colour, 1);
        p.setBrush(colour);
        p.drawPolygon(diamond(c, r));
        p.setBrush(Qt::NoBrush);
        if (!m.myCgCaption.empty()) {
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(m.captionBackground);
            textOut(p, captionLeft(p.fontMetrics(), c, m.myCgCaption), r - p.fontMetrics().height() / 2, m.myCgCaption);
        }
    }
    p.restore();
}

} // namespace tv
