#include "report/text_report.h"

#include "model/numformat.h"
#include "model/planform.h"
#include "stability/balance_lines.h"
#include "trim/trim_texts.h"

#include <sstream>
#include <utility>

namespace tv {

namespace {

std::string fx(double v, int width, int decimals) { return formatFixed(v, width, decimals); }

/// The report writes its own powers with a caret ("dm^2"), as it always has.
std::string caretPowers(std::string s) {
    for (const auto& [from, to] : {std::pair<std::string_view, std::string_view>{"\xC2\xB2", "^2"}, {"\xC2\xB3", "^3"}})
        for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) s.replace(at, from.size(), to);
    return s;
}

/// The figures of the report in the chosen units, with the metric decimals given.
struct Measures {
    UiLanguage lang;
    const DisplayUnits& u;
    std::string length(double mm, int decimals) const { return measureText(lang, mm, Unit::Millimetre, u.length, decimals); }
    std::string area(double mm2) const { return caretPowers(measureText(lang, mm2 / 10000.0, Unit::SquareDecimetre, u.area, 2)); }
};

void hexEscape(std::string& out, const char* prefix, unsigned value, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

/// The length of the well-formed UTF-8 sequence at text[i] (2..4), or 0 for a byte that starts none.
size_t utf8Length(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    const size_t n = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (n == 0 || i + n > text.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    return n;
}

} // namespace

std::string visibleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            out += char(c);
            ++i;
        } else if (c < 0x80) {
            hexEscape(out, "\\x", c, 2); // C0 controls (ESC, NUL, line breaks) and DEL
            ++i;
        } else if (const size_t n = utf8Length(text, i); n == 0) {
            hexEscape(out, "\\x", c, 2); // a byte of no character: shown, not passed to the terminal
            ++i;
        } else if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            hexEscape(out, "\\u", static_cast<unsigned char>(text[i + 1]), 4); // C1 controls U+0080..U+009F
            i += 2;
        } else {
            out.append(text.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string textReport(const BatchResult& r, const SolverWorkspace& ws, UiLanguage lang, const DisplayUnits& units) {
    const BatchReportTexts& t = batchReportTexts(lang);
    const Measures m{lang, units};
    std::ostringstream out;
    out << t.project << (r.file.empty() ? t.builtIn : visibleText(r.file)) << "\n";
    out << t.wings << r.aircraft.WingCount << t.panels << ws.PanelTotal << "\n";
    for (int w = 1; w <= r.aircraft.WingCount; ++w) {
        const Wing& wing = r.aircraft.Wings[w];
        const PlanformData& p = r.planform[w];
        out << t.wing << w << ": b " << m.length(p.b, 0) << ", S " << m.area(p.S) << ", lm " << m.length(p.lm, 1)
            << ", r25 " << m.length(p.r25, 1) << ", lam " << fx(p.lam, 0, 1) << "\n";
        out << "        " << t.chordwisePanels << ws.ChordwisePanels[w] << t.strips << ws.SpanwiseStrips[w]
            << ", z " << m.length(wing.PositionZ, 0);
        if (r.calculated)
            out << t.aerodynamicCentre << m.length(ws.WingAcX[w] - wing.PositionX, 1) << t.y << m.length(ws.WingAcY[w], 1)
                << t.liftSlope << fx(ws.WingLiftSlope[w], 0, 3) << " /rad";
        out << "\n";
    }
    if (!r.calculated) {
        out << t.noResult << "\n";
        for (const std::string& line : balanceReportLines(lang, r.balance, r.aircraft.Balance, r.stability, false, units))
            out << visibleText(line) << "\n";
        return out.str();
    }
    const StabilityNumbers& n = r.stability;
    out << t.neutralPoint << m.length(ws.NeutralPointX, 1) << "\n";
    out << t.referenceArea << m.area(ws.ReferenceArea) << t.referenceChord << m.length(ws.ReferenceChord, 1) << "\n";
    out << t.recommended << m.length(n.CgHigh, 1) << " (" << fx(n.RecommendedMarginHigh, 0, 0) << " %)" << t.to
        << m.length(n.CgLow, 1) << " (" << fx(n.RecommendedMarginLow, 0, 0) << " %)\n";
    out << t.cgFor << fx(n.DesiredMargin, 0, 1) << " %: " << m.length(n.CgDesired, 1) << "\n";
    for (const std::string& line : balanceReportLines(lang, r.balance, r.aircraft.Balance, n, true, units))
        out << visibleText(line) << "\n";
    if (r.trim)
        for (const std::string& line : trimReportLines(lang, *r.trim, units)) out << visibleText(line) << "\n";
    return out.str();
}

} // namespace tv
