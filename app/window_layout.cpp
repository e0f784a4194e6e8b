#include "app/window_layout.h"

#include "app/actions.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "views/page_layout.h"

#include <QTabBar>
#include <QTabWidget>

WindowLayout::WindowLayout(const Placement& placement, QWidget* client, QWidget* toolBar, WindowActions& actions,
                           QTabWidget* pages, AircraftPage& aircraft, const WingPages& wings)
    : m_pl(placement), m_client(client), m_toolBar(toolBar), m_actions(actions), m_pages(pages),
      m_aircraft(aircraft), m_wings(wings) {}

void WindowLayout::layOut() {
    // Sizes in design pixels: what the window has, divided by the scale.
    const int clientW = design(m_client->width());
    const int clientH = design(m_client->height());
    // A window not laid out yet (never shown) keeps its sizes.
    if (clientW < 200 || clientH < 200) return;
    m_pl.place(m_pages, 0, 28, clientW, clientH - 28);
    m_pl.place(m_toolBar, 0, 0, clientW, 28);
    m_actions.layOutToolBar(clientW);
    // A page that was never shown has no size yet; it then gets the tab widget's size less
    // the tab row and the frame.
    QWidget* page = m_pages->currentWidget();
    const bool sized = page->testAttribute(Qt::WA_WState_Created) && page->isVisible();
    const int tabW = sized ? design(page->width()) : clientW - 6;
    const int tabH = sized ? design(page->height()) : clientH - 28 - design(m_pages->tabBar()->sizeHint().height()) - 6;
    if (tabW >= 100 && tabH >= 100) layOutPages(tabW, tabH);
    m_laidOutPage = sized ? QSize(tabW, tabH) : QSize();
}

bool WindowLayout::differs(const QWidget* page) const {
    return QSize(design(page->width()), design(page->height())) != m_laidOutPage;
}

void WindowLayout::layOutPages(int tabW, int tabH) {
    const QRect planform = tv::layOutPlanformView(QSize(tabW, tabH));
    for (int w = 1; w <= tv::kWingMax; ++w) {
        m_pl.placeImage(m_wings[w]->planformImage(), planform);
        m_wings[w]->layOut(tabW);
    }
    m_aircraft.layOut(QSize(tabW, tabH));
}
