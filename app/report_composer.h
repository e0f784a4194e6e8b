#pragma once
// The printed report's values and pictures, from the model and the result that belongs to it.
#include "printing/report_page.h"
#include "views/stability_view.h"
#include "trim/trim.h"
#include "views/view3d.h"

struct CalculationResult;

struct ReportInputs {
    tv::UiLanguage lang = tv::UiLanguage::English;
    tv::DisplayUnits units;      // every figure of the page is written in them
    std::string projectFileName;
    tv::Aircraft model;                         // WingCount wings are reported
    const CalculationResult* result = nullptr;  // current, or none
    tv::StabilityScene stability;               // as the aircraft page would draw it
    tv::View3DScene view3D;
    std::string flightCaption;
    std::vector<std::string> balanceLines; // the weight-and-balance block; empty: none
    std::vector<std::string> trimLines;    // the trim block; empty: none
    const tv::TrimResult* trim = nullptr;  // its curve is drawn under it; none: no curve
};

/// The report's values, and the views as a fresh recalculation draws them at the pictures' sizes
/// times pictureScale: fitted anew, without the pressure display.
tv::ReportData composeReport(ReportInputs in, double pictureScale);
