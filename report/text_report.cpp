#include "report/text_report.h"

#include "model/numformat.h"
#include "model/planform.h"
#include "stability/balance_lines.h"
#include "trim/trim_texts.h"

#include <sstream>

namespace tv {

namespace {

std::string fx(double v, int width, int decimals) { return formatFixed(v, width, decimals); }

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
        for (const std::string& line : balanceReportLines(lang, r.balance, r.aircraft.Balance, r.stability, false))
            out << line << "\n";
        return out.str();
    }
    const StabilityNumbers& n = r.stability;
    out << t.neutralPoint << fx(ws.NeutralPointX, 0, 1) << " mm\n";
    out << t.referenceArea << fx(ws.ReferenceArea / 10000.0, 0, 2) << " dm^2" << t.referenceChord
        << fx(ws.ReferenceChord, 0, 1) << " mm\n";
    out << t.recommended << fx(n.CgHigh, 0, 1) << " mm (" << fx(n.RecommendedMarginHigh, 0, 0) << " %)" << t.to
        << fx(n.CgLow, 0, 1) << " mm (" << fx(n.RecommendedMarginLow, 0, 0) << " %)\n";
    out << t.cgFor << fx(n.DesiredMargin, 0, 1) << " %: " << fx(n.CgDesired, 0, 1) << " mm\n";
    for (const std::string& line : balanceReportLines(lang, r.balance, r.aircraft.Balance, n, true))
        out << line << "\n";
    if (r.trim)
        for (const std::string& line : trimReportLines(lang, *r.trim)) out << line << "\n";
    return out.str();
}

} // namespace tv
