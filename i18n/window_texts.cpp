// Captions of the main window's controls and menu items, and the texts drawn onto its images.
#include "i18n/texts.h"
#include "i18n/tri.h"

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

/// The controls of one wing tab, by objectName.
struct WingTabControls {
    const char* span;
    const char* area;
    const char* meanChord;
    const char* geometricCentre;
    const char* aspectRatio;
    const Tri* aspectRatioText;
    const char* aerodynamicCentre;
    std::array<const char*, 4> trapeziumCount; // 1..4 trapezia
    const char* tabSheet;
    const char* copyButton;
    const char* insertButton;
};

const std::array<WingTabControls, 5> kWingTabs{{
    {"Label1", "Label2", "Label3", "Label4", "Label5", &kAspectRatio, "Label25",
     {"RadioButton4", "RadioButton5", "RadioButton6", "RadioButton41t"}, kWingTabSheetNames[1],
     "Button_C1", "Button_P1"},
    {"Label6", "Label7", "Label8", "Label9", "Label10", &kAspectRatio, "Label26",
     {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton42t"}, kWingTabSheetNames[2],
     "Button_C2", "Button_P2"},
    {"Label16", "Label17", "Label18", "Label19", "Label20", &kAspectRatio, "Label27",
     {"RadioButton10", "RadioButton11", "RadioButton12", "RadioButton43t"}, kWingTabSheetNames[3],
     "Button_C3", "Button_P3"},
    {"Label31", "Label32", "Label33", "Label35", "Label34", &kAspectRatioWing4, "Label36",
     {"RadioButton_4t1", "RadioButton_4t2", "RadioButton_4t3", "RadioButton_4t4"},
     kWingTabSheetNames[4], "Button_C4", "Button_P4"},
    {"Label43", "Label44", "Label45", "Label47", "Label46", &kAspectRatio, "Label48",
     {"RadioButton_5t1", "RadioButton_5t2", "RadioButton_5t3", "RadioButton_5t4"},
     kWingTabSheetNames[5], "Button_C5", "Button_P5"},
}};

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
    {"RadioButton1", {"1 Wing", "1 Flügel", " 1 ala"}},
    {"RadioButton2", {"2 Wings", "2 Flügel", " 2 alas"}},
    {"RadioButton3", {"3 Wings", "3 Flügel", " 3 alas"}},
    {"RB_W4", {"4 Wings", "4 Flügel", " 4 alas"}},
    {"RB_W5", {"5 Wings", "5 Flügel", " 5 alas"}},
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

// ---- Menu ---------------------------------------------------------------------------------------

const std::array<NamedTri, 17> kMenuItems{{
    {"Open1", {"File", "Datei", "archivar"}},
    {"Open2", {"Open", "Öffnen", "Apertura"}},
    {"Save2", {"Save as", "Speichern als", "guardar como"}},
    {"Save3", {"Save", "Speichern", "guardar"}},
    {"Print1", {"Print", "Drucken", "letra de molde"}},
    {"ExportPdf1", {"Export report as PDF…", "Bericht als PDF exportieren…", "Exportar informe como PDF…"}},
    {"Exit1", {"Exit", "Beenden", "Salir"}},
    {"EEdit1", {"Edit", "Bearbeiten", "corregir"}},
    {"wing11", {"Wing 1", "Flügel-1", " ala-1 "}},
    {"wing21", {"Wing 2", "Flügel-2", " ala-2 "}},
    {"wing31", {"Wing 3", "Flügel-3", " ala-3 "}},
    {"aircraft1", {"Aircraft", "Flugzeug", "avión"}},
    {"CopyWing1", {"Copy Wing", "Flügel Kopieren", "Copiar ala"}},
    {"InsertCopiedWing1", {"Insert Copied Wing", "Kopierten Flügel Einfügen", "Pegar alas copiadas"}},
    {"Mscale1", {"Change aircraft scale", "Flugzeug Maßstab ändern", "variar algo factor de escala"}},
    // The language menu is titled in the language one would switch to.
    {"Langu1", {"Sprache", "Language", "Language"}},
    {"Info1", {"Info", "Info", "información"}},
}};

// The exchange items chng1..chng5 swap these pairs of wings.
struct ExchangeItem {
    const char* objectName;
    const char* pair;
};
const std::array<ExchangeItem, 5> kExchangeItems{{
    {"chng1", "1<->2"}, {"chng2", "1<->3"}, {"chng3", "2<->3"}, {"chng4", "3<->4"}, {"chng5", "4<->5"},
}};
const Tri kExchangePrefix{"Exchange Wing ", "Tausche Flügel ", "Intercambiar alas "};

// The language items keep their own names in every language.
const std::array<ControlText, 3> kLanguageItems{
    {{"german1", "deutsch"}, {"english1", "english"}, {"spain1", "español"}}};

// ---- Texts drawn onto images --------------------------------------------------------------------

// "Wing-1  ", "Flügel-1", "  ala-1   " (the Spanish thumbnail has more blanks than the catalogue's).
const NumberedTri kThumbnail{{"Wing-", "Flügel-", "  ala-"}, {"  ", "", "   "}};
const Tri kAircraftViewFlightDirection{"flight direction        ", "Flugrichtung           ",
                                       "dirección de vuelo  "};

void appendWingTab(std::vector<ControlText>& out, UiLanguage lang, int wing) {
    const WingTabControls& c = kWingTabs[wing - 1];
    out.push_back({c.span, choose(lang, kSpan)});
    out.push_back({c.area, choose(lang, kArea)});
    out.push_back({c.meanChord, choose(lang, kMeanChord)});
    out.push_back({c.geometricCentre, choose(lang, kGeometricCentre)});
    out.push_back({c.aspectRatio, choose(lang, *c.aspectRatioText)});
    out.push_back({c.aerodynamicCentre, choose(lang, kAerodynamicCentre)});
    for (std::size_t k = 0; k < c.trapeziumCount.size(); ++k)
        out.push_back({c.trapeziumCount[k], choose(lang, kTrapeziumCount[k])});
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
    for (const NamedTri& m : kMenuItems) out.push_back({m.objectName, choose(lang, m.text)});
    for (const ExchangeItem& x : kExchangeItems)
        out.push_back({x.objectName, std::string(choose(lang, kExchangePrefix)) + x.pair});
    for (const ControlText& l : kLanguageItems) out.push_back(l);
    return out;
}

std::string thumbnailCaption(UiLanguage lang, int wing) { return numbered(lang, kThumbnail, wing); }

std::string aircraftViewFlightDirection(UiLanguage lang) {
    return choose(lang, kAircraftViewFlightDirection);
}

} // namespace tv
