#pragma once
// The balance figures as lines of text in the three languages, for the window, the report and the
// batch calculator alike. Lengths with one decimal ("." always), masses in g with one decimal.
#include "i18n/balance_texts.h"
#include "stability/balance.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

/// "80.0 mm = 25.0 % MAC = 50.0 mm behind the root LE".
std::string cgMeasuresText(UiLanguage lang, const CgMeasures& m);

/// The verdict's words: "inside the recommended range", "nose-heavy: ...", ...
const char* verdictText(UiLanguage lang, CgVerdict v);

/// "Static margin: 10.0 % (20.0 mm), inside the recommended range"; without a margin (no current
/// result, no usable CG) "Static margin: not calculated", never a stale figure.
std::string marginLine(UiLanguage lang, const std::optional<CgMargin>& margin);

/// Why an entry gives no CG, after "My CG: ": "not a number (use "." as decimal point): "7,5"",
/// "the CG is at 5000000.0 mm, beyond the limit of ±1000000 mm". `typed` is the entry's text.
/// "" for an entry that was accepted.
std::string cgRefusalLine(UiLanguage lang, const CgEntry& entry, std::string_view typed);

/// "Row 3 (Battery): the mass is not a number; the row is left out of the sums" (row 1-based);
/// "" for a row without a problem. A nameless row is "Row 3: ...".
std::string rowProblemLine(UiLanguage lang, int rowNumber, std::string_view name, RowProblem p);

/// "Move Battery by -133.3 mm (forward)", or the refusal ("no answer: ...").
std::string moveLine(UiLanguage lang, std::string_view name, const ChangeAnswer& a);

/// "Ballast at x = -100.0 mm: 222.2 g", "Ballast at x = 0.0 mm: the CG is at the target: nothing to
/// change", or the refusal after the place.
std::string ballastLine(UiLanguage lang, double ballastX, const ChangeAnswer& a);

/// "Wing loading: 25.0 g/dm² on 40.00 dm²" and "Cubic wing loading: 3.95 g/dm³ on 40.00 dm²".
std::vector<std::string> loadingLines(UiLanguage lang, const WingLoading& l);

/// "Volume coefficient of wing 2: 0.581 (tail)", "... -0.469 (canard)".
std::string tailVolumeLine(UiLanguage lang, const TailVolume& t);

} // namespace tv
