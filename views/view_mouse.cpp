#include "views/view_mouse.h"

#include <algorithm>

namespace tv {

View3DBars clampBars(View3DBars b) {
    return {std::clamp(b.elevation, 0, 90), std::clamp(b.azimuth, 0, 360), std::clamp(b.zoom, 10, 97)};
}

void view3DMouseDown(DragState& st, QPoint pos) {
    st.DragOrigin = pos;
    st.ButtonReleased = false;
}

void view3DMouseUp(DragState& st, QPoint pos) {
    st.DragOrigin = pos;
    st.ButtonReleased = true;
}

View3DBars view3DMouseMove(DragState& st, View3DBars bars, bool leftHeld, bool rightHeld, QPoint pos) {
    if (st.ButtonReleased) return bars;
    // Integer division cuts towards zero, as the turning rule asks.
    if (leftHeld) {
        bars.elevation += (st.DragOrigin.y() - pos.y()) / 3;
        bars.azimuth += (pos.x() - st.DragOrigin.x()) / 3;
        bars = clampBars(bars);
        st.DragOrigin = pos;
    }
    if (rightHeld) {
        bars.zoom += (st.DragOrigin.y() - pos.y()) / 3;
        bars.azimuth += (pos.x() - st.DragOrigin.x()) / 3;
        bars = clampBars(bars);
        st.DragOrigin = pos;
    }
    return bars;
}

} // namespace tv
