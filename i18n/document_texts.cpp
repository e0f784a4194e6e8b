#include "i18n/document_texts.h"

namespace tv {

std::string untitledProjectName(UiLanguage lang) { return pick(lang, "Untitled", "Unbenannt", "Sin título"); }

} // namespace tv

namespace tv {

std::string exportRefusedText(UiLanguage lang) {
    return pick(lang, "Nothing was exported: the aircraft could not be calculated (see the results box).",
                "Nichts wurde exportiert: das Flugzeug konnte nicht berechnet werden (siehe Ergebnisfeld).",
                "No se exportó nada: el avión no se pudo calcular (véase el cuadro de resultados).");
}

} // namespace tv
