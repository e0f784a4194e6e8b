#include "i18n/trim_texts.h"

namespace tv {

const TrimWords& trimWords(UiLanguage lang) {
    static const TrimWords en{
        " deg", "Trim at CG ", "  alpha ", ", speed ", "Washout of wing ", "Incidence of wing ", "as set ",
        ", decalage ", "  wing ", ", lift share ", ", highest cl ", "at y ", "  highest CL: wing ", " (stalls first)",
        "  outside the linear model: |alpha| > 15 deg or a local cl > 1.5", " (wing ", ", section ",
        "no trim: the calculation gave no result", "zero-lift angle beyond +-15 deg", "moment coefficient Cm0 beyond +-0.5",
        "the flying mass must be above 0 ", "", "the air density must be above 0 kg/m³", "the trim wing is not in use: ",
        "no stable trim: the CG is at or behind the neutral point", "the target CL or speed must be above 0",
        "no trim: the trim variable does not change the moment about the CG",
        "no trim in level flight: the aircraft trims at CL <= 0",
        "no trim: the lattice system could not be solved for the settings",
        "the airfoil file cannot be read", "the airfoil file holds no coordinates",
        "the airfoil file holds a line that is not two numbers", "the airfoil's coordinates are out of order",
        "the airfoil file does not describe both surfaces", " (line "};
    static const TrimWords de{
        "°", "Trimm bei Schwerpunkt ", "  Anstellwinkel ", ", Geschwindigkeit ", "Schränkung des Flügels ",
        "Einstellwinkel des Flügels ", "eingestellt ", ", EWD ", "  Flügel ", ", Auftriebsanteil ", ", höchstes cl ",
        "bei y ", "  höchstes CL: Flügel ", " (reißt zuerst ab)",
        "  außerhalb des linearen Modells: |α| > 15° oder ein örtliches cl > 1.5", " (Flügel ", ", Schnitt ",
        "kein Trimm: die Berechnung ergab kein Ergebnis", "Nullauftriebswinkel außerhalb von ±15°",
        "Momentenbeiwert Cm0 außerhalb von ±0.5", "die Flugmasse muss über 0 ", " liegen",
        "die Luftdichte muss über 0 kg/m³ liegen", "der Trimmflügel wird nicht verwendet: ",
        "kein stabiler Trimm: der Schwerpunkt liegt auf oder hinter dem Neutralpunkt",
        "Ziel-CL bzw. Zielgeschwindigkeit muss über 0 liegen",
        "kein Trimm: die Trimmgröße ändert das Moment um den Schwerpunkt nicht",
        "kein Trimm im Horizontalflug: das Flugzeug trimmt bei CL ≤ 0",
        "kein Trimm: das Gleichungssystem ließ sich für die Einstellungen nicht lösen",
        "die Profildatei lässt sich nicht lesen", "die Profildatei enthält keine Koordinaten",
        "die Profildatei enthält eine Zeile, die nicht aus zwei Zahlen besteht",
        "die Koordinaten des Profils sind nicht geordnet", "die Profildatei beschreibt nicht Ober- und Unterseite",
        " (Zeile "};
    static const TrimWords es{
        "°", "Equilibrio con el CG en ", "  ángulo de ataque ", ", velocidad ", "Alabeo del ala ", "Incidencia del ala ",
        "ajustado ", ", decalaje ", "  ala ", ", parte de la sustentación ", ", cl máximo ", "en y ",
        "  CL más alto: ala ", " (entra primero en pérdida)",
        "  fuera del modelo lineal: |α| > 15° o un cl local > 1.5", " (ala ", ", sección ",
        "sin equilibrio: el cálculo no dio resultado", "ángulo de sustentación nula fuera de ±15°",
        "coeficiente de momento Cm0 fuera de ±0.5", "la masa en vuelo debe ser mayor que 0 ", "",
        "la densidad del aire debe ser mayor que 0 kg/m³", "el ala de equilibrado no está en uso: ",
        "sin equilibrio estable: el CG está en el punto neutro o detrás de él",
        "el CL o la velocidad objetivo debe ser mayor que 0",
        "sin equilibrio: la variable de equilibrado no cambia el momento respecto al CG",
        "sin equilibrio en vuelo horizontal: el avión se equilibra con CL ≤ 0",
        "sin equilibrio: el sistema de ecuaciones no se pudo resolver para los ajustes",
        "el archivo del perfil no se puede leer", "el archivo del perfil no contiene coordenadas",
        "el archivo del perfil contiene una línea que no consta de dos números",
        "las coordenadas del perfil no están en orden", "el archivo del perfil no describe el extradós y el intradós",
        " (línea "};
    return lang == UiLanguage::German ? de : lang == UiLanguage::Spanish ? es : en;
}

} // namespace tv
