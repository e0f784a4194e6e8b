#include "app/pages/balance_state.h"
#include "app/calculation/calculation_result.h"
#include "i18n/balance_window_texts.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "stability/balance_lines.h"

namespace {

std::string F1(double v) { return tv::formatFixed(v, 0, 1); }

/// A length to a tenth of a millimetre in the unit chosen, without and with its symbol.
std::string lengthNumber(double mm, tv::Unit u) { return tv::formatFixed(tv::fromBase(mm, u), 0, tv::decimalsIn(u, 1)); }
std::string lengthText(tv::UiLanguage lang, double mm, tv::Unit u) { return tv::measureText(lang, mm, u, 1); }

/// v to 4 decimals, trailing zeros dropped ("-0" is "0").
std::string fourDecimals(double v) {
    std::string t = tv::formatFixed(v, 0, 4);
    while (!t.empty() && t.back() == '0') t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t == "-0" ? "0" : t;
}

bool isBaseUnit(tv::Unit u) { return tv::basePerUnit(u) == 1.0; }

/// My CG is asked for: entered, or taken from the table.
bool myCgAsked(const BalanceState& s) {
    return s.texts.MyCgFromTable || s.figures.MyCg.Refusal != tv::CgRefusal::Empty;
}

} // namespace

BalanceState balanceState(const BalanceScene& scene) {
    BalanceState s;
    s.texts = scene.aircraft.Balance;
    s.units = scene.units;
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
    const tv::Unit u = s.units.length;
    std::string line = t.stripNeutralPoint;
    if (!s.calculated) line += std::string(": ") + l.notCalculated;
    else
        line += " " + lengthText(lang, s.reference.NeutralPointX, u) + " | " + t.stripCgRange + " " +
                lengthNumber(s.numbers.CgHigh, u) + " … " + lengthText(lang, s.numbers.CgLow, u);
    if (!myCgAsked(s)) return line;
    line += std::string(" | ") + l.myCg;
    if (!f.MyCg.ok()) return line + ": " + t.stripNoCg;
    line += " " + lengthText(lang, f.MyCg.X, u) + ": ";
    if (!f.MyCgMargin) return line + l.notCalculated;
    return line + F1(f.MyCgMargin->Percent) + " % (" + shortVerdictText(lang, f.MyCgMargin->Verdict) + ")";
}

std::vector<std::string> balanceReportBlock(tv::UiLanguage lang, const BalanceState& s) {
    if (s.texts.empty()) return {};
    return tv::balanceReportLines(lang, s.figures, s.texts, s.numbers, s.calculated, s.units);
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
    const tv::Unit u = s.units.length;
    std::vector<std::string> lines{std::string(l.targetCg) + ": " + lengthText(lang, *f.TargetX, u)};
    // The answers move the table's masses, whatever My CG says.
    if (f.Masses.CgX) lines.push_back(t.changesFrom + lengthText(lang, *f.Masses.CgX, u));
    if (row >= 0 && size_t(row) < s.texts.Rows.size())
        lines.push_back(tv::moveLine(lang, s.texts.Rows[size_t(row)].Name, tv::rowMoveFor(f.Masses, row, *f.TargetX),
                                     s.units));
    else if (!s.texts.Rows.empty())
        lines.push_back(t.chooseRow);
    if (ballastText.find_first_not_of(" \t") == std::string::npos) return lines;
    // The place is typed in the length unit (or with its own unit after it).
    if (const std::optional<double> x = tv::readEntry(ballastText, u))
        lines.push_back(tv::ballastLine(lang, *x, tv::ballastFor(f.Masses, *x, *f.TargetX), s.units));
    else
        lines.push_back(std::string(l.ballast) + l.cgNotANumber + "\"" + ballastText + "\"");
    return lines;
}

std::string shownEntry(const std::string& stored, tv::Unit u) {
    if (isBaseUnit(u)) return stored;
    const std::optional<double> v = tv::parseStrictReal(stored);
    return v ? fourDecimals(tv::fromBase(*v, u)) : stored;
}

std::string storedEntry(const std::string& typed, const std::string& stored, tv::Unit u) {
    if (typed == shownEntry(stored, u)) return stored;
    // In grams and millimetres a plain number stays as typed: only another unit written after it converts.
    if (isBaseUnit(u) && tv::parseStrictReal(typed)) return typed;
    const std::optional<double> base = tv::readEntry(typed, u);
    return base ? fourDecimals(*base) : typed;
}
