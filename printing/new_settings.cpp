#include "printing/new_settings.h"

#include "printing/paper_table.h"
#include "printing/printer_settings.h"

namespace tv {

std::string TNewSettings::PaperName() const {
    const StandardPaper* p = standardPaper(Paper);
    return p ? p->name : "";
}
int TNewSettings::PaperWidth() const {
    const StandardPaper* p = standardPaper(Paper);
    return p ? p->width : 0;
}
int TNewSettings::PaperLength() const {
    const StandardPaper* p = standardPaper(Paper);
    return p ? p->length : 0;
}

bool TNewSettings::WriteToPrinter() {
    if (!printers()) return false;
    m_corrections = 0;
    ReadDefault();
    const TCapabilities& caps = Owner().Capabilities();
    auto correct = [this](bool wrong, auto& value, auto fallback, int bit) {
        if (!wrong) return;
        value = fallback;
        m_corrections |= bit;
    };
    SetOrientation(Orientation);
    correct(Copies < 1, Copies, 1, 1);
    correct(Copies > caps.MaxCopies, Copies, caps.MaxCopies, 1);
    SetCopies(Copies);
    SetCollate(Collate);
    correct(Color && caps.ColorBits < 2, Color, false, 2);
    SetColor(Color);
    correct(Duplex != TDuplexMode::DuplexOff && !caps.DuplexSupported, Duplex, TDuplexMode::DuplexOff, 4);
    SetDuplex(Duplex);
    correct(Paper <= 0 || caps.Papers.IndexOf(Paper) < 0, Paper, 9, 8);
    SetPaper(Paper);
    correct(Tray < 0 || caps.Trays.IndexOf(Tray) < 0, Tray, 15, 16);
    SetTray(Tray);
    correct(ResolutionIndex < 0 || ResolutionIndex >= caps.Resolutions.Count(), ResolutionIndex, 0, 32);
    SetResolutionIndex(ResolutionIndex);
    const bool written = TSettings::WriteToPrinter();
    if (written) Owner().CurrentSettings().ReadCurrent();
    return written;
}

} // namespace tv
