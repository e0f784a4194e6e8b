// The drawings on the window's images, the mouse on them and the layout on resize. Each hook
// reads the controls, calls one function of the views and writes scales, labels and flags back.
#include "app/imagecontrol.h"
#include "app/tform1.h"
#include "model/planform.h"
#include "solver/workspace.h"
#include "views/dimension_diagram.h"
#include "views/lattice_overlay.h"
#include "views/page_layout.h"
#include "views/planform_handles.h"
#include "views/planform_view.h"
#include "views/stability_view.h"
#include "views/view3d.h"
#include "views/view_mouse.h"

#include <QAction>
#include <QEvent>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

tv::SystemColours TForm1::systemColours() const {
    const QPalette& pal = palette();
    // The light 3-D edge is Midlight: Light is the white highlight edge, on which the reference
    // outline would vanish against the pale background.
    return {pal.color(QPalette::ToolTipBase), pal.color(QPalette::Midlight), pal.color(QPalette::Base)};
}

// ---- Wing pages -------------------------------------------------------------------------------------

void TForm1::drawDimensionDiagram(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    QPainter p(&m_diagram[w]->canvas());
    tv::DimensionDiagram(p, trapeziumCount(w), UiLanguage);
    p.end();
    m_diagram[w]->update();
}

void TForm1::drawPlanformView(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    TImage* image = m_planform[w];
    // The aerodynamic centres are those of a calculation of this model; a neutral point read from
    // a project file comes without them.
    const tv::PlanformScene scene{Model.Wings[w], NeutralPointKnown && LatticeKnown, WingAcX[w], WingAcY[w],
                                  systemColours().toolTipBackground};
    QPainter p(&image->canvas());
    PlanformScale[w] = tv::PlanformView(p, image->bitmapSize(), scene);
    p.end();
    image->update();
}

// ---- Aircraft view, stability marks, lattice --------------------------------------------------------

void TForm1::drawAircraftView(AircraftFit fit) {
    const QSize size = m_image2->bitmapSize();
    if (fit == AircraftFit::KeepMagnified) {
        m_geom = tv::magnifiedGeometry(m_geom, m_scroll3->value());
    } else {
        m_geom = tv::fitAircraftView(Model, size);
        keep3DZoom(m_geom);
    }
    QPainter p(&m_image2->canvas());
    tv::d_1d(p, size, Model, m_geom, Catalogue.TxtFlightDirection);
    p.end();
    m_image2->update();
}

tv::StabilityScene TForm1::stabilityScene(StabilityCaller caller) const {
    tv::StabilityScene scene;
    scene.aircraft = &Model;
    scene.solver = m_workspace.get();
    scene.lang = UiLanguage;
    scene.manual = m_rb16->isChecked();
    scene.NeutralPointKnown = NeutralPointKnown;
    scene.LatticeKnown = LatticeKnown && m_workspace;
    scene.fromOpenFile = caller == StabilityCaller::OpenFile;
    scene.reference = Reference;
    scene.desiredMargin = tv::desiredMarginFromText(m_editMstab->text().toStdString());
    scene.overlay.WingCount = m_wingCount;
    scene.overlay.pressureOn = m_checkBoxA->isChecked();
    scene.overlay.gain = tv::pressureGain(m_scroll6->value());
    scene.colours = systemColours();
    scene.flightCaption = Catalogue.TxtFlightDirection;
    return scene;
}

void TForm1::STABIL(StabilityCaller caller) {
    if (!NeutralPointKnown) {
        m_label21->setText(QString::fromLatin1(tv::kMarginLabelUnknown));
        return;
    }
    const QSize size = m_image2->bitmapSize();
    const tv::StabilityScene scene = stabilityScene(caller);
    tv::AircraftViewGeometry g = tv::fitAircraftView(Model, size);
    keep3DZoom(g);
    if (m_scroll3->value() < 100) g = tv::magnifiedGeometry(g, m_scroll3->value());
    QPainter p(&m_image2->canvas());
    const tv::StabilityPicture pic = tv::STABIL(p, size, scene, g);
    p.end();
    m_image2->update();
    m_geom = pic.geometry;
    m_numbers = pic.numbers;
    m_label21->setText(QString::fromStdString(pic.label21));
}

void TForm1::Zeiger() {
    QPainter p(&m_image2->canvas());
    tv::Zeiger(p, m_image2->bitmapSize().width(), UiLanguage, m_rb16->isChecked(), Reference, m_numbers, m_geom);
    p.end();
    m_image2->update();
}

void TForm1::DrawGrid() {
    // Only the lattice of the current model is drawn.
    if (LatticeKnown) paintLattice();
}

void TForm1::paintLattice() {
    if (!m_workspace) return;
    const tv::SystemColours c = systemColours();
    const tv::LatticeOverlayOptions o{m_wingCount, m_checkBoxA->isChecked(), tv::pressureGain(m_scroll6->value()),
                                      c.toolTipBackground, c.toolTipBackground};
    QPainter p(&m_image2->canvas());
    tv::DrawGrid(p, m_image2->bitmapSize().width(), m_geom, *m_workspace, o);
    p.end();
    m_image2->update();
}

void TForm1::ScrollBar3Change() {
    m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView(AircraftFit::KeepMagnified);
    if (!NeutralPointKnown) return;
    if (LatticeKnown) DrawGrid();
    STABIL();
    if (m_geom.AircraftScale > m_geom.AircraftBaseScale) Zeiger();
}

void TForm1::ScrollBar5Exit() {
    if (LatticeKnown) DrawGrid();
    if (NeutralPointKnown) STABIL();
}

// ---- 3D view --------------------------------------------------------------------------------------

tv::View3DScene TForm1::view3DScene() const {
    tv::View3DScene scene;
    scene.aircraft = &Model;
    scene.solver = m_workspace.get();
    scene.View3DScale = View3DScale;
    scene.elevationDeg = tv::elevationFromBar(m_scroll1->value());
    scene.azimuthDeg = tv::azimuthFromBar(m_scroll2->value());
    scene.pressureOn = m_checkBoxA->isChecked();
    scene.NeutralPointKnown = NeutralPointKnown;
    scene.LatticeKnown = LatticeKnown && m_workspace;
    scene.gain = tv::pressureGain(m_scroll6->value());
    scene.colours = systemColours();
    return scene;
}

void TForm1::draw3DView() {
    const bool pressureOn = m_checkBoxA->isChecked();
    QPainter p(&m_image3->canvas());
    tv::d_3d(p, m_image3->bitmapSize(), view3DScene(), *m_view3d);
    p.end();
    m_image3->update();
    // The tinted lattice follows the gain; the stability picture repaints it under the marks.
    if (pressureOn) {
        if (NeutralPointKnown)
            STABIL();
        else
            DrawGrid();
    }
    m_checkBoxA->setVisible(LatticeKnown);
    m_labelPress->setVisible(LatticeKnown);
}

void TForm1::keep3DZoom(const tv::AircraftViewGeometry& fitted) {
    // The zoom bar keeps its factor over the new fit, so the next turn does not jump.
    View3DScale = tv::view3DScaleForZoom(m_scroll4->value(), fitted.View3DScale);
}

void TForm1::ScrollBar4Change() {
    View3DScale = tv::view3DScaleForZoom(m_scroll4->value(), m_geom.AircraftScale);
    draw3DView();
}

// ---- Mouse on the planform views ----------------------------------------------------------------

void TForm1::highlightFields(int w, const tv::FieldHighlight& yellow) {
    const QColor base = systemColours().windowBackground;
    for (int f = 0; f < tv::kWingFieldCount; ++f) {
        if (f == int(tv::WingField::PositionX) || f == int(tv::WingField::PositionZ)) continue;
        QLineEdit* e = m_fields[w][f];
        const QColor want = yellow[f] ? QColor(255, 255, 0) : base;
        if (e->palette().color(QPalette::Base) == want) continue;
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, want);
        e->setPalette(pal);
    }
}

void TForm1::planformMouseDown(int w, QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    if (w < 1 || w > tv::kWingMax) return;
    tv::planformMouseDown(m_drag, Model.Wings[w], PlanformScale[w], m_planform[w]->bitmapSize(), pos);
    m_dragWing = w;
}

void TForm1::planformMouseMove(int w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    const tv::HoverResult h = tv::planformMouseMove(m_drag, Model.Wings[w], PlanformScale[w],
                                                    m_planform[w]->bitmapSize(), pos, tv::isShiftAlone(shift, buttons));
    m_planform[w]->setCursor(tv::cursorShape(h.pointer));
    highlightFields(w, h.highlight);
    const bool dragging = buttons != Qt::NoButton && !m_drag.ButtonReleased && m_drag.GrabbedHandle != 0;
    showPlanformEditing(w, dragging ? std::optional<QPoint>(pos) : std::nullopt, shift);
    if (w == m_dragWing && !m_drag.ButtonReleased && m_drag.GrabbedHandle != 0) {
        // The shape under the mouse is calculated as the drag goes (live mode).
        m_dragPos = pos;
        m_dragShift = shift;
        scheduleLiveCalculation();
    }
}

void TForm1::showPlanformEditing(int w, std::optional<QPoint> dragTo, Qt::KeyboardModifiers shift) {
    drawPlanformView(w);
    const tv::Wing& wing = Model.Wings[w];
    const QSize size = m_planform[w]->bitmapSize();
    QPainter p(&m_planform[w]->canvas());
    if (dragTo) {
        // The outline the release would leave: the drag's values put into a copy of the fields.
        const tv::Wing dragged = tv::computeWing(dragTexts(w, *dragTo, shift).wings[w]);
        tv::drawRubberBand(p, size, dragged, PlanformScale[w], tv::wingColour(w));
        showWingFigures(w, dragged);
    } else {
        tv::drawPlanformHandles(p, size, wing, PlanformScale[w], tv::wingColour(w), m_drag.HandleIndex);
        showWingFigures(w, wing);
    }
    p.end();
    m_planform[w]->update();
}

void TForm1::planformMouseUp(int w, QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers shift) {
    if (w < 1 || w > tv::kWingMax) return;
    const EditScope step(*this, tv::EditStep{tv::EditKind::MouseEdit, w});
    // Every write recomputes the wing and stores a new scale; the whole release works with the
    // wing and the scale as they were when the button went up.
    const tv::Wing wing = Model.Wings[w];
    const std::vector<tv::FieldWrite> writes =
        tv::planformMouseUp(m_drag, wing, PlanformScale[w], pos, tv::isShiftAlone(shift, Qt::NoButton));
    for (const tv::FieldWrite& fw : writes) field(w, fw.field)->setText(QString::fromStdString(fw.text));
}

// ---- Mouse on the aircraft view and the 3D view -------------------------------------------------

// A press shows the leader lines while the button is held; the release redraws at the fitted
// scale. A press-and-drag does not magnify the view (the magnification bar stays at 100).
void TForm1::Image4MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    m_drag.DragOrigin = pos;
    if (NeutralPointKnown) Zeiger();
}

void TForm1::Image4MouseMove(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers) {}

void TForm1::Image4MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) {
    m_scroll3->setValue(100);
    m_drag.DragOrigin = pos;
    m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView();
    if (!NeutralPointKnown) return;
    if (LatticeKnown) DrawGrid();
    STABIL();
}

void TForm1::Image3MouseDown(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { tv::view3DMouseDown(m_drag, pos); }

void TForm1::Image3MouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers) {
    const tv::View3DBars bars{m_scroll1->value(), m_scroll2->value(), m_scroll4->value()};
    const tv::View3DBars b = tv::view3DMouseMove(m_drag, bars, buttons & Qt::LeftButton, buttons & Qt::RightButton, pos);
    // Each bar that moves redraws through its change handler.
    m_scroll1->setValue(b.elevation);
    m_scroll2->setValue(b.azimuth);
    m_scroll4->setValue(b.zoom);
}

void TForm1::Image3MouseUp(QPoint pos, Qt::MouseButton, Qt::KeyboardModifiers) { tv::view3DMouseUp(m_drag, pos); }

// ---- Layout on resize -----------------------------------------------------------------------------

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!m_building) FormResize();
}

// The pages get their real size only once the tab widget lays itself out, after the window's own
// resize: the layout is redone then, so the first drawing is already the final one.
bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (filterSessionEvent(watched, event)) return true;
    if (event->type() == QEvent::Resize && !m_building && watched == m_pages->currentWidget()) {
        const QSize page = static_cast<QWidget*>(watched)->size();
        const QSize design(int(page.width() / m_scale), int(page.height() / m_scale));
        if (design != m_laidOutPage) FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::redrawShownViews() {
    const bool wasRedrawOnly = RedrawOnly;
    RedrawOnly = true;
    m_hiddenViewsStale = true;
    m_scroll3->setValue(100);
    if (const int w = activeWing()) CalcWing(w, this);
    if (m_pages->currentWidget() == m_aircraftPage) {
        m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        m_image3->clear(systemColours().toolTipBackground, tv::kGreyOutline);
        drawAircraftView();
        STABIL();
        draw3DView();
    }
    RedrawOnly = wasRedrawOnly;
}

void TForm1::layOutImages(int tabW, int tabH) {
    const QSize page(tabW, tabH);
    const QRect planform = tv::layOutPlanformView(page);
    for (int w = 1; w <= tv::kWingMax; ++w)
        placeImage(m_planform[w], planform.x(), planform.y(), planform.width(), planform.height());
    const tv::AircraftPageLayout l = tv::layOutAircraftPage(page);
    auto put = [this](QWidget* widget, const QRect& r) { place(widget, r.x(), r.y(), r.width(), r.height()); };
    placeImage(m_image2, l.Image2.x(), l.Image2.y(), l.Image2.width(), l.Image2.height());
    placeImage(m_image3, l.Image3.x(), l.Image3.y(), l.Image3.width(), l.Image3.height());
    put(m_scroll6, l.ScrollBar6);
    put(m_checkBoxA, l.CheckBoxA);
    put(m_labelPress, l.Label_Press);
    put(m_scroll1, l.ScrollBar1);
    put(m_scroll2, l.ScrollBar2);
    put(m_memo1, l.Memo1);
}

void TForm1::FormResize() {
    // Sizes in design pixels: what the window has, divided by the scale.
    auto design = [this](int px) { return int(px / m_scale); };
    const bool wasRedrawOnly = RedrawOnly;
    RedrawOnly = true;
    m_hiddenViewsStale = false;
    m_scroll3->setValue(100);
    const int clientW = design(m_central->width());
    const int clientH = design(m_central->height());
    // A window not laid out yet (never shown) keeps its sizes but is redrawn all the same.
    if (clientW >= 200 && clientH >= 200) {
        place(m_pages, 0, 28, clientW, clientH - 28);
        // A page that was never shown has no size yet; it then gets the tab widget's size less
        // the tab row and the frame.
        QWidget* page = m_pages->currentWidget();
        const bool sized = page->testAttribute(Qt::WA_WState_Created) && page->isVisible();
        const int tabW = sized ? design(page->width()) : clientW - 6;
        const int tabH = sized ? design(page->height()) : clientH - 28 - design(m_pages->tabBar()->sizeHint().height()) - 6;
        if (tabW >= 100 && tabH >= 100) layOutImages(tabW, tabH);
        m_laidOutPage = sized ? QSize(tabW, tabH) : QSize();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) CalcWing(w, this);
    m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    m_image3->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    if (!NeutralPointKnown) Calc(this);
    drawAircraftView();
    STABIL();
    draw3DView();
    RedrawOnly = wasRedrawOnly;
}
