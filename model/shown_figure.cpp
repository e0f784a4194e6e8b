#include "model/shown_figure.h"

#include "model/numformat.h"

namespace tv {

bool isMetricDefault(Unit u) { return kMetricUnits.of(quantityOf(u)) == u; }

std::string shownFigure(UiLanguage lang, double base, Unit u, int width, int decimals, std::string_view metricSuffix) {
    if (isMetricDefault(u)) return formatFixed(base / basePerUnit(u), width, decimals) + std::string(metricSuffix);
    return formatFixed(fromBase(base, u), width, decimalsIn(u, decimals)) + " " + unitSymbol(lang, u);
}

} // namespace tv
