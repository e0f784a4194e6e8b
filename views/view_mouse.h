#pragma once
// Mouse rules of the 3D view and the aircraft view as pure logic on the shared drag state.
#include "views/planform_edit.h"

#include <QPoint>

namespace tv {

/// Positions of the 3D view's bars: elevation ScrollBar1 (0..90), azimuth ScrollBar2 (0..360),
/// zoom ScrollBar4 (10..97).
struct View3DBars {
    int elevation = 80;
    int azimuth = 250;
    int zoom = 75;
};
View3DBars clampBars(View3DBars bars);

/// Press on the 3D view: DragOrigin = pos, ButtonReleased = false.
void view3DMouseDown(DragState& st, QPoint pos);
/// Release on the 3D view: DragOrigin = pos, ButtonReleased = true.
void view3DMouseUp(DragState& st, QPoint pos);

/// Move on the 3D view (ignored while ButtonReleased): the left button turns (elevation +=
/// trunc((origin.y - y) / 3), azimuth += trunc((x - origin.x) / 3)); then the right button zooms
/// (zoom += trunc((origin.y - y) / 3), azimuth likewise), each step moving the origin to the
/// pointer. Returns the new bar positions, clamped; the window sets those that changed, whose
/// change handlers redraw.
View3DBars view3DMouseMove(DragState& st, View3DBars bars, bool leftHeld, bool rightHeld, QPoint pos);

// The aircraft view has no drag of its own: a press only shows the leader lines and the release
// redraws at the fitted scale (AircraftDragReleased stays true), so a press-and-drag does not
// magnify. The magnification bar's geometry is magnifiedGeometry (aircraft_view.h).

} // namespace tv
