#pragma once
// The window's parts placed for its client area, in design pixels: the tool bar over the tab
// widget, and in the pages the parts that follow the page's size (the wing pages' planform views
// and right-hand controls, the aircraft page's views and results box).
#include "app/pages/placement.h"
#include "model/aircraft.h"

#include <QSize>

#include <array>

class AircraftPage;
class QTabWidget;
class WindowActions;
class WingPage;

class WindowLayout {
public:
    using WingPages = std::array<WingPage*, tv::kWingMax + 1>;
    WindowLayout(const Placement& placement, QWidget* client, QWidget* toolBar, WindowActions& actions,
                 QTabWidget* pages, AircraftPage& aircraft, const WingPages& wings);
    /// Places everything for the client area's size now.
    void layOut();
    /// True when page, the one shown, has another size than the one laid out last.
    bool differs(const QWidget* page) const;

private:
    int design(int px) const { return int(px / m_pl.scale); }
    void layOutPages(int tabWidth, int tabHeight);

    const Placement& m_pl;
    QWidget* m_client;
    QWidget* m_toolBar;
    WindowActions& m_actions;
    QTabWidget* m_pages;
    AircraftPage& m_aircraft;
    const WingPages& m_wings;
    QSize m_laidOutPage; // design pixels; empty while the shown page had no size of its own
};
