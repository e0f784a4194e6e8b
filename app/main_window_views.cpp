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

// ---- Aircraft view, stability marks, lattice --------------------------------------------------------

void TForm1::drawAircraftView(AircraftFit fit) {
    TImage* image = m_aircraft->Image2;
    const QSize size = image->bitmapSize();
    if (fit == AircraftFit::KeepMagnified) {
        m_geom = tv::magnifiedGeometry(m_geom, m_aircraft->ScrollBar3->value());
    } else {
        m_geom = tv::fitAircraftView(Model, size);
        keep3DZoom(m_geom);
    }
    QPainter p(&image->canvas());
    tv::d_1d(p, size, Model, m_geom, Catalogue.TxtFlightDirection);
    p.end();
    image->update();
}

tv::StabilityScene TForm1::stabilityScene(StabilityCaller caller) const {
    const CalculationResult* r = currentResult();
    tv::StabilityScene scene;
    scene.aircraft = &Model;
    scene.solver = r ? r->ws.get() : nullptr;
    scene.lang = UiLanguage;
    scene.manual = m_aircraft->RadioButton16->isChecked();
    scene.NeutralPointKnown = r && r->neutralPointKnown();
    scene.LatticeKnown = r && r->latticeKnown();
    scene.fromOpenFile = caller == StabilityCaller::OpenFile;
    if (r) scene.reference = r->reference;
    scene.desiredMargin = tv::desiredMarginFromText(m_aircraft->Edit_Mstab->text().toStdString());
    scene.overlay.WingCount = m_wingCount;
    scene.overlay.pressureOn = m_aircraft->CheckBoxA->isChecked();
    scene.overlay.gain = tv::pressureGain(m_aircraft->ScrollBar6->value());
    scene.colours = systemColours();
    scene.flightCaption = Catalogue.TxtFlightDirection;
    return scene;
}

void TForm1::STABIL(StabilityCaller caller) {
    if (!neutralPointKnown()) {
        m_aircraft->Label21->setText(QString::fromLatin1(tv::kMarginLabelUnknown));
        return;
    }
    TImage* image = m_aircraft->Image2;
    const QSize size = image->bitmapSize();
    tv::AircraftViewGeometry g = tv::fitAircraftView(Model, size);
    keep3DZoom(g);
    if (m_aircraft->ScrollBar3->value() < 100) g = tv::magnifiedGeometry(g, m_aircraft->ScrollBar3->value());
    QPainter p(&image->canvas());
    const tv::StabilityPicture pic = tv::STABIL(p, size, stabilityScene(caller), g);
    p.end();
    image->update();
    m_geom = pic.geometry;
}

void TForm1::Zeiger() {
    TImage* image = m_aircraft->Image2;
    QPainter p(&image->canvas());
    tv::Zeiger(p, image->bitmapSize().width(), UiLanguage, m_aircraft->RadioButton16->isChecked(), reference(),
               stabilityNumbers(), m_geom);
    p.end();
    image->update();
}

void TForm1::DrawGrid() {
    // Only the lattice of the current model is drawn.
    if (const CalculationResult* r = currentResult(); r && r->latticeKnown()) paintLattice(*r->ws);
}

void TForm1::paintLattice(const tv::SolverWorkspace& ws) {
    const tv::SystemColours c = systemColours();
    const tv::LatticeOverlayOptions o{m_wingCount, m_aircraft->CheckBoxA->isChecked(),
                                      tv::pressureGain(m_aircraft->ScrollBar6->value()), c.toolTipBackground,
                                      c.toolTipBackground};
    TImage* image = m_aircraft->Image2;
    QPainter p(&image->canvas());
    tv::DrawGrid(p, image->bitmapSize().width(), m_geom, ws, o);
    p.end();
    image->update();
}

void TForm1::ScrollBar3Change() {
    m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView(AircraftFit::KeepMagnified);
    if (!neutralPointKnown()) return;
    DrawGrid();
    STABIL();
    if (m_geom.AircraftScale > m_geom.AircraftBaseScale) Zeiger();
}

void TForm1::ScrollBar5Exit() {
    DrawGrid();
    STABIL();
}

// ---- 3D view --------------------------------------------------------------------------------------

tv::View3DScene TForm1::view3DScene() const {
    const CalculationResult* r = currentResult();
    tv::View3DScene scene;
    scene.aircraft = &Model;
    scene.solver = r ? r->ws.get() : nullptr;
    scene.View3DScale = View3DScale;
    scene.elevationDeg = tv::elevationFromBar(m_aircraft->ScrollBar1->value());
    scene.azimuthDeg = tv::azimuthFromBar(m_aircraft->ScrollBar2->value());
    scene.pressureOn = m_aircraft->CheckBoxA->isChecked();
    scene.NeutralPointKnown = r && r->neutralPointKnown();
    scene.LatticeKnown = r && r->latticeKnown();
    scene.gain = tv::pressureGain(m_aircraft->ScrollBar6->value());
    scene.colours = systemColours();
    return scene;
}

void TForm1::draw3DView() {
    TImage* image = m_aircraft->Image3;
    QPainter p(&image->canvas());
    tv::d_3d(p, image->bitmapSize(), view3DScene(), *m_view3d);
    p.end();
    image->update();
    // The tinted lattice follows the gain; the stability picture repaints it under the marks.
    if (m_aircraft->CheckBoxA->isChecked()) {
        if (neutralPointKnown())
            STABIL();
        else
            DrawGrid();
    }
    const bool lattice = latticeKnown();
    m_aircraft->CheckBoxA->setVisible(lattice);
    m_aircraft->Label_Press->setVisible(lattice);
}

void TForm1::keep3DZoom(const tv::AircraftViewGeometry& fitted) {
    // The zoom bar keeps its factor over the new fit, so the next turn does not jump.
    View3DScale = tv::view3DScaleForZoom(m_aircraft->ScrollBar4->value(), fitted.View3DScale);
}

void TForm1::ScrollBar4Change() {
    View3DScale = tv::view3DScaleForZoom(m_aircraft->ScrollBar4->value(), m_geom.AircraftScale);
    draw3DView();
}

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

// A press shows the leader lines while the button is held; the release redraws at the fitted
// scale. A press-and-drag does not magnify the view (the magnification bar stays at 100).
void TForm1::Image4MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    m_drag.DragOrigin = pos;
    if (neutralPointKnown()) Zeiger();
}

void TForm1::Image4MouseMove(QPoint pos, Qt::MouseButtons, Qt::KeyboardModifiers) {
    const auto p = tv::aircraftViewPointAt(m_geom, pos);
    showPointerPosition(p ? QString::fromStdString(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
}

void TForm1::Image4MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    m_aircraft->ScrollBar3->setValue(100);
    m_drag.DragOrigin = pos;
    m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView();
    if (!neutralPointKnown()) return;
    DrawGrid();
    STABIL();
}

void TForm1::Image3MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { tv::view3DMouseDown(m_drag, pos); }

void TForm1::Image3MouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers) {
    AircraftPage& ap = *m_aircraft;
    const tv::View3DBars bars{ap.ScrollBar1->value(), ap.ScrollBar2->value(), ap.ScrollBar4->value()};
    const tv::View3DBars b = tv::view3DMouseMove(m_drag, bars, buttons & Qt::LeftButton, buttons & Qt::RightButton, pos);
    // Each bar that moves redraws through its change handler.
    ap.ScrollBar1->setValue(b.elevation);
    ap.ScrollBar2->setValue(b.azimuth);
    ap.ScrollBar4->setValue(b.zoom);
}

void TForm1::Image3MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { tv::view3DMouseUp(m_drag, pos); }

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
        cancelPlanformDrag();
        break;
    }
    case QEvent::KeyPress: cancelPlanformDrag(); break;
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
    if (m_pages->currentWidget() == m_aircraft) {
        m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        m_aircraft->Image3->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        drawAircraftView();
        STABIL();
        draw3DView();
    }
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
    m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    m_aircraft->Image3->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    if (!neutralPointKnown()) Calc();
    drawAircraftView();
    STABIL();
    draw3DView();
}
