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

const tv::AircraftViewGeometry& TForm1::aircraftViewGeometry() const { return m_aircraft->geometry(); }
double TForm1::view3DScale() const { return m_aircraft->view3DScale(); }


// ---- Status line ---------------------------------------------------------------------------------

void TForm1::showPointerPosition(std::optional<tv::AircraftFramePoint> p) {
    if (m_statusLine)
        m_statusLine->setText(p ? QString::fromStdString(tv::pointerPositionText(UiLanguage, p->x, p->y)) : QString());
}

// ---- Events: activation, resize -----------------------------------------------------------------

// The shown page's new size is laid out when it differs from the one laid out last.
void TForm1::pageResized(QWidget* page) {
    if (m_building) return;
    const QSize design(int(page->width() / m_pl.scale), int(page->height() / m_pl.scale));
    if (design != m_laidOutPage) FormResize();
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
