#pragma once
// The report of one calculated project as JSON, and the JSON Lines records of the batch calculator.
#include "i18n/texts.h"
#include "report/project_result.h"
#include "solver/workspace.h"

#include <nlohmann/json.hpp>
#include <string>

namespace tv {

/// The same as one JSON object (keys and units as documented in the README), numbers in full
/// precision. A refused or failed run has null positions and reference values; its margins and
/// PanelTotal (the count that was refused) are given, and of the balance figures those of the
/// table. The texts among the balance keys (MyCgError, BalanceMessages) are in `lang`.
nlohmann::json jsonReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang = UiLanguage::English);

/// The record of a file that could not be read or is not a project: {"File": ..., "Error": ...}.
nlohmann::json jsonErrorRecord(const std::string& file, const std::string& error);

/// One line of JSON Lines output; bytes that are not UTF-8 (a Latin-1 file name) become U+FFFD.
std::string jsonLine(const nlohmann::json& record);

} // namespace tv
