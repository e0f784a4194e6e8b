#pragma once
// The lattice overlay on the aircraft view: every panel of the right half-wings as a
// quadrilateral in its wing's colour, tinted red for positive and blue for negative load while
// the pressure display is on.
#include "solver/workspace.h"
#include "views/aircraft_view.h"

#include <QColor>
#include <QPainter>

#include <array>

namespace tv {

struct LatticeOverlayOptions {
    int WingCount = 5;         // wings 1..WingCount are drawn (those of the last calculation)
    bool pressureOn = false;   // the switch "show pressure distribution:"
    int gain = 8;              // g = 100 - gain bar position, 1..80
    QColor toolTipBackground{255, 255, 225};
    QColor startBrush{255, 255, 225}; // brush the first panels are filled with (what the canvas holds)
};

/// Gain g from the gain bar's position (20..99 -> 80..1).
int pressureGain(int scrollBarPosition);

/// Tint of a panel with load v at gain g: (255, m, m) for v > 0, (m, m, 255) for v < 0 with
/// m = max(255 - R((g |v| 10000)^0.35), 0). Returns false (no tint) when g |v| 10000 is not positive.
bool panelTint(double v, int gain, QColor& tint);

/// DrawGrid1: the panels of wing w. Leaves the brush at the tooltip background.
void DrawGrid1(QPainter& p, int imageWidth, const AircraftViewGeometry& g, const SolverWorkspace& ws,
               int w, const LatticeOverlayOptions& o);

/// DrawGrid: DrawGrid1 for every drawn wing in DrawRank order (wing order within a rank).
void DrawGrid(QPainter& p, int imageWidth, const AircraftViewGeometry& g, const SolverWorkspace& ws,
              const LatticeOverlayOptions& o);

} // namespace tv
