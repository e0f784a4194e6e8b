#pragma once
// TCurrentSettings: the settings of the current printer; every change reaches the printer at once.
#include "printing/device_settings.h"

namespace tv {

class TCurrentSettings : public TSettings {
public:
    explicit TCurrentSettings(TXPrintSet& owner) : TSettings(owner, true) {}
};

} // namespace tv
