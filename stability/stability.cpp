#include "stability/stability.h"

#include "model/numformat.h"
#include "model/shown_figure.h"
#include "model/parse.h"

#include <cmath>

namespace tv {
namespace {

constexpr uint32_t kBlack = 0x000000, kBlue = 0x0000FF, kRed = 0xFF0000;

double cgFor(double neutralPointX, double referenceChord, double margin) {
    return neutralPointX - referenceChord * margin * 0.01;
}

std::string F(double v, int decimals) { return formatFixed(v, 0, decimals); }

} // namespace

bool isAcceptedMargin(double margin) { return std::fabs(margin) <= kMarginLimit; }

StabilityNumbers computeStability(int wingCount, double neutralPointX, double referenceChord, double desiredMargin) {
    StabilityNumbers n;
    const bool severalWings = wingCount > 1;
    n.RecommendedMarginLow = severalWings ? 8 : 4;
    n.RecommendedMarginHigh = severalWings ? 16 : 8;
    n.DesiredMargin = desiredMargin;
    n.CgLow = cgFor(neutralPointX, referenceChord, n.RecommendedMarginLow);
    n.CgHigh = cgFor(neutralPointX, referenceChord, n.RecommendedMarginHigh);
    n.DesiredMarginAccepted = isAcceptedMargin(desiredMargin);
    if (n.DesiredMarginAccepted) n.CgDesired = cgFor(neutralPointX, referenceChord, n.DesiredMargin);
    return n;
}

double desiredMarginFromText(const std::string& text) { return parseReal(text); }

std::vector<ResultLine> stabilityResultLines(UiLanguage lang, bool manual, const ReferenceValues& ref,
                                             const StabilityNumbers& n, const DisplayUnits& units) {
    const StabilityTexts& t = stabilityTexts(lang);
    // The reference lines carry their metric units with a blank after them; a position is
    // glued to its "mm" and padded after it.
    const auto length = [&](double mm, const char* metricSuffix) {
        return shownFigure(lang, mm, units.length, 0, 1, metricSuffix);
    };
    const auto position = [&](double mm, const char* padding) {
        return length(mm, "mm") + padding;
    };
    std::vector<ResultLine> lines;
    lines.push_back({232, kBlack,
                     t.referenceAreaPrefix + shownFigure(lang, ref.ReferenceArea, units.area, 0, 2, t.referenceAreaSuffix),
                     std::nullopt});
    lines.push_back({249, kBlack, t.referenceLengthPrefix + length(ref.ReferenceChord, t.referenceLengthSuffix),
                     std::nullopt});
    if (manual && !n.DesiredMarginAccepted) {
        lines.push_back({282, kBlue, t.marginRefused, std::nullopt});
    } else if (manual) {
        lines.push_back({282, kBlue, t.cgPrefix + F(n.DesiredMargin, 1) + "% lµ): " + position(n.CgDesired, "     "),
                         n.CgDesired});
    } else {
        lines.push_back({266, kBlue, t.cgPrefix + F(n.RecommendedMarginHigh, 0) + "% lµ): " + position(n.CgHigh, "   "),
                         n.CgHigh});
        lines.push_back({282, kBlue, t.cgPrefix + F(n.RecommendedMarginLow, 0) + "% lµ): " + position(n.CgLow, "   "),
                         n.CgLow});
    }
    lines.push_back({298, kRed, t.neutralPointPrefix + position(ref.NeutralPointX, "    "), ref.NeutralPointX});
    return lines;
}

std::string marginLabelText(UiLanguage lang, double neutralPointX, const StabilityNumbers& n, const DisplayUnits& units) {
    if (!n.DesiredMarginAccepted) return kMarginLabelUnknown;
    return stabilityTexts(lang).marginLabelPrefix + shownFigure(lang, neutralPointX - n.CgDesired, units.length, 0, 1, "mm");
}

std::string marginTextForSlider(int position) {
    if (position < 0) position = 0;
    if (position > 60) position = 60;
    return formatFixed(30.0 - position / 2.0, 4, 1);
}

} // namespace tv
