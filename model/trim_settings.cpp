#include "model/trim_settings.h"

#include "model/airfoil.h"
#include "model/parse.h"

namespace tv {
namespace {

bool blankText(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

SectionAero sectionAero(const TrimSectionTexts& t) {
    SectionAero s{parseReal(t.Twist), parseReal(t.Alpha0), parseReal(t.Cm0)};
    if (blankText(t.Alpha0) && blankText(t.Cm0)) {
        if (const auto naca = nacaFourDigit(t.Airfoil)) s.Alpha0 = naca->Alpha0Deg, s.Cm0 = naca->Cm0;
    }
    return s;
}

} // namespace

TrimSettings trimSettings(const TrimTexts& texts) {
    TrimSettings out;
    for (int w = 1; w <= kTrimWingMax; ++w) {
        out.Wings[w].Incidence = parseReal(texts.Wings[w].Incidence);
        for (int s = 1; s <= kTrimSectionMax; ++s) out.Wings[w].Sections[s] = sectionAero(texts.Wings[w].Sections[s]);
    }
    out.MassTyped = !blankText(texts.Mass);
    out.Mass = parseReal(texts.Mass);
    if (!blankText(texts.Density)) out.Density = parseReal(texts.Density);
    return out;
}

} // namespace tv
