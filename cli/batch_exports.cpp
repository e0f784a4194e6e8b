#include "cli/batch_exports.h"

#include "exports/avl_deck.h"
#include "exports/lattice_export.h"
#include "exports/load_table.h"

#include <filesystem>

namespace tv {

std::string projectTitle(const std::string& file) {
    if (file.empty()) return "Unknown";
    const std::string stem = std::filesystem::path(file).stem().string();
    return stem.empty() ? file : stem;
}

std::optional<std::string> exportAvlDeck(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                         UiLanguage lang, const ReplaceCheck& check) {
    if (!r.calculated) return path + ": not written, the calculation was refused or failed";
    const AvlDeck deck = avlDeckFromLattice(r.aircraft, ws, projectTitle(r.file), exportWingNames(lang), true);
    if (auto err = writeOutputFile(path, avlDeckBytes(deck), systemFileOps(), check)) return err->text();
    return std::nullopt;
}

std::optional<std::string> exportLoadTable(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                           UiLanguage lang, const ReplaceCheck& check) {
    if (!r.calculated) return path + ": not written, the calculation was refused or failed";
    const auto rows = loadRows(stripLoads(r.aircraft.WingCount, ws), exportWingNames(lang));
    if (auto err = writeOutputFile(path, loadTableBytes(rows), systemFileOps(), check)) return err->text();
    return std::nullopt;
}

} // namespace tv
