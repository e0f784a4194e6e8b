#include "i18n/document_texts.h"

namespace tv {

std::string untitledProjectName(UiLanguage lang) { return pick(lang, "Untitled", "Unbenannt", "Sin título"); }

} // namespace tv

