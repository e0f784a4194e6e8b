#include "app/pages/trim_state.h"
#include "app/calculation/calculation_result.h"
#include "i18n/trim_page_texts.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "trim/trim_texts.h"

TrimState trimState(const BalanceScene& scene, const TrimAsk& ask) {
    TrimState s;
    const CalculationResult* r = scene.result;
    if (!r || !r->latticeKnown()) return s;
    s.calculated = true;
    const BalanceState b = balanceState(scene);
    if (b.figures.MyCg.ok()) s.cgX = b.figures.MyCg.X;
    else if (b.numbers.DesiredMarginAccepted) s.cgX = b.numbers.CgDesired;
    if (!s.cgX) return s;
    // The planforms as the calculation left them (heights separated), the settings as shown now.
    tv::Aircraft ac = r->aircraft;
    ac.Trim = scene.aircraft.Trim;
    ac.Balance = scene.aircraft.Balance;
    tv::TrimRequest request;
    request.Question = ask.question;
    const double target = tv::parseReal(ask.target);
    if (ask.question == tv::TrimQuestion::TargetCl) request.TargetCl = target;
    if (ask.question == tv::TrimQuestion::TargetSpeed) request.TargetSpeed = target;
    request.TrimWing = ask.trimWing;
    request.CgX = *s.cgX;
    s.result = tv::computeTrim(ac, *r->ws, request);
    return s;
}

std::vector<std::string> trimPageLines(tv::UiLanguage lang, const TrimState& s) {
    if (!s.calculated) {
        tv::TrimResult none;
        none.Problem = tv::TrimProblem::NoResult;
        return {tv::trimProblemText(lang, none)};
    }
    if (!s.result) return {tv::trimPageTexts(lang).noCg};
    return tv::trimReportLines(lang, *s.result);
}

std::string trimStripPart(tv::UiLanguage lang, const TrimState& s) {
    if (!s.result || !s.result->ok()) return "";
    const tv::TrimResult& t = *s.result;
    if (t.Speed) return tv::trimStripText(lang, tv::formatFixed(*t.Speed, 0, 1), "");
    std::string setting;
    if (t.Variable == tv::TrimVariable::Washout)
        setting = tv::trimPageTexts(lang).washoutOf + std::to_string(t.VariableWing) + " " + tv::formatFixed(t.VariableTrim, 0, 2) + "°";
    else if (t.Decalage)
        setting = std::string(tv::pick(lang, "decalage ", "EWD ", "decalaje ")) + tv::formatFixed(*t.Decalage, 0, 2) + "°";
    return tv::trimStripText(lang, "", setting);
}
