#pragma once
// Where the window's resizable parts go for a given page size, in design pixels (96 per inch):
// the aircraft page's two views with their bars and the pressure switch, the results box at the
// foot of the input column, and each wing page's planform view. A pure function, so the layout
// at the smallest and at large window sizes can be checked without a window.
#include <QRect>
#include <QSize>

namespace tv {

/// Fixed rows of the aircraft page's input column, top down (design pixels).
inline constexpr int kWingCountRow1 = 2, kWingCountRow2 = 20;
inline constexpr int kPositionHeadingTop = 38;
inline constexpr int kThumbnailTop = 55, kThumbnailPitch = 85; // 170 x 84 thumbnails, one per wing
inline constexpr int kCalculateTop = 482;                       // Button4 and its busy labels, 26 high
inline constexpr int kAutomaticTop = 510, kManualTop = 528;      // RadioButton15, RadioButton16
inline constexpr int kMarginCaptionTop = 548;                    // Label22, one line
inline constexpr int kMarginFieldTop = 566;                      // Edit_Mstab and Label21
inline constexpr int kResultsBoxTop = 590;                       // Memo1 down to the page's foot
inline constexpr int kColumnWidth = 262;                         // the input column's right edge
/// The results box shows five whole lines of the 11-pixel font at the smallest window.
inline constexpr int kResultsBoxMinHeight = 72;

struct AircraftPageLayout {
    QRect Image2, ScrollBar6, CheckBoxA, Label_Press; // aircraft view, gain bar, pressure switch row
    QRect Image3, ScrollBar1, ScrollBar2;             // 3D view, elevation and azimuth bars
    QRect Memo1;                                      // results box
};

/// The aircraft page of size page: right of the input column the aircraft view with the gain bar
/// at its right edge and the switch row under it take the upper 60 %, the 3D view with its bars
/// the rest; the results box fills the input column from its row to the page's foot.
AircraftPageLayout layOutAircraftPage(QSize page);

/// A wing page's planform view: under the diagram and the results, to the page's edges.
QRect layOutPlanformView(QSize page);

} // namespace tv
