#include "trim/trim_texts.h"

#include "model/numformat.h"

namespace tv {
namespace {

std::string fx(double v, int decimals) { return formatFixed(v, 0, decimals); }

std::string airfoilProblem(UiLanguage lang, const TrimResult& r, const char* en, const char* de, const char* es) {
    return std::string(pick(lang, en, de, es)) + " (" + pick(lang, "wing ", "Fluegel ", "ala ") +
           std::to_string(r.ProblemWing) + pick(lang, ", section ", ", Schnitt ", ", seccion ") +
           std::to_string(r.ProblemSection) + ")";
}

std::string variableLine(UiLanguage lang, const TrimResult& r) {
    if (r.Variable == TrimVariable::Washout)
        return std::string(pick(lang, "Washout of wing ", "Schraenkung von Fluegel ", "Alabeo del ala ")) +
               std::to_string(r.VariableWing) + ": " + fx(r.VariableTrim, 2) + " deg (" +
               pick(lang, "as set ", "eingestellt ", "ajustado ") + fx(r.VariableSet, 2) + " deg)";
    std::string line = std::string(pick(lang, "Incidence of wing ", "Einstellwinkel von Fluegel ", "Incidencia del ala ")) +
                       std::to_string(r.VariableWing) + ": " + fx(r.VariableTrim, 2) + " deg (" +
                       pick(lang, "as set ", "eingestellt ", "ajustado ") + fx(r.VariableSet, 2) + " deg)";
    if (r.Decalage) line += std::string(pick(lang, ", decalage ", ", EWD ", ", decalaje ")) + fx(*r.Decalage, 2) + " deg";
    return line;
}

void wingLines(UiLanguage lang, const TrimResult& r, const DisplayUnits& u, std::vector<std::string>& out) {
    for (int w = 1; w <= r.WingCount && w <= kWingMax; ++w) {
        const WingTrim& wt = r.Wings[w];
        out.push_back(std::string(pick(lang, "  wing ", "  Fluegel ", "  ala ")) + std::to_string(w) + ": CL " +
                      fx(wt.Cl, 3) + pick(lang, ", lift share ", ", Auftriebsanteil ", ", parte de sustentacion ") +
                      fx(100 * wt.LiftShare, 1) + " %" + pick(lang, ", highest cl ", ", hoechstes cl ", ", cl maximo ") +
                      fx(wt.MaxCl, 3) + " (cl/CL " + fx(wt.MaxClRatio, 2) + ") " + pick(lang, "at y ", "bei y ", "en y ") +
                      measureText(lang, wt.MaxClY, Unit::Millimetre, u.length, 0));
    }
    out.push_back(std::string(pick(lang, "  highest CL: wing ", "  hoechstes CL: Fluegel ", "  CL mas alto: ala ")) +
                  std::to_string(r.HigherClWing) + pick(lang, " (stalls first)", " (reisst zuerst ab)", " (entra primero en perdida)"));
}

} // namespace

std::string trimProblemText(UiLanguage lang, const TrimResult& r, const DisplayUnits& u) {
    switch (r.Problem) {
    case TrimProblem::None: return "";
    case TrimProblem::NoResult: return pick(lang, "no trim: the calculation gave no result", "kein Trimm: die Berechnung ergab kein Ergebnis", "sin equilibrio: el calculo no dio resultado");
    case TrimProblem::Alpha0Beyond: return airfoilProblem(lang, r, "zero-lift angle beyond +-15 deg", "Nullauftriebswinkel ausserhalb +-15 Grad", "angulo de sustentacion nula fuera de +-15 grados");
    case TrimProblem::Cm0Beyond: return airfoilProblem(lang, r, "moment coefficient Cm0 beyond +-0.5", "Momentenbeiwert Cm0 ausserhalb +-0.5", "coeficiente de momento Cm0 fuera de +-0.5");
    case TrimProblem::MassNotPositive:
        return pick(lang, "the flying mass must be above 0 ", "die Flugmasse muss ueber 0 ", "la masa en vuelo debe ser mayor que 0 ") +
               unitSymbol(lang, u.mass) + pick(lang, "", " liegen", "");
    case TrimProblem::DensityNotPositive: return pick(lang, "the air density must be above 0 kg/m^3", "die Luftdichte muss ueber 0 kg/m^3 liegen", "la densidad del aire debe ser mayor que 0 kg/m^3");
    case TrimProblem::TrimWingNotInUse: return std::string(pick(lang, "the trim wing is not in use: ", "der Trimmfluegel ist nicht in Gebrauch: ", "el ala de equilibrado no esta en uso: ")) + std::to_string(r.ProblemWing);
    case TrimProblem::NoStableTrim: return pick(lang, "no stable trim: the CG is at or behind the neutral point", "kein stabiler Trimm: der Schwerpunkt liegt auf oder hinter dem Neutralpunkt", "sin equilibrio estable: el CG esta en o detras del punto neutro");
    case TrimProblem::TargetNotPositive: return pick(lang, "the target CL or speed must be above 0", "Ziel-CL oder -Geschwindigkeit muss ueber 0 liegen", "el CL o la velocidad objetivo debe ser mayor que 0");
    case TrimProblem::VariableWithoutEffect: return pick(lang, "no trim: the trim variable does not change the moment about the CG", "kein Trimm: die Trimmgroesse aendert das Moment um den Schwerpunkt nicht", "sin equilibrio: la variable de equilibrado no cambia el momento respecto al CG");
    case TrimProblem::NoPositiveLift: return pick(lang, "no trim in level flight: the aircraft trims at CL <= 0", "kein Trimm im Horizontalflug: das Flugzeug trimmt bei CL <= 0", "sin equilibrio en vuelo horizontal: el avion se equilibra con CL <= 0");
    case TrimProblem::SolveFailed: return pick(lang, "no trim: the lattice system could not be solved for the settings", "kein Trimm: das Gleichungssystem liess sich fuer die Einstellungen nicht loesen", "sin equilibrio: el sistema no se pudo resolver para los ajustes");
    }
    return "";
}

std::string airfoilErrorText(UiLanguage lang, const Airfoil& a) {
    std::string text;
    switch (a.Error) {
    case AirfoilError::None: return "";
    case AirfoilError::Unreadable: text = pick(lang, "the airfoil file cannot be read", "die Profildatei laesst sich nicht lesen", "el archivo del perfil no se puede leer"); break;
    case AirfoilError::Empty: text = pick(lang, "the airfoil file holds no coordinates", "die Profildatei enthaelt keine Koordinaten", "el archivo del perfil no contiene coordenadas"); break;
    case AirfoilError::NotNumeric: text = pick(lang, "the airfoil file holds a line that is not two numbers", "die Profildatei enthaelt eine Zeile, die nicht aus zwei Zahlen besteht", "el archivo del perfil contiene una linea que no son dos numeros"); break;
    case AirfoilError::OutOfOrder: text = pick(lang, "the airfoil's coordinates are out of order", "die Koordinaten des Profils sind nicht geordnet", "las coordenadas del perfil no estan en orden"); break;
    case AirfoilError::SingleSurface: text = pick(lang, "the airfoil file does not describe both surfaces", "die Profildatei beschreibt nicht beide Seiten", "el archivo del perfil no describe ambas superficies"); break;
    }
    if (a.Line > 0) text += std::string(pick(lang, " (line ", " (Zeile ", " (linea ")) + std::to_string(a.Line) + ")";
    return text;
}

std::vector<std::string> trimReportLines(UiLanguage lang, const TrimResult& r, const DisplayUnits& u) {
    std::vector<std::string> out;
    out.push_back(std::string(pick(lang, "Trim at CG ", "Trimm im Schwerpunkt ", "Equilibrio con CG ")) + measureText(lang, r.CgX, Unit::Millimetre, u.length, 1));
    if (r.Problem != TrimProblem::None && r.Problem != TrimProblem::NoPositiveLift) {
        out.push_back("  " + trimProblemText(lang, r, u));
        return out;
    }
    out.push_back(std::string(pick(lang, "  alpha ", "  Anstellwinkel ", "  alfa ")) + fx(r.Alpha, 2) + " deg, CL " +
                  fx(r.Cl, 3) + (r.Speed ? std::string(pick(lang, ", speed ", ", Geschwindigkeit ", ", velocidad ")) + measureText(lang, *r.Speed, Unit::MetrePerSecond, u.speed, 1) : std::string()));
    out.push_back("  " + variableLine(lang, r));
    if (r.Problem == TrimProblem::NoPositiveLift) {
        out.push_back("  " + trimProblemText(lang, r, u));
        return out;
    }
    wingLines(lang, r, u, out);
    out.push_back("  CDi " + fx(r.Cdi, 5) + (r.SpanEfficiency ? std::string(", e ") + fx(*r.SpanEfficiency, 3) : std::string()));
    if (r.AlphaOutsideLinear || r.ClOutsideLinear)
        out.push_back(pick(lang, "  outside the linear model: |alpha| > 15 deg or a local cl > 1.5",
                           "  ausserhalb des linearen Modells: |alpha| > 15 Grad oder ein oertliches cl > 1.5",
                           "  fuera del modelo lineal: |alfa| > 15 grados o un cl local > 1.5"));
    return out;
}

} // namespace tv
