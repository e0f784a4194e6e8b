#include "i18n/unit_texts.h"

#include "i18n/tri.h"

namespace tv {
namespace {

using i18n_detail::Tri;
using i18n_detail::choose;

struct UnitRow {
    const char* key;
    Tri symbol;
    Tri name;
};

// The SI symbols are the same everywhere; Spanish writes its own for inches, feet and miles.
constexpr UnitRow kUnits[] = {
    {"mm", {"mm", "mm", "mm"}, {"millimetres", "Millimeter", "milímetros"}},
    {"cm", {"cm", "cm", "cm"}, {"centimetres", "Zentimeter", "centímetros"}},
    {"in", {"in", "in", "pulg"}, {"inches", "Zoll", "pulgadas"}},
    {"dm2", {"dm²", "dm²", "dm²"}, {"square decimetres", "Quadratdezimeter", "decímetros cuadrados"}},
    {"cm2", {"cm²", "cm²", "cm²"}, {"square centimetres", "Quadratzentimeter", "centímetros cuadrados"}},
    {"in2", {"in²", "in²", "pulg²"}, {"square inches", "Quadratzoll", "pulgadas cuadradas"}},
    {"ft2", {"ft²", "ft²", "pie²"}, {"square feet", "Quadratfuß", "pies cuadrados"}},
    {"g", {"g", "g", "g"}, {"grams", "Gramm", "gramos"}},
    {"kg", {"kg", "kg", "kg"}, {"kilograms", "Kilogramm", "kilogramos"}},
    {"oz", {"oz", "oz", "oz"}, {"ounces", "Unzen", "onzas"}},
    {"g/dm2", {"g/dm²", "g/dm²", "g/dm²"}, {"grams per square decimetre", "Gramm pro Quadratdezimeter", "gramos por decímetro cuadrado"}},
    {"oz/ft2", {"oz/ft²", "oz/ft²", "oz/pie²"}, {"ounces per square foot", "Unzen pro Quadratfuß", "onzas por pie cuadrado"}},
    {"g/dm3", {"g/dm³", "g/dm³", "g/dm³"}, {"grams per cubic decimetre", "Gramm pro Kubikdezimeter", "gramos por decímetro cúbico"}},
    {"oz/ft3", {"oz/ft³", "oz/ft³", "oz/pie³"}, {"ounces per cubic foot", "Unzen pro Kubikfuß", "onzas por pie cúbico"}},
    {"m/s", {"m/s", "m/s", "m/s"}, {"metres per second", "Meter pro Sekunde", "metros por segundo"}},
    {"km/h", {"km/h", "km/h", "km/h"}, {"kilometres per hour", "Kilometer pro Stunde", "kilómetros por hora"}},
    {"mph", {"mph", "mph", "mi/h"}, {"miles per hour", "Meilen pro Stunde", "millas por hora"}},
};

} // namespace

UnitWords unitWords(UiLanguage lang, std::string_view key) {
    for (const UnitRow& r : kUnits)
        if (key == r.key) return {choose(lang, r.symbol), choose(lang, r.name)};
    return {nullptr, nullptr};
}

const char* beyondFieldLimitWords(UiLanguage lang) {
    return pick(lang, "the value lies beyond the limit of ", "der Wert liegt jenseits der Grenze von ",
                "el valor está fuera del límite de ");
}

const char* unitSystemName(UiLanguage lang, bool imperial) {
    return imperial ? "Imperial" : pick(lang, "Metric", "Metrisch", "Métrico");
}

} // namespace tv
