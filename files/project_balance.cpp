#include "files/project_balance.h"

#include "files/block_values.h"
#include "files/commentend.h"
#include "files/encoding.h"
#include "files/textlines.h"
#include "model/parse.h"

#include <algorithm>
#include <array>

namespace tv::project_balance {

using block_values::valueFromDisk;
using block_values::valueLine;

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
