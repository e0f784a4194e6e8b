// Captions of the main window's controls and menu items, and the texts drawn onto its images.
#include "i18n/control_names.h"
#include "i18n/export_texts.h"
#include "i18n/menu_bar.h"
#include "i18n/session_texts.h"
#include "i18n/texts.h"
#include "i18n/tri.h"
#include "i18n/unit_texts.h"

namespace tv {

using i18n_detail::choose;
using i18n_detail::numbered;
using i18n_detail::NumberedTri;
using i18n_detail::Tri;

namespace {

// ---- Wing tabs: the same texts on every tab, the controls named per wing ------------------------

const Tri kSpan{"wing span (b):", "Spannweite (b):", "envergadura (b):"};
const Tri kArea{"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"};
const Tri kMeanChord{"mean aerod. chord (lµ):", "Bezugstiefe (lµ):", "profundidad de referencia (lµ):"};
const Tri kGeometricCentre{"geometric center (r25):", "Geometr. Neutralpunkt (r25):",
                           "Punto neutro geométrico (r25):"};
// Wings 1, 2, 3 and 5 carry "[lam)" in German and Spanish; wing 4's Spanish label has "(lam)".
const Tri kAspectRatio{"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto [lam):"};
const Tri kAspectRatioWing4{"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto (lam):"};
const Tri kAerodynamicCentre{"aerodynamic center (anp):", "Aerodynamischer NP (anp):",
                             "Punto neutro aerodinámico (anp):"};
const std::array<Tri, 4> kTrapeziumCount{{
    {"1 trapezium", "1 Trapez", "1 trapecio"},
    {"2 trapeziums", "2 Trapeze", "2 trapecios"},
    {"3 trapeziums", "3 Trapeze", "3 trapecios"},
    {"4 trapeziums", "4 Trapeze", "4 trapecios"},
}};
// "  Wing 1 ", " Flügel 1 ", " ala 1 ".
const NumberedTri kWingTab{{"  Wing ", " Flügel ", " ala "}, {" ", " ", " "}};
// " copy wing 1 ", "Flügel 1 kopieren", "Copiar ala 1".
const NumberedTri kCopyWing{{" copy wing ", "Flügel ", "Copiar ala "}, {" ", " kopieren", ""}};
const Tri kInsertWing{"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"};

// ---- Aircraft page and the remaining controls -------------------------------------------------

struct NamedTri {
    const char* objectName;
    Tri text;
};

const std::array<NamedTri, 17> kSingleControls{{
    {"Label22", {"Desired Static Stability:", "Gewünschte stat. Längsstabilität:",
                 "Estabilidad longitudinal estática deseada:"}},
    {"Label23", {"Positioning", "Anordnung", "estado de ánimo"}},
    {"Label_w", {"- calculation is running -", "  - Berechnung läuft - ", "  - Cálculo en curso - "}},
    {"Button4", {"Calculate Aerodynamic Center", "Berechnung Neutralpunkt", "Cálculo del punto neutro"}},
    {kAircraftTabSheetName, {"  Aircraft  ", " Flugzeug ", " avión "}},
    {kRemarksTabSheetName, {" Remarks ", " Bemerkungen ", " Comentarios "}},
    {kWingCountButtonNames[1], {"1 Wing", "1 Flügel", " 1 ala"}},
    {kWingCountButtonNames[2], {"2 Wings", "2 Flügel", " 2 alas"}},
    {kWingCountButtonNames[3], {"3 Wings", "3 Flügel", " 3 alas"}},
    {kWingCountButtonNames[4], {"4 Wings", "4 Flügel", " 4 alas"}},
    {kWingCountButtonNames[5], {"5 Wings", "5 Flügel", " 5 alas"}},
    {"RadioButton15", {"Automatic choice of stability", "Automat. Wahl der Stabilität",
                       "Selección automática de la estabilidad"}},
    {"RadioButton16", {"Manual choice of stability", "Manuelle Wahl der Stabilität",
                       "Selección manual de la estabilidad"}},
    {"CheckBoxA", {"show pressure distribution:", "zeige Druckverteilung:",
                   "mostrar la distribución de la presión:"}},
    {"Label_Press", {"(angle of attack influence only)", "(Nur Anstellwinkeleinfluss)",
                     "(Influencia del ángulo de ataque solamente)"}},
    {"LscaleF", {"scale factor:", "Maßstab:", "factor de escala:"}},
    {"Bscale1", {"change", "ändern", "variar"}},
}};

// ---- Menu bar ------------------------------------------------------------------------------------

// One row of the menu bar with its caption; a row captioned by another table has `other` instead.
struct MenuBarRow {
    MenuEntry entry;
    Tri caption;
    std::string (*other)(UiLanguage) = nullptr;
};

// A unit's item names its symbol and its name: "in (inches)", "in (Zoll)", "pulg (pulgadas)".
std::string unitCaption(UiLanguage lang, const char* key) {
    const UnitWords w = unitWords(lang, key);
    return std::string(w.symbol) + " (" + w.name + ")";
}

constexpr Tri kNoCaption{nullptr, nullptr, nullptr};
// The language items keep their own names in every language.
constexpr Tri kSameInEveryLanguage(const char* name) { return {name, name, name}; }

MenuBarRow menu(const char* name, Tri caption) { return {{MenuRow::Menu, name}, caption}; }
MenuBarRow item(const char* name, Tri caption) { return {{MenuRow::Item, name}, caption}; }
MenuBarRow separator() { return {{MenuRow::Separator, nullptr}, kNoCaption}; }
MenuBarRow submenu(const char* name, Tri caption) { return {{MenuRow::Submenu, name}, caption}; }
MenuBarRow unitItem(const char* name, const char* key) { return {{MenuRow::SubItem, name, key}, kNoCaption}; }

const std::array kMenuBar{
    menu("Open1", {"File", "Datei", "archivar"}),
    item("New1", {"New...", "Neu...", "Nuevo..."}),
    item("Open2", {"Open", "Öffnen", "Apertura"}),
    MenuBarRow{{MenuRow::Submenu, "Recent1"}, {"Recent projects", "Zuletzt geöffnet", "Proyectos recientes"}},
    item("Save2", {"Save as", "Speichern als", "guardar como"}),
    item("Save3", {"Save", "Speichern", "guardar"}),
    item("Print1", {"Print", "Drucken", "letra de molde"}),
    item("ExportPdf1", {"Export report as PDF…", "Bericht als PDF exportieren…", "Exportar informe como PDF…"}),
    separator(),
    item("ExportAvl1", {"Export AVL geometry…", "AVL-Geometrie exportieren…", "Exportar geometría AVL…"}),
    item("ExportCsv1", {"Export loads as CSV…", "Lasten als CSV exportieren…", "Exportar cargas como CSV…"}),
    separator(),
    item("Exit1", {"Exit", "Beenden", "Salir"}),

    menu("EEdit1", {"Edit", "Bearbeiten", "corregir"}),
    // Undo and redo name their step once there is one.
    MenuBarRow{{MenuRow::Item, "Undo1"}, kNoCaption, [](UiLanguage l) { return undoText(l, nullptr); }},
    MenuBarRow{{MenuRow::Item, "Redo1"}, kNoCaption, [](UiLanguage l) { return redoText(l, nullptr); }},
    separator(),
    item("wing11", {"Wing 1", "Flügel-1", " ala-1 "}),
    item("wing21", {"Wing 2", "Flügel-2", " ala-2 "}),
    item("wing31", {"Wing 3", "Flügel-3", " ala-3 "}),
    item("aircraft1", {"Aircraft", "Flugzeug", "avión"}),
    separator(),
    item("CopyWing1", {"Copy Wing", "Flügel Kopieren", "Copiar ala"}),
    item("InsertCopiedWing1", {"Insert Copied Wing", "Kopierten Flügel Einfügen", "Pegar alas copiadas"}),
    separator(),
    item("chng1", {"Exchange Wing 1<->2", "Tausche Flügel 1<->2", "Intercambiar alas 1<->2"}),
    item("chng2", {"Exchange Wing 1<->3", "Tausche Flügel 1<->3", "Intercambiar alas 1<->3"}),
    item("chng3", {"Exchange Wing 2<->3", "Tausche Flügel 2<->3", "Intercambiar alas 2<->3"}),
    item("chng4", {"Exchange Wing 3<->4", "Tausche Flügel 3<->4", "Intercambiar alas 3<->4"}),
    item("chng5", {"Exchange Wing 4<->5", "Tausche Flügel 4<->5", "Intercambiar alas 4<->5"}),
    separator(),
    item("Mscale1", {"Change aircraft scale", "Flugzeug Maßstab ändern", "variar algo factor de escala"}),
    separator(),
    item("CopyResults1", {"Copy results", "Ergebnisse kopieren", "Copiar resultados"}),
    item("LiveNeutralPoint1", {"Live neutral point", "Neutralpunkt live", "Punto neutro en vivo"}),
    separator(),
    item("Calc1", {"Calculate Aerodynamic Center", "Berechnung Neutralpunkt", "Cálculo del punto neutro"}),

    // The language menu is titled in the language one would switch to.
    menu("Langu1", {"Sprache", "Language", "Language"}),
    item("german1", kSameInEveryLanguage("deutsch")),
    item("english1", kSameInEveryLanguage("english")),
    item("spain1", kSameInEveryLanguage("español")),

    // The units figures are shown and typed in: both systems at once, or one quantity at a time.
    menu("Units1", {"Units", "Einheiten", "Unidades"}),
    MenuBarRow{{MenuRow::Item, "UnitsMetric1"}, kNoCaption, [](UiLanguage l) { return std::string(unitSystemName(l, false)); }},
    MenuBarRow{{MenuRow::Item, "UnitsImperial1"}, kNoCaption, [](UiLanguage l) { return std::string(unitSystemName(l, true)); }},
    separator(),
    submenu("UnitsLength1", {"Length", "Länge", "Longitud"}),
    unitItem("UnitMm1", "mm"),
    unitItem("UnitCm1", "cm"),
    unitItem("UnitIn1", "in"),
    submenu("UnitsArea1", {"Area", "Fläche", "Superficie"}),
    unitItem("UnitDm2_1", "dm2"),
    unitItem("UnitCm2_1", "cm2"),
    unitItem("UnitIn2_1", "in2"),
    unitItem("UnitFt2_1", "ft2"),
    submenu("UnitsMass1", {"Mass", "Masse", "Masa"}),
    unitItem("UnitG1", "g"),
    unitItem("UnitKg1", "kg"),
    unitItem("UnitOz1", "oz"),
    submenu("UnitsWingLoading1", {"Wing loading", "Flächenbelastung", "Carga alar"}),
    unitItem("UnitGDm2_1", "g/dm2"),
    unitItem("UnitOzFt2_1", "oz/ft2"),
    submenu("UnitsCubicLoading1", {"Cubic wing loading", "Kubische Flächenbelastung", "Carga alar cúbica"}),
    unitItem("UnitGDm3_1", "g/dm3"),
    unitItem("UnitOzFt3_1", "oz/ft3"),
    submenu("UnitsSpeed1", {"Speed", "Geschwindigkeit", "Velocidad"}),
    unitItem("UnitMs1", "m/s"),
    unitItem("UnitKmh1", "km/h"),
    unitItem("UnitMph1", "mph"),

    // The item shares its caption with the span-loading window's title.
    MenuBarRow{{MenuRow::BarItem, "SpanLoading1"}, kNoCaption,
               [](UiLanguage l) { return std::string(spanLoadingTexts(l).title); }},
    MenuBarRow{{MenuRow::BarItem, "Info1"}, {"Info", "Info", "información"}},
};

// ---- Texts drawn onto images --------------------------------------------------------------------

// "Wing-1  ", "Flügel-1", "  ala-1   " (the Spanish thumbnail has more blanks than the catalogue's).
const NumberedTri kThumbnail{{"Wing-", "Flügel-", "  ala-"}, {"  ", "", "   "}};
const Tri kAircraftViewFlightDirection{"flight direction        ", "Flugrichtung           ",
                                       "dirección de vuelo  "};

void appendWingTab(std::vector<ControlText>& out, UiLanguage lang, int wing) {
    const WingControlNames& c = kWingControlNames[wing];
    out.push_back({c.spanCaption, choose(lang, kSpan)});
    out.push_back({c.areaCaption, choose(lang, kArea)});
    out.push_back({c.meanChordCaption, choose(lang, kMeanChord)});
    out.push_back({c.centreCaption, choose(lang, kGeometricCentre)});
    out.push_back({c.aspectCaption, choose(lang, wing == 4 ? kAspectRatioWing4 : kAspectRatio)});
    out.push_back({c.anpCaption, choose(lang, kAerodynamicCentre)});
    for (std::size_t k = 0; k < kTrapeziumCount.size(); ++k)
        out.push_back({c.trapezium[k + 1], choose(lang, kTrapeziumCount[k])});
    out.push_back({c.tabSheet, numbered(lang, kWingTab, wing)});
    out.push_back({c.copyButton, numbered(lang, kCopyWing, wing)});
    out.push_back({c.insertButton, choose(lang, kInsertWing)});
}

} // namespace

std::vector<ControlText> windowTexts(UiLanguage lang) {
    std::vector<ControlText> out;
    for (int wing = 1; wing <= 5; ++wing) appendWingTab(out, lang, wing);
    for (const NamedTri& c : kSingleControls) out.push_back({c.objectName, choose(lang, c.text)});
    return out;
}

std::vector<ControlText> menuTexts(UiLanguage lang) {
    std::vector<ControlText> out;
    for (const MenuBarRow& r : kMenuBar) {
        if (r.entry.row == MenuRow::Separator) continue;
        std::string caption = r.entry.unitKey ? unitCaption(lang, r.entry.unitKey)
                              : r.other     ? r.other(lang)
                                            : std::string(choose(lang, r.caption));
        out.push_back({r.entry.objectName, std::move(caption)});
    }
    return out;
}

std::span<const MenuEntry> menuBarEntries() {
    constexpr std::size_t rows = std::tuple_size_v<decltype(kMenuBar)>;
    static const std::array<MenuEntry, rows> entries = [] {
        std::array<MenuEntry, rows> out{};
        for (std::size_t i = 0; i < rows; ++i) out[i] = kMenuBar[i].entry;
        return out;
    }();
    return entries;
}

std::string thumbnailCaption(UiLanguage lang, int wing) { return numbered(lang, kThumbnail, wing); }

std::string aircraftViewFlightDirection(UiLanguage lang) {
    return choose(lang, kAircraftViewFlightDirection);
}

} // namespace tv
