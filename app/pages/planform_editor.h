#pragma once
// The wing pages' planform views and editing a planform by dragging its corners; one editor
// serves the five wing pages. It draws each view with its scale, keeps the drag being shaped
// (wing, last position, keys), draws its rubber band and figures, writes the fields on release as
// one undo step, and tells the window what happened: the shape under the mouse changed (the
// results shown are no longer current, a live calculation is due), a dragged shape was dropped
// without writing, where the pointer is.
#include "app/document/history_recorder.h"
#include "model/aircraft.h"
#include "views/planform_edit.h"
#include "views/pointer_position.h"
#include "views/view_common.h"

#include <QColor>
#include <QObject>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>

struct CalculationResult;
class WingPage;

class PlanformEditor : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<tv::AircraftTexts()> texts;         // the field texts
        std::function<const CalculationResult*()> result; // the result of the model shown, if any
        std::function<tv::SystemColours()> colours;
        /// Wing w's station labels and planform figures in the window's language and units
        /// (none: the page's own, in English and metric units).
        std::function<void(int w, const tv::Wing& wing)> showFigures;
    };
    using Pages = std::array<WingPage*, tv::kWingMax + 1>;
    using Scales = std::array<double, tv::kWingMax + 1>;
    /// drag: the mouse state shared with the aircraft page's views; pages may be filled later,
    /// before connectViews; model: the planforms as last computed.
    PlanformEditor(tv::DragState& drag, const Pages& pages, const tv::Aircraft& model, HistoryRecorder& history,
                   Hooks hooks);
    /// Routes the mouse on the five wing pages' views here.
    void connectViews();
    /// What a release writes into a field: the millimetre text, shown in the chosen length unit.
    using FieldWriter = std::function<void(int w, tv::WingField f, const std::string& text)>;
    void setFieldWriter(FieldWriter write) { m_writeField = std::move(write); }

    /// Wing w's view from its planform, with the result's aerodynamic centre.
    void draw(int w);
    /// Pixels per mm of each view as last drawn.
    const Scales& scales() const { return m_scale; }

    bool running() const;
    /// The model the window shows: the field texts, with the dragged shape while a drag runs.
    tv::AircraftTexts shownTexts() const;
    /// A drag that ends other than by a release on its view (a command, a dialog, a key, the
    /// window losing focus, a move without the button) is dropped with its live result.
    void cancel();
    /// Wing w's view drawn afresh with the dragged outline (dragTo) or the handles over it.
    void show(int w, std::optional<QPoint> dragTo, Qt::KeyboardModifiers shift);
    /// The running drag's rubber band again, over a view redrawn under it.
    void showDrag();

    void mouseDown(int w, QPoint pos);
    void mouseMove(int w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void mouseUp(int w, QPoint pos, Qt::KeyboardModifiers shift);

    const int& dragWing() const { return m_wing; }
    const QPoint& dragPos() const { return m_pos; }
    const Qt::KeyboardModifiers& dragShift() const { return m_shift; }

signals:
    /// The dragged shape moved: what is shown as results no longer belongs to it.
    void shapeChanged();
    /// The dragged shape is gone and the fields are unchanged: the views show the fields again.
    void shapeDropped();
    /// The pointer over a planform view, in the aircraft frame; nothing off the drawing.
    void pointerAt(std::optional<tv::AircraftFramePoint> point);

private:
    tv::AircraftTexts dragTexts(int w, QPoint pos, Qt::KeyboardModifiers shift) const;
    void showFigures(int w, const tv::Wing& wing);

    tv::DragState& m_drag;
    const Pages& m_pages;
    const tv::Aircraft& m_model;
    HistoryRecorder& m_recorder;
    Hooks m_hooks;
    Scales m_scale{};
    int m_wing = 0; // the drag being shaped: wing, last position and keys
    QPoint m_pos;
    Qt::KeyboardModifiers m_shift;
    FieldWriter m_writeField;
};
