#include "cli/batch.h"

#include "exports/lattice_export.h"
#include "files/projectfile.h"
#include "model/numformat.h"
#include "model/planform.h"
#include "solver/calculation.h"

#include <cmath>
#include <filesystem>
#include <sstream>

namespace tv {

std::optional<std::string> loadAircraftTexts(const std::string& file, AircraftTexts& texts, UiLanguage lang) {
    texts = defaultAircraftTexts();
    if (file.empty()) return std::nullopt;
    const ReadResult<ProjectTable> r = readProjectFile(file);
    if (r.status == ReadStatus::NotOpened) return file + ": cannot be opened";
    if (r.status == ReadStatus::Failed) return r.error.text();
    if (r.status == ReadStatus::NotAProject) return notAProjectText(lang, file);
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
    r.calculated = resultsUsable(ws);
    // The margins hold for a refused run too; its positions are not reported.
    r.stability = r.calculated
                      ? computeStability(r.aircraft.WingCount, ws.NeutralPointX, ws.ReferenceChord, desiredMargin)
                      : computeStability(r.aircraft.WingCount, 0, 0, desiredMargin);
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

// A result of a calculated run, null otherwise: 0 is a real position, so a refused or failed run
// must not report one. A value that is not a number is null as well.
nlohmann::json result(bool calculated, double v) {
    return calculated && std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr);
}

} // namespace

std::string textReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang) {
    const BatchReportTexts& t = batchReportTexts(lang);
    std::ostringstream out;
    out << t.project << (r.file.empty() ? t.builtIn : r.file) << "\n";
    out << t.wings << r.aircraft.WingCount << t.panels << ws.PanelTotal << "\n";
    for (int w = 1; w <= r.aircraft.WingCount; ++w) {
        const Wing& wing = r.aircraft.Wings[w];
        const PlanformData& p = r.planform[w];
        out << t.wing << w << ": b " << fx(p.b, 0, 0) << " mm, S " << fx(p.S / 10000.0, 0, 2)
            << " dm^2, lm " << fx(p.lm, 0, 1) << " mm, r25 " << fx(p.r25, 0, 1) << " mm, lam "
            << fx(p.lam, 0, 1) << "\n";
        out << "        " << t.chordwisePanels << ws.ChordwisePanels[w] << t.strips << ws.SpanwiseStrips[w]
            << ", z " << wing.PositionZ << " mm";
        if (r.calculated) {
            const AerodynamicCentreTexts ac = aerodynamicCentreTexts(wing, ws.WingAcX[w], ws.WingAcY[w]);
            out << t.aerodynamicCentre << ac.x << " mm" << t.y << ac.y << " mm" << t.liftSlope
                << fx(ws.WingLiftSlope[w], 0, 3) << " /rad";
        }
        out << "\n";
    }
    if (!r.calculated) {
        out << t.noResult << "\n";
        return out.str();
    }
    const StabilityNumbers& n = r.stability;
    out << t.neutralPoint << fx(ws.NeutralPointX, 0, 1) << " mm\n";
    out << t.referenceArea << fx(ws.ReferenceArea / 10000.0, 0, 2) << " dm^2" << t.referenceChord
        << fx(ws.ReferenceChord, 0, 1) << " mm\n";
    out << t.recommended << fx(n.CgHigh, 0, 1) << " mm (" << fx(n.RecommendedMarginHigh, 0, 0) << " %)" << t.to
        << fx(n.CgLow, 0, 1) << " mm (" << fx(n.RecommendedMarginLow, 0, 0) << " %)\n";
    out << t.cgFor << fx(n.DesiredMargin, 0, 1) << " %: " << fx(n.CgDesired, 0, 1) << " mm\n";
    return out.str();
}

nlohmann::json jsonReport(const BatchResult& r, const SolverWorkspace& ws) {
    using nlohmann::json;
    const StabilityNumbers& n = r.stability;
    const bool ok = r.calculated;
    json j;
    j["File"] = r.file;
    j["PanelTotal"] = ws.PanelTotal;
    j["NeutralPointX"] = result(ok, ws.NeutralPointX);
    j["ReferenceArea"] = result(ok, ws.ReferenceArea);
    j["ReferenceChord"] = result(ok, ws.ReferenceChord);
    j["RecommendedMarginLow"] = n.RecommendedMarginLow;
    j["RecommendedMarginHigh"] = n.RecommendedMarginHigh;
    j["DesiredMargin"] = n.DesiredMargin;
    j["CgLow"] = result(ok, n.CgLow);
    j["CgHigh"] = result(ok, n.CgHigh);
    j["CgDesired"] = result(ok, n.CgDesired);
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
        jw["WingAcX"] = result(ok, ws.WingAcX[w]);
        jw["WingAcY"] = result(ok, ws.WingAcY[w]);
        jw["WingLiftSlope"] = result(ok, ws.WingLiftSlope[w]);
        // Lift per radian of both halves, mm^2: the slope on the lattice's own area.
        jw["WingLift"] = result(ok, ws.WingLiftSlope[w] * wing.planform.S);
        wings.push_back(std::move(jw));
    }
    j["Wings"] = std::move(wings);
    return j;
}

nlohmann::json jsonErrorRecord(const std::string& file, const std::string& error) {
    return nlohmann::json{{"File", file}, {"Error", error}};
}

std::string jsonLine(const nlohmann::json& record) {
    return record.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace tv
