// Texts about project files and the batch calculator's report.
#include "i18n/texts.h"
#include "i18n/tri.h"

namespace tv {
using namespace i18n_detail;

namespace {
const Tri kNotAProject{" is not a Tarvolin4 project", " ist kein Tarvolin4-Projekt", " no es un proyecto de Tarvolin4"};
const Tri kReadOnly{": the file is read-only and was not changed",
                    ": die Datei ist schreibgeschützt und wurde nicht verändert",
                    ": el archivo es de solo lectura y no se ha modificado"};
const Tri kTooLargeToSave[3]{
    {": not saved: the project would be ", ": nicht gespeichert: das Projekt wäre ", ": no se ha guardado: el proyecto ocuparía "},
    {" bytes, and a project holds at most ", " Bytes groß, ein Projekt fasst höchstens ",
     " bytes y un proyecto admite como máximo "},
    {" bytes (1 MB). Shorten the remark.", " Bytes (1 MB). Bitte die Bemerkung kürzen.",
     " bytes (1 MB). Acorte el comentario."}};
const Tri kRowsLeftOut[3]{
    {": the weight table holds ", ": die Gewichtstabelle fasst ", ": la tabla de pesos admite "},
    {" rows; ", " Zeilen; ", " filas; se omitieron "},
    {" were left out. A save keeps only the rows read.", " wurden weggelassen. Gespeichert werden nur die gelesenen Zeilen.",
     ". Al guardar solo se conservan las filas leídas."}};
// The same sentence for a single row left out.
const Tri kRowLeftOut[2]{{" rows; ", " Zeilen; ", " filas; se omitió "},
                         {" was left out. A save keeps only the rows read.",
                          " wurde weggelassen. Gespeichert werden nur die gelesenen Zeilen.",
                          ". Al guardar solo se conservan las filas leídas."}};
const Tri kReplaced{"These characters cannot be stored in a project file and will be saved as \"?\": ",
                    "Diese Zeichen kann eine Projektdatei nicht speichern, sie werden als \"?\" gespeichert: ",
                    "Estos caracteres no caben en un archivo de proyecto y se guardarán como \"?\": "};

const BatchReportTexts kBatch[3] = {
    {"Project: ", "(built-in default aircraft)", "Wings: ", ", panels: ", "Wing ", "chordwise panels ", ", strips ",
     ", aerodynamic centre x ", " y ", ", lift slope ", "No result: the calculation was refused or failed.",
     "Neutral point x: ", "Reference area: ", ", reference chord: ", "Recommended centre of gravity: ", " to ",
     "Centre of gravity for "},
    {"Projekt: ", "(eingebautes Standardflugzeug)", "Flügel: ", ", Felder: ", "Flügel ", "Felder in Tiefe ",
     ", Streifen ", ", Neutralpunkt x ", " y ", ", Auftriebsanstieg ",
     "Kein Ergebnis: die Berechnung wurde abgelehnt oder ist gescheitert.", "Neutralpunkt x: ", "Bezugsfläche: ",
     ", Bezugstiefe: ", "Empfohlener Schwerpunkt: ", " bis ", "Schwerpunkt bei "},
    {"Proyecto: ", "(avión predeterminado integrado)", "Alas: ", ", paneles: ", "Ala ", "paneles en cuerda ",
     ", franjas ", ", centro aerodinámico x ", " y ", ", pendiente de sustentación ",
     "Sin resultado: el cálculo fue rechazado o falló.", "Punto neutro x: ", "Superficie de referencia: ",
     ", cuerda de referencia: ", "Centro de gravedad recomendado: ", " a ", "Centro de gravedad para "},
};
} // namespace

std::string notAProjectText(UiLanguage lang, const std::string& path) { return path + choose(lang, kNotAProject); }
std::string readOnlyFileText(UiLanguage lang, const std::string& path) { return path + choose(lang, kReadOnly); }
std::string groupedNumber(UiLanguage lang, std::size_t n) {
    const std::string digits = std::to_string(n);
    const char mark = lang == UiLanguage::English ? ',' : '.';
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += mark;
        out += digits[i];
    }
    return out;
}
std::string projectTooLargeToSaveText(UiLanguage lang, const std::string& path, std::size_t bytes, std::size_t limit) {
    return path + choose(lang, kTooLargeToSave[0]) + groupedNumber(lang, bytes) + choose(lang, kTooLargeToSave[1]) +
           groupedNumber(lang, limit) + choose(lang, kTooLargeToSave[2]);
}
std::string balanceRowsLeftOutText(UiLanguage lang, const std::string& path, int rowMax, std::size_t leftOut) {
    const bool one = leftOut == 1;
    return path + choose(lang, kRowsLeftOut[0]) + std::to_string(rowMax) +
           choose(lang, one ? kRowLeftOut[0] : kRowsLeftOut[1]) + groupedNumber(lang, leftOut) +
           choose(lang, one ? kRowLeftOut[1] : kRowsLeftOut[2]);
}
std::string replacedCharactersText(UiLanguage lang, const std::string& characters) {
    return choose(lang, kReplaced) + characters;
}
const BatchReportTexts& batchReportTexts(UiLanguage lang) {
    return kBatch[lang == UiLanguage::English ? 0 : lang == UiLanguage::German ? 1 : 2];
}

} // namespace tv
