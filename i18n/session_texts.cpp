// Texts of New, Undo/Redo, the recent projects, the status line and the standard commands.
#include "i18n/session_texts.h"
#include "i18n/tri.h"

#include <array>

namespace tv {

using i18n_detail::choose;
using i18n_detail::Tri;

namespace {

// The 16 input fields of a wing: a name and, for the numbered ones, the section or trapezium.
struct FieldName {
    const Tri* name;
    int number; // 0: none
};
const Tri kRootOffset{"root offset", "Wurzelabstand", "separación en la raíz"};
const Tri kChord{"chord", "Profiltiefe", "cuerda"};
const Tri kSpan{"span", "Spannweite", "envergadura"};
const Tri kXOffset{"x offset", "x-Versatz", "desplazamiento x"};
const Tri kPositionX{"x position", "x-Position", "posición x"};
const Tri kPositionZ{"z position", "z-Position", "posición z"};
const std::array<FieldName, 16> kFieldNames{{
    {&kRootOffset, 0}, {&kChord, 1}, {&kSpan, 1}, {&kChord, 2}, {&kXOffset, 2}, {&kSpan, 2},
    {&kChord, 3}, {&kXOffset, 3}, {&kSpan, 3}, {&kChord, 4}, {&kXOffset, 4}, {&kSpan, 4},
    {&kChord, 5}, {&kXOffset, 5}, {&kPositionX, 0}, {&kPositionZ, 0},
}};

const Tri kOfWing{" of wing ", " von Flügel ", " del ala "};

std::string ofWing(UiLanguage lang, const std::string& what, int wing) {
    return what + choose(lang, kOfWing) + std::to_string(wing);
}

std::string fieldName(UiLanguage lang, int field) {
    if (field < 0 || field >= int(kFieldNames.size())) return "?";
    const FieldName& f = kFieldNames[field];
    std::string s = choose(lang, *f.name);
    if (f.number) {
        s += ' ';
        s += std::to_string(f.number);
    }
    return s;
}

std::string withStep(UiLanguage lang, const Tri& verb, const Tri& verbWithStep, const EditStep* step) {
    if (!step) return choose(lang, verb);
    return choose(lang, verbWithStep) + editStepName(lang, *step);
}

} // namespace

std::string editStepName(UiLanguage lang, const EditStep& step) {
    const std::string w = std::to_string(step.wing);
    switch (step.kind) {
    case EditKind::Field:
        return ofWing(lang, fieldName(lang, step.field), step.wing);
    case EditKind::TrapeziumCount:
        return ofWing(lang, choose(lang, {"trapezium count", "Trapezanzahl", "número de trapecios"}), step.wing);
    case EditKind::WingCount:
        return choose(lang, {"wing count", "Flügelanzahl", "número de alas"});
    case EditKind::MouseEdit:
        return choose(lang, {"mouse edit of wing ", "Mausänderung an Flügel ", "edición con el ratón del ala "}) + w;
    case EditKind::Scaling:
        return choose(lang, {"aircraft scale", "Flugzeugmaßstab", "escala del avión"});
    case EditKind::InsertWing:
        return choose(lang, {"insert copied wing into wing ", "Einfügen in Flügel ", "pegar ala copiada en el ala "}) + w;
    case EditKind::ExchangeWings:
        return choose(lang, {"exchange of wings ", "Tausch der Flügel ", "intercambio de las alas "}) + w +
               choose(lang, {" and ", " und ", " y "}) + std::to_string(step.field);
    case EditKind::Remarks:
        return choose(lang, {"remarks", "Bemerkungen", "comentarios"});
    case EditKind::HeightSeparation:
        return choose(lang, {"automatic height separation", "automatische Höhenstaffelung",
                             "separación automática en altura"});
    case EditKind::Balance:
        return choose(lang, {"weight and balance", "Schwerpunkt und Massen", "centrado y masas"});
    case EditKind::Trim:
        return choose(lang, {"trim settings", "Trimmeinstellungen", "ajustes de equilibrado"});
    }
    return {};
}

std::string undoText(UiLanguage lang, const EditStep* step) {
    return withStep(lang, {"Undo", "Rückgängig", "Deshacer"}, {"Undo ", "Rückgängig: ", "Deshacer: "}, step);
}

std::string redoText(UiLanguage lang, const EditStep* step) {
    return withStep(lang, {"Redo", "Wiederholen", "Rehacer"}, {"Redo ", "Wiederholen: ", "Rehacer: "}, step);
}

std::string noRecentProjectsText(UiLanguage lang) { return choose(lang, {"(none)", "(keine)", "(ninguno)"}); }

std::string recentProjectMissingText(UiLanguage lang, const std::string& path) {
    return choose(lang, {"The project ", "Das Projekt ", "El proyecto "}) + path +
           choose(lang, {" no longer exists; it was removed from the recent projects.",
                         " gibt es nicht mehr; es wurde aus der Liste entfernt.",
                         " ya no existe; se ha quitado de los proyectos recientes."});
}

StartingAircraftText startingAircraftText(UiLanguage lang, int index) {
    static const std::array<std::array<Tri, 2>, kStartingAircraftCount> kChoices{{
        {{{"2 m glider", "Segelflugzeug 2 m", "Planeador de 2 m"},
          {"A wing of two trapezia, 2000 mm span, with a tailplane.",
           "Flügel aus zwei Trapezen, 2000 mm Spannweite, mit Höhenleitwerk.",
           "Ala de dos trapecios, 2000 mm de envergadura, con estabilizador."}}},
        {{{"Canard", "Ente", "Canard"},
          {"A main wing of 1500 mm span with a foreplane 650 mm ahead.",
           "Hauptflügel mit 1500 mm Spannweite und Vorflügel 650 mm davor.",
           "Ala principal de 1500 mm con un plano delantero 650 mm por delante."}}},
        {{{"Tandem", "Tandem", "Tándem"},
          {"Two wings of nearly equal size, 700 mm apart.", "Zwei fast gleich große Flügel, 700 mm hintereinander.",
           "Dos alas de tamaño casi igual, separadas 700 mm."}}},
        {{{"Flying wing with swept tips", "Nurflügel mit gepfeilten Enden", "Ala volante con puntas en flecha"},
          {"One wing of 1500 mm span in three trapezia, the tips swept back.",
           "Ein Flügel mit 1500 mm Spannweite aus drei Trapezen, die Enden gepfeilt.",
           "Un ala de 1500 mm de envergadura en tres trapecios, las puntas en flecha."}}},
        {{{"Five-wing example", "Fünfflügel-Beispiel", "Ejemplo de cinco alas"},
          {"Biplane with tailplane, fuselage and floats: the aircraft shown at start.",
           "Doppeldecker mit Leitwerk, Rumpf und Schwimmern: das Flugzeug beim Start.",
           "Biplano con estabilizador, fuselaje y flotadores: el avión del inicio."}}},
    }};
    if (index < 0 || index >= kStartingAircraftCount) return {};
    return {choose(lang, kChoices[index][0]), choose(lang, kChoices[index][1])};
}

std::string startingAircraftMissingText(UiLanguage lang, const std::string& fileName) {
    return choose(lang, {"The starting aircraft ", "Das Startflugzeug ", "El avión inicial "}) + fileName +
           choose(lang, {" is missing from the program's examples.", " fehlt in den Beispielen des Programms.",
                         " falta en los ejemplos del programa."});
}

std::string newAircraftTitle(UiLanguage lang) { return choose(lang, {"New aircraft", "Neues Flugzeug", "Nuevo avión"}); }

std::string newAircraftPrompt(UiLanguage lang) {
    return choose(lang, {"Start from:", "Beginnen mit:", "Empezar con:"});
}

std::string pointerPositionText(UiLanguage lang, int xMm, int yMm) {
    return "x " + std::to_string(xMm) + " mm, y " + std::to_string(yMm) + " mm (" + xOriginNote(lang, 1) + ")";
}

std::vector<std::string> pointerPositionForms(UiLanguage lang, int xMm, int yMm) {
    return pointerPositionForms(lang, std::to_string(xMm) + " mm", std::to_string(yMm) + " mm");
}

std::vector<std::string> pointerPositionForms(UiLanguage lang, const std::string& x, const std::string& y) {
    const std::string figures = "x " + x + ", y " + y;
    const std::string shortNote = choose(lang, {"x from wing 1's root LE", "x ab Wurzelnasenleiste Flügel 1",
                                                "x desde BA raíz ala 1"});
    return {figures + " (" + xOriginNote(lang, 1) + ")", figures + " (" + shortNote + ")", figures};
}

std::string xOriginNote(UiLanguage lang, int wing) {
    return choose(lang, {"x from the root leading edge of wing ", "x ab der Vorderkante der Wurzel von Flügel ",
                         "x desde el borde de ataque de la raíz del ala "}) +
           std::to_string(wing);
}

std::vector<std::string> storedNeutralPointLines(UiLanguage lang) {
    return {choose(lang, {"Neutral point as stored with the project.", "Neutralpunkt wie im Projekt gespeichert.",
                          "Punto neutro tal como se guardó con el proyecto."}),
            choose(lang, {"Calculate gives the lattice, the loads and the % MAC figures.",
                          "Berechnen liefert Gitter, Lasten und die Werte in % MAC.",
                          "Calcular da la malla, las cargas y los valores en % CAM."})};
}

} // namespace tv
