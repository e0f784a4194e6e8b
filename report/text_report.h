#pragma once
// The readable report of one calculated project, in one of the three languages.
#include "i18n/texts.h"
#include "report/project_result.h"
#include "solver/workspace.h"

#include <string>

namespace tv {

/// The readable report in `lang`: per wing in use its planform, lattice and aerodynamic centre;
/// then the neutral point, reference values and the centre-of-gravity positions; then the balance
/// lines (stability/balance_lines.h: balanceReportLines), for a failed run those of the table.
std::string textReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang = UiLanguage::English);

} // namespace tv
