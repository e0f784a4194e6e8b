#include "i18n/balance_window_texts.h"
#include "i18n/tri.h"

#include <array>

namespace tv {

using i18n_detail::choose;
using i18n_detail::Tri;

namespace {

const Tri kTabTitle{"Balance", "Schwerpunkt", "Centrado"};
const Tri kMyCgCaption{"My CG:", "Mein SP:", "Mi CG:"};
const Tri kAddRow{"Add row", "Zeile hinzufügen", "Añadir fila"};
const Tri kRemoveRow{"Remove row", "Zeile entfernen", "Quitar fila"};
const Tri kMoveUp{"Up", "Nach oben", "Subir"};
const Tri kMoveDown{"Down", "Nach unten", "Bajar"};
const Tri kBallastCaption{"Ballast at x (mm):", "Ballast bei x (mm):", "Lastre en x (mm):"};
const Tri kChooseRow{"Choose a row of the table to learn how far to move it",
                     "Eine Zeile der Tabelle wählen, um zu sehen, wie weit sie zu verschieben ist",
                     "Elija una fila de la tabla para saber cuánto moverla"};
const Tri kNoTarget{"no target CG: calculate the neutral point with an accepted desired margin",
                    "kein Ziel-Schwerpunkt: Neutralpunkt mit gültigem gewünschtem Stabilitätsmaß berechnen",
                    "sin CG objetivo: calcule el punto neutro con un margen deseado válido"};
const Tri kRowMarked{"This row is left out of the sums", "Diese Zeile zählt nicht mit", "Esta fila no se incluye en las sumas"};
const Tri kTableFull{"The table holds at most 30 rows", "Die Tabelle fasst höchstens 30 Zeilen",
                     "La tabla admite como máximo 30 filas"};
const Tri kStripNeutralPoint{"NP", "NP", "PN"};
const Tri kStripCgRange{"CG", "SP", "CG"};
const Tri kStripInside{"inside", "im Bereich", "dentro"};
const Tri kStripNoseHeavy{"nose-heavy", "kopflastig", "pesado de morro"};
const Tri kStripTooFarAft{"too far aft", "zu weit hinten", "demasiado atrás"};
const Tri kStripUnstable{"unstable", "instabil", "inestable"};
const Tri kStripNoCg{"no position", "keine Lage", "sin posición"};
const Tri kReportHeading{"Weight and balance:", "Schwerpunkt und Massen:", "Centrado y masas:"};
const Tri kChangesFrom{"Moves and ballast start from the weight table's CG: ",
                       "Verschieben und Ballast gehen vom Schwerpunkt der Gewichtstabelle aus: ",
                       "Los movimientos y el lastre parten del CG de la tabla de pesos: "};

BalanceWindowTexts make(UiLanguage l) {
    auto c = [l](const Tri& t) { return choose(l, t); };
    return {c(kTabTitle),         c(kMyCgCaption),   c(kAddRow),          c(kRemoveRow),      c(kMoveUp),
            c(kMoveDown),         c(kBallastCaption), c(kChooseRow),      c(kNoTarget),
            c(kRowMarked),        c(kTableFull),     c(kStripNeutralPoint), c(kStripCgRange), c(kStripInside),
            c(kStripNoseHeavy),   c(kStripTooFarAft), c(kStripUnstable),  c(kStripNoCg),      c(kReportHeading),
            c(kChangesFrom)};
}

} // namespace

const BalanceWindowTexts& balanceWindowTexts(UiLanguage lang) {
    static const std::array<BalanceWindowTexts, 3> texts{make(UiLanguage::English), make(UiLanguage::German),
                                                         make(UiLanguage::Spanish)};
    return texts[lang == UiLanguage::English ? 0 : lang == UiLanguage::German ? 1 : 2];
}

} // namespace tv
