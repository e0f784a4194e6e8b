#pragma once
// The one-page report: header, the aircraft view and the 3D view as pictures, the neutral point
// and the centre-of-gravity positions, and one block of planform and aerodynamic figures per
// wing. Drawn in page units (806 x 1620, the page bitmap's pixels) onto any QPainter: the page
// bitmap of the print dialog and the PDF export use the same drawing.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "stability/stability.h"

#include <QImage>
#include <QPainter>
#include <QSize>

#include <array>
#include <string>
#include <vector>

namespace tv {

inline constexpr QSize kReportPageSize{806, 1620};
inline constexpr QSize kAircraftPictureSize{593, 330}; // Image4
inline constexpr QSize kView3DPictureSize{630, 200};   // Image7
/// Where the pictures are stretched to on the page.
inline constexpr QRect kAircraftPictureRect{0, 42, 616, 312};
inline constexpr QRect kView3DPictureRect{0, 357, 616, 191};
inline constexpr QSize kTrimCurvePictureSize{616, 260}; // under the trim block

/// Everything the report shows, as values.
struct ReportData {
    UiLanguage lang = UiLanguage::English;
    DisplayUnits units; // every length and area of the page; the metric ones give the page as it always was
    std::string projectFileName;
    Aircraft aircraft;                              // computed model; WingCount wings are reported
    double NeutralPointX = 0;                       // mm, aircraft frame
    std::array<double, kWingMax + 1> WingAcX{};     // [1..5] mm, aircraft frame
    std::array<double, kWingMax + 1> WingLiftSlope{}; // [1..5] per radian
    StabilityNumbers numbers;                       // margins and centre-of-gravity positions
    QImage aircraftPicture; // the aircraft view drawn at kAircraftPictureSize (or a multiple)
    QImage view3DPicture;   // the 3D view drawn at kView3DPictureSize (or a multiple)
    /// The weight-and-balance block below the wing blocks (stability/balance_lines.h); empty: none.
    std::vector<std::string> balanceLines;
    /// The trim block below it (trim/trim_texts.h: trimReportLines); empty: none.
    std::vector<std::string> trimLines;
    QImage trimCurvePicture; // the trim curve drawn at kTrimCurvePictureSize (or a multiple); null: none
};

/// One text of the page, its top-left corner in page units.
struct ReportText {
    int x, y;
    std::string text; // UTF-8
};

/// Every text of the page in drawing order.
std::vector<ReportText> reportPageTexts(const ReportData& d);

/// The bottom of the last wing block (page units): the used height of a page without a
/// weight-and-balance block.
int reportUsedHeight(int wingCount);
/// The used height of the page d gives: the last wing block's bottom, or the balance block's.
int reportUsedHeight(const ReportData& d);
/// The page: kReportPageSize, made taller where a balance block runs past its foot.
QSize reportPageSize(const ReportData& d);

/// Characters of the page's monospace font in a line across the page.
inline constexpr int kReportColumns = 83;
/// line in pieces of at most `columns` characters, broken at blanks where it can be (a longer
/// word is cut); the pieces after the first start with two blanks.
std::vector<std::string> wrapReportLine(const std::string& line, int columns = kReportColumns);

/// Draws the whole page (reportPageSize) in page units: white background, "Courier" 12 point (16
/// units), the pictures stretched into their rectangles, the texts.
void drawReportPage(QPainter& p, const ReportData& d);

/// The page bitmap (Image_P): reportPageSize(d), 806 x 1620 pixels unless a balance block needs more.
QImage composeReportPage(const ReportData& d);

} // namespace tv
