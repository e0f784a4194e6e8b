#pragma once
// The words of the trim's figures and refusals in the three languages: the report's trim block,
// why there is no trim, why an airfoil file gives no airfoil. The trim unit (trim/trim_texts.h)
// puts the numbers and the units in.
#include "i18n/texts.h"

namespace tv {

struct TrimWords {
    const char* degrees;        // after an angle: " deg", "°"
    const char* trimAtCg;       // "Trim at CG " (the CG follows)
    const char* alpha;          // "  alpha " (the trim angle follows)
    const char* speed;          // ", speed "
    const char* washoutOf;      // "Washout of wing " (the number follows)
    const char* incidenceOf;    // "Incidence of wing "
    const char* asSet;          // "as set " (the setting follows)
    const char* decalage;       // ", decalage "
    const char* wing;           // "  wing " (each wing's line)
    const char* liftShare;      // ", lift share "
    const char* highestCl;      // ", highest cl "
    const char* atY;            // "at y " (the station follows)
    const char* highestClWing;  // "  highest CL: wing "
    const char* stallsFirst;    // " (stalls first)"
    const char* outsideLinear;  // the flag of the linear model's limits
    const char* inWing;         // " (wing " of an airfoil refusal
    const char* inSection;      // ", section "
    // Why there is no trim.
    const char* noResult;
    const char* alpha0Beyond;
    const char* cm0Beyond;
    const char* massNotPositive;  // the mass unit follows
    const char* massAfterUnit;    // after the unit ("" or German " liegen")
    const char* densityNotPositive;
    const char* trimWingNotInUse; // the wing's number follows
    const char* noStableTrim;
    const char* targetNotPositive;
    const char* variableWithoutEffect;
    const char* noPositiveLift;
    const char* solveFailed;
    // Why a coordinate file gives no airfoil.
    const char* fileUnreadable;
    const char* fileEmpty;
    const char* fileNotNumeric;
    const char* fileOutOfOrder;
    const char* fileSingleSurface;
    const char* atLine;           // " (line " (the number and ")" follow)
};

const TrimWords& trimWords(UiLanguage lang);

} // namespace tv
