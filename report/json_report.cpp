#include "report/json_report.h"

#include <cmath>

namespace tv {

namespace {

// A result of a calculated run, null otherwise: 0 is a real position, so a refused or failed run
// must not report one. A value that is not a number is null as well.
nlohmann::json result(bool calculated, double v) {
    return calculated && std::isfinite(v) ? nlohmann::json(v) : nlohmann::json(nullptr);
}

} // namespace

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
