#pragma once
// TPrinterPaper: the papers a printer offers.
#include "printing/entry_list.h"

#include <string>

namespace tv {

struct PaperEntry {
    int Number = 0;
    std::string Name;
    int Width = 0, Length = 0; // tenths of a millimetre
};

class TPrinterPaper : public TEntryList<PaperEntry> {
public:
    int Number(int i) const { return at(i).Number; }
    std::string Name(int i) const { return at(i).Name; }
    int Width(int i) const { return at(i).Width; }
    int Length(int i) const { return at(i).Length; }
    /// First index with this paper code, -1 when none.
    int IndexOf(int number) const;
};

} // namespace tv
