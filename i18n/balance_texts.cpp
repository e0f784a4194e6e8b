#include "i18n/balance_texts.h"
#include "i18n/tri.h"

#include <array>

namespace tv {

using i18n_detail::choose;
using i18n_detail::Tri;

namespace {

// English, German, Spanish; the name after k is the BalanceLabels member.
const Tri kNotCalculated{"not calculated", "nicht berechnet", "no calculado"};
const Tri kMyCg{"My CG", "Mein SP", "Mi CG"};
const Tri kInputAircraftFrame{"mm (aircraft frame)", "mm (Flugzeugkoordinaten)", "mm (coordenadas del avión)"};
const Tri kInputBehindRootLe{"mm behind the root leading edge", "mm hinter der Nasenleiste an der Wurzel",
                             "mm detrás del borde de ataque en la raíz"};
const Tri kInputPercentMac{"% MAC", "% MAC", "% CAM"};
const Tri kFromTable{"from the weight table", "aus der Gewichtstabelle", "de la tabla de pesos"};
const Tri kPercentMac{" % MAC", " % MAC", " % CAM"};
const Tri kBehindRootLe{" mm behind the root LE", " mm hinter der Wurzelnasenleiste", " mm detrás del borde de ataque de la raíz"};
const Tri kMeanChord{"Mean aerodynamic chord", "Mittlere aerodynamische Flügeltiefe", "Cuerda aerodinámica media"};
const Tri kOfWing{" of wing ", " von Flügel ", " del ala "};
const Tri kPercentMacOf{"% MAC of wing ", "% MAC von Flügel ", "% CAM del ala "};
const Tri kMarginsChord{"reference chord of the margins", "Bezugstiefe der Stabilitätsmaße",
                        "cuerda de referencia de los márgenes"};
const Tri kGapFilled{"centre gap filled with the root chord", "Mittelspalt mit der Wurzeltiefe gefüllt",
                     "hueco central rellenado con la cuerda de la raíz"};
const Tri kStaticMargin{"Static margin", "Stabilitätsmaß", "Margen de estabilidad"};

const Tri kInside{"inside the recommended range", "im empfohlenen Bereich", "dentro del rango recomendado"};
const Tri kNoseHeavy{"nose-heavy: more margin than recommended", "kopflastig: mehr Stabilitätsmaß als empfohlen",
                     "pesado de morro: más margen del recomendado"};
const Tri kTooFarAft{"too far aft: less margin than recommended", "zu weit hinten: weniger Stabilitätsmaß als empfohlen",
                     "demasiado atrás: menos margen del recomendado"};
const Tri kUnstable{"unstable: at or behind the neutral point", "instabil: am oder hinter dem Neutralpunkt",
                    "inestable: en o detrás del punto neutro"};

const Tri kCgEmpty{"no CG entered", "kein Schwerpunkt eingegeben", "no se ha introducido el CG"};
const Tri kCgNotANumber{"not a number (use \".\" as decimal point): ", "keine Zahl (Dezimalpunkt \".\" verwenden): ",
                        "no es un número (use \".\" como separador decimal): "};
// The limits are followed by the limit itself, in the units shown.
const Tri kCgBeyondLimit{"the CG lies beyond the limit of ±", "der Schwerpunkt liegt jenseits der Grenze von ±",
                         "el CG está fuera del límite de ±"};
const Tri kCgNoMeanChord{"needs a calculated reference wing (% MAC, from the root LE)",
                         "braucht einen berechneten Bezugsflügel (% MAC, ab Wurzelnasenleiste)",
                         "necesita un ala de referencia calculada (% CAM, desde el borde de ataque de la raíz)"};
const Tri kCgNoTableCg{"the weight table gives no CG", "die Gewichtstabelle ergibt keinen Schwerpunkt",
                       "la tabla de pesos no da ningún CG"};

const Tri kItemColumn{"Item", "Teil", "Elemento"};
const Tri kMassColumn{"Mass (g)", "Masse (g)", "Masa (g)"};
const Tri kXColumn{"x (mm)", "x (mm)", "x (mm)"};
const Tri kTotalMass{"Total mass", "Gesamtmasse", "Masa total"};
const Tri kMassCg{"CG of the masses", "Schwerpunkt der Massen", "CG de las masas"};
const Tri kTargetCg{"Target CG (desired margin)", "Ziel-Schwerpunkt (gewünschtes Stabilitätsmaß)",
                    "CG objetivo (margen deseado)"};
const Tri kRow{"Row ", "Zeile ", "Fila "};
const Tri kLeftOut{"; the row is left out of the sums", "; die Zeile zählt nicht mit",
                   "; la fila no se incluye en las sumas"};
const Tri kMassMissing{"no mass", "keine Masse", "sin masa"};
const Tri kMassNotANumber{"the mass is not a number", "die Masse ist keine Zahl", "la masa no es un número"};
const Tri kMassNotPositive{"the mass is not above 0 g", "die Masse ist nicht größer als 0 g",
                           "la masa no es mayor que 0 g"};
const Tri kMassBeyondLimit{"the mass is above ", "die Masse ist größer als ", "la masa es mayor que "};
const Tri kXMissing{"no x", "kein x", "sin x"};
const Tri kXNotANumber{"x is not a number", "x ist keine Zahl", "x no es un número"};
const Tri kXBeyondLimit{"x is beyond the limit of ±", "x liegt jenseits der Grenze von ±",
                        "x está fuera del límite de ±"};

const Tri kMoveBy{"Move ", "Verschiebe ", "Mueva "};
const Tri kBy{" by ", " um ", " "};
const Tri kForward{" (forward)", " (nach vorn)", " (hacia delante)"};
const Tri kRearward{" (rearward)", " (nach hinten)", " (hacia atrás)"};
const Tri kBallast{"Ballast at x = ", "Ballast bei x = ", "Lastre en x = "};
const Tri kNoBallastNeeded{"the CG is at the target: nothing to change", "der Schwerpunkt liegt am Ziel: nichts zu ändern",
                           "el CG está en el objetivo: nada que cambiar"};
const Tri kNoCg{"no answer: the weight table gives no CG", "keine Antwort: die Gewichtstabelle ergibt keinen Schwerpunkt",
                "sin respuesta: la tabla de pesos no da ningún CG"};
const Tri kRowNotUsed{"no answer: this row is left out of the sums", "keine Antwort: diese Zeile zählt nicht mit",
                      "sin respuesta: esta fila no se incluye en las sumas"};
const Tri kBallastAtTarget{"no answer: ballast at the target CG can not move the CG; choose another place",
                           "keine Antwort: Ballast am Ziel-Schwerpunkt verschiebt den Schwerpunkt nicht; anderen Ort wählen",
                           "sin respuesta: el lastre en el CG objetivo no mueve el CG; elija otro lugar"};
const Tri kNegativeBallast{"no answer: ballast there would need a negative mass; put it on the other side of the target CG",
                           "keine Antwort: Ballast dort bräuchte eine negative Masse; auf die andere Seite des Ziel-Schwerpunkts legen",
                           "sin respuesta: el lastre ahí necesitaría una masa negativa; póngalo al otro lado del CG objetivo"};
const Tri kChangeBeyondLimit{"no answer: it lies beyond ±1000000 mm or 1000000 g; choose another place",
                             "keine Antwort: sie liegt jenseits von ±1000000 mm oder 1000000 g; anderen Ort wählen",
                             "sin respuesta: está fuera de ±1000000 mm o 1000000 g; elija otro lugar"};

const Tri kWingLoading{"Wing loading", "Flächenbelastung", "Carga alar"};
const Tri kCubicLoading{"Cubic wing loading", "Kubische Flächenbelastung", "Carga alar cúbica"};
const Tri kOnArea{" on ", " auf ", " sobre "};
const Tri kVolumeOf{"Volume coefficient of wing ", "Volumenbeiwert von Flügel ", "Coeficiente de volumen del ala "};
const Tri kTail{"tail", "Leitwerk", "cola"};
const Tri kCanard{"canard", "Ente", "canard"};
const Tri kNoLever{"no lever arm", "kein Hebelarm", "sin brazo de palanca"};

BalanceLabels make(UiLanguage l) {
    auto c = [l](const Tri& t) { return choose(l, t); };
    return {
        .notCalculated = c(kNotCalculated), .myCg = c(kMyCg), .inputAircraftFrame = c(kInputAircraftFrame),
        .inputBehindRootLe = c(kInputBehindRootLe), .inputPercentMac = c(kInputPercentMac), .fromTable = c(kFromTable),
        .percentMac = c(kPercentMac), .behindRootLe = c(kBehindRootLe), .meanChord = c(kMeanChord), .ofWing = c(kOfWing),
        .percentMacOf = c(kPercentMacOf), .marginsChord = c(kMarginsChord), .gapFilled = c(kGapFilled),
        .staticMargin = c(kStaticMargin), .inside = c(kInside), .noseHeavy = c(kNoseHeavy),
        .tooFarAft = c(kTooFarAft), .unstable = c(kUnstable), .cgEmpty = c(kCgEmpty),
        .cgNotANumber = c(kCgNotANumber), .cgBeyondLimit = c(kCgBeyondLimit),
        .cgNoMeanChord = c(kCgNoMeanChord), .cgNoTableCg = c(kCgNoTableCg), .itemColumn = c(kItemColumn),
        .massColumn = c(kMassColumn), .xColumn = c(kXColumn), .totalMass = c(kTotalMass),
        .massCg = c(kMassCg), .targetCg = c(kTargetCg), .row = c(kRow),
        .leftOut = c(kLeftOut), .massMissing = c(kMassMissing), .massNotANumber = c(kMassNotANumber),
        .massNotPositive = c(kMassNotPositive), .massBeyondLimit = c(kMassBeyondLimit), .xMissing = c(kXMissing),
        .xNotANumber = c(kXNotANumber), .xBeyondLimit = c(kXBeyondLimit), .moveBy = c(kMoveBy),
        .by = c(kBy), .forward = c(kForward), .rearward = c(kRearward),
        .ballast = c(kBallast), .noBallastNeeded = c(kNoBallastNeeded), .noCg = c(kNoCg),
        .rowNotUsed = c(kRowNotUsed), .ballastAtTarget = c(kBallastAtTarget), .negativeBallast = c(kNegativeBallast),
        .changeBeyondLimit = c(kChangeBeyondLimit), .wingLoading = c(kWingLoading), .cubicLoading = c(kCubicLoading),
        .onArea = c(kOnArea), .volumeOf = c(kVolumeOf), .tail = c(kTail),
        .canard = c(kCanard), .noLever = c(kNoLever)
    };
}

} // namespace

const BalanceLabels& balanceLabels(UiLanguage lang) {
    static const std::array<BalanceLabels, 3> texts{make(UiLanguage::English), make(UiLanguage::German),
                                                    make(UiLanguage::Spanish)};
    return texts[lang == UiLanguage::English ? 0 : lang == UiLanguage::German ? 1 : 2];
}

} // namespace tv
