#include "i18n/export_texts.h"
#include "i18n/tri.h"

#include <array>

namespace tv {

using i18n_detail::choose;
using i18n_detail::Tri;

namespace {

const Tri kTitle{"Span loading", "Auftriebsverteilung", "Distribución de sustentación"};
const Tri kSpanAxis{"span station y [mm]", "Spannweitenposition y [mm]", "posición en la envergadura y [mm]"};
const Tri kLoadAxis{"c·cl / c_ref [1/rad]", "c·cl / c_ref [1/rad]", "c·cl / c_ref [1/rad]"};
const Tri kElliptic{"elliptic, same lift", "elliptisch, gleicher Auftrieb", "elíptica, misma sustentación"};
const Tri kNoLoads{"Calculate the aircraft to see its span loading.",
                   "Zum Anzeigen der Auftriebsverteilung das Flugzeug berechnen.",
                   "Calcule el avión para ver su distribución de sustentación."};
const Tri kAvlFilter{"AVL geometry (*.avl)", "AVL-Geometrie (*.avl)", "Geometría AVL (*.avl)"};
const Tri kCsvFilter{"CSV tables (*.csv)", "CSV-Tabellen (*.csv)", "Tablas CSV (*.csv)"};

const Tri kSameFileAs{": not written, it is the same file as ", ": nicht geschrieben, es ist dieselbe Datei wie ",
                      ": no se ha escrito, es el mismo archivo que "};
const Tri kOpenOrRead{", which is open or was read.", ", die geöffnet ist oder gelesen wurde.",
                      ", que está abierto o se ha leído."};
const Tri kOverProject{": not written, it is a Tarvolin4 project; an export never replaces a project.",
                       ": nicht geschrieben, es ist ein Tarvolin4-Projekt; ein Export ersetzt nie ein Projekt.",
                       ": no se ha escrito, es un proyecto de Tarvolin4; una exportación nunca sustituye un proyecto."};
const Tri kIsFolder{": not written, it names a folder; give the name of a file.",
                    ": nicht geschrieben, der Name bezeichnet einen Ordner; bitte einen Dateinamen angeben.",
                    ": no se ha escrito, el nombre designa una carpeta; indique el nombre de un archivo."};
const Tri kNoResult{"Nothing was exported: the calculation was refused or failed. Correct the aircraft and calculate again.",
                    "Nichts exportiert: die Berechnung wurde abgelehnt oder ist fehlgeschlagen. Flugzeug korrigieren und neu berechnen.",
                    "No se ha exportado nada: el cálculo fue rechazado o falló. Corrija el avión y calcule de nuevo."};
const Tri kCannotOpen{" cannot be opened: ", " kann nicht geöffnet werden: ", " no se puede abrir: "};
const Tri kUnusableName{"The file name cannot be used on this system: ",
                        "Der Dateiname ist auf diesem System nicht verwendbar: ",
                        "El nombre del archivo no se puede usar en este sistema: "};

SpanLoadingTexts make(UiLanguage lang) {
    return {choose(lang, kTitle), choose(lang, kSpanAxis), choose(lang, kLoadAxis), choose(lang, kElliptic),
            choose(lang, kNoLoads)};
}

} // namespace

const SpanLoadingTexts& spanLoadingTexts(UiLanguage lang) {
    static const std::array<SpanLoadingTexts, 3> texts{make(UiLanguage::English), make(UiLanguage::German),
                                                       make(UiLanguage::Spanish)};
    return texts[lang == UiLanguage::English ? 0 : lang == UiLanguage::German ? 1 : 2];
}

const char* avlFileFilter(UiLanguage lang) { return choose(lang, kAvlFilter); }
const char* csvFileFilter(UiLanguage lang) { return choose(lang, kCsvFilter); }

std::string outputIsInputText(UiLanguage lang, const std::string& output, const std::string& input) {
    return output + choose(lang, kSameFileAs) + input + choose(lang, kOpenOrRead);
}
std::string exportOverProjectText(UiLanguage lang, const std::string& output) {
    return output + choose(lang, kOverProject);
}
std::string outputIsFolderText(UiLanguage lang, const std::string& output) { return output + choose(lang, kIsFolder); }
std::string exportWithoutResultText(UiLanguage lang) { return choose(lang, kNoResult); }
std::string projectNotOpenedText(UiLanguage lang, const std::string& path, const std::string& reason) {
    return path + choose(lang, kCannotOpen) + reason;
}
std::string unusableFileNameText(UiLanguage lang, const std::string& shownName) {
    return choose(lang, kUnusableName) + shownName;
}

} // namespace tv
