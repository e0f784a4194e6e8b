#pragma once
// The balance figures as lines of text in the three languages, for the window, the report and the
// batch calculator alike. Lengths with one decimal ("." always), masses in g with one decimal, in
// the metric units unless other DisplayUnits are given (then with the decimals model/units.h gives).
#include "i18n/balance_texts.h"
#include "model/units.h"
#include "stability/balance.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// "80.0 mm = 25.0 % MAC = 50.0 mm behind the root LE".
std::string cgMeasuresText(UiLanguage lang, const CgMeasures& m, const DisplayUnits& u = kMetricUnits);

/// Which chord the % MAC figures are of: "% MAC of wing 1: reference chord of the margins, 225.9 mm,
/// centre gap filled with the root chord" (the gap only where the wing has one); "" without a mean chord.
std::string macReferenceLine(UiLanguage lang, const BalanceFigures& f, const DisplayUnits& u = kMetricUnits);

/// The verdict's words: "inside the recommended range", "nose-heavy: ...", ...
const char* verdictText(UiLanguage lang, CgVerdict v);

/// "Static margin: 10.0 % (20.0 mm), inside the recommended range"; without a margin (no current
/// result, no usable CG) "Static margin: not calculated", never a stale figure.
std::string marginLine(UiLanguage lang, const std::optional<CgMargin>& margin,
                       const DisplayUnits& u = kMetricUnits);

/// Why an entry gives no CG, after "My CG: ": "not a number (use "." as decimal point): "7,5"",
/// "the CG lies beyond the limit of ±1000000 mm: x = 5000000.0 mm". `typed` is the entry's text.
/// "" for an entry that was accepted.
std::string cgRefusalLine(UiLanguage lang, const CgEntry& entry, std::string_view typed,
                          const DisplayUnits& u = kMetricUnits);

/// "Row 3 (Battery): the mass is not a number; the row is left out of the sums" (row 1-based);
/// "" for a row without a problem. A nameless row is "Row 3: ...".
std::string rowProblemLine(UiLanguage lang, int rowNumber, std::string_view name, RowProblem p,
                           const DisplayUnits& u = kMetricUnits);

/// "Move Battery by -133.3 mm (forward)", or the refusal ("no answer: ...").
std::string moveLine(UiLanguage lang, std::string_view name, const ChangeAnswer& a,
                     const DisplayUnits& u = kMetricUnits);

/// "Ballast at x = -100.0 mm: 222.2 g", "Ballast at x = 0.0 mm: the CG is at the target: nothing to
/// change", or the refusal after the place.
std::string ballastLine(UiLanguage lang, double ballastX, const ChangeAnswer& a,
                        const DisplayUnits& u = kMetricUnits);

/// "Wing loading: 25.0 g/dm² on 40.00 dm²" and "Cubic wing loading: 3.95 g/dm³ on 40.00 dm²".
std::vector<std::string> loadingLines(UiLanguage lang, const WingLoading& l, const DisplayUnits& u = kMetricUnits);

/// "Volume coefficient of wing 2: 0.581 (tail)", "... -0.469 (canard)".
std::string tailVolumeLine(UiLanguage lang, const TailVolume& t);

/// The balance part of a results report, line by line, as far as the figures go:
///  with a calculation and a mean chord: "Mean aerodynamic chord of wing 1 (reference chord of the
///    margins): 200.0 mm, x 30.0 – 230.0 mm, y 500.0 mm" (", centre gap filled with the root chord"
///    inside the brackets for a wing with one)
///    and "Static margin 16 %: 68.0 mm = 19.0 % MAC = 38.0 mm behind the root LE" for the recommended
///    high and low and the desired margin;
///  with My CG entered or taken from the table: "My CG: ..." (its measures, or why it gives none)
///    and its marginLine ("not calculated" without a calculation);
///  with table rows (as f.Masses holds them): "Total mass: 1000.0 g, CG of the masses: 120.0 mm", a rowProblemLine for
///    every row left out, and with a calculation the loadingLines;
///  with a calculation: a tailVolumeLine for every other wing.
/// `n` gives the margins of the three CG positions.
std::vector<std::string> balanceReportLines(UiLanguage lang, const BalanceFigures& f, const BalanceTexts& b,
                                            const StabilityNumbers& n, bool calculated,
                                            const DisplayUnits& u = kMetricUnits);

} // namespace tv
