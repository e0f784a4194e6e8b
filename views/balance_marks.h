#pragma once
// The balance marks on the aircraft view: the reference wing's mean aerodynamic chord as a line
// along x at its span station on the left half (the right one carries the lattice) with ticks at
// its leading and trailing edge, the recommended centre-of-gravity range as a thick bar beside it
// where it lies on the chord, and the designer's own CG as a mark on the line (extended dotted to
// a CG off the chord) in the colour of its verdict with its caption beside it (the colour is
// never alone). Marks never cover the result lines: a mark that would goes to the centre column.
#include "stability/balance.h"
#include "views/aircraft_view.h"

#include <QColor>
#include <QPainter>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <optional>
#include <string>
#include <vector>

namespace tv {

struct BalanceMarks {
    std::optional<MeanChord> mac;    // of the reference wing; nothing is drawn without it
    std::optional<double> cgForward, cgAft; // mm, aircraft frame: the recommended range
    std::optional<double> myCg;      // mm, aircraft frame
    CgVerdict verdict = CgVerdict::Inside;
    bool verdictKnown = false;       // the My CG mark is drawn in its verdict's colour, else black
    std::string myCgCaption;         // UTF-8, beside the mark: "My CG: inside"
    QColor captionBackground = QColor(255, 255, 225); // the caption stands on it, legible over any wing
};

/// The colour of a verdict, on the view, the page and the strip alike.
QColor verdictColour(CgVerdict v);

/// Pixel column of the mean chord's line: the span station left of the centre line.
int meanChordColumn(const AircraftViewGeometry& g, double stationY);

/// What the marks keep clear of: the result lines' box and the areas the wings cover as drawn
/// (drawnWingAreas of views/result_placement.h, the reference outline included).
struct MarksSurroundings {
    QRect resultLines;
    std::vector<QPolygon> wings;
    QSize image;
};

/// Where the marks are drawn: the boxes of the chord, the range, My CG and its caption; empty
/// without a mean chord. The caption stands beside the mark, towards the tip where it fits in the
/// image, else towards the centre line; where that covers a wing or the result lines it moves up
/// or down to the nearest rows clear of both (as the result lines do), a leader line to the mark.
QRegion balanceMarksArea(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m,
                         const MarksSurroundings& around = {});
/// The caption's box alone (empty without a caption).
QRect balanceCaptionBox(const QFontMetrics& fm, const AircraftViewGeometry& g, const BalanceMarks& m,
                        const MarksSurroundings& around = {});

/// Draws the marks over the aircraft view drawn with g, clear of `around`.
void drawBalanceMarks(QPainter& p, const AircraftViewGeometry& g, const BalanceMarks& m,
                      const MarksSurroundings& around = {});

} // namespace tv
