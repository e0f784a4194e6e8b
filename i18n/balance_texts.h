#pragma once
// Texts of the balance figures (CG on the mean chord, My CG and its margin, the weight-and-balance
// table, wing loading, tail volume) in the three languages. Numbers are put in by the composing
// functions of stability/balance_lines.h.
#include "i18n/texts.h"

namespace tv {

struct BalanceLabels {
    const char* notCalculated;    // "not calculated": a figure without a current result
    const char* myCg;             // "My CG"
    const char* inputAircraftFrame; // the entry modes of My CG: "mm (aircraft frame)"
    const char* inputBehindRootLe;  // "mm behind the root leading edge"
    const char* inputPercentMac;    // "% MAC"
    const char* fromTable;        // check box: My CG from the table's masses
    const char* percentMac;       // unit after a number: " % MAC"
    const char* behindRootLe;     // unit after a number: " mm behind the root LE"
    const char* meanChord;        // "Mean aerodynamic chord" (the MAC on the view and in the report)
    const char* ofWing;           // " of wing " (followed by the number)
    const char* percentMacOf;     // "% MAC of wing " (followed by the number): which chord the % MAC is of
    const char* marginsChord;     // "reference chord of the margins": the mean chord is the margins' one
    const char* gapFilled;        // "centre gap filled with the root chord"
    const char* staticMargin;     // "Static margin"
    // Verdicts of a CG against the recommended range.
    const char* inside;
    const char* noseHeavy;
    const char* tooFarAft;
    const char* unstable;
    // Why an entered CG gives no position.
    const char* cgEmpty;
    const char* cgNotANumber;     // followed by the text in quotes
    const char* cgBeyondLimit;    // "the CG lies beyond the limit of ±", the limit follows
    const char* cgNoMeanChord;
    const char* cgNoTableCg;
    // The weight-and-balance table.
    const char* itemColumn;       // "Item"
    const char* massColumn;       // "Mass (g)"
    const char* xColumn;          // "x (mm)"
    const char* totalMass;        // "Total mass"
    const char* massCg;           // "CG of the masses"
    const char* targetCg;         // "Target CG (desired margin)"
    const char* row;              // "Row " (followed by the number)
    const char* leftOut;          // "; the row is left out of the sums"
    const char* massMissing;      // the row problems
    const char* massNotANumber;
    const char* massNotPositive;
    const char* massBeyondLimit;  // "the mass is above ", the limit follows
    const char* xMissing;
    const char* xNotANumber;
    const char* xBeyondLimit;     // "x is beyond the limit of ±", the limit follows
    // What to change to reach the target CG.
    const char* moveBy;           // "Move " (item) " by " ...
    const char* by;
    const char* forward;          // " (forward)"
    const char* rearward;         // " (rearward)"
    const char* ballast;          // "Ballast at x = "
    const char* noBallastNeeded;  // the CG is at the target already
    const char* noCg;             // the change refusals
    const char* rowNotUsed;
    const char* ballastAtTarget;
    const char* negativeBallast;
    const char* changeBeyondLimit;
    // Wing loading and tail volume.
    const char* wingLoading;      // "Wing loading"
    const char* cubicLoading;     // "Cubic wing loading"
    const char* onArea;           // " on " (followed by the area in dm^2)
    const char* volumeOf;         // "Volume coefficient of wing " (followed by the number)
    const char* tail;             // the roles by the sign of the coefficient
    const char* canard;
    const char* noLever;
};
const BalanceLabels& balanceLabels(UiLanguage lang);

} // namespace tv
