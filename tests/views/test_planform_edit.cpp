#include "views/planform_edit.h"
#include "views/view_mouse.h"
#include "views_fixture.h"

#include <gtest/gtest.h>

using tv::WingField;

namespace {

// Image 600 x 300: a = 300, p = 100; scale 0.5 pixels per mm throughout.
const QSize kImage(600, 300);
constexpr double kScale = 0.5;

std::vector<std::pair<WingField, std::string>> writes(const std::vector<tv::FieldWrite>& w) {
    std::vector<std::pair<WingField, std::string>> out;
    for (const auto& f : w) out.emplace_back(f.field, f.text);
    return out;
}

std::vector<tv::FieldWrite> drag(const tv::Wing& wing, QPoint from, QPoint to, bool shift) {
    tv::DragState st;
    tv::planformMouseDown(st, wing, kScale, kImage, from);
    EXPECT_FALSE(st.ButtonReleased);
    auto out = tv::planformMouseUp(st, wing, kScale, to, shift);
    EXPECT_TRUE(st.ButtonReleased);
    EXPECT_EQ(st.DragOrigin, to);
    return out;
}

tvtest::WingSpec fourTrapezia() {
    tvtest::WingSpec s;
    s.trapezia = 4;
    s.span[1] = 100, s.span[2] = 200, s.span[3] = 100, s.span[4] = 50;
    s.chord[1] = 200, s.chord[2] = 180, s.chord[3] = 150, s.chord[4] = 100, s.chord[5] = 60;
    s.xOffset[2] = 10, s.xOffset[3] = 30, s.xOffset[4] = 60, s.xOffset[5] = 90;
    return s;
}

} // namespace

TEST(PlanformEdit, HitTestFindsEachCornerHighestNumberWins) {
    const tv::Wing wing = tvtest::makeWing(fourTrapezia());
    // Section 3 at y = 300 (150 px), leading edge x 30 (15 px), trailing edge 180 (90 px).
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {450, 115}), 9);
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {150, 115}), 10);
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {452, 192}), 11);
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {453, 115}), 0); // 3 pixels is out of reach
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {5, 5}), 0);
    // Root offset 0: handles 1 and 2 coincide, 2 wins.
    EXPECT_EQ(tv::planformHitTest(wing, kScale, kImage, {300, 100}), 2);
    // Two corners 2 pixels apart: the higher-numbered handle is taken.
    tvtest::WingSpec close = fourTrapezia();
    close.span[3] = 4; // sections 3 and 4 two pixels apart
    close.xOffset[4] = 30;
    EXPECT_EQ(tv::planformHitTest(tvtest::makeWing(close), kScale, kImage, {451, 115}), 13);
}

TEST(PlanformEdit, OnlyDrawnSectionsHaveHandles) {
    // Section 4 at y = 400 (200 px), leading edge 60 (30 px); section 3 at (150 px, 15 px).
    struct Row {
        int trapezia;
        QPoint pos;
        int handle;
    };
    const Row rows[] = {
        {1, {500, 130}, 0},  {1, {450, 115}, 0}, {1, {350, 105}, 5}, {2, {450, 115}, 9},
        {2, {500, 130}, 0},  {3, {500, 130}, 13}, {3, {100, 130}, 14}, {4, {525, 145}, 17},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.trapezia << " trapezia at " << r.pos.x() << "," << r.pos.y());
        tvtest::WingSpec spec = fourTrapezia();
        spec.trapezia = r.trapezia;
        const tv::Wing wing = tvtest::makeWing(spec);
        tv::DragState st;
        const tv::HoverResult h = tv::planformMouseMove(st, wing, kScale, kImage, r.pos, false);
        EXPECT_EQ(h.handle, r.handle);
        // A press where nothing is drawn grabs nothing, so the release changes no hidden value.
        EXPECT_EQ(drag(wing, r.pos, r.pos + QPoint(20, 0), false).empty(), r.handle == 0);
    }
}

TEST(PlanformEdit, HighlightWithAndWithoutShift) {
    struct Row {
        int handle;
        bool shift;
        std::vector<WingField> lit;
    };
    const Row rows[] = {
        {0, true, {}},
        {1, true, {WingField::RootOffset}},
        {4, false, {WingField::Chord1}},
        {5, false, {WingField::XOffset2, WingField::Span1}},
        {6, true, {WingField::XOffset2, WingField::Span1, WingField::XOffset3, WingField::XOffset4, WingField::XOffset5}},
        {13, true, {WingField::XOffset4, WingField::Span3, WingField::XOffset5}},
        {17, true, {WingField::XOffset5, WingField::Span4}},
        {20, true, {WingField::Chord5}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.handle);
        tv::FieldHighlight expected{};
        for (WingField f : r.lit) expected[int(f)] = true;
        EXPECT_EQ(tv::highlightedFields(r.handle, r.shift), expected);
    }
    EXPECT_EQ(tv::handlePointer(2), tv::PointerShape::SizeHorizontal);
    EXPECT_EQ(tv::handlePointer(4), tv::PointerShape::SizeVertical);
    EXPECT_EQ(tv::handlePointer(18), tv::PointerShape::Move);
    EXPECT_EQ(tv::handlePointer(0), tv::PointerShape::Cross);
    EXPECT_TRUE(tv::isShiftAlone(Qt::ShiftModifier, Qt::NoButton));
    EXPECT_FALSE(tv::isShiftAlone(Qt::ShiftModifier | Qt::ControlModifier, Qt::NoButton));
    EXPECT_FALSE(tv::isShiftAlone(Qt::ShiftModifier, Qt::LeftButton));
    EXPECT_FALSE(tv::isShiftAlone(Qt::NoModifier, Qt::NoButton));
    EXPECT_TRUE(tv::isShiftAlone(Qt::ShiftModifier | Qt::KeypadModifier, Qt::NoButton));
}

TEST(PlanformEdit, RootOffsetMirrorRule) {
    using W = std::vector<std::pair<WingField, std::string>>;
    // Root offset 0: handle 2 (the winner where handles 1 and 2 coincide) dragged 30 pixels either
    // way at 0.5 px/mm gives 60.
    const tv::Wing wing = tvtest::makeWing(fourTrapezia());
    EXPECT_EQ(writes(drag(wing, {300, 100}, {270, 100}, false)), (W{{WingField::RootOffset, "60"}}));
    EXPECT_EQ(writes(drag(wing, {300, 100}, {330, 100}, false)), (W{{WingField::RootOffset, "60"}}));
    // Root offset 40: handle 1 dragged 100 mm to the left stops at 0, and handle 2 does not mirror.
    tvtest::WingSpec gap = fourTrapezia();
    gap.rootOffset = 40;
    const tv::Wing gapWing = tvtest::makeWing(gap);
    EXPECT_EQ(writes(drag(gapWing, {320, 100}, {270, 100}, false)), (W{{WingField::RootOffset, "0"}}));
    EXPECT_EQ(writes(drag(gapWing, {320, 100}, {331, 100}, false)), (W{{WingField::RootOffset, "62"}}));
    EXPECT_EQ(writes(drag(gapWing, {280, 100}, {380, 100}, false)), (W{{WingField::RootOffset, "0"}}));
}

TEST(PlanformEdit, LeadingEdgeDragWithAndWithoutShift) {
    const tv::Wing wing = tvtest::makeWing(fourTrapezia());
    using W = std::vector<std::pair<WingField, std::string>>;
    // Handle 9 at (450, 115): 20 pixels down, 10 right at scale 0.5.
    EXPECT_EQ(writes(drag(wing, {450, 115}, {460, 135}, true)),
              (W{{WingField::XOffset3, "70"}, {WingField::Span2, "220"}, {WingField::XOffset4, "100"},
                 {WingField::XOffset5, "130"}}));
    EXPECT_EQ(writes(drag(wing, {450, 115}, {460, 135}, false)),
              (W{{WingField::XOffset3, "70"}, {WingField::Span2, "220"}}));
    // The left handle narrows the span for a move to the right.
    EXPECT_EQ(writes(drag(wing, {150, 115}, {160, 135}, false)),
              (W{{WingField::XOffset3, "70"}, {WingField::Span2, "180"}}));
    // Trailing edge above the leading edge: written negative, read back as its absolute value.
    EXPECT_EQ(writes(drag(wing, {450, 190}, {450, 10}, false)), (W{{WingField::Chord3, "-210"}}));
    // A release with no handle grabbed writes nothing but still ends the drag.
    tv::DragState st;
    tv::planformMouseDown(st, wing, 2.0, kImage, {0, 0}); // no handle under (0, 0)
    EXPECT_TRUE(tv::planformMouseUp(st, wing, 2.0, {5, 5}, false).empty());
    EXPECT_TRUE(st.ButtonReleased);
    EXPECT_EQ(st.DragOrigin, QPoint(5, 5));
}

TEST(PlanformEdit, ReleaseWithABrokenScaleWritesNothing) {
    const tv::Wing wing = tvtest::makeWing(fourTrapezia());
    tv::DragState st;
    st.GrabbedHandle = 3;
    EXPECT_TRUE(tv::planformMouseUp(st, wing, 0.0, {10, 10}, false).empty());
}

TEST(View3DMouse, DragTurnsAndZooms) {
    tv::DragState st;
    tv::View3DBars bars;
    // Ignored while no button went down on the view.
    EXPECT_EQ(tv::view3DMouseMove(st, bars, true, false, {0, 0}).elevation, 80);
    tv::view3DMouseDown(st, {100, 100});
    // 30 pixels up with the left button: elevation bar + 10 (elevation 10 degrees lower).
    bars = tv::view3DMouseMove(st, bars, true, false, {100, 70});
    EXPECT_EQ(bars.elevation, 90);
    EXPECT_EQ(st.DragOrigin, QPoint(100, 70));
    // Two pixels per event change nothing, yet the origin moves on.
    bars = tv::view3DMouseMove(st, bars, true, false, {102, 68});
    EXPECT_EQ(bars.azimuth, 250);
    EXPECT_EQ(st.DragOrigin, QPoint(102, 68));
    // Right button: zoom and azimuth; the bars are clamped to their ranges.
    bars = tv::view3DMouseMove(st, bars, false, true, {-400, 368});
    EXPECT_EQ(bars.zoom, 10);
    EXPECT_EQ(bars.azimuth, 250 - 167);
    tv::view3DMouseUp(st, {5, 5});
    EXPECT_TRUE(st.ButtonReleased);
    EXPECT_EQ(tv::view3DMouseMove(st, bars, true, true, {500, 500}).zoom, 10);
}
