// The drawings on the window's images, the pointer position in the status line and the redrawing
// on resize. Each hook reads the controls and the result object and calls one function of the
// views; the planform views and their drag live in the planform editor, the placing of the parts
// in the window layout.
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/window_layout.h"
#include "i18n/session_texts.h"

#include <QEvent>
#include <QScrollBar>
#include <QTabWidget>

tv::SystemColours TForm1::systemColours() const {
    const QPalette& pal = palette();
    // The light 3-D edge is Midlight: Light is the white highlight edge, on which the reference
    // outline would vanish against the pale background.
    return {pal.color(QPalette::ToolTipBase), pal.color(QPalette::Midlight), pal.color(QPalette::Base)};
}

// ---- Wing pages -------------------------------------------------------------------------------------

void TForm1::drawDimensionDiagram(int w) {
    if (w >= 1 && w <= tv::kWingMax) m_wing[w]->drawDiagram(UiLanguage, m_units.length);
}

// ---- Aircraft page: its views draw the model and the current result ---------------------------------

AircraftPage::Scene TForm1::aircraftScene() const {
    return {&m_doc.aircraft(), currentResult(), UiLanguage, Catalogue.TxtFlightDirection, systemColours(), m_units};
}

BalanceScene TForm1::balanceScene() const {
    // The planforms of the result shown (a live drag's shape among them), else the document's; the
    // balance and trim texts are always the document's (a trim edit leaves the result current).
    const CalculationResult* r = currentResult();
    tv::Aircraft aircraft = r ? r->aircraft : m_doc.aircraft();
    aircraft.Balance = m_doc.texts().Balance;
    aircraft.Trim = m_doc.texts().Trim;
    return {aircraft, r, UiLanguage, m_units};
}

const tv::AircraftViewGeometry& TForm1::aircraftViewGeometry() const { return m_aircraft->geometry(); }
double TForm1::view3DScale() const { return m_aircraft->view3DScale(); }


// ---- Status line ---------------------------------------------------------------------------------

void TForm1::showPointerPosition(std::optional<tv::AircraftFramePoint> p) {
    if (m_statusLine)
        m_statusLine->setText(p ? tv::fittedPointerText(m_statusLine->fontMetrics(), // unshown: the whole text
                                                        m_statusLine->isVisible() ? m_statusLine->contentsRect().width()
                                                                                  : QWIDGETSIZE_MAX,
                                                        UiLanguage, *p, m_units.length)
                                : QString());
}

// ---- Events: activation, resize -----------------------------------------------------------------

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

void TForm1::FormResize() {
    m_hiddenViewsStale = false;
    m_aircraft->ScrollBar3->setValue(100);
    // A window not laid out yet (never shown) keeps its sizes but is redrawn all the same.
    m_layout->layOut();
    for (int w = 1; w <= tv::kWingMax; ++w) computeWing(w);
    if (!neutralPointKnown()) Calc();
    m_aircraft->redrawViews();
}
