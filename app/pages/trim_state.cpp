#include "app/pages/trim_state.h"
#include "i18n/trim_page_texts.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "trim/trim_texts.h"

namespace {

/// A typed figure in unit u as a base value: a strict number or one with its unit after it, else
/// read leniently in u (as the fields always have been).
double readTyped(const std::string& text, tv::Unit u) {
    if (const std::optional<double> v = tv::readEntry(text, u)) return *v;
    return tv::toBase(tv::parseReal(text), u);
}

/// Grams as the project keeps them: to the hundredth, without trailing zeros.
std::string gramsText(double g) {
    std::string s = tv::formatFixed(g, 0, 2);
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

} // namespace

TrimInputs trimInputsFor(const tv::AircraftTexts& texts, const TrimAsk& ask, const tv::DisplayUnits& u) {
    TrimInputs in;
    in.trim = texts.Trim;
    in.balance = texts.Balance;
    in.question = ask.question;
    if (ask.question == tv::TrimQuestion::TargetCl) in.targetCl = tv::parseReal(ask.target);
    if (ask.question == tv::TrimQuestion::TargetSpeed) in.targetSpeed = readTyped(ask.target, u.speed);
    in.trimWing = ask.trimWing;
    return in;
}

std::vector<std::string> trimPageLines(tv::UiLanguage lang, const TrimState& s, const tv::DisplayUnits& u) {
    if (!s.calculated) {
        tv::TrimResult none;
        none.Problem = tv::TrimProblem::NoResult;
        return {tv::trimProblemText(lang, none, u)};
    }
    if (!s.result) return {tv::trimPageTexts(lang).noCg};
    return tv::trimReportLines(lang, *s.result, u);
}

std::string trimStripPart(tv::UiLanguage lang, const TrimState& s, const tv::DisplayUnits& u) {
    if (!s.result || !s.result->ok()) return "";
    const tv::TrimResult& t = *s.result;
    if (t.Speed) return tv::trimStripText(lang, tv::measureText(lang, *t.Speed, tv::Unit::MetrePerSecond, u.speed, 1), "");
    std::string setting;
    if (t.Variable == tv::TrimVariable::Washout)
        setting = tv::trimPageTexts(lang).washoutOf + std::to_string(t.VariableWing) + " " + tv::formatFixed(t.VariableTrim, 0, 2) + "°";
    else if (t.Decalage)
        setting = std::string(tv::trimPageTexts(lang).decalage) + tv::formatFixed(*t.Decalage, 0, 2) + "°";
    return tv::trimStripText(lang, "", setting);
}

std::string massFieldText(const std::string& storedGrams, const std::string& typed, tv::Unit u) {
    if (u == tv::Unit::Gram) return storedGrams;
    if (!typed.empty() && storedMassText(typed, u) == storedGrams) return typed;
    const std::optional<double> g = tv::parseStrictReal(storedGrams);
    if (!g) return storedGrams; // not a number: shown as stored, refused by the trim as it is
    return tv::formatFixed(tv::fromBase(*g, u), 0, tv::decimalsIn(u, 0));
}

std::string storedMassText(const std::string& typed, tv::Unit u) {
    if (typed.empty()) return typed;
    if (u == tv::Unit::Gram) {
        if (tv::parseStrictReal(typed)) return typed;
        const std::optional<double> g = tv::readEntry(typed, u);
        return g ? gramsText(*g) : typed; // anything else as typed: read leniently, as always
    }
    return gramsText(readTyped(typed, u));
}
