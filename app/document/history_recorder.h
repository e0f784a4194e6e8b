#pragma once
// Records the aircraft's edits into its edit history: when a change becomes a step, when changes
// are held back so that one command (a drag's release, a scaling, an inserted wing) makes one
// step, and when undo and redo write texts back. Free of Qt; the window supplies the texts, shows
// what undo and redo return and relabels its commands when the history changed.
#include "app/document/edit_history.h"

#include <functional>
#include <optional>

class HistoryRecorder {
public:
    struct Hooks {
        std::function<tv::AircraftTexts()> texts;                 // the aircraft as the fields hold it
        std::function<void(const tv::AircraftTexts&)> show;      // writes texts back (undo, redo)
        std::function<void()> changed;                            // steps or their names changed
    };
    HistoryRecorder(tv::EditHistory& history, Hooks hooks) : m_history(history), m_hooks(std::move(hooks)) {}

    /// Holds every recording while it lives; the outermost one records its step (if any) at its end.
    class Scope {
    public:
        explicit Scope(HistoryRecorder& recorder, std::optional<tv::EditStep> step = std::nullopt);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        HistoryRecorder& m_recorder;
        std::optional<tv::EditStep> m_step;
    };

    /// A new history at the texts shown now; until the first start nothing is recorded, so the
    /// controls' change events while the window is built make no steps.
    void start();
    /// The texts after a change named step; nothing while held or before the start.
    void record(const tv::EditStep& step, bool mergeable = false);
    void undo();
    void redo();
    bool held() const { return m_hold > 0; }

private:
    void showStep(const tv::AircraftTexts* texts);
    tv::EditHistory& m_history;
    Hooks m_hooks;
    int m_hold = 0;
    bool m_ready = false;
};
