#include "app/document/edit_history.h"

namespace tv {

bool sameTexts(const AircraftTexts& a, const AircraftTexts& b) {
    if (a.WingCount != b.WingCount || a.Comment != b.Comment || a.Balance != b.Balance || a.Trim != b.Trim) return false;
    for (int w = 1; w <= kWingMax; ++w)
        if (a.wings[w].TrapeziumCount != b.wings[w].TrapeziumCount || a.wings[w].field != b.wings[w].field)
            return false;
    return true;
}

void EditHistory::reset(const AircraftTexts& now) {
    m_current = now;
    m_undo.clear();
    m_redo.clear();
    m_mergeOpen = false;
}

bool EditHistory::record(const AircraftTexts& now, const EditStep& step, bool mergeable) {
    if (sameTexts(now, m_current)) return false;
    m_redo.clear();
    if (mergeable && m_mergeOpen && !m_undo.empty() && m_undo.back().step == step) {
        m_current = now;
        if (sameTexts(m_undo.back().texts, m_current)) {
            m_undo.pop_back();
            m_mergeOpen = false;
        }
        return true;
    }
    m_undo.push_back({step, m_current});
    if (m_undo.size() > m_depth) m_undo.pop_front();
    m_current = now;
    m_mergeOpen = mergeable;
    return true;
}

const AircraftTexts* EditHistory::undo() { return walk(m_undo, m_redo); }

const AircraftTexts* EditHistory::redo() { return walk(m_redo, m_undo); }

// Undo walks from the undo steps to the redo steps, redo back: the step's snapshot becomes the
// current texts and the current texts go with the step to the other side.
const AircraftTexts* EditHistory::walk(std::deque<Entry>& from, std::deque<Entry>& to) {
    if (from.empty()) return nullptr;
    Entry e = std::move(from.back());
    from.pop_back();
    to.push_back({e.step, m_current});
    m_current = std::move(e.texts);
    m_mergeOpen = false;
    return &m_current;
}

} // namespace tv
