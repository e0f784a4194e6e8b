#pragma once
// The readable report of one calculated project, in one of the three languages.
#include "i18n/texts.h"
#include "model/units.h"
#include "report/project_result.h"
#include "solver/workspace.h"

#include <string>
#include <string_view>

namespace tv {

/// The text as a terminal may show it: control characters (C0, DEL, C1) and bytes that are no
/// UTF-8 character become visible escapes ("\x1B", "\x00", "\u009B"); everything else is kept.
std::string visibleText(std::string_view text);

/// The readable report in `lang`; the texts it takes from the project (its file name, item names,
/// My CG) are shown through visibleText, so that nothing in a project reaches the terminal as a
/// command: per wing in use its planform, lattice and aerodynamic centre;
/// then the neutral point, reference values and the centre-of-gravity positions; then the balance
/// lines (stability/balance_lines.h: balanceReportLines), for a failed run those of the table.
/// Every length, area, mass and loading is written in `units` with its unit after it (the metric
/// units give the report as it always was).
std::string textReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang = UiLanguage::English,
                       const DisplayUnits& units = kMetricUnits);

} // namespace tv
