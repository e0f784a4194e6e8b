#pragma once
// The captions of the trim page and its results strip in the three languages.
#include "i18n/texts.h"

#include <string>

namespace tv {

struct TrimPageTexts {
    const char* tabTitle;
    const char* wingCaption;      // the wing whose settings are shown
    const char* incidence;        // "Incidence (deg)"
    const char* section;          // column: section number
    const char* twist;            // column: twist, deg
    const char* airfoil;          // column: airfoil name or NACA
    const char* alpha0;           // column: zero-lift angle, deg
    const char* cm0;              // column: moment coefficient
    const char* loadAirfoil;      // "Load airfoil…"
    const char* mass;             // "Flying mass" (the unit follows in brackets)
    const char* massFromTable;    // "the balance table's total: " before its grams
    const char* density;          // "Air density (kg/m³)"
    const char* question;         // "Question"
    const char* asSet;
    const char* targetCl;
    const char* targetSpeed;      // "target speed" (the unit follows in brackets)
    const char* target;           // the target's caption
    const char* trimVariable;     // "Trim variable"
    const char* washoutOf;        // "washout of wing "
    const char* incidenceOf;      // "incidence of wing "
    const char* automatic;        // the first wing other than the reference wing (one wing: its washout)
    const char* curveTitle;
    const char* curveAxis;        // x axis: the trim variable, deg
    const char* speedAxis;        // y axis: "V" (the unit follows in brackets)
    const char* currentSetting;   // the marked point
    const char* airfoilFilter;    // the open dialog's filter
    const char* noCg;             // no CG to trim at
    const char* decalage;         // the strip's "decalage " (the angle follows)
};

const TrimPageTexts& trimPageTexts(UiLanguage lang);

/// "Trim V 12.3 m/s" (the speed given with its unit) or "Trim: decalage 1.25°"; "" when there is
/// nothing to say.
std::string trimStripText(UiLanguage lang, const std::string& speed, const std::string& setting);

/// The heading of the span loading's trimmed plot: "Local cl at trim, CL 0.500".
std::string trimmedClTitle(UiLanguage lang, const std::string& cl);

} // namespace tv
