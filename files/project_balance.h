#pragma once
// The balance block of a project file: My CG and the weight-and-balance table.
//
//  <balance>
//   <my_cg>25</my_cg>
//   <my_cg_input>mac</my_cg_input>            aircraft | root_le | mac
//   <my_cg_from_table>0</my_cg_from_table>    1: My CG follows the table's masses
//   <balance_item>                            one per row, at most kBalanceRowMax
//    <item_name>Battery</item_name>
//    <item_mass>300</item_mass>               g, as typed
//    <item_x>40</item_x>                      mm, as typed
//   </balance_item>
//  </balance>
//
// Readers from before the block apply only the tags they know, and a tag is the text between a
// line's first "<" and the next ">": no tag here is named like one of theirs (a line "<x>" would
// move the last wing), and every value follows its own tag on its line, so whatever an item name
// holds, older readers see the same aircraft. Values are the typed texts (a mistyped mass stays
// mistyped and reported); on disk they are Windows-1252 with the remark's escape of "</comment>"
// (files/commentend.h), and a line break in a value is written as a blank: values are one line.
#include "model/balance.h"

#include <optional>
#include <string>
#include <string_view>

namespace tv::project_balance {

/// Appends the block (CR LF lines, then a line " " as after the other blocks); nothing for
/// balance data that is empty().
void append(std::string& out, const BalanceTexts& balance);

/// Reads the block line by line as the tag scan meets its tags. A "<balance>" starts the data
/// afresh (the last block of a file counts); the other tags count only inside a block, item
/// tags only inside a "<balance_item>", and rows beyond kBalanceRowMax are ignored.
class Reader {
public:
    /// One tagged line: the tag and everything after its ">".
    void line(std::string_view tag, std::string_view rest);
    /// The block's data, or nothing when the file holds no "<balance>".
    const std::optional<BalanceTexts>& result() const { return data_; }
    /// The rows of the block beyond kBalanceRowMax, which were not read.
    size_t rowsLeftOut() const { return leftOut_; }

private:
    std::optional<BalanceTexts> data_;
    size_t leftOut_ = 0;
    bool inBlock_ = false;
    bool inItem_ = false;
};

} // namespace tv::project_balance
