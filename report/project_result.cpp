#include "report/project_result.h"

#include "files/projectfile.h"
#include "model/planform.h"
#include "solver/calculation.h"

namespace tv {

std::optional<std::string> loadAircraftTexts(const std::string& file, AircraftTexts& texts, UiLanguage lang,
                                             std::string* note) {
    texts = defaultAircraftTexts();
    if (note) note->clear();
    if (file.empty()) return std::nullopt;
    const ReadResult<ProjectTable> r = readProjectFile(file);
    if (r.status == ReadStatus::NotOpened) return file + ": cannot be opened";
    if (r.status == ReadStatus::Failed) return r.error.text();
    if (r.status == ReadStatus::NotAProject) return notAProjectText(lang, file);
    applyProjectTable(r.value, texts);
    if (note && r.value.BalanceRowsLeftOut > 0)
        *note = balanceRowsLeftOutText(lang, file, kBalanceRowMax, r.value.BalanceRowsLeftOut);
    return std::nullopt;
}

BatchResult calculateProject(const std::string& file, const AircraftTexts& texts, SolverWorkspace& ws,
                             UiLanguage lang, double desiredMargin) {
    BatchResult r;
    r.file = file;
    r.aircraft = computeAircraft(texts);
    for (int w = 1; w <= kWingMax; ++w) r.planform[w] = r.aircraft.Wings[w].planform;
    const Aircraft planforms = r.aircraft; // the calculation puts the lattice's planforms in their place
    runCalculation(r.aircraft, ws, lang);
    r.calculated = resultsUsable(ws);
    // The margins hold for a refused run too; its positions are not reported.
    r.stability = r.calculated
                      ? computeStability(r.aircraft.WingCount, ws.NeutralPointX, ws.ReferenceChord, desiredMargin)
                      : computeStability(r.aircraft.WingCount, 0, 0, desiredMargin);
    const ReferenceValues ref{ws.ReferenceArea, ws.ReferenceChord, ws.NeutralPointX};
    r.balance = r.calculated ? balanceFigures(planforms, ws.ReferenceWing, ref, r.stability)
                             : uncalculatedBalanceFigures(texts.Balance);
    return r;
}

} // namespace tv
