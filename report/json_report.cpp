#include "report/json_report.h"

#include "report/trim_report.h"
#include "stability/balance_lines.h"

#include <cmath>

namespace tv {

namespace {

// A result of a calculated run, null otherwise: 0 is a real position, so a refused or failed run
// must not report one. A value that is not a number is null as well.
nlohmann::json result(bool calculated, double v) {
    return calculated && std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr);
}

nlohmann::json optional(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? nlohmann::json(*v) : nlohmann::json(nullptr);
}

/// A figure of a value that may be missing: null without it.
template <class T>
nlohmann::json member(const std::optional<T>& o, double T::*field) {
    return optional(o ? std::optional<double>(*o.*field) : std::nullopt);
}

const char* verdictKey(CgVerdict v) {
    switch (v) {
    case CgVerdict::Inside: return "inside";
    case CgVerdict::NoseHeavy: return "nose-heavy";
    case CgVerdict::TooFarAft: return "too-far-aft";
    case CgVerdict::Unstable: return "unstable";
    }
    return "";
}

const char* roleKey(SurfaceRole role) {
    return role == SurfaceRole::Tail ? "tail" : role == SurfaceRole::Canard ? "canard" : "none";
}

/// The three CG positions of the stability numbers on the mean chord.
void addCgMeasures(nlohmann::json& j, const BalanceFigures& f) {
    const std::pair<const char*, const std::optional<CgMeasures>*> cgs[] = {
        {"CgLow", &f.Low}, {"CgHigh", &f.High}, {"CgDesired", &f.Desired}};
    for (const auto& [name, at] : cgs) {
        j[std::string(name) + "PercentMac"] = member(*at, &CgMeasures::PercentMac);
        j[std::string(name) + "BehindRootLe"] = member(*at, &CgMeasures::BehindRootLe);
    }
}

void addMyCg(nlohmann::json& j, const BatchResult& r, UiLanguage lang) {
    const BalanceFigures& f = r.balance;
    const std::optional<CgMeasures>& at = f.MyCgAt;
    j["MyCgX"] = optional(f.MyCg.ok() ? std::optional(f.MyCg.X) : std::nullopt);
    j["MyCgPercentMac"] = member(at, &CgMeasures::PercentMac);
    j["MyCgBehindRootLe"] = member(at, &CgMeasures::BehindRootLe);
    const bool refused = !f.MyCg.ok() && (f.MyCg.Refusal != CgRefusal::Empty || r.aircraft.Balance.MyCgFromTable);
    j["MyCgError"] = refused ? nlohmann::json(cgRefusalLine(lang, f.MyCg, r.aircraft.Balance.MyCg)) : nullptr;
    const std::optional<CgMargin>& m = f.MyCgMargin;
    j["StaticMargin"] = member(m, &CgMargin::Percent);
    j["StaticMarginMm"] = member(m, &CgMargin::Mm);
    j["Verdict"] = m ? nlohmann::json(verdictKey(m->Verdict)) : nullptr;
}

void addTable(nlohmann::json& j, const BatchResult& r, UiLanguage lang) {
    const BalanceFigures& f = r.balance;
    j["TotalMass"] = f.Masses.TotalMass;
    j["MassCgX"] = optional(f.Masses.CgX);
    nlohmann::json messages = nlohmann::json::array();
    const std::vector<BalanceRowTexts>& rows = r.aircraft.Balance.Rows;
    for (size_t i = 0; i < f.Masses.Rows.size() && i < rows.size(); ++i)
        if (!f.Masses.Rows[i].used())
            messages.push_back(rowProblemLine(lang, int(i) + 1, rows[i].Name, f.Masses.Rows[i].Problem));
    j["BalanceMessages"] = std::move(messages);
    const std::optional<WingLoading>& l = f.Loading;
    j["WingLoading"] = member(l, &WingLoading::GramsPerDm2);
    j["CubicWingLoading"] = member(l, &WingLoading::GramsPerDm3);
    nlohmann::json volumes = nlohmann::json::array();
    for (const TailVolume& v : f.TailVolumes)
        volumes.push_back({{"Wing", v.Wing}, {"Coefficient", v.Coefficient}, {"Role", roleKey(v.Role)}});
    j["TailVolumes"] = std::move(volumes);
}

/// The balance figures: the mean chord of the reference wing and the CG positions on it, My CG,
/// the table's sums, the loadings and the tail volumes (null or empty where not known).
void addBalance(nlohmann::json& j, const BatchResult& r, UiLanguage lang) {
    const std::optional<MeanChord>& m = r.balance.Mac;
    j["MacWing"] = m ? nlohmann::json(r.balance.MacWing) : nullptr;
    j["MacLeadingEdgeX"] = member(m, &MeanChord::LeadingEdgeX);
    j["MacLength"] = member(m, &MeanChord::Length);
    j["MacStationY"] = member(m, &MeanChord::StationY);
    j["RootLeadingEdgeX"] = member(m, &MeanChord::RootLeadingEdgeX);
    addCgMeasures(j, r.balance);
    addMyCg(j, r, lang);
    addTable(j, r, lang);
}

} // namespace

nlohmann::json jsonReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang) {
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
    addBalance(j, r, lang);
    if (r.trim) j["Trim"] = trimJson(*r.trim, lang);
    return j;
}

nlohmann::json jsonErrorRecord(const std::string& file, const std::string& error) {
    return nlohmann::json{{"File", file}, {"Error", error}};
}

std::string jsonLine(const nlohmann::json& record) {
    return record.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace tv
