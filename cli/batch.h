#pragma once
// The batch calculator's work on one project, without Qt: read as the window's loader reads,
// calculate as the calculate command does, and report as text or JSON.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "solver/workspace.h"
#include "stability/stability.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace tv {

/// What one calculation of one project gave.
struct BatchResult {
    std::string file;                      // "" for the built-in default aircraft
    Aircraft aircraft;                     // after any z-separation
    std::array<PlanformData, kWingMax + 1> planform{}; // [1..5] the planform values before the lattice
    StabilityNumbers stability;
    bool calculated = false; // the run finished without a failure
};

/// Loads `file` into the default aircraft's field texts as opening a project does; an empty name
/// keeps the built-in default aircraft. Returns the error text (in `lang`) when the file cannot be
/// read or is not a project.
std::optional<std::string> loadAircraftTexts(const std::string& file, AircraftTexts& texts,
                                             UiLanguage lang = UiLanguage::English);

/// Computes the planforms, runs the calculation and the stability numbers for `desiredMargin` %.
BatchResult calculateProject(const std::string& file, const AircraftTexts& texts, SolverWorkspace& ws,
                             UiLanguage lang, double desiredMargin);

/// The project's name as the exports give it: the file name without folder and extension;
/// "Unknown" for the built-in default aircraft (the window's name for an unsaved project).
std::string projectTitle(const std::string& file);

/// Writes the AVL deck of a calculated project to `path`; the error text names path and reason.
/// A project whose calculation failed has no lattice to write: that is an error too.
std::optional<std::string> exportAvlDeck(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                         UiLanguage lang);

/// Writes the strip loads of a calculated project as CSV to `path`; errors as exportAvlDeck.
std::optional<std::string> exportLoadTable(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                           UiLanguage lang);

/// The readable report in `lang`: per wing in use its planform, lattice and aerodynamic centre;
/// then the neutral point, reference values and the centre-of-gravity positions.
std::string textReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang = UiLanguage::English);

/// The same as one JSON object (keys and units as documented in the README), numbers in full
/// precision. A refused or failed run has null positions and reference values; its margins and
/// PanelTotal (the count that was refused) are given.
nlohmann::json jsonReport(const BatchResult& r, const SolverWorkspace& ws);

/// The record of a file that could not be read or is not a project: {"File": ..., "Error": ...}.
nlohmann::json jsonErrorRecord(const std::string& file, const std::string& error);

/// One line of JSON Lines output; bytes that are not UTF-8 (a Latin-1 file name) become U+FFFD.
std::string jsonLine(const nlohmann::json& record);

} // namespace tv
