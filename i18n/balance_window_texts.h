#pragma once
// Texts of the window's balance page, the results strip under the pages and the report's
// weight-and-balance block, in the three languages. The figures' own lines come from
// stability/balance_lines.h.
#include "i18n/texts.h"

namespace tv {

struct BalanceWindowTexts {
    const char* tabTitle;      // the page's tab
    const char* myCgCaption;   // "My CG:" before the entry
    const char* addRow;        // the table's buttons
    const char* removeRow;
    const char* moveUp;
    const char* moveDown;
    const char* ballastCaption; // "Ballast at x (mm):" before the ballast place
    const char* chooseRow;      // the move answer before a row is chosen
    const char* noTarget;       // no target CG: the desired margin is refused or nothing is calculated
    const char* rowMarked;      // tooltip of a cell of a row left out of the sums
    const char* tableFull;      // the add button's tooltip when the table holds its 30 rows
    // The results strip: "NP 116.5 mm | CG 63.8 … 90.1 mm | My CG 10.0 %: inside".
    const char* stripNeutralPoint;
    const char* stripCgRange;
    const char* stripInside;   // the verdicts in one or two words (colour is never alone)
    const char* stripNoseHeavy;
    const char* stripTooFarAft;
    const char* stripUnstable;
    const char* stripNoCg;     // My CG entered but giving no position
    const char* reportHeading; // "Weight and balance:" over the report's block
    const char* changesFrom;   // "Moves and ballast start from the table's CG: " (followed by x)
};
const BalanceWindowTexts& balanceWindowTexts(UiLanguage lang);

} // namespace tv
