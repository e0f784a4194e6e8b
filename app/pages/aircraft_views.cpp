// The aircraft page's drawings: the aircraft view with the stability picture and the lattice, the
// 3D view, and the mouse and bars on them. They draw the scene the window gives: the model, and
// the result only while it belongs to it.
#include "app/calculation/calculation_result.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "views/lattice_overlay.h"
#include "views/stability_view.h"
#include "views/view3d.h"
#include "views/view_mouse.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

void AircraftPage::setSceneSource(std::function<Scene()> source) {
    m_scene = std::move(source);
    connectViews();
}

AircraftPage::Scene AircraftPage::scene() const { return m_scene ? m_scene() : Scene{}; }

bool AircraftPage::neutralPointKnown() const {
    const Scene s = scene();
    return s.result && s.result->neutralPointKnown();
}

void AircraftPage::connectViews() {
    for (QScrollBar* bar : {ScrollBar1, ScrollBar2, ScrollBar6})
        connect(bar, &QScrollBar::valueChanged, this, [this] { draw3DView(); });
    connect(ScrollBar3, &QScrollBar::valueChanged, this, [this] { ScrollBar3Change(); });
    connect(ScrollBar4, &QScrollBar::valueChanged, this, [this] { ScrollBar4Change(); });
    connect(ScrollBar5, &QScrollBar::sliderReleased, this, [this] { ScrollBar5Exit(); });
    connect(Image2, &TImage::mouseDown, this, [this](QPoint p) { aircraftMouseDown(p); });
    connect(Image2, &TImage::mouseMove, this, [this](QPoint p) { emit pointerAt(tv::aircraftViewPointAt(m_geom, p)); });
    connect(Image2, &TImage::mouseUp, this, [this](QPoint p) { aircraftMouseUp(p); });
    connect(Image3, &TImage::mouseDown, this, [this](QPoint p) { view3DMouseDown(p); });
    connect(Image3, &TImage::mouseMove, this, [this](QPoint p, Qt::MouseButtons b) { view3DMouseMove(p, b); });
    connect(Image3, &TImage::mouseUp, this, [this](QPoint p) { view3DMouseUp(p); });
}

void AircraftPage::clearViews() {
    const QColor ground = scene().colours.toolTipBackground;
    Image2->clear(ground, tv::kGreyOutline);
    Image3->clear(ground, tv::kGreyOutline);
}

void AircraftPage::redrawViews() {
    clearViews();
    drawAircraftView();
    drawStability();
    draw3DView();
}

// ---- Aircraft view, stability marks, lattice --------------------------------------------------------

void AircraftPage::drawAircraftView(AircraftFit fit) {
    const Scene s = scene();
    const QSize size = Image2->bitmapSize();
    if (fit == AircraftFit::KeepMagnified) {
        m_geom = tv::magnifiedGeometry(m_geom, ScrollBar3->value());
    } else {
        m_geom = tv::fitAircraftView(*s.model, size);
        keep3DZoom(m_geom);
    }
    QPainter p(&Image2->canvas());
    tv::d_1d(p, size, *s.model, m_geom, s.flightCaption);
    p.end();
    Image2->update();
}

tv::StabilityScene AircraftPage::stabilityScene(StabilityCaller caller) const {
    const Scene s = scene();
    const CalculationResult* r = s.result;
    tv::StabilityScene sc;
    sc.aircraft = s.model;
    sc.solver = r ? r->ws.get() : nullptr;
    sc.lang = s.lang;
    sc.units = s.units;
    sc.manual = RadioButton16->isChecked();
    sc.NeutralPointKnown = r && r->neutralPointKnown();
    sc.LatticeKnown = r && r->latticeKnown();
    sc.fromOpenFile = caller == StabilityCaller::OpenFile;
    if (r) sc.reference = r->reference;
    if (r) sc.numbers = r->numbers;
    sc.overlay.WingCount = s.model->WingCount;
    sc.overlay.pressureOn = CheckBoxA->isChecked();
    sc.overlay.gain = tv::pressureGain(ScrollBar6->value());
    sc.colours = s.colours;
    sc.flightCaption = s.flightCaption;
    if (m_balanceMarks) sc.balance = m_balanceMarks();
    sc.balance.captionBackground = s.colours.toolTipBackground;
    return sc;
}

void AircraftPage::drawStability(StabilityCaller caller) {
    if (!neutralPointKnown()) return;
    const QSize size = Image2->bitmapSize();
    tv::AircraftViewGeometry g = tv::fitAircraftView(*scene().model, size);
    keep3DZoom(g);
    if (ScrollBar3->value() < 100) g = tv::magnifiedGeometry(g, ScrollBar3->value());
    QPainter p(&Image2->canvas());
    const tv::StabilityPicture pic = tv::STABIL(p, size, stabilityScene(caller), g);
    p.end();
    Image2->update();
    // The result lines may have moved the drawing: the marks and the pointer follow its geometry.
    m_geom = pic.geometry;
}

void AircraftPage::drawLeaderLines() {
    const CalculationResult* r = scene().result;
    if (!r || !r->neutralPointKnown()) return;
    QPainter p(&Image2->canvas());
    const Scene s = scene();
    tv::Zeiger(p, Image2->bitmapSize().width(), s.lang, RadioButton16->isChecked(), r->reference, r->numbers, m_geom,
               s.units);
    p.end();
    Image2->update();
}

void AircraftPage::drawLattice() {
    // Only the lattice of the current model is drawn.
    if (const CalculationResult* r = scene().result; r && r->latticeKnown()) paintLattice(*r->ws);
}

void AircraftPage::paintLattice(const tv::SolverWorkspace& ws) {
    const Scene s = scene();
    const tv::LatticeOverlayOptions o{s.model->WingCount, CheckBoxA->isChecked(), tv::pressureGain(ScrollBar6->value()),
                                      s.colours.toolTipBackground, s.colours.toolTipBackground};
    QPainter p(&Image2->canvas());
    tv::DrawGrid(p, Image2->bitmapSize().width(), m_geom, ws, o);
    p.end();
    Image2->update();
}

void AircraftPage::drawLanguageCaption(const std::string& caption) {
    QPainter p(&Image2->canvas());
    const QColor background = scene().colours.toolTipBackground;
    tv::drawFlightCaption(p, m_geom.AircraftCentreX + 27, caption, &background);
    p.end();
    Image2->update();
}

void AircraftPage::ScrollBar3Change() {
    if (!m_scene) return;
    Image2->clear(scene().colours.toolTipBackground, tv::kGreyOutline);
    drawAircraftView(AircraftFit::KeepMagnified);
    if (!neutralPointKnown()) return;
    drawLattice();
    drawStability();
    if (m_geom.AircraftScale > m_geom.AircraftBaseScale) drawLeaderLines();
}

void AircraftPage::ScrollBar5Exit() {
    drawLattice();
    drawStability();
}

// ---- 3D view --------------------------------------------------------------------------------------

tv::View3DScene AircraftPage::view3DScene() const {
    const Scene s = scene();
    const CalculationResult* r = s.result;
    tv::View3DScene sc;
    sc.aircraft = s.model;
    sc.solver = r ? r->ws.get() : nullptr;
    sc.View3DScale = m_view3DScale;
    sc.elevationDeg = tv::elevationFromBar(ScrollBar1->value());
    sc.azimuthDeg = tv::azimuthFromBar(ScrollBar2->value());
    sc.pressureOn = CheckBoxA->isChecked();
    sc.NeutralPointKnown = r && r->neutralPointKnown();
    sc.LatticeKnown = r && r->latticeKnown();
    sc.gain = tv::pressureGain(ScrollBar6->value());
    sc.colours = s.colours;
    return sc;
}

void AircraftPage::draw3DView() {
    if (!m_scene) return;
    QPainter p(&Image3->canvas());
    tv::d_3d(p, Image3->bitmapSize(), view3DScene(), *m_view3d);
    p.end();
    Image3->update();
    // The tinted lattice follows the gain; the stability picture repaints it under the marks.
    if (CheckBoxA->isChecked()) {
        if (neutralPointKnown())
            drawStability();
        else
            drawLattice();
    }
    const CalculationResult* r = scene().result;
    const bool lattice = r && r->latticeKnown();
    CheckBoxA->setVisible(lattice);
    Label_Press->setVisible(lattice);
}

void AircraftPage::keep3DZoom(const tv::AircraftViewGeometry& fitted) {
    // The zoom bar keeps its factor over the new fit, so the next turn does not jump.
    m_view3DScale = tv::view3DScaleForZoom(ScrollBar4->value(), fitted.View3DScale);
}

void AircraftPage::ScrollBar4Change() {
    if (!m_scene) return;
    m_view3DScale = tv::view3DScaleForZoom(ScrollBar4->value(), m_geom.AircraftScale);
    draw3DView();
}

// ---- Mouse -----------------------------------------------------------------------------------------

// A press shows the leader lines while the button is held; the release redraws at the fitted
// scale. A press-and-drag does not magnify the view (the magnification bar stays at 100).
void AircraftPage::aircraftMouseDown(QPoint pos) {
    m_drag.DragOrigin = pos;
    drawLeaderLines();
}

void AircraftPage::aircraftMouseUp(QPoint pos) {
    ScrollBar3->setValue(100);
    m_drag.DragOrigin = pos;
    Image2->clear(scene().colours.toolTipBackground, tv::kGreyOutline);
    drawAircraftView();
    if (!neutralPointKnown()) return;
    drawLattice();
    drawStability();
}

void AircraftPage::view3DMouseDown(QPoint pos) { tv::view3DMouseDown(m_drag, pos); }

void AircraftPage::view3DMouseMove(QPoint pos, Qt::MouseButtons buttons) {
    const tv::View3DBars bars{ScrollBar1->value(), ScrollBar2->value(), ScrollBar4->value()};
    const tv::View3DBars b = tv::view3DMouseMove(m_drag, bars, buttons & Qt::LeftButton, buttons & Qt::RightButton, pos);
    // Each bar that moves redraws through its change handler.
    ScrollBar1->setValue(b.elevation);
    ScrollBar2->setValue(b.azimuth);
    ScrollBar4->setValue(b.zoom);
}

void AircraftPage::view3DMouseUp(QPoint pos) { tv::view3DMouseUp(m_drag, pos); }
