#pragma once
// The aircraft view: a top view of all wings to one common scale, fuselage axis as the vertical
// centre line, flight direction up (model x aft runs down, span across, right half to the right).
#include "model/aircraft.h"

#include <QPainter>
#include <QSize>

#include <array>
#include <string>

namespace tv {

/// Scale and origin of the aircraft view, fixed by the fit; read by the stability marks, the
/// lattice overlay and the 3D view.
struct AircraftViewGeometry {
    double AircraftScale = 1;     // pixels per mm of the drawing
    double AircraftBaseScale = 1; // pixels per mm found by the fit
    double View3DScale = 1;       // starting model-to-3D scale of the 3D view
    int AircraftCentreX = 0;      // pixel column of y = 0
    int AircraftDatumY = 0;       // pixel row of x = 0
    std::array<int, kWingMax + 1> DrawRank{}; // [1..5] drawing order from PositionZ, 1..5
    int ResultLinesShift = 0;     // rows the stability result lines stand below (< 0: above) their standard rows
};

/// DrawRank[i] = 1 + number of the five wings (taking part or not) with a smaller PositionZ.
std::array<int, kWingMax + 1> computeDrawRank(const Aircraft& ac);

/// Fits the taking-part wings into the image: span into W/2.03, x extent into H/1.26, the most
/// forward point H/7 below the top edge. A fit that is not finite and positive (every extent 0)
/// falls back to 1.0 pixel per mm.
AircraftViewGeometry fitAircraftView(const Aircraft& ac, QSize image);

/// The geometry of the magnification control at position 10..100: AircraftScale =
/// base + (100 - position) * base * 0.04, the origin unchanged.
AircraftViewGeometry magnifiedGeometry(const AircraftViewGeometry& fitted, int position);

/// Draws axes, flight-direction arrow and caption and the wings in DrawRank order with the given
/// geometry (d_1d without its fit step; call fitAircraftView first for a refit). Draws over what
/// the image holds; callers clear it first as they need. flightCaption is UTF-8.
void d_1d(QPainter& p, QSize image, const Aircraft& ac, const AircraftViewGeometry& g,
          const std::string& flightCaption);

/// The red flight-direction caption with its top-left corner at (x, 2): transparent as the view
/// draws it, or opaque on `opaqueOn` as the language switch writes it over the view's own.
void drawFlightCaption(QPainter& p, int x, const std::string& text, const QColor* opaqueOn = nullptr);

/// One wing's outline in its colour (nothing when w > WingCount).
void d_1d_w(QPainter& p, const Aircraft& ac, int w, const AircraftViewGeometry& g);

} // namespace tv
