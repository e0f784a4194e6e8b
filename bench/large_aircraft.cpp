#include "large_aircraft.h"

#include "model/planform.h"
#include "solver/grid.h"
#include "solver/workspace.h"

#include <cmath>
#include <string>

namespace tvbench {

namespace {

using tv::WingField;

/// The wing texts with every length field multiplied by factor (positions left alone).
tv::WingTexts scaledWing(const tv::WingTexts& wing, double factor) {
    tv::WingTexts out = wing;
    for (int f = 0; f < tv::kWingFieldCount; ++f) {
        const auto field = static_cast<WingField>(f);
        if (field == WingField::PositionX || field == WingField::PositionZ) continue;
        const long value = std::lround(std::stod(wing.field[f]) * factor);
        out.field[f] = std::to_string(value);
    }
    return out;
}

tv::AircraftTexts aircraftWithScale(double factor) {
    tv::AircraftTexts a = tv::defaultAircraftTexts();
    const tv::WingTexts main = a.wings[1];
    a.WingCount = 5;
    for (int w = 1; w <= 5; ++w) {
        a.wings[w] = w <= 3 ? main : scaledWing(main, factor);
        a.wings[w][WingField::PositionX] = std::to_string(1500 * (w - 1));
        a.wings[w][WingField::PositionZ] = std::to_string(150 * (w - 1));
    }
    a.Comment = "Five wings, about 3000 panels: the benchmark of the batch calculator.";
    return a;
}

} // namespace

int panelTotalOf(const tv::AircraftTexts& texts) {
    static auto ws = tv::makeSolverWorkspace();
    ws->clearStatus();
    tv::GRID(tv::computeAircraft(texts), *ws, tv::UiLanguage::English);
    return ws->AbortCalculation ? 0 : int(ws->PanelTotal); // at most 3000 when accepted
}

tv::AircraftTexts largeAircraftTexts() {
    double bestFactor = 1.0;
    int bestTotal = 0;
    for (int step = 0; step <= 200; ++step) { // factors 1.000 .. 3.000
        const double factor = 1.0 + 0.01 * step;
        const int total = panelTotalOf(aircraftWithScale(factor));
        if (total <= tv::kPanelLimit && total > bestTotal) bestTotal = total, bestFactor = factor;
    }
    return aircraftWithScale(bestFactor);
}

} // namespace tvbench
