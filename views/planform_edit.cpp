#include "views/planform_edit.h"

#include "model/numformat.h"
#include "views/planform_view.h"
#include "views/wing_outline.h"

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

std::string whole(double v) { return formatInt(roundHalfEven(v)); }

bool isLeadingEdgeMove(int h) { return h >= 5 && !handleIsTrailing(h); }

} // namespace

Qt::CursorShape cursorShape(PointerShape shape) {
    switch (shape) {
    case PointerShape::SizeHorizontal: return Qt::SizeHorCursor;
    case PointerShape::SizeVertical: return Qt::SizeVerCursor;
    case PointerShape::Move: return Qt::SizeAllCursor;
    case PointerShape::Cross: break;
    }
    return Qt::CrossCursor;
}

bool isShiftAlone(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
    const Qt::KeyboardModifiers relevant =
        keys & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return relevant == Qt::ShiftModifier && buttons == Qt::NoButton;
}

int handleSection(int h) { return (h - 1) / 4 + 1; }
bool handleIsLeft(int h) { return h % 2 == 0; }
bool handleIsTrailing(int h) { return (h - 1) % 4 >= 2; }

int planformHitTest(const Wing& wing, double scale, QSize image, QPoint pos) {
    const PlanformOrigin o = planformOrigin(image);
    const double dx = pos.x() - o.a, dy = pos.y() - o.p;
    // Only the drawn sections have handles: a hidden section's stored corner lies in what the
    // user sees as empty space.
    const int lastSection = std::clamp(wing.TrapeziumCount, 1, kTrapeziumMax) + 1;
    int found = 0;
    for (int h = 1; h <= kHandleCount; ++h) {
        const int s = handleSection(h);
        if (s > lastSection) break;
        const double y = double(wing.SectionY[s]);
        const double x = sectionLeadingEdge(wing, s) + (handleIsTrailing(h) ? wing.Chord[s] : 0);
        const double across = handleIsLeft(h) ? dx + y * scale : dx - y * scale;
        if (std::fabs(dy - x * scale) < 3 && std::fabs(across) < 3) found = h;
    }
    return found;
}

PointerShape handlePointer(int h) {
    if (h < 1 || h > kHandleCount) return PointerShape::Cross;
    if (handleIsTrailing(h)) return PointerShape::SizeVertical;
    return h <= 2 ? PointerShape::SizeHorizontal : PointerShape::Move;
}

std::vector<WingField> handleFields(int h, bool shiftAlone) {
    if (h < 1 || h > kHandleCount) return {};
    const int s = handleSection(h);
    if (handleIsTrailing(h)) return {chordField(s)};
    if (s == 1) return {WingField::RootOffset};
    std::vector<WingField> f{xOffsetField(s), spanField(s - 1)};
    if (shiftAlone)
        for (int t = s + 1; t <= kSectionMax; ++t) f.push_back(xOffsetField(t));
    return f;
}

FieldHighlight highlightedFields(int h, bool shiftAlone) {
    FieldHighlight on{};
    for (WingField f : handleFields(h, shiftAlone)) on[static_cast<int>(f)] = true;
    return on;
}

HoverResult planformMouseMove(DragState& st, const Wing& wing, double scale, QSize image, QPoint pos, bool shiftAlone) {
    st.HandleIndex = planformHitTest(wing, scale, image, pos);
    return {st.HandleIndex, handlePointer(st.HandleIndex), highlightedFields(st.HandleIndex, shiftAlone)};
}

void planformMouseDown(DragState& st, const Wing& wing, double scale, QSize image, QPoint pos) {
    st.GrabbedHandle = planformHitTest(wing, scale, image, pos);
    st.DragOrigin = pos;
    st.ButtonReleased = false;
}

std::vector<FieldWrite> planformMouseUp(DragState& st, const Wing& wing, double scale, QPoint pos, bool shiftAlone) {
    std::vector<FieldWrite> out;
    const int h = st.GrabbedHandle;
    if (h >= 1 && h <= kHandleCount && std::isfinite(scale) && scale > 0) {
        const double dX = (pos.x() - st.DragOrigin.x()) / scale;
        const double dY = (pos.y() - st.DragOrigin.y()) / scale;
        const int s = handleSection(h);
        if (handleIsTrailing(h)) {
            out.push_back({chordField(s), whole(wing.Chord[s] + dY)});
        } else if (h == 1) {
            const double v = wing.RootOffset + dX;
            out.push_back({WingField::RootOffset, whole(v < 0 ? 0 : v)});
        } else if (h == 2) {
            double v = wing.RootOffset - dX;
            if (v < 0) v = wing.RootOffset == 0 ? -v : 0;
            out.push_back({WingField::RootOffset, whole(v)});
        } else if (isLeadingEdgeMove(h)) {
            out.push_back({xOffsetField(s), whole(sectionLeadingEdge(wing, s) + dY)});
            const double span = double(wing.SectionY[s] - wing.SectionY[s - 1]);
            out.push_back({spanField(s - 1), whole(handleIsLeft(h) ? span - dX : span + dX)});
            if (shiftAlone)
                for (int t = s + 1; t <= kSectionMax; ++t) out.push_back({xOffsetField(t), whole(sectionLeadingEdge(wing, t) + dY)});
        }
    }
    st.DragOrigin = pos;
    st.ButtonReleased = true;
    return out;
}

} // namespace tv
