#pragma once
// The balance figures of the aircraft on screen, for the balance page, the results strip, the
// marks on the aircraft view and the report alike: from the planforms of the shown texts, the
// project's balance texts and the result only while it belongs to them. Without a current result
// the margins are "not calculated", never the figures of an older result.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "stability/balance.h"
#include "stability/stability.h"
#include "views/balance_marks.h"

#include <string>
#include <vector>

struct CalculationResult;

/// What the balance figures are computed from.
struct BalanceScene {
    tv::Aircraft aircraft;                     // planforms of the shown texts, Balance as the project holds it
    const CalculationResult* result = nullptr; // current for the shown texts, or none
    tv::UiLanguage lang = tv::UiLanguage::English;
    tv::DisplayUnits units;                    // what the figures are shown and typed in
};

struct BalanceState {
    tv::BalanceTexts texts;        // as the project holds them
    tv::BalanceFigures figures;
    bool calculated = false;       // a neutral point belongs to the shown aircraft
    tv::ReferenceValues reference; // of that neutral point (zero without one)
    tv::StabilityNumbers numbers;
    tv::DisplayUnits units;        // the scene's
};

BalanceState balanceState(const BalanceScene& scene);

// ---- Entries in the chosen units ----------------------------------------------------------------
// The project keeps the balance entries in grams and millimetres as texts. In those units an entry
// is shown and kept as typed; in another unit it is shown converted (to 4 decimals, trailing zeros
// dropped) and what is typed is kept as grams or millimetres to 4 decimals, which shows again as
// the figure typed. A number with a unit written after it ("4 oz", "2.5in") is read in that unit
// whatever the choice; text that is no number is kept as typed, for the figures to refuse it.

/// The stored entry as the page shows it in unit u (g or mm: as stored).
std::string shownEntry(const std::string& stored, tv::Unit u);
/// What is stored for text typed in unit u: `stored` itself while the text shows just that.
std::string storedEntry(const std::string& typed, const std::string& stored, tv::Unit u);

/// The verdict in one or two words, for the strip and the view's mark.
const char* shortVerdictText(tv::UiLanguage lang, tv::CgVerdict v);

/// The one line under the pages, lengths in the state's unit: "NP 116.5 mm | CG 63.8 … 90.1 mm | My CG 72.0 mm: 10.0 % (inside)";
/// without a current result "NP: not calculated" (and "My CG: not calculated" when one is entered).
std::string resultsStripText(tv::UiLanguage lang, const BalanceState& s);

/// The report's weight-and-balance block: the lines of balanceReportLines when the project holds
/// balance data, else none (a report without it keeps its page).
std::vector<std::string> balanceReportBlock(tv::UiLanguage lang, const BalanceState& s);

/// The marks on the aircraft view: the mean chord, the recommended range and My CG (none without
/// a current result).
tv::BalanceMarks balanceMarks(tv::UiLanguage lang, const BalanceState& s);

/// The move and ballast answers for the target CG, after the table's CG they start from: for row `row` (0-based; -1: none chosen) and
/// the ballast place as typed ("" : none asked).
std::vector<std::string> changeLines(tv::UiLanguage lang, const BalanceState& s, int row, const std::string& ballastText);
