#pragma once
// The stability picture on the aircraft view: background, reference outline and lattice (while
// the lattice of the current model is known), the aircraft, the result lines, the neutral-point
// and centre-of-gravity marks; and the leader lines from the result lines to the marks.
#include "stability/stability.h"
#include "views/aircraft_view.h"
#include "views/balance_marks.h"
#include "views/lattice_overlay.h"
#include "views/view_common.h"

#include <QPainter>
#include <QSize>

#include <string>
#include <vector>

namespace tv {

struct StabilityScene {
    const Aircraft* aircraft = nullptr;     // computed model
    const SolverWorkspace* solver = nullptr; // lattice, loads and ReferenceOutline (may be null without a lattice)
    UiLanguage lang = UiLanguage::English;
    DisplayUnits units;             // what the result lines' lengths and area are written in
    bool manual = false;            // RadioButton16 "Manual choice of stability"
    bool NeutralPointKnown = false;
    bool LatticeKnown = false;
    bool fromOpenFile = false;      // called by the open-file command: no outline, no lattice
    ReferenceValues reference;      // NeutralPointX, ReferenceChord, ReferenceArea
    StabilityNumbers numbers;       // the result's margins and CG positions, for the margin it was given
    LatticeOverlayOptions overlay;  // pressure switch and gain for the lattice
    SystemColours colours;
    std::string flightCaption;      // TxtFlightDirection, drawn by the aircraft view
    BalanceMarks balance;           // mean chord, CG range and My CG over the picture (none: nothing)
};

struct StabilityPicture {
    bool drawn = false;             // false: no neutral point, the image was left alone
    std::string label21;            // the label beside the margin field
    StabilityNumbers numbers;
    AircraftViewGeometry geometry;  // what the aircraft view was drawn with, the result lines' place included
    QRect resultBox;                // what the result lines cover (empty when nothing was drawn)
};

/// Pixel row of model x on the aircraft view: round(x * AircraftScale + AircraftDatumY).
int markerRow(const AircraftViewGeometry& g, double x);
/// Column of the markers: round(W / 2).
int markerColumn(int imageWidth);

/// STABIL's drawing. geometry is the aircraft view's (fitAircraftView for a refit, or the
/// magnified one). The result lines go where no wing is drawn (placeResultLines: moved along the
/// left edge, or the fitted drawing shrunk); the geometry so placed, returned in the picture, is
/// used for the outline, the lattice, the aircraft, the marks and the leader lines alike.
StabilityPicture STABIL(QPainter& p, QSize image, const StabilityScene& scene, const AircraftViewGeometry& geometry);

/// One leader line: a level piece from start to knee on the result line, then on to the mark.
struct LeaderLine {
    QColor colour;
    QPoint start, knee, end;
};
inline constexpr int kLeaderStart = 162; // the level piece starts here at the least
inline constexpr int kLeaderKnee = 176;  // and turns here at the least

/// The leader lines of the centre-of-gravity lines (blue) and the neutral-point line (red): each
/// starts 8 pixels below its line's top (its row moved by g.ResultLinesShift), right of its text as measured with fm, runs level to
/// the right of the widest line and then to (c - 7, marker row).
std::vector<LeaderLine> leaderLines(const QFontMetrics& fm, int imageWidth, UiLanguage lang, bool manual,
                                    const ReferenceValues& ref, const StabilityNumbers& n,
                                    const AircraftViewGeometry& g, const DisplayUnits& units = kMetricUnits);

/// Draws the leader lines (Zeiger) with the painter's font.
void Zeiger(QPainter& p, int imageWidth, UiLanguage lang, bool manual, const ReferenceValues& ref,
            const StabilityNumbers& n, const AircraftViewGeometry& g, const DisplayUnits& units = kMetricUnits);

} // namespace tv
