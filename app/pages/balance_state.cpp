#include "app/pages/balance_state.h"
#include "app/calculation/calculation_result.h"
#include "i18n/balance_window_texts.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "stability/balance_lines.h"

namespace {

std::string F1(double v) { return tv::formatFixed(v, 0, 1); }

/// My CG is asked for: entered, or taken from the table.
bool myCgAsked(const BalanceState& s) {
    return s.texts.MyCgFromTable || s.figures.MyCg.Refusal != tv::CgRefusal::Empty;
}

} // namespace

BalanceState balanceState(const BalanceScene& scene) {
    BalanceState s;
    s.texts = scene.aircraft.Balance;
    const CalculationResult* r = scene.result;
    if (!r || !r->neutralPointKnown()) {
        s.figures = tv::uncalculatedBalanceFigures(scene.aircraft.Balance);
        return s;
    }
    s.calculated = true;
    s.reference = r->reference;
    s.numbers = r->numbers;
    // A neutral point read with the project has no lattice, hence no reference wing: its margins
    // hold, its mean chord is not known.
    const int referenceWing = r->ws ? r->ws->ReferenceWing : 0;
    s.figures = tv::balanceFigures(scene.aircraft, referenceWing, r->reference, r->numbers);
    return s;
}

const char* shortVerdictText(tv::UiLanguage lang, tv::CgVerdict v) {
    const tv::BalanceWindowTexts& t = tv::balanceWindowTexts(lang);
    switch (v) {
    case tv::CgVerdict::Inside: return t.stripInside;
    case tv::CgVerdict::NoseHeavy: return t.stripNoseHeavy;
    case tv::CgVerdict::TooFarAft: return t.stripTooFarAft;
    case tv::CgVerdict::Unstable: return t.stripUnstable;
    }
    return "";
}

std::string resultsStripText(tv::UiLanguage lang, const BalanceState& s) {
    const tv::BalanceWindowTexts& t = tv::balanceWindowTexts(lang);
    const tv::BalanceLabels& l = tv::balanceLabels(lang);
    const tv::BalanceFigures& f = s.figures;
    std::string line = t.stripNeutralPoint;
    if (!s.calculated) line += std::string(": ") + l.notCalculated;
    else
        line += " " + F1(s.reference.NeutralPointX) + " mm | " + t.stripCgRange + " " + F1(s.numbers.CgHigh) + " … " +
                F1(s.numbers.CgLow) + " mm";
    if (!myCgAsked(s)) return line;
    line += std::string(" | ") + l.myCg;
    if (!f.MyCg.ok()) return line + ": " + t.stripNoCg;
    line += " " + F1(f.MyCg.X) + " mm: ";
    if (!f.MyCgMargin) return line + l.notCalculated;
    return line + F1(f.MyCgMargin->Percent) + " % (" + shortVerdictText(lang, f.MyCgMargin->Verdict) + ")";
}

std::vector<std::string> balanceReportBlock(tv::UiLanguage lang, const BalanceState& s) {
    if (s.texts.empty()) return {};
    return tv::balanceReportLines(lang, s.figures, s.texts, s.numbers, s.calculated);
}

tv::BalanceMarks balanceMarks(tv::UiLanguage lang, const BalanceState& s) {
    tv::BalanceMarks m;
    if (!s.calculated || !s.figures.Mac) return m;
    m.mac = s.figures.Mac;
    m.cgForward = s.numbers.CgHigh;
    m.cgAft = s.numbers.CgLow;
    if (s.figures.MyCg.ok()) {
        m.myCg = s.figures.MyCg.X;
        m.myCgCaption = tv::balanceLabels(lang).myCg;
        if (s.figures.MyCgMargin) {
            m.verdict = s.figures.MyCgMargin->Verdict;
            m.verdictKnown = true;
            m.myCgCaption += std::string(": ") + shortVerdictText(lang, m.verdict);
        }
    }
    return m;
}

std::vector<std::string> changeLines(tv::UiLanguage lang, const BalanceState& s, int row, const std::string& ballastText) {
    const tv::BalanceWindowTexts& t = tv::balanceWindowTexts(lang);
    const tv::BalanceLabels& l = tv::balanceLabels(lang);
    const tv::BalanceFigures& f = s.figures;
    if (!s.calculated || !f.TargetX) return {t.noTarget};
    std::vector<std::string> lines{std::string(l.targetCg) + ": " + F1(*f.TargetX) + " mm"};
    // The answers move the table's masses, whatever My CG says.
    if (f.Masses.CgX) lines.push_back(t.changesFrom + F1(*f.Masses.CgX) + " mm");
    if (row >= 0 && size_t(row) < s.texts.Rows.size())
        lines.push_back(tv::moveLine(lang, s.texts.Rows[size_t(row)].Name, tv::rowMoveFor(f.Masses, row, *f.TargetX)));
    else if (!s.texts.Rows.empty())
        lines.push_back(t.chooseRow);
    if (ballastText.find_first_not_of(" \t") == std::string::npos) return lines;
    if (const std::optional<double> x = tv::parseStrictReal(ballastText))
        lines.push_back(tv::ballastLine(lang, *x, tv::ballastFor(f.Masses, *x, *f.TargetX)));
    else
        lines.push_back(std::string(l.ballast) + l.cgNotANumber + "\"" + ballastText + "\"");
    return lines;
}
