// Recording the aircraft's edits: which changes become steps, and that a held command or an undo
// leaves exactly the step it should, without a window.
#include "app/document/history_recorder.h"

#include <gtest/gtest.h>

namespace {

using tv::EditKind;
using tv::EditStep;

/// The fields of a window: texts the recorder reads, and change handlers that record every write.
struct Fields {
    tv::AircraftTexts now = tv::defaultAircraftTexts();
    tv::EditHistory history;
    int changed = 0;
    HistoryRecorder recorder{history, {[this] { return now; }, [this](const tv::AircraftTexts& t) { write(t); },
                                       [this] { ++changed; }}};
    /// Span and chord written as typing would: each field's change handler records at once.
    void type(const std::string& span, const std::string& chord = "277") {
        write(tv::WingField::Span1, span);
        write(tv::WingField::Chord1, chord);
    }
    void write(tv::WingField f, const std::string& text) {
        now.wings[1][f] = text;
        recorder.record({EditKind::Field, 1, int(f)}, true);
    }
    /// Undo's texts go in field by field, each write passing through its handler.
    void write(const tv::AircraftTexts& t) {
        for (tv::WingField f : {tv::WingField::Span1, tv::WingField::Chord1}) write(f, t.wings[1][f]);
    }
};

TEST(HistoryRecorder, NothingIsRecordedBeforeTheStartAndTheStartIsTheFirstState) {
    Fields f;
    f.type("300");
    EXPECT_EQ(f.changed, 0) << "the window is still being built";
    f.recorder.start();
    EXPECT_EQ(f.changed, 1);
    EXPECT_FALSE(f.history.canUndo());
    EXPECT_TRUE(tv::sameTexts(f.history.current(), f.now));
}

// A command holds the recording while it writes: one step, under the outermost command's name,
// whatever the writes and the commands inside it record.
TEST(HistoryRecorder, HeldWritesMakeOneStepNamedByTheOutermostScope) {
    struct Row {
        const char* name;
        std::optional<EditStep> outer, inner;
        size_t steps;
    };
    const EditStep mouse{EditKind::MouseEdit, 1}, scaling{EditKind::Scaling};
    const Row rows[] = {
        {"one command", mouse, std::nullopt, 1},
        {"a command inside a command", mouse, scaling, 1},
        {"a plain hold around a command", std::nullopt, scaling, 0},
        {"a plain hold", std::nullopt, std::nullopt, 0},
    };
    for (const Row& r : rows) {
        Fields f;
        f.recorder.start();
        {
            const HistoryRecorder::Scope outer(f.recorder, r.outer);
            f.type("310");
            {
                const HistoryRecorder::Scope inner(f.recorder, r.inner);
                f.type("320");
                EXPECT_TRUE(f.recorder.held()) << r.name;
            }
            f.type("330");
            EXPECT_FALSE(f.history.canUndo()) << r.name << ": nothing is recorded before the outermost scope ends";
        }
        EXPECT_FALSE(f.recorder.held()) << r.name;
        EXPECT_EQ(f.history.undoCount(), r.steps) << r.name;
        if (r.steps) {
            EXPECT_EQ(*f.history.undoStep(), *r.outer) << r.name;
        }
    }
}

// Undo and redo write the texts back through the fields, whose handlers record: those writes
// must not become steps of their own, or redo would be lost at once.
TEST(HistoryRecorder, UndoAndRedoWriteBackWithoutRecordingTheWrites) {
    Fields f;
    f.recorder.start();
    const tv::AircraftTexts start = f.now;
    {
        const HistoryRecorder::Scope scaling(f.recorder, EditStep{EditKind::Scaling});
        f.type("310");
    }
    f.recorder.undo();
    EXPECT_TRUE(tv::sameTexts(f.now, start));
    EXPECT_TRUE(f.history.canRedo());
    f.recorder.redo();
    EXPECT_EQ(f.now.wings[1][tv::WingField::Span1], "310");
    EXPECT_EQ(f.history.undoCount(), 1u);
    EXPECT_FALSE(f.history.canRedo());
    const int before = f.changed;
    f.recorder.redo(); // nothing to redo: the commands are relabelled all the same
    EXPECT_EQ(f.changed, before + 1);
}

} // namespace
