#pragma once
// The batch calculator's exports of one calculated project: the AVL deck and the strip-load table.
#include "files/fileio.h"
#include "i18n/texts.h"
#include "report/project_result.h"
#include "solver/workspace.h"

#include <optional>
#include <string>

namespace tv {

/// The project's name as the exports give it: the file name without folder and extension;
/// "Unknown" for the built-in default aircraft (the window's name for an unsaved project).
std::string projectTitle(const std::string& file);

/// Writes the AVL deck of a calculated project to `path`; the error text names path and reason.
/// A project whose calculation failed has no lattice to write: that is an error too. `check` is
/// asked just before a file is replaced (files/fileio.h).
std::optional<std::string> exportAvlDeck(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                         UiLanguage lang, const ReplaceCheck& check = {});

/// Writes the strip loads of a calculated project as CSV to `path`; errors as exportAvlDeck.
std::optional<std::string> exportLoadTable(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                           UiLanguage lang, const ReplaceCheck& check = {});

} // namespace tv
