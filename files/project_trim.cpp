#include "files/project_trim.h"

#include "files/block_values.h"
#include "files/commentend.h"
#include "files/encoding.h"
#include "files/textlines.h"
#include "model/parse.h"

#include <algorithm>

namespace tv::project_trim {

using block_values::valueFromDisk;
using block_values::valueLine;

namespace {

void appendSection(std::string& out, int s, const TrimSectionTexts& t) {
    if (t == TrimSectionTexts{}) return;
    appendLine(out, "   <trim_section>");
    valueLine(out, "    ", "trim_section_no", std::to_string(s));
    valueLine(out, "    ", "twist", t.Twist);
    valueLine(out, "    ", "airfoil", t.Airfoil);
    valueLine(out, "    ", "alpha0", t.Alpha0);
    valueLine(out, "    ", "cm0", t.Cm0);
    appendLine(out, "   </trim_section>");
}

void appendWing(std::string& out, int w, const TrimWingTexts& t) {
    if (t == TrimWingTexts{}) return;
    appendLine(out, "  <trim_wing>");
    valueLine(out, "   ", "trim_wing_no", std::to_string(w));
    valueLine(out, "   ", "incidence", t.Incidence);
    for (int s = 1; s <= kTrimSectionMax; ++s) appendSection(out, s, t.Sections[s]);
    appendLine(out, "  </trim_wing>");
}

int numberInRange(std::string_view text, int max) {
    const int32_t v = parseLenientInt(text);
    return v >= 1 && v <= max ? int(v) : 0;
}

} // namespace

void append(std::string& out, const TrimTexts& trim) {
    if (trim.empty()) return;
    appendLine(out, " <trim>");
    valueLine(out, "  ", "trim_mass", trim.Mass);
    valueLine(out, "  ", "trim_density", trim.Density);
    for (int w = 1; w <= kTrimWingMax; ++w) appendWing(out, w, trim.Wings[w]);
    appendLine(out, " </trim>");
    appendLine(out, " ");
}

std::string* Reader::field(std::string_view tag) {
    TrimTexts& t = *data_;
    if (tag == "trim_mass") return &t.Mass;
    if (tag == "trim_density") return &t.Density;
    if (!inWing_ || wing_ == 0) return nullptr;
    TrimWingTexts& w = t.Wings[wing_];
    if (tag == "incidence") return &w.Incidence;
    if (!inSection_ || section_ == 0) return nullptr;
    TrimSectionTexts& s = w.Sections[section_];
    if (tag == "twist") return &s.Twist;
    if (tag == "airfoil") return &s.Airfoil;
    if (tag == "alpha0") return &s.Alpha0;
    if (tag == "cm0") return &s.Cm0;
    return nullptr;
}

void Reader::line(std::string_view tag, std::string_view rest) {
    if (tag == "trim") {
        data_ = TrimTexts{};
        inBlock_ = true, inWing_ = inSection_ = false, wing_ = section_ = 0;
        return;
    }
    if (!inBlock_) return;
    if (tag == "/trim") inBlock_ = inWing_ = inSection_ = false;
    else if (tag == "trim_wing") inWing_ = true, inSection_ = false, wing_ = section_ = 0;
    else if (tag == "/trim_wing") inWing_ = inSection_ = false;
    else if (tag == "trim_wing_no" && inWing_) wing_ = numberInRange(valueFromDisk(rest, tag), kTrimWingMax);
    else if (tag == "trim_section" && inWing_) inSection_ = true, section_ = 0;
    else if (tag == "/trim_section") inSection_ = false;
    else if (tag == "trim_section_no" && inSection_) section_ = numberInRange(valueFromDisk(rest, tag), kTrimSectionMax);
    else if (std::string* f = field(tag)) *f = valueFromDisk(rest, tag);
}

} // namespace tv::project_trim
