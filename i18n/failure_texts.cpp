// Failure lines that guard the solver against empty wings, missing lift and oversized lattices.
#include "i18n/texts.h"
#include "i18n/tri.h"

namespace tv {
using namespace i18n_detail;

namespace {
const NumberedTri kEmptyWing{{"Can not calculate wing-", "Flügel-", "No se puede calcular el ala-"},
                             {": it has no area or no span. ",
                              " kann nicht berechnet werden: er hat keine Fläche oder keine Spannweite. ",
                              ": no tiene superficie o envergadura. "}};
const NumberedTri kWingWithoutLift{{"Wing-", "Flügel-", "El ala-"},
                                   {" carries no lift; its results are set to 0. ",
                                    " trägt keinen Auftrieb; seine Ergebnisse sind 0. ",
                                    " no tiene sustentación; sus resultados son 0. "}};
const Tri kNoLift{"The aircraft carries no lift: no neutral point. ",
                  "Das Flugzeug trägt keinen Auftrieb: kein Neutralpunkt. ",
                  "El avión no tiene sustentación: no hay punto neutro. "};
const Tri kNoReferenceWing{"No wing has a span: no reference wing. ",
                           "Kein Flügel hat eine Spannweite: kein Bezugsflügel. ",
                           "Ningún ala tiene envergadura: no hay ala de referencia. "};
const Tri kTooManyPanels{"Can not calculate: the lattice needs more than 3000 panels. ",
                         "Berechnung nicht möglich: das Gitter braucht mehr als 3000 Felder. ",
                         "No se puede calcular: la malla necesita más de 3000 paneles. "};
} // namespace

std::string emptyWingLine(UiLanguage lang, int wing) { return numbered(lang, kEmptyWing, wing); }
std::string wingWithoutLiftLine(UiLanguage lang, int wing) { return numbered(lang, kWingWithoutLift, wing); }
std::string noLiftLine(UiLanguage lang) { return choose(lang, kNoLift); }
std::string noReferenceWingLine(UiLanguage lang) { return choose(lang, kNoReferenceWing); }
std::string tooManyPanelsLine(UiLanguage lang) { return choose(lang, kTooManyPanels); }

} // namespace tv
