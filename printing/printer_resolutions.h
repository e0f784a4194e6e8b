#pragma once
// TPrinterResolution: the resolutions a printer offers.
#include "printing/entry_list.h"

namespace tv {

struct ResolutionEntry {
    int X = 0, Y = 0; // dots per inch
};

class TPrinterResolution : public TEntryList<ResolutionEntry> {
public:
    int X(int i) const { return at(i).X; }
    int Y(int i) const { return at(i).Y; }
};

} // namespace tv
