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
const Tri kExportAvl{"Export AVL geometry…", "AVL-Geometrie exportieren…", "Exportar geometría AVL…"};
const Tri kExportCsv{"Export loads as CSV…", "Lasten als CSV exportieren…", "Exportar cargas como CSV…"};
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

std::vector<ControlText> exportMenuTexts(UiLanguage lang) {
    return {{"ExportAvl1", choose(lang, kExportAvl)},
            {"ExportCsv1", choose(lang, kExportCsv)},
            {"SpanLoading1", choose(lang, kTitle)}};
}

const char* avlFileFilter(UiLanguage lang) { return choose(lang, kAvlFilter); }
const char* csvFileFilter(UiLanguage lang) { return choose(lang, kCsvFilter); }

} // namespace tv
