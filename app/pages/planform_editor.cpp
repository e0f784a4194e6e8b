#include "app/pages/planform_editor.h"

#include "app/calculation/calculation_result.h"
#include "app/imagecontrol.h"
#include "app/pages/wing_page.h"
#include "model/planform.h"

#include <QLineEdit>

PlanformEditor::PlanformEditor(tv::DragState& drag, const Pages& pages, const tv::Aircraft& model,
                               HistoryRecorder& history, Hooks hooks)
    : m_drag(drag), m_pages(pages), m_model(model), m_recorder(history), m_hooks(std::move(hooks)) {}

void PlanformEditor::connectViews() {
    using K = Qt::KeyboardModifiers;
    for (int w = 1; w <= tv::kWingMax; ++w) {
        TImage* image = m_pages[w]->planformImage();
        connect(image, &TImage::mouseDown, this, [this, w](QPoint p) { mouseDown(w, p); });
        connect(image, &TImage::mouseMove, this,
                [this, w](QPoint p, Qt::MouseButtons b, K k) { mouseMove(w, p, b, k); });
        connect(image, &TImage::mouseUp, this,
                [this, w](QPoint p, Qt::MouseButton, Qt::MouseButtons, K k) { mouseUp(w, p, k); });
        // Leaving the view takes its handles away.
        connect(image, &TImage::mouseLeave, this, [this, w] { draw(w); });
    }
}

void PlanformEditor::draw(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    // The aerodynamic centres are those of a calculation of this model; a neutral point read from
    // a project file comes without them.
    const CalculationResult* r = m_hooks.result();
    const bool ac = r && r->latticeKnown();
    const tv::PlanformScene scene{m_model.Wings[w], ac, ac ? r->WingAcX[w] : 0, ac ? r->WingAcY[w] : 0,
                                  m_hooks.colours().toolTipBackground};
    m_scale[w] = m_pages[w]->drawPlanform(scene);
}

bool PlanformEditor::running() const {
    return m_wing >= 1 && m_wing <= tv::kWingMax && !m_drag.ButtonReleased && m_drag.GrabbedHandle != 0;
}

tv::AircraftTexts PlanformEditor::dragTexts(int w, QPoint pos, Qt::KeyboardModifiers shift) const {
    tv::AircraftTexts texts = m_hooks.texts();
    for (const tv::FieldWrite& fw : tv::planformDragWrites(m_drag, m_model.Wings[w], m_scale[w], pos,
                                                           tv::isShiftAlone(shift, Qt::NoButton)))
        texts.wings[w][fw.field] = fw.text;
    return texts;
}

tv::AircraftTexts PlanformEditor::shownTexts() const {
    return running() ? dragTexts(m_wing, m_pos, m_shift) : m_hooks.texts();
}

void PlanformEditor::cancel() {
    if (!running()) return;
    const int w = m_wing;
    m_drag.ButtonReleased = true;
    m_drag.GrabbedHandle = 0;
    m_wing = 0;
    // The dragged shape's figures and live result go with it: the fields never changed.
    show(w, std::nullopt, Qt::NoModifier);
    emit shapeDropped();
}

void PlanformEditor::show(int w, std::optional<QPoint> dragTo, Qt::KeyboardModifiers shift) {
    draw(w);
    WingPage& page = *m_pages[w];
    if (dragTo) {
        // The outline the release would leave: the drag's values put into a copy of the fields.
        const tv::Wing dragged = tv::computeWing(dragTexts(w, *dragTo, shift).wings[w]);
        page.drawRubberBand(dragged, m_scale[w]);
        showFigures(w, dragged);
    } else {
        page.drawHandles(m_model.Wings[w], m_scale[w], m_drag.HandleIndex);
        showFigures(w, m_model.Wings[w]);
    }
}

void PlanformEditor::showFigures(int w, const tv::Wing& wing) {
    if (m_hooks.showFigures)
        m_hooks.showFigures(w, wing);
    else
        m_pages[w]->showFigures(wing);
}

void PlanformEditor::showDrag() {
    if (running()) show(m_wing, m_pos, m_shift);
}

void PlanformEditor::mouseDown(int w, QPoint pos) {
    if (w < 1 || w > tv::kWingMax) return;
    cancel(); // a press whose release never came
    tv::planformMouseDown(m_drag, m_model.Wings[w], m_scale[w], m_pages[w]->planformImage()->bitmapSize(), pos);
    m_wing = w;
}

void PlanformEditor::mouseMove(int w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    // A move without the button after a press means the release went elsewhere (a dialog took it).
    if (buttons == Qt::NoButton) cancel();
    TImage* image = m_pages[w]->planformImage();
    const tv::HoverResult h = tv::planformMouseMove(m_drag, m_model.Wings[w], m_scale[w], image->bitmapSize(), pos,
                                                    tv::isShiftAlone(shift, buttons));
    image->setCursor(tv::cursorShape(h.pointer));
    m_pages[w]->highlightFields(h.highlight, m_hooks.colours().windowBackground);
    const bool dragging = w == m_wing && running();
    show(w, dragging ? std::optional<QPoint>(pos) : std::nullopt, shift);
    if (dragging) {
        // The shape under the mouse is calculated as the drag goes (live mode).
        m_pos = pos;
        m_shift = shift;
        emit shapeChanged();
    }
    emit pointerAt(tv::planformViewPointAt(image->bitmapSize(), m_scale[w], m_model.Wings[w].PositionX, pos));
}

void PlanformEditor::mouseUp(int w, QPoint pos, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    const HistoryRecorder::Scope step(m_recorder, tv::EditStep{tv::EditKind::MouseEdit, w});
    // Every write recomputes the wing and stores a new scale; the whole release works with the
    // wing and the scale as they were when the button went up.
    const tv::Wing wing = m_model.Wings[w];
    const double scale = m_scale[w];
    const std::vector<tv::FieldWrite> writes =
        tv::planformMouseUp(m_drag, wing, scale, pos, tv::isShiftAlone(shift, Qt::NoButton));
    m_wing = 0;
    const tv::WingTexts before = m_hooks.texts().wings[w];
    for (const tv::FieldWrite& fw : writes) m_writeField(w, fw.field, fw.text);
    if (m_hooks.texts().wings[w].field != before.field) return;
    // Released where it was pressed: the fields keep the shape the last result no longer has.
    show(w, std::nullopt, shift);
    emit shapeDropped();
}
