#include "solver/failure_texts.h"

namespace tv {

std::string emptyWingLine(UiLanguage lang, int wing) {
    const std::string n = std::to_string(wing);
    return pick(lang, ("Can not calculate wing-" + n + ": it has no area or no span. ").c_str(),
                ("Flügel-" + n + " kann nicht berechnet werden: er hat keine Fläche oder keine Spannweite. ").c_str(),
                ("No se puede calcular el ala-" + n + ": no tiene superficie o envergadura. ").c_str());
}

std::string wingWithoutLiftLine(UiLanguage lang, int wing) {
    const std::string n = std::to_string(wing);
    return pick(lang, ("Wing-" + n + " carries no lift; its results are set to 0. ").c_str(),
                ("Flügel-" + n + " trägt keinen Auftrieb; seine Ergebnisse sind 0. ").c_str(),
                ("El ala-" + n + " no tiene sustentación; sus resultados son 0. ").c_str());
}

std::string noLiftLine(UiLanguage lang) {
    return pick(lang, "The aircraft carries no lift: no neutral point. ",
                "Das Flugzeug trägt keinen Auftrieb: kein Neutralpunkt. ",
                "El avión no tiene sustentación: no hay punto neutro. ");
}

std::string noReferenceWingLine(UiLanguage lang) {
    return pick(lang, "No wing has a span: no reference wing. ",
                "Kein Flügel hat eine Spannweite: kein Bezugsflügel. ",
                "Ningún ala tiene envergadura: no hay ala de referencia. ");
}

std::string tooManyPanelsLine(UiLanguage lang) {
    return pick(lang, "Can not calculate: the lattice needs more than 3000 panels. ",
                "Berechnung nicht möglich: das Gitter braucht mehr als 3000 Felder. ",
                "No se puede calcular: la malla necesita más de 3000 paneles. ");
}

} // namespace tv
