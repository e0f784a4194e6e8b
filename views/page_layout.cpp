#include "views/page_layout.h"

#include <algorithm>

namespace tv {
namespace {

constexpr int kViewsLeft = 284; // right of the input column and the elevation bar
constexpr int kBar = 16;        // scroll bar thickness
constexpr int kSwitchRow = 22;  // the pressure switch row under the aircraft view

int atLeast1(int v) { return std::max(1, v); }

} // namespace

AircraftPageLayout layOutAircraftPage(QSize page) {
    const int w = page.width(), h = page.height();
    const int t = int(h * 0.6);
    const int view2H = atLeast1(t - 2 - kSwitchRow);
    const int image3H = atLeast1(h - t - 22);
    AircraftPageLayout l;
    l.Image2 = QRect(kViewsLeft, 2, atLeast1(w - kViewsLeft - 1 - 18), view2H);
    l.ScrollBar6 = QRect(w - 17, 2, kBar, view2H);
    l.CheckBoxA = QRect(w - 545, t - 21, 240, 18);
    l.Label_Press = QRect(w - 304, t - 21, 300, 18);
    l.Image3 = QRect(kViewsLeft, t, atLeast1(w - kViewsLeft - 1), image3H);
    l.ScrollBar1 = QRect(kViewsLeft - 18, t, kBar, image3H);
    l.ScrollBar2 = QRect(kViewsLeft, h - 18, atLeast1(w - kViewsLeft - 1), kBar);
    l.Memo1 = QRect(4, kResultsBoxTop, kColumnWidth - 4, std::max(kResultsBoxMinHeight, h - kResultsBoxTop - 2));
    return l;
}

QRect layOutPlanformView(QSize page) {
    return QRect(8, 340, atLeast1(page.width() - 8 - 2), atLeast1(page.height() - 340 - 6));
}

} // namespace tv
