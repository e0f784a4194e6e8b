// The drawings on the window's images, the mouse on them and the layout on resize. Each hook
// reads the controls and the result object, calls one function of the views and keeps the
// drawing's scale.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "i18n/session_texts.h"
#include "model/planform.h"
#include "views/lattice_overlay.h"
#include "views/page_layout.h"
#include "views/pointer_position.h"
#include "views/stability_view.h"
#include "views/view3d.h"
#include "views/view_mouse.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

tv::SystemColours TForm1::systemColours() const {
    const QPalette& pal = palette();
    // The light 3-D edge is Midlight: Light is the white highlight edge, on which the reference
    // outline would vanish against the pale background.
    return {pal.color(QPalette::ToolTipBase), pal.color(QPalette::Midlight), pal.color(QPalette::Base)};
}

// ---- Wing pages -------------------------------------------------------------------------------------

void TForm1::drawDimensionDiagram(int w) {
    if (w >= 1 && w <= tv::kWingMax) m_wing[w]->drawDiagram(UiLanguage);
}

void TForm1::drawPlanformView(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    // The aerodynamic centres are those of a calculation of this model; a neutral point read from
    // a project file comes without them.
    const CalculationResult* r = currentResult();
    const bool ac = r && r->latticeKnown();
    const tv::PlanformScene scene{Model.Wings[w], ac, ac ? r->WingAcX[w] : 0, ac ? r->WingAcY[w] : 0,
                                  systemColours().toolTipBackground};
    PlanformScale[w] = m_wing[w]->drawPlanform(scene);
}

// ---- Aircraft page: its views draw the model and the current result ---------------------------------

AircraftPage::Scene TForm1::aircraftScene() const {
    return {&Model, currentResult(), UiLanguage, Catalogue.TxtFlightDirection, systemColours()};
}

void TForm1::drawAircraftView(AircraftFit fit) { m_aircraft->drawAircraftView(fit); }
void TForm1::draw3DView() { m_aircraft->draw3DView(); }
void TForm1::DrawGrid() { m_aircraft->drawLattice(); }
void TForm1::Zeiger() { m_aircraft->drawLeaderLines(); }
void TForm1::STABIL(StabilityCaller caller) { m_aircraft->drawStability(caller); }
const tv::AircraftViewGeometry& TForm1::aircraftViewGeometry() const { return m_aircraft->geometry(); }
double TForm1::view3DScale() const { return m_aircraft->view3DScale(); }

// ---- Planform drag -----------------------------------------------------------------------------------

bool TForm1::planformDragRunning() const {
    return m_dragWing >= 1 && m_dragWing <= tv::kWingMax && !m_drag.ButtonReleased && m_drag.GrabbedHandle != 0;
}

tv::AircraftTexts TForm1::dragTexts(int w, QPoint pos, Qt::KeyboardModifiers shift) const {
    tv::AircraftTexts texts = fieldTexts();
    for (const tv::FieldWrite& fw : tv::planformDragWrites(m_drag, Model.Wings[w], PlanformScale[w], pos,
                                                           tv::isShiftAlone(shift, Qt::NoButton)))
        texts.wings[w][fw.field] = fw.text;
    return texts;
}

tv::AircraftTexts TForm1::shownTexts() const {
    return planformDragRunning() ? dragTexts(m_dragWing, m_dragPos, m_dragShift) : fieldTexts();
}

void TForm1::cancelPlanformDrag() {
    if (!planformDragRunning()) return;
    const int w = m_dragWing;
    m_drag.ButtonReleased = true;
    m_drag.GrabbedHandle = 0;
    m_dragWing = 0;
    // The dragged shape's figures and live result go with it: the fields never changed.
    showPlanformEditing(w, std::nullopt, Qt::NoModifier);
    redrawShownViews();
    showResultState();
    scheduleLiveCalculation();
}

void TForm1::showPlanformEditing(int w, std::optional<QPoint> dragTo, Qt::KeyboardModifiers shift) {
    drawPlanformView(w);
    if (dragTo) {
        // The outline the release would leave: the drag's values put into a copy of the fields.
        const tv::Wing dragged = tv::computeWing(dragTexts(w, *dragTo, shift).wings[w]);
        m_wing[w]->drawRubberBand(dragged, PlanformScale[w]);
        showWingFigures(w, dragged);
    } else {
        m_wing[w]->drawHandles(Model.Wings[w], PlanformScale[w], m_drag.HandleIndex);
        showWingFigures(w, Model.Wings[w]);
    }
}

void TForm1::planformMouseDown(int w, QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    if (w < 1 || w > tv::kWingMax) return;
    cancelPlanformDrag(); // a press whose release never came
    tv::planformMouseDown(m_drag, Model.Wings[w], PlanformScale[w], m_wing[w]->planformImage()->bitmapSize(), pos);
    m_dragWing = w;
}

void TForm1::planformMouseMove(int w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    // A move without the button after a press means the release went elsewhere (a dialog took it).
    if (buttons == Qt::NoButton) cancelPlanformDrag();
    TImage* image = m_wing[w]->planformImage();
    const tv::HoverResult h = tv::planformMouseMove(m_drag, Model.Wings[w], PlanformScale[w], image->bitmapSize(), pos,
                                                    tv::isShiftAlone(shift, buttons));
    image->setCursor(tv::cursorShape(h.pointer));
    m_wing[w]->highlightFields(h.highlight, systemColours().windowBackground);
    const bool dragging = w == m_dragWing && planformDragRunning();
    showPlanformEditing(w, dragging ? std::optional<QPoint>(pos) : std::nullopt, shift);
    if (dragging) {
        // The shape under the mouse is calculated as the drag goes (live mode).
        m_dragPos = pos;
        m_dragShift = shift;
        showResultState();
        scheduleLiveCalculation();
    }
    const auto p = tv::planformViewPointAt(image->bitmapSize(), PlanformScale[w], Model.Wings[w].PositionX, pos);
    showPointerPosition(p ? QString::fromStdString(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
}

void TForm1::planformMouseUp(int w, QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    const EditScope step(*this, tv::EditStep{tv::EditKind::MouseEdit, w});
    // Every write recomputes the wing and stores a new scale; the whole release works with the
    // wing and the scale as they were when the button went up.
    const tv::Wing wing = Model.Wings[w];
    const double scale = PlanformScale[w];
    const std::vector<tv::FieldWrite> writes =
        tv::planformMouseUp(m_drag, wing, scale, pos, tv::isShiftAlone(shift, Qt::NoButton));
    m_dragWing = 0;
    const tv::WingTexts before = wingTexts(w);
    for (const tv::FieldWrite& fw : writes) field(w, fw.field)->setText(QString::fromStdString(fw.text));
    if (wingTexts(w).field != before.field) return;
    // Released where it was pressed: the fields keep the shape the last result no longer has.
    showPlanformEditing(w, std::nullopt, shift);
    redrawShownViews();
    showResultState();
    scheduleLiveCalculation();
}

// ---- Mouse on the aircraft view and the 3D view -------------------------------------------------

void TForm1::Image4MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { m_aircraft->aircraftMouseDown(pos); }
void TForm1::Image4MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { m_aircraft->aircraftMouseUp(pos); }
void TForm1::Image3MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { m_aircraft->view3DMouseDown(pos); }
void TForm1::Image3MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { m_aircraft->view3DMouseUp(pos); }
void TForm1::Image3MouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers) {
    m_aircraft->view3DMouseMove(pos, buttons);
}

void TForm1::Image4MouseMove(QPoint pos, Qt::MouseButtons, Qt::KeyboardModifiers) {
    const auto p = tv::aircraftViewPointAt(m_aircraft->geometry(), pos);
    showPointerPosition(p ? QString::fromStdString(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
}

void TForm1::showPointerPosition(const QString& text) {
    if (m_statusLine) m_statusLine->setText(text);
}

// ---- Events: keys, focus, resize -----------------------------------------------------------------

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Ctrl+Z and its kin belong to the window's history, not to a field's own undo.
        auto* key = static_cast<QKeyEvent*>(event);
        if (qobject_cast<QLineEdit*>(watched) || watched == m_memo2) {
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                QKeySequence(key->keyCombination()) == QKeySequence(QStringLiteral("Ctrl+Y"))) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    case QEvent::KeyPress: {
        // A key ends a drag (Escape among them); Shift and its kin only shape it.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
            cancelPlanformDrag();
        break;
    }
    case QEvent::FocusOut:
        if (qobject_cast<QLineEdit*>(watched) || watched == m_memo2) m_doc.history.closeMerge();
        break;
    case QEvent::Leave:
        if (qobject_cast<TImage*>(watched)) showPointerPosition(QString());
        break;
    case QEvent::Resize:
        // The pages get their real size only once the tab widget lays itself out, after the
        // window's own resize: the layout is redone then, so the first drawing is the final one.
        if (!m_building && m_pages && watched == m_pages->currentWidget()) {
            const QSize page = static_cast<QWidget*>(watched)->size();
            const QSize design(int(page.width() / m_pl.scale), int(page.height() / m_pl.scale));
            if (design != m_laidOutPage) FormResize();
        }
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) cancelPlanformDrag();
    QMainWindow::changeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_building) FormResize();
}

void TForm1::redrawShownViews() {
    m_hiddenViewsStale = true;
    m_aircraft->ScrollBar3->setValue(100);
    if (const int w = activeWing()) computeWing(w);
    if (m_pages->currentWidget() == m_aircraft) m_aircraft->redrawViews();
}

void TForm1::layOutPages(int tabW, int tabH) {
    const QRect planform = tv::layOutPlanformView(QSize(tabW, tabH));
    for (int w = 1; w <= tv::kWingMax; ++w) {
        m_pl.placeImage(m_wing[w]->planformImage(), planform);
        m_wing[w]->layOut(tabW);
    }
    m_aircraft->layOut(QSize(tabW, tabH));
}

void TForm1::FormResize() {
    // Sizes in design pixels: what the window has, divided by the scale.
    auto design = [this](int px) { return int(px / m_pl.scale); };
    m_hiddenViewsStale = false;
    m_aircraft->ScrollBar3->setValue(100);
    const int clientW = design(m_central->width());
    const int clientH = design(m_central->height());
    // A window not laid out yet (never shown) keeps its sizes but is redrawn all the same.
    if (clientW >= 200 && clientH >= 200) {
        m_pl.place(m_pages, 0, 28, clientW, clientH - 28);
        m_pl.place(m_toolBar, 0, 0, clientW, 28);
        m_actions->layOutToolBar(clientW);
        // A page that was never shown has no size yet; it then gets the tab widget's size less
        // the tab row and the frame.
        QWidget* page = m_pages->currentWidget();
        const bool sized = page->testAttribute(Qt::WA_WState_Created) && page->isVisible();
        const int tabW = sized ? design(page->width()) : clientW - 6;
        const int tabH = sized ? design(page->height()) : clientH - 28 - design(m_pages->tabBar()->sizeHint().height()) - 6;
        if (tabW >= 100 && tabH >= 100) layOutPages(tabW, tabH);
        m_laidOutPage = sized ? QSize(tabW, tabH) : QSize();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) computeWing(w);
    if (!neutralPointKnown()) Calc();
    m_aircraft->redrawViews();
}
