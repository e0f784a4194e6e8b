// The snapshot history behind Undo and Redo, without a window.
#include "app/document/edit_history.h"

#include <gtest/gtest.h>

namespace {

using tv::AircraftTexts;
using tv::EditKind;
using tv::EditStep;

AircraftTexts withSpan(const std::string& text) {
    AircraftTexts t = tv::defaultAircraftTexts();
    t.wings[2][tv::WingField::Span1] = text;
    return t;
}

const EditStep kSpan{EditKind::Field, 2, int(tv::WingField::Span1)};
const EditStep kChord{EditKind::Field, 2, int(tv::WingField::Chord1)};

TEST(EditHistory, TypingIntoOneFieldIsOneStepUntilTheFieldIsLeft) {
    tv::EditHistory h;
    h.reset(withSpan("105"));
    for (const char* typed : {"2", "25", "250"}) EXPECT_TRUE(h.record(withSpan(typed), kSpan, true));
    EXPECT_EQ(h.undoCount(), 1u);
    h.closeMerge();
    EXPECT_TRUE(h.record(withSpan("2500"), kSpan, true));
    EXPECT_EQ(h.undoCount(), 2u);
    EXPECT_TRUE(tv::sameTexts(*h.undo(), withSpan("250")));
    EXPECT_TRUE(tv::sameTexts(*h.undo(), withSpan("105")));
    EXPECT_EQ(h.undo(), nullptr);
}

TEST(EditHistory, StepsAreNotMergedAcrossFieldsOrWithUnmergeableChanges) {
    tv::EditHistory h;
    h.reset(withSpan("105"));
    h.record(withSpan("1"), kSpan, true);
    AircraftTexts t = withSpan("1");
    t.wings[2][tv::WingField::Chord1] = "9";
    h.record(t, kChord, true);
    t.WingCount = 2;
    h.record(t, {EditKind::WingCount}, false);
    t.WingCount = 3;
    h.record(t, {EditKind::WingCount}, false);
    EXPECT_EQ(h.undoCount(), 4u);
    ASSERT_NE(h.undoStep(), nullptr);
    EXPECT_EQ(h.undoStep()->kind, EditKind::WingCount);
}

// My CG and the weight-and-balance table are part of the project: a change of them alone is a
// step, and undo brings the old balance texts back.
TEST(EditHistory, ABalanceChangeAloneIsAStep) {
    tv::EditHistory h;
    h.reset(withSpan("105"));
    AircraftTexts t = withSpan("105");
    t.Balance.MyCg = "80";
    EXPECT_TRUE(h.record(t, {EditKind::Balance}, true));
    t.Balance.Rows.push_back({"Battery", "300", "40"});
    EXPECT_TRUE(h.record(t, {EditKind::Balance}));
    EXPECT_EQ(h.undoCount(), 2u);
    EXPECT_FALSE(tv::sameTexts(*h.undo(), t));
    EXPECT_EQ(h.undo()->Balance, tv::BalanceTexts{});
}

TEST(EditHistory, TypingBackToTheStartLeavesNoStepAndNoChangeRecordsNothing) {
    tv::EditHistory h;
    h.reset(withSpan("105"));
    EXPECT_FALSE(h.record(withSpan("105"), kSpan, true));
    h.record(withSpan("10"), kSpan, true);
    h.record(withSpan("105"), kSpan, true);
    EXPECT_FALSE(h.canUndo());
}

TEST(EditHistory, UndoThenRedoWalksBothWaysAndANewChangeDropsTheRedoSteps) {
    tv::EditHistory h;
    h.reset(withSpan("1"));
    h.record(withSpan("2"), kSpan);
    h.record(withSpan("3"), kChord);
    h.undo();
    h.undo();
    EXPECT_EQ(*h.redoStep(), kSpan);
    EXPECT_TRUE(tv::sameTexts(*h.redo(), withSpan("2")));
    EXPECT_TRUE(tv::sameTexts(*h.redo(), withSpan("3")));
    EXPECT_EQ(h.redo(), nullptr);
    h.undo();
    h.record(withSpan("4"), kSpan);
    EXPECT_FALSE(h.canRedo());
    EXPECT_TRUE(tv::sameTexts(*h.undo(), withSpan("2")));
}

TEST(EditHistory, KeepsTheNewestStepsBeyondItsDepth) {
    tv::EditHistory h;
    h.reset(withSpan("0"));
    for (int i = 1; i <= 250; ++i) h.record(withSpan(std::to_string(i)), kSpan);
    ASSERT_GE(tv::EditHistory::kDefaultDepth, 100u);
    EXPECT_EQ(h.undoCount(), tv::EditHistory::kDefaultDepth);
    const AircraftTexts* t = nullptr;
    while (h.canUndo()) t = h.undo();
    EXPECT_TRUE(tv::sameTexts(*t, withSpan(std::to_string(250 - tv::EditHistory::kDefaultDepth))));
}

} // namespace
