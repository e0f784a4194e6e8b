#include "files/project_input.h"

#include "files/projectfile.h"

namespace tv {

std::optional<std::string> loadProjectTexts(const std::string& file, AircraftTexts& texts, UiLanguage lang) {
    texts = defaultAircraftTexts();
    if (file.empty()) return std::nullopt;
    const ReadResult<ProjectTable> r = readProjectFile(file);
    if (r.status == ReadStatus::NotOpened) return file + ": cannot be opened";
    if (r.status == ReadStatus::Failed)
        return r.error.tooLarge ? tooLargeFileText(lang, r.error.path) : r.error.text();
    if (r.status == ReadStatus::NotAProject) return notAProjectText(lang, file);
    applyProjectTable(r.value, texts);
    return std::nullopt;
}

} // namespace tv
