#pragma once
// The trim of a calculated project for the reports: at which CG it is asked, and its JSON.
#include "i18n/texts.h"
#include "report/project_result.h"
#include "trim/trim.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace tv {

/// What is asked of the trim besides the CG.
struct TrimOptions {
    TrimQuestion Question = TrimQuestion::AsSet;
    double TargetCl = 0;
    double TargetSpeed = 0;     // m/s
    std::optional<double> Mass; // g, in place of the project's
    int TrimWing = 0;           // 0: the first wing that is not the reference wing, or the one wing's washout
};

/// The CG the trim is taken at: My CG (the batch calculator's --cg stands for it) when it is
/// known, else the CG of the desired margin; nothing when neither is.
std::optional<double> trimCg(const BatchResult& r);

/// Computes the trim of r's aircraft on the calculation that ws holds (run just before) into
/// r.trim; a run without a result gets the refusal.
void addTrim(BatchResult& r, SolverWorkspace& ws, const TrimOptions& o);

/// The trim's JSON object (keys and units as documented in the README).
nlohmann::json trimJson(const TrimResult& t, UiLanguage lang);

} // namespace tv
