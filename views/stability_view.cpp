#include "views/stability_view.h"

#include "views/result_placement.h"

#include <algorithm>

namespace tv {
namespace {

void drawReferenceOutline(QPainter& p, int imageWidth, const Outline& outline, const AircraftViewGeometry& g,
                          const QColor& light3D) {
    const QPolygon poly = referenceOutlinePolygon(imageWidth, outline, g);
    setPen(p, light3D, 1);
    p.setBrush(light3D);
    if (poly.size() >= 2) p.drawPolygon(poly);
}

void drawResultLines(QPainter& p, const StabilityScene& sc, const std::vector<ResultLine>& lines, int shift) {
    p.setBackgroundMode(Qt::OpaqueMode);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool lightFirst = i == 0 && sc.LatticeKnown;
        p.setBackground(lightFirst ? sc.colours.light3D : sc.colours.toolTipBackground);
        setPen(p, QColor::fromRgb(lines[i].rgb));
        textOut(p, kResultColumn, lines[i].row + shift, lines[i].text);
    }
    p.setBackgroundMode(Qt::TransparentMode);
}

void tick(QPainter& p, int c, int half, int row) { p.drawLine(c - half, row, c + half, row); }

void drawMarkers(QPainter& p, int imageWidth, const StabilityScene& sc, const StabilityNumbers& n,
                 const AircraftViewGeometry& g) {
    const int c = markerColumn(imageWidth);
    setPen(p, Qt::red, 2);
    tick(p, c, 4, markerRow(g, sc.reference.NeutralPointX));
    setPen(p, Qt::blue, 2);
    if (sc.manual) {
        if (n.DesiredMarginAccepted) tick(p, c, 3, markerRow(g, n.CgDesired));
    } else {
        tick(p, c, 3, markerRow(g, n.CgLow));
        p.drawLine(c, markerRow(g, n.CgLow), c, markerRow(g, n.CgHigh));
        tick(p, c, 3, markerRow(g, n.CgHigh));
    }
    setPen(p, Qt::blue, 1);
}

// Pixel width of a result line as drawn, its trailing blanks left out.
int textWidth(const QFontMetrics& fm, const std::string& utf8) {
    QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return fm.horizontalAdvance(text);
}

void drawLeader(QPainter& p, const LeaderLine& l) {
    p.drawLine(l.start, l.knee);
    p.drawLine(l.knee, l.end);
}

} // namespace

int markerRow(const AircraftViewGeometry& g, double x) { return roundPixel(x * g.AircraftScale + g.AircraftDatumY); }

int markerColumn(int imageWidth) { return roundPixel(imageWidth / 2.0); }

StabilityPicture STABIL(QPainter& p, QSize image, const StabilityScene& sc, const AircraftViewGeometry& fitted) {
    StabilityPicture out;
    out.geometry = fitted;
    if (!sc.NeutralPointKnown || sc.aircraft == nullptr) {
        out.label21 = kMarginLabelUnknown;
        return out;
    }
    out.numbers = sc.numbers;
    const auto lines = stabilityResultLines(sc.lang, sc.manual, sc.reference, out.numbers, sc.units);
    const bool latticeShown = !sc.fromOpenFile && sc.LatticeKnown && sc.solver != nullptr;
    const QRect box = resultLinesBox(p.fontMetrics(), lines);
    const Outline* outline = latticeShown ? &sc.solver->ReferenceOutline : nullptr;
    const AircraftViewGeometry g = placeResultLines(*sc.aircraft, outline, image, fitted, box);
    out.geometry = g;
    out.resultBox = box.translated(0, g.ResultLinesShift);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    clearImage(p, image, sc.colours.toolTipBackground, kGreyOutline);
    if (latticeShown) {
        drawReferenceOutline(p, image.width(), sc.solver->ReferenceOutline, g, sc.colours.light3D);
        LatticeOverlayOptions o = sc.overlay;
        o.toolTipBackground = sc.colours.toolTipBackground;
        o.startBrush = sc.colours.light3D; // the brush the outline left on the canvas
        DrawGrid(p, image.width(), g, *sc.solver, o);
    }
    d_1d(p, image, *sc.aircraft, g, sc.flightCaption);
    drawResultLines(p, sc, lines, g.ResultLinesShift);
    drawMarkers(p, image.width(), sc, out.numbers, g);
    drawBalanceMarks(p, g, sc.balance, {out.resultBox, drawnWingAreas(*sc.aircraft, outline, image.width(), g), image});
    p.restore();
    out.drawn = true;
    out.label21 = marginLabelText(sc.lang, sc.reference.NeutralPointX, out.numbers, sc.units);
    return out;
}

std::vector<LeaderLine> leaderLines(const QFontMetrics& fm, int imageWidth, UiLanguage lang, bool manual,
                                    const ReferenceValues& ref, const StabilityNumbers& n,
                                    const AircraftViewGeometry& g, const DisplayUnits& units) {
    const auto lines = stabilityResultLines(lang, manual, ref, n, units);
    int widest = 0;
    for (const ResultLine& l : lines) widest = std::max(widest, textWidth(fm, l.text));
    // Each leader leaves its line 8 pixels below the line's top, after the text; the turn lies
    // right of the widest line, so the slanted part crosses no text on its way to the mark.
    const int knee = std::max(kLeaderKnee, kResultColumn + widest + 6);
    const int c = markerColumn(imageWidth);
    std::vector<LeaderLine> out;
    for (const ResultLine& l : lines) {
        if (!l.markX) continue;
        const int row = l.row + g.ResultLinesShift + 8;
        const int start = std::max(kLeaderStart, kResultColumn + textWidth(fm, l.text) + 3);
        out.push_back({QColor::fromRgb(l.rgb), QPoint(start, row), QPoint(std::max(knee, start), row),
                       QPoint(c - 7, markerRow(g, *l.markX))});
    }
    return out;
}

void Zeiger(QPainter& p, int imageWidth, UiLanguage lang, bool manual, const ReferenceValues& ref,
            const StabilityNumbers& n, const AircraftViewGeometry& g, const DisplayUnits& units) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const LeaderLine& l : leaderLines(p.fontMetrics(), imageWidth, lang, manual, ref, n, g, units)) {
        setPen(p, l.colour);
        drawLeader(p, l);
    }
    p.restore();
}

} // namespace tv
