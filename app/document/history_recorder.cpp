#include "app/document/history_recorder.h"

HistoryRecorder::Scope::Scope(HistoryRecorder& recorder, std::optional<tv::EditStep> step)
    : m_recorder(recorder), m_step(step) {
    ++m_recorder.m_hold;
}

HistoryRecorder::Scope::~Scope() {
    if (--m_recorder.m_hold == 0 && m_step) m_recorder.record(*m_step);
}

void HistoryRecorder::start() {
    m_ready = true;
    m_history.reset(m_hooks.texts());
    m_hooks.changed();
}

void HistoryRecorder::record(const tv::EditStep& step, bool mergeable) {
    if (!m_ready || m_hold > 0) return;
    if (m_history.record(m_hooks.texts(), step, mergeable)) m_hooks.changed();
}

void HistoryRecorder::undo() { showStep(m_history.undo()); }
void HistoryRecorder::redo() { showStep(m_history.redo()); }

// Undoing is an edit like any other: the texts go into the controls, whose change handlers
// recompute; the changes they record are held, the history already stands where it should.
void HistoryRecorder::showStep(const tv::AircraftTexts* texts) {
    if (texts) {
        const Scope hold(*this);
        m_hooks.show(*texts);
    }
    m_hooks.changed();
}
