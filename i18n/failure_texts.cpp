// Failure lines that guard the solver against empty wings, missing lift and oversized lattices.
#include "i18n/texts.h"
#include "i18n/tri.h"

#include <array>

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
const NumberedTri kCanNotCalculateWing{{"Can not calculate wing-", "Flügel-", "No se puede calcular el ala-"},
                                       {": ", " kann nicht berechnet werden: ", ": "}};
// Indexed by GeometryField.
const std::array<Tri, 6> kFieldName{{
    {"root offset", "Wurzelabstand", "distancia de la raíz"},
    {"chord ", "Tiefe ", "cuerda "},
    {"span ", "Spannweite ", "envergadura "},
    {"x offset ", "x-Versatz ", "desplazamiento x "},
    {"position x", "Position x", "posición x"},
    {"position z", "Position z", "posición z"},
}};
const Tri kIs{" is ", " ist ", " es "};
const Tri kBeyondLimit{", beyond the limit of ", ", jenseits der Grenze von ", ", fuera del límite de "};
const Tri kSeparationImpossible{"it can not be moved far enough in z-direction. ",
                                "er lässt sich nicht weit genug in z-Richtung verschieben. ",
                                "no se puede mover lo suficiente en dirección Z. "};

const Tri kChordwiseRowsAdvice{"Please change this wing (less chord relative to its span)!",
                                "Bitte diesen Flügel ändern (weniger Tiefe im Verhältnis zur Spannweite)!",
                                "¡Por favor, cambie esta ala (menos cuerda en relación con su envergadura)!"};
const NumberedTri kZeroChordAdvice{{"Please give trapezium ", "Bitte Trapez ", "¡Por favor, dé al trapecio "},
                                   {" of this wing a chord!", " dieses Flügels eine Tiefe geben!",
                                    " de esta ala una cuerda!"}};
const Tri kReduceArea{"Please reduce the area of ", "Bitte die Fläche von ", "¡Por favor, reduzca la superficie de "};
const Tri kWingWord{"wing ", "Flügel ", "ala "};
const NumberedTri kRelativeToReference{{" relative to wing ", " im Verhältnis zu Flügel ", " en relación con el ala "},
                                       {" (the reference wing)!", " (Bezugsflügel) verkleinern!",
                                        " (ala de referencia)!"}};

const Tri kTooLargeFile{" is too large to be a Tarvolin4 project (more than 1 MB). ",
                         " ist zu groß für ein Tarvolin4-Projekt (mehr als 1 MB). ",
                         " es demasiado grande para ser un proyecto de Tarvolin4 (más de 1 MB). "};
const Tri kNotEnoughMemory{"Not enough memory for the calculation. ", "Nicht genug Speicher für die Berechnung. ",
                            "No hay memoria suficiente para el cálculo. "};
const NumberedTri kNotEnoughMemoryFor{
    {"Not enough memory for the calculation (it asked for ", "Nicht genug Speicher für die Berechnung (sie verlangte ",
     "No hay memoria suficiente para el cálculo (pidió "},
    {" MB). ", " MB). ", " MB). "}};

bool hasIndex(GeometryField f) {
    return f == GeometryField::Chord || f == GeometryField::Span || f == GeometryField::XOffset;
}
} // namespace

std::string lengthBeyondLimitLine(UiLanguage lang, int wing, GeometryField field, int index, long long value,
                                  long long limit) {
    return lengthBeyondLimitLine(lang, wing, field, index, std::to_string(value) + " mm", std::to_string(limit) + " mm");
}

std::string lengthBeyondLimitLine(UiLanguage lang, int wing, GeometryField field, int index, const std::string& value,
                                  const std::string& limit) {
    std::string line = numbered(lang, kCanNotCalculateWing, wing) + choose(lang, kFieldName[int(field)]);
    if (hasIndex(field)) line += std::to_string(index);
    return line + choose(lang, kIs) + value + choose(lang, kBeyondLimit) + "±" + limit + ". ";
}

std::string tooLargeFileText(UiLanguage lang, const std::string& path) { return path + choose(lang, kTooLargeFile); }

std::string notEnoughMemoryLine(UiLanguage lang) { return choose(lang, kNotEnoughMemory); }
std::string notEnoughMemoryLine(UiLanguage lang, std::size_t bytes) {
    return numbered(lang, kNotEnoughMemoryFor, int((bytes + (std::size_t{1} << 20) - 1) >> 20));
}

std::string chordwiseRowsAdvice(UiLanguage lang) { return choose(lang, kChordwiseRowsAdvice); }

std::string zeroChordAdvice(UiLanguage lang, int trapezium) { return numbered(lang, kZeroChordAdvice, trapezium); }

std::string panelTotalAdvice(UiLanguage lang, const std::vector<int>& wings, int referenceWing) {
    std::string line = choose(lang, kReduceArea);
    for (std::size_t i = 0; i < wings.size(); ++i)
        line += (i > 0 ? ", " : "") + std::string(choose(lang, kWingWord)) + std::to_string(wings[i]);
    return line + numbered(lang, kRelativeToReference, referenceWing);
}

std::string separationImpossibleLine(UiLanguage lang, int wing) {
    return numbered(lang, kCanNotCalculateWing, wing) + choose(lang, kSeparationImpossible);
}

std::string emptyWingLine(UiLanguage lang, int wing) { return numbered(lang, kEmptyWing, wing); }
std::string wingWithoutLiftLine(UiLanguage lang, int wing) { return numbered(lang, kWingWithoutLift, wing); }
std::string noLiftLine(UiLanguage lang) { return choose(lang, kNoLift); }
std::string noReferenceWingLine(UiLanguage lang) { return choose(lang, kNoReferenceWing); }
std::string tooManyPanelsLine(UiLanguage lang) { return choose(lang, kTooManyPanels); }

} // namespace tv
