#include "i18n/export_texts.h"
#include "i18n/tri.h"

#include <array>

namespace tv {

using i18n_detail::choose;
using i18n_detail::Tri;

namespace {

const Tri kTitle{"Span loading", "Auftriebsverteilung", "Distribución de sustentación"};
const Tri kSpanAxis{"span station y [mm]", "Spannweitenposition y [mm]", "posición en la envergadura y [mm]"};
const Tri kLoadAxis{"c·cl / c_ref [1/rad]", "c·cl / c_ref [1/rad]", "c·cl / c_ref [1/rad]"};
const Tri kElliptic{"elliptic, same lift", "elliptisch, gleicher Auftrieb", "elíptica, misma sustentación"};
const Tri kNoLoads{"Calculate the aircraft to see its span loading.",
                   "Zum Anzeigen der Auftriebsverteilung das Flugzeug berechnen.",
                   "Calcule el avión para ver su distribución de sustentación."};
const Tri kAvlFilter{"AVL geometry (*.avl)", "AVL-Geometrie (*.avl)", "Geometría AVL (*.avl)"};
const Tri kCsvFilter{"CSV tables (*.csv)", "CSV-Tabellen (*.csv)", "Tablas CSV (*.csv)"};

SpanLoadingTexts make(UiLanguage lang) {
    return {choose(lang, kTitle), choose(lang, kSpanAxis), choose(lang, kLoadAxis), choose(lang, kElliptic),
            choose(lang, kNoLoads)};
}

} // namespace

const SpanLoadingTexts& spanLoadingTexts(UiLanguage lang) {
    static const std::array<SpanLoadingTexts, 3> texts{make(UiLanguage::English), make(UiLanguage::German),
                                                       make(UiLanguage::Spanish)};
    return texts[lang == UiLanguage::English ? 0 : lang == UiLanguage::German ? 1 : 2];
}

const char* avlFileFilter(UiLanguage lang) { return choose(lang, kAvlFilter); }
const char* csvFileFilter(UiLanguage lang) { return choose(lang, kCsvFilter); }

} // namespace tv
