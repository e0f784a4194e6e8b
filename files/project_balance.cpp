#include "files/project_balance.h"

#include "files/commentend.h"
#include "files/encoding.h"
#include "files/textlines.h"
#include "model/parse.h"

#include <algorithm>
#include <array>

namespace tv::project_balance {
namespace {

struct InputName {
    CgInput mode;
    std::string_view name;
};
constexpr std::array<InputName, 3> kInputNames{{
    {CgInput::AircraftFrame, "aircraft"}, {CgInput::BehindRootLe, "root_le"}, {CgInput::PercentMac, "mac"}}};

std::string_view inputName(CgInput mode) {
    for (const InputName& n : kInputNames)
        if (n.mode == mode) return n.name;
    return kInputNames[0].name;
}

/// An unknown name reads as the aircraft frame, the default of a new entry.
CgInput inputFromName(std::string_view name) {
    for (const InputName& n : kInputNames)
        if (n.name == name) return n.mode;
    return CgInput::AircraftFrame;
}

/// A typed text on disk: one line, Windows-1252, "</comment>" escaped.
std::string valueOnDisk(std::string_view text) {
    std::string bytes = comment_end::escape(utf8ToCp1252(text));
    std::replace_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return bytes;
}

/// The value after "<tag>": up to the line's last "</tag>" (all of it without one), so that a value
/// holding "<" or even "</tag>" reads back whole.
std::string valueFromDisk(std::string_view rest, std::string_view tag) {
    const std::string close = "</" + std::string(tag) + ">";
    const size_t end = rest.rfind(close);
    return cp1252ToUtf8(comment_end::unescape(rest.substr(0, end)));
}

void valueLine(std::string& out, std::string_view indent, std::string_view tag, std::string_view text) {
    const std::string t(tag);
    appendLine(out, std::string(indent) + "<" + t + ">" + valueOnDisk(text) + "</" + t + ">");
}

} // namespace

void append(std::string& out, const BalanceTexts& balance) {
    if (balance.empty()) return;
    appendLine(out, " <balance>");
    valueLine(out, "  ", "my_cg", balance.MyCg);
    valueLine(out, "  ", "my_cg_input", inputName(balance.MyCgInput));
    valueLine(out, "  ", "my_cg_from_table", balance.MyCgFromTable ? "1" : "0");
    const size_t rows = std::min(balance.Rows.size(), size_t(kBalanceRowMax));
    for (size_t i = 0; i < rows; ++i) {
        const BalanceRowTexts& r = balance.Rows[i];
        appendLine(out, "  <balance_item>");
        valueLine(out, "   ", "item_name", r.Name);
        valueLine(out, "   ", "item_mass", r.Mass);
        valueLine(out, "   ", "item_x", r.X);
        appendLine(out, "  </balance_item>");
    }
    appendLine(out, " </balance>");
    appendLine(out, " ");
}

void Reader::line(std::string_view tag, std::string_view rest) {
    if (tag == "balance") {
        data_ = BalanceTexts{};
        leftOut_ = 0;
        inBlock_ = true, inItem_ = false;
        return;
    }
    if (!inBlock_) return;
    BalanceTexts& b = *data_;
    if (tag == "/balance") inBlock_ = false, inItem_ = false;
    else if (tag == "my_cg") b.MyCg = valueFromDisk(rest, tag);
    else if (tag == "my_cg_input") b.MyCgInput = inputFromName(valueFromDisk(rest, tag));
    else if (tag == "my_cg_from_table") b.MyCgFromTable = parseLenientInt(valueFromDisk(rest, tag)) != 0;
    else if (tag == "balance_item") {
        inItem_ = b.Rows.size() < size_t(kBalanceRowMax);
        if (inItem_) b.Rows.emplace_back();
        else ++leftOut_;
    }
    else if (tag == "/balance_item") inItem_ = false;
    else if (inItem_ && tag == "item_name") b.Rows.back().Name = valueFromDisk(rest, tag);
    else if (inItem_ && tag == "item_mass") b.Rows.back().Mass = valueFromDisk(rest, tag);
    else if (inItem_ && tag == "item_x") b.Rows.back().X = valueFromDisk(rest, tag);
}

} // namespace tv::project_balance
