#pragma once
// One calculation of one project, without Qt: read as the window's loader reads, calculate as the
// calculate command does. The batch calculator reports it (report/text_report.h,
// report/json_report.h); the window's "Copy results" fills one from its last calculation.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"
#include "stability/balance.h"
#include "stability/stability.h"
#include "trim/trim.h"

#include <array>
#include <optional>
#include <string>

namespace tv {

/// What one calculation of one project gave.
struct BatchResult {
    std::string file;                      // "" for the built-in default aircraft
    Aircraft aircraft;                     // after any z-separation
    std::array<PlanformData, kWingMax + 1> planform{}; // [1..5] the planform values before the lattice
    StabilityNumbers stability;
    BalanceFigures balance;  // My CG, the weight-and-balance table, loading and tail volumes
    bool calculated = false; // the run finished without a failure
    std::optional<TrimResult> trim; // when the trim was asked for (report/trim_report.h)
};

/// Loads `file` into the default aircraft's field texts as opening a project does; an empty name
/// keeps the built-in default aircraft. Returns the error text (in `lang`) when the file cannot be
/// read or is not a project. `note`, when given, receives what was read but left out (weight rows
/// beyond the table's), "" when nothing was.
std::optional<std::string> loadAircraftTexts(const std::string& file, AircraftTexts& texts,
                                             UiLanguage lang = UiLanguage::English, std::string* note = nullptr);

/// Computes the planforms, runs the calculation and the stability numbers for `desiredMargin` %,
/// and the balance figures of texts.Balance (without a result only those of the table).
BatchResult calculateProject(const std::string& file, const AircraftTexts& texts, SolverWorkspace& ws,
                             UiLanguage lang, double desiredMargin);

} // namespace tv
