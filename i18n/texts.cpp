#include "i18n/texts.h"
#include "i18n/tri.h"

namespace tv {

using i18n_detail::choose;
using i18n_detail::numbered;
using i18n_detail::NumberedTri;
using i18n_detail::rightAligned;
using i18n_detail::Tri;

namespace i18n_detail {
std::string rightAligned(int n, std::size_t width) {
    std::string digits = std::to_string(n);
    if (digits.size() >= width) return digits;
    return std::string(width - digits.size(), ' ') + digits;
}
} // namespace i18n_detail

// ---- Languages ---------------------------------------------------------------------------------

char languageLetter(UiLanguage lang) {
    switch (lang) {
    case UiLanguage::English: return 'e';
    case UiLanguage::German: return 'd';
    case UiLanguage::Spanish: return 's';
    }
    return 's';
}

UiLanguage languageFromLetter(char c) {
    if (c == 'e') return UiLanguage::English;
    if (c == 'd') return UiLanguage::German;
    return UiLanguage::Spanish;
}

// ---- Message catalogue -------------------------------------------------------------------------

namespace {

const Tri kGapQuestion1{"Are you sure this wing shall   ", "Sind Sie sicher, dass dieser Flügel in",
                        "Estás seguro de que quieres que esta  "};
const Tri kGapQuestion2{"have a gap in the middle?  ", "der Mitte eine Lücke haben soll?",
                        "ala tenga un hueco en el medio?   "};
// "Wing-1  ", "Flügel-1", " ala-1  " for wings 1..5.
const NumberedTri kWingCaption{{"Wing-", "Flügel-", " ala-"}, {"  ", "", "  "}};
const Tri kErrorHeader{"Error: ", "Fehler: ", "punto flaco"};
const Tri kFlightDirection{" flight direction           ", " Flugrichtung              ",
                           "dirección de vuelo"};
const Tri kRemarksPrompt{"insert your remarks here:",
                         "Bemerkungen können in diesem Feld eingegeben werden:",
                         "Se pueden introducir comentarios en este campo:"};
const Tri kTrapFail1{"Can not calculate Wing ", "Kann Flügel ", "No se puede calcular ala "};
const Tri kTrapFail2{" / Trapezium ", " / Trapez ", " el trapecio "};
const Tri kTrapFail3{" ", " nicht berechnen.", " "};
const Tri kTrapAdvice{"Please change this trapezium (more chord length at tip)!",
                      "Bitte dieses Trapez verändern (Außentiefe größer)!",
                      "Por favor, cambie este trapecio (profundidad exterior mayor)!"};
// "Can not calculate wing-1. ", "Kann Flügel-1 nicht berechnen.", "No se puede calcular ala-1. ".
const NumberedTri kWingFail{{"Can not calculate wing-", "Kann Flügel-", "No se puede calcular ala-"},
                            {". ", " nicht berechnen.", ". "}};
const Tri kWingAdvice{"Please change this wing (less aspect ratio)!", "Bitte Streckung verkleinern!",
                      "Por favor, cambie este ala (less aspect ratio)!"};

MessageCatalogue makeCatalogue(UiLanguage lang) {
    MessageCatalogue c;
    c.TxtGapQuestion1 = choose(lang, kGapQuestion1);
    c.TxtGapQuestion2 = choose(lang, kGapQuestion2);
    for (int w = 1; w <= 5; ++w) {
        c.TxtWingCaption[w] = numbered(lang, kWingCaption, w);
        c.TxtWingFail[w] = numbered(lang, kWingFail, w);
    }
    c.TxtErrorHeader = choose(lang, kErrorHeader);
    c.TxtFlightDirection = choose(lang, kFlightDirection);
    c.TxtRemarksPrompt = choose(lang, kRemarksPrompt);
    c.TxtTrapFail1 = choose(lang, kTrapFail1);
    c.TxtTrapFail2 = choose(lang, kTrapFail2);
    c.TxtTrapFail3 = choose(lang, kTrapFail3);
    c.TxtTrapAdvice = choose(lang, kTrapAdvice);
    c.TxtWingAdvice = choose(lang, kWingAdvice);
    return c;
}

std::size_t languageIndex(UiLanguage lang) {
    if (lang == UiLanguage::English) return 0;
    if (lang == UiLanguage::German) return 1;
    return 2;
}

} // namespace

const MessageCatalogue& messageCatalogue(UiLanguage lang) {
    static const std::array<MessageCatalogue, 3> catalogues{
        makeCatalogue(UiLanguage::English), makeCatalogue(UiLanguage::German),
        makeCatalogue(UiLanguage::Spanish)};
    return catalogues[languageIndex(lang)];
}

// ---- Failure lines of the solver ---------------------------------------------------------------

std::vector<std::string> trapeziumFailureLines(UiLanguage lang, int wing, int trapezium) {
    const MessageCatalogue& c = messageCatalogue(lang);
    return {c.TxtTrapFail1 + rightAligned(wing, 2) + c.TxtTrapFail2 + rightAligned(trapezium, 2) +
                c.TxtTrapFail3,
            c.TxtTrapAdvice};
}

std::vector<std::string> wingFailureLines(UiLanguage lang, int wing) {
    const MessageCatalogue& c = messageCatalogue(lang);
    // The catalogue holds wings 1..5; any other number is composed the same way instead of
    // reading outside the table.
    std::string fail = (wing >= 1 && wing <= 5) ? c.TxtWingFail[wing] : numbered(lang, kWingFail, wing);
    return {fail, c.TxtWingAdvice};
}

namespace {
const Tri kZSeparationHeader{"Attention:", "Achtung:", "Ojo! "};
const Tri kZSeparationNotice{"Wings are moved automatically in z-direction!",
                             "Flügel wurden automatisch in z-Richtung verschoben!",
                             "Atención: ¡Las alas se movieron automáticamente en dirección Z!"};

// After the second start of the strip trim: "Error: Wing1 Trapezium2" when it succeeded,
// "Error Wing1 Trapezium2" when it failed as well.
struct RetryForm {
    Tri wingPrefix;
    Tri trapeziumPrefix;
};
const RetryForm kRetrySucceeded{{"Error: Wing", "Fehler: Flügel ", "punto flaco: ala "},
                                {" Trapezium", " Trapez ", " trapecio "}};
const RetryForm kRetryFailed{{"Error Wing", "Fehler: Flügel", "punto flaco "},
                             {" Trapezium", " Trapez", " trapecio"}};
} // namespace

std::vector<std::string> zSeparationNotice(UiLanguage lang) {
    return {choose(lang, kZSeparationHeader), choose(lang, kZSeparationNotice)};
}

std::string stripTrimRetryLine(UiLanguage lang, bool secondStartFailed, int wing, int trapezium) {
    const RetryForm& form = secondStartFailed ? kRetryFailed : kRetrySucceeded;
    return choose(lang, form.wingPrefix) + std::to_string(wing) + choose(lang, form.trapeziumPrefix) +
           std::to_string(trapezium);
}

// ---- Stability results -------------------------------------------------------------------------

const StabilityTexts& stabilityTexts(UiLanguage lang) {
    // The centre-of-gravity prefix differs only in German, the margin label only in English.
    static const std::array<StabilityTexts, 3> texts{{
        {"Reference area (S): ", "dm^2 ", "Reference length (lµ): ", "mm ", "x_CG (", "x_AC: ",
         "%  AC-CG= ", "Static margin: -100 to 100 % only"},
        {"Bezugsfläche (S): ", "dm^2 ", "Bezugstiefe (lµ): ", "mm ", "x_SP (", "x_NP: ",
         "%  NP-SP= ", "Stabilitätsmaß: nur -100 bis 100 %"},
        {"plano de referencia (S): ", "dm^2 ", "profundidad de referencia (lµ): ", "mm ", "x_CG (",
         "x_PN: ", "%  NP-SP= ", "Margen de estabilidad: solo de -100 a 100 %"},
    }};
    return texts[languageIndex(lang)];
}

// ---- Printed report ----------------------------------------------------------------------------

const ReportTexts& reportTexts(UiLanguage lang) {
    // Right-column labels are those of the wing-1 block; their trailing blanks do not move any
    // value, which is drawn at its own x.
    static const std::array<ReportTexts, 3> texts{{
        {"Summary:", "aerodynamic center: ", "Recommended center of gravity by stab =  ",
         "recomemnded center of gravity by stab =  ", "Center of gravity by stab = ",
         {"", "Wing1:", "Wing2:", "Wing3:", "Wing4:", "Wing5:"},
         "wing span:          ", "wing area:          ", "aspect ratio:       ",
         "mean aerod. chord:  ", "geometric center:   ", "aerodynamic center: ",
         "lift slope:         "},
        {"Zusammenfassung:", "Neutralpunkt:        ", "Empfohlener Schwerpunkt bei Stabilität =  ",
         "Empfohlener Schwerpunkt bei Stabilität =  ", "Schwerpunkt bei Stabilität = ",
         {"", "Flügel1:", "Flügel2:", "Flügel3:", "Flügel4:", "Flügel5:"},
         "Spannweite:          ", "Flächeninhalt:       ", "Streckung:           ",
         "Bezugstiefe:       ", "Geom. Neutralpunkt:  ", "Aerod. Neutralpunkt: ",
         "Auftriebsanstieg:    "},
        {"el resumen:", "punto neutro:        ",
         "Centro de gravedad recomendado para la estabilidad = ",
         "Centro de gravedad recomendado para la estabilidad = ",
         "Centro de gravedad con estabilidad = ",
         {"", "ala-1:", "ala-2: ", "ala-3:", "ala-4:", "ala-5:"},
         "envergadura:", "área superficial:", "proporción de aspecto:", "profundidad de referencia:",
         "Punto neutro geométrico:", "Punto neutro aerodinámico:", "aumento del levantamiento:"},
    }};
    return texts[languageIndex(lang)];
}

// ---- About window ------------------------------------------------------------------------------

const AboutTexts& aboutTexts(UiLanguage lang) {
    // Credits name the project, not persons; mail and web address are the same in every language.
    static const std::array<AboutTexts, 3> texts{{
        {"   Tarvolin calculates the aerodynamic center   ", "of an aircraft and suggests a suitable",
         "range for the center of gravity", "Idea and formulas: the Tarvolin4 project",
         "info@tarvolin4.example", "Realisation: the Tarvolin4 project", "info@tarvolin4.example",
         "The current version of the program is available at:", "https://tarvolin4.example/"},
        {"   Tarvolin berechnet den Neutralpunkt eines   ", "Flugzeugs und schlägt einen günstigen ",
         "Bereich für die Schwerpunktlage vor", "Idee und Formeln: das Tarvolin4-Projekt",
         "info@tarvolin4.example", "Umsetzung: das Tarvolin4-Projekt", "info@tarvolin4.example",
         "Die aktuelle Version des Programms gibt es unter:", "https://tarvolin4.example/"},
        {"   Tarvolin calcula el punto neutro de un  ", "avión y sugiere un rango favorable ",
         "para el centro de gravedad. ", "Idea y fórmulas: el proyecto Tarvolin4",
         "info@tarvolin4.example", "Realización: el proyecto Tarvolin4", "info@tarvolin4.example",
         "La versión actual del programa está disponible en:", "https://tarvolin4.example/"},
    }};
    return texts[languageIndex(lang)];
}

} // namespace tv
