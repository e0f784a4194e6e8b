#include "cli/batch.h"

#include "files/lattice_export.h"
#include "files/projectfile.h"
#include "model/numformat.h"
#include "model/planform.h"
#include "solver/calculation.h"

#include <cmath>
#include <filesystem>
#include <sstream>

namespace tv {

std::optional<std::string> loadAircraftTexts(const std::string& file, AircraftTexts& texts) {
    texts = defaultAircraftTexts();
    if (file.empty()) return std::nullopt;
    const ReadResult<ProjectTable> r = readProjectFile(file);
    if (r.status == ReadStatus::NotOpened) return file + ": cannot be opened";
    if (r.status == ReadStatus::Failed) return r.error.text();
    applyProjectTable(r.value, texts);
    return std::nullopt;
}

BatchResult calculateProject(const std::string& file, const AircraftTexts& texts, SolverWorkspace& ws,
                             UiLanguage lang, double desiredMargin) {
    BatchResult r;
    r.file = file;
    r.aircraft = computeAircraft(texts);
    for (int w = 1; w <= kWingMax; ++w) r.planform[w] = r.aircraft.Wings[w].planform;
    runCalculation(r.aircraft, ws, lang);
    r.calculated = !ws.AbortCalculation;
    if (r.calculated)
        r.stability = computeStability(r.aircraft.WingCount, ws.NeutralPointX, ws.ReferenceChord, desiredMargin);
    return r;
}

std::string projectTitle(const std::string& file) {
    if (file.empty()) return "Unknown";
    const std::string stem = std::filesystem::path(file).stem().string();
    return stem.empty() ? file : stem;
}

std::optional<std::string> exportAvlDeck(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                         UiLanguage lang) {
    if (!r.calculated) return path + ": not written, the calculation was refused or failed";
    const AvlDeck deck = avlDeckFromLattice(r.aircraft, ws, projectTitle(r.file), exportWingNames(lang), true);
    if (auto err = writeAvlDeck(path, deck)) return err->text();
    return std::nullopt;
}

std::optional<std::string> exportLoadTable(const BatchResult& r, const SolverWorkspace& ws, const std::string& path,
                                           UiLanguage lang) {
    if (!r.calculated) return path + ": not written, the calculation was refused or failed";
    const auto rows = loadRows(stripLoads(r.aircraft.WingCount, ws), exportWingNames(lang));
    if (auto err = writeLoadTable(path, rows)) return err->text();
    return std::nullopt;
}

namespace {

std::string fx(double v, int width, int decimals) { return formatFixed(v, width, decimals); }

// A result is shown only when it is a number; a failed run leaves its fields at 0 anyway.
double finite(double v) { return std::isfinite(v) ? v : 0.0; }

} // namespace

std::string textReport(const BatchResult& r, const SolverWorkspace& ws) {
    std::ostringstream out;
    out << "Project: " << (r.file.empty() ? "(built-in default aircraft)" : r.file) << "\n";
    out << "Wings: " << r.aircraft.WingCount << ", panels: " << ws.PanelTotal << "\n";
    for (int w = 1; w <= r.aircraft.WingCount; ++w) {
        const Wing& wing = r.aircraft.Wings[w];
        const PlanformData& p = r.planform[w];
        out << "Wing " << w << ": b " << fx(p.b, 0, 0) << " mm, S " << fx(p.S / 10000.0, 0, 2)
            << " dm^2, lm " << fx(p.lm, 0, 1) << " mm, r25 " << fx(p.r25, 0, 1) << " mm, lam "
            << fx(p.lam, 0, 1) << "\n";
        out << "        chordwise panels " << ws.ChordwisePanels[w] << ", strips " << ws.SpanwiseStrips[w]
            << ", z " << wing.PositionZ << " mm";
        if (r.calculated)
            out << ", aerodynamic centre x " << fx(ws.WingAcX[w] - wing.PositionX, 0, 1) << " mm y "
                << fx(ws.WingAcY[w], 0, 1) << " mm, lift slope " << fx(ws.WingLiftSlope[w], 0, 3) << " /rad";
        out << "\n";
    }
    if (!r.calculated) {
        out << "No result: the calculation was refused or failed.\n";
        return out.str();
    }
    const StabilityNumbers& n = r.stability;
    out << "Neutral point x: " << fx(ws.NeutralPointX, 0, 1) << " mm\n";
    out << "Reference area: " << fx(ws.ReferenceArea / 10000.0, 0, 2) << " dm^2, reference chord: "
        << fx(ws.ReferenceChord, 0, 1) << " mm\n";
    out << "Recommended centre of gravity: " << fx(n.CgHigh, 0, 1) << " mm (" << fx(n.RecommendedMarginHigh, 0, 0)
        << " %) to " << fx(n.CgLow, 0, 1) << " mm (" << fx(n.RecommendedMarginLow, 0, 0) << " %)\n";
    out << "Centre of gravity for " << fx(n.DesiredMargin, 0, 1) << " %: " << fx(n.CgDesired, 0, 1) << " mm\n";
    return out.str();
}

nlohmann::json jsonReport(const BatchResult& r, const SolverWorkspace& ws) {
    using nlohmann::json;
    const StabilityNumbers& n = r.stability;
    json j;
    j["File"] = r.file;
    j["PanelTotal"] = ws.PanelTotal;
    j["NeutralPointX"] = r.calculated ? finite(ws.NeutralPointX) : 0.0;
    j["ReferenceArea"] = r.calculated ? finite(ws.ReferenceArea) : 0.0;
    j["ReferenceChord"] = r.calculated ? finite(ws.ReferenceChord) : 0.0;
    j["RecommendedMarginLow"] = n.RecommendedMarginLow;
    j["RecommendedMarginHigh"] = n.RecommendedMarginHigh;
    j["DesiredMargin"] = n.DesiredMargin;
    j["CgLow"] = finite(n.CgLow);
    j["CgHigh"] = finite(n.CgHigh);
    j["CgDesired"] = finite(n.CgDesired);
    j["WingsShifted"] = ws.WingsShifted;
    j["AbortCalculation"] = ws.AbortCalculation;
    j["Messages"] = ws.Messages;
    json wings = json::array();
    for (int w = 1; w <= r.aircraft.WingCount; ++w) {
        const Wing& wing = r.aircraft.Wings[w];
        const PlanformData& p = r.planform[w];
        json jw;
        jw["Wing"] = w;
        jw["b"] = p.b;
        jw["S"] = p.S;
        jw["lm"] = p.lm;
        jw["r25"] = p.r25;
        jw["lam"] = p.lam;
        jw["ChordwisePanels"] = ws.ChordwisePanels[w];
        jw["TrapeziumStrips"] = json::array({ws.TrapeziumStrips[1][w], ws.TrapeziumStrips[2][w],
                                             ws.TrapeziumStrips[3][w], ws.TrapeziumStrips[4][w]});
        jw["SpanwiseStrips"] = ws.SpanwiseStrips[w];
        jw["PositionZ"] = wing.PositionZ;
        jw["WingAcX"] = r.calculated ? finite(ws.WingAcX[w]) : 0.0;
        jw["WingAcY"] = r.calculated ? finite(ws.WingAcY[w]) : 0.0;
        jw["WingLiftSlope"] = r.calculated ? finite(ws.WingLiftSlope[w]) : 0.0;
        // Lift per radian of both halves, mm^2: the slope on the lattice's own area.
        jw["WingLift"] = r.calculated ? finite(ws.WingLiftSlope[w] * wing.planform.S) : 0.0;
        wings.push_back(std::move(jw));
    }
    j["Wings"] = std::move(wings);
    return j;
}

} // namespace tv
