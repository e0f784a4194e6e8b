#pragma once
// Editing a planform by dragging its corners, as pure logic: which of the 20 handles lies under
// the pointer, what the pointer shows, which input fields light up, and which whole numbers the
// release writes into which fields. The window applies the results to its controls; the fields'
// change path recomputes and redraws the wing.
#include "model/aircraft.h"

#include <QPoint>
#include <QSize>
#include <Qt>

#include <array>
#include <string>
#include <vector>

namespace tv {

inline constexpr int kHandleCount = 20;

/// Mouse state shared by the planform views and the 3D view (DragOrigin, ButtonReleased) and the
/// two handle numbers of the planform editing (0 = none).
struct DragState {
    QPoint DragOrigin{0, 0};
    bool ButtonReleased = true;
    int HandleIndex = 0;   // under the pointer at the last move
    int GrabbedHandle = 0; // found at the last press, applied at the next release
};

enum class PointerShape { Cross, SizeHorizontal, SizeVertical, Move };
Qt::CursorShape cursorShape(PointerShape shape);

/// True when the shift state is exactly the Shift key: no other key, no mouse button.
bool isShiftAlone(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons);

/// Handle h = 1..20: section (h - 1) / 4 + 1; odd numbers right half, even left; handles 4k+1 and
/// 4k+2 on the leading edge, 4k+3 and 4k+4 on the trailing edge.
int handleSection(int h);
bool handleIsLeft(int h);
bool handleIsTrailing(int h);

/// The handle within 3 pixels (strictly) of (x, y) in both directions, highest number winning,
/// 0 for none; only the sections drawn for the wing's trapezium count are live.
int planformHitTest(const Wing& wing, double scale, QSize image, QPoint pos);

PointerShape handlePointer(int h);

/// The fields a drag of handle h changes, in writing order; with shiftAlone the outboard x
/// offsets that follow a leading-edge handle are added.
std::vector<WingField> handleFields(int h, bool shiftAlone);

/// Yellow or not for each of the wing's sixteen fields (positions are never highlighted).
using FieldHighlight = std::array<bool, kWingFieldCount>;
FieldHighlight highlightedFields(int h, bool shiftAlone);

struct HoverResult {
    int handle = 0;
    PointerShape pointer = PointerShape::Cross;
    FieldHighlight highlight{};
};
/// Mouse move over the view: sets HandleIndex and tells pointer and highlighting.
HoverResult planformMouseMove(DragState& st, const Wing& wing, double scale, QSize image, QPoint pos, bool shiftAlone);

/// Mouse down: grabs the handle under the pointer and starts the drag.
void planformMouseDown(DragState& st, const Wing& wing, double scale, QSize image, QPoint pos);

struct FieldWrite {
    WingField field;
    std::string text; // a whole number, no blanks
};
/// Mouse up: the new field texts for the grabbed handle from the displacement since the press, in
/// writing order (empty for no handle or a scale that is not positive). Handle 2 dragged past
/// the centre line mirrors the offset when the wing has none (its handles 1 and 2 coincide), so
/// a drag either way opens the same gap. Stores DragOrigin and sets ButtonReleased.
std::vector<FieldWrite> planformMouseUp(DragState& st, const Wing& wing, double scale, QPoint pos, bool shiftAlone);

} // namespace tv
