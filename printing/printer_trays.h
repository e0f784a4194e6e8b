#pragma once
// TPrinterTray: the paper trays (bins) a printer offers.
#include "printing/entry_list.h"

#include <string>

namespace tv {

struct TrayEntry {
    int Number = 0;
    std::string Name;
};

class TPrinterTray : public TEntryList<TrayEntry> {
public:
    int Number(int i) const { return at(i).Number; }
    std::string Name(int i) const { return at(i).Name; }
    int IndexOf(int number) const;
};

} // namespace tv
