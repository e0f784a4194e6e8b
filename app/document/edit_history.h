#pragma once
// Undo and redo of the aircraft: each step is a snapshot of the field texts, which are the
// model's source of truth, so one mechanism serves every kind of change. Free of Qt; the history
// recorder records after each change and has the window write back what undo or redo returns.
#include "i18n/session_texts.h"
#include "model/aircraft.h"

#include <cstddef>
#include <deque>

namespace tv {

bool sameTexts(const AircraftTexts& a, const AircraftTexts& b);

class EditHistory {
public:
    /// Steps kept for undo; the oldest are dropped beyond it.
    static constexpr std::size_t kDefaultDepth = 200;
    explicit EditHistory(std::size_t depth = kDefaultDepth) : m_depth(depth < 1 ? 1 : depth) {}

    /// Starts a new history at these texts: nothing to undo or redo.
    void reset(const AircraftTexts& now);
    /// The texts after the last recorded, undone or redone step.
    const AircraftTexts& current() const { return m_current; }

    /// Records the texts after a change named `step`; nothing happens when they equal current().
    /// A mergeable change (typing into one field) joins the last step when that step is the same
    /// and still open, so one undo takes back the whole typing; should the joined step end where
    /// it began, it is dropped. Recording clears the redo steps. Returns whether anything changed.
    bool record(const AircraftTexts& now, const EditStep& step, bool mergeable = false);
    /// The next change starts a step of its own (the field lost the focus).
    void closeMerge() { m_mergeOpen = false; }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    std::size_t undoCount() const { return m_undo.size(); }
    /// The step the next undo or redo takes back or reapplies; nullptr when there is none.
    const EditStep* undoStep() const { return m_undo.empty() ? nullptr : &m_undo.back().step; }
    const EditStep* redoStep() const { return m_redo.empty() ? nullptr : &m_redo.back().step; }
    /// Takes back the last step (redoes the last undone one) and returns the texts to show;
    /// nullptr when there is nothing to undo (redo).
    const AircraftTexts* undo();
    const AircraftTexts* redo();

private:
    struct Entry {
        EditStep step;
        AircraftTexts texts; // undo: before the step; redo: after it
    };
    const AircraftTexts* walk(std::deque<Entry>& from, std::deque<Entry>& to);
    std::size_t m_depth;
    AircraftTexts m_current;
    std::deque<Entry> m_undo, m_redo;
    bool m_mergeOpen = false;
};

} // namespace tv
