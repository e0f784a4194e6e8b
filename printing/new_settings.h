#pragma once
// TNewSettings: settings that are checked against the capabilities and written as a whole on
// request.
#include "printing/device_settings.h"

#include <string>

namespace tv {

class TNewSettings : public TSettings {
public:
    explicit TNewSettings(TXPrintSet& owner) : TSettings(owner, false) {}

    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    int Copies = 1;
    bool Collate = true;
    bool Color = false;
    TDuplexMode Duplex = TDuplexMode::DuplexOff;
    int Paper = 9;
    int Tray = 15;
    int ResolutionIndex = 0;
    /// Bits of the values the last WriteToPrinter corrected: 1 copies, 2 colour, 4 duplex,
    /// 8 paper, 16 tray, 32 resolution index.
    int Corrections() const { return m_corrections; }

    std::string PaperName() const override;
    int PaperWidth() const override;
    int PaperLength() const override;
    /// Starts from the printer's defaults, corrects what the printer cannot take and writes all.
    bool WriteToPrinter() override;

private:
    int m_corrections = 0;
};

} // namespace tv
