#pragma once
// A figure as the window and the printed report show it in the unit chosen for its quantity. In
// the metric default (mm, dm², g, g/dm², g/dm³, m/s) it keeps the form each place has always
// written: its own width and its own suffix ("123.4mm", " 20.00dm^2", "  45 mm"); in any other
// unit the number, finer by decimalsIn, is followed by a blank and the unit's symbol ("4.858 in").
#include "model/units.h"

#include <string>
#include <string_view>

namespace tv {

/// mm, dm², g, g/dm², g/dm³ and m/s: the units the program has always shown.
bool isMetricDefault(Unit u);

/// `base` (mm, mm², g, g/dm², g/dm³, m/s) in unit u, right-aligned in `width`: in the metric
/// default the number with `decimals` followed by `metricSuffix` as it is; otherwise the number
/// with decimalsIn(u, decimals), a blank and the symbol in `lang`.
std::string shownFigure(UiLanguage lang, double base, Unit u, int width, int decimals, std::string_view metricSuffix);

} // namespace tv
