#pragma once
// The trim's texts: why there is no trim, and the lines of the trim block of the report, composed
// from the words of i18n/trim_texts.h with the figures in the units given.
#include "i18n/texts.h"
#include "model/airfoil.h"
#include "model/units.h"
#include "trim/trim.h"

#include <string>
#include <vector>

namespace tv {

/// Why the trim gave no figures ("no stable trim: the CG is at or behind the neutral point");
/// "" for a result without a problem. A mass it quotes is in the units given.
std::string trimProblemText(UiLanguage lang, const TrimResult& r, const DisplayUnits& u = kMetricUnits);

/// Why a coordinate file gives no airfoil, with the line where that was found ("" when it does).
std::string airfoilErrorText(UiLanguage lang, const Airfoil& a);

/// The report's trim block: the question's answer, each wing's lift, the induced drag and the
/// flags of the linear model, or the problem's line; lengths and the speed in the units given.
std::vector<std::string> trimReportLines(UiLanguage lang, const TrimResult& r, const DisplayUnits& u = kMetricUnits);

} // namespace tv
