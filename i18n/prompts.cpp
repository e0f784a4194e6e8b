#include "i18n/prompts.h"

#include "i18n/tri.h"

namespace tv {
using i18n_detail::choose;
using i18n_detail::Tri;

SaveChangesTexts saveChangesTexts(UiLanguage lang, const std::string& projectName) {
    static constexpr Tri kBefore{"Save changes to ", "Änderungen an ", "¿Guardar los cambios en "};
    static constexpr Tri kAfter{"?", " speichern?", "?"};
    static constexpr Tri kSave{"Save", "Speichern", "Guardar"};
    static constexpr Tri kDiscard{"Discard", "Verwerfen", "Descartar"};
    static constexpr Tri kCancel{"Cancel", "Abbrechen", "Cancelar"};
    return {choose(lang, kBefore) + projectName + choose(lang, kAfter), choose(lang, kSave), choose(lang, kDiscard),
            choose(lang, kCancel)};
}

std::string projectFileFilter(UiLanguage lang, bool forOpen) {
    static constexpr Tri kProjectFiles{"Project files", "Projektdateien", "Archivos de proyecto"};
    return std::string(choose(lang, kProjectFiles)) + (forOpen ? " (*.da4 *.tv4 *.DA4 *.TV4)" : " (*.tv4)");
}

} // namespace tv
