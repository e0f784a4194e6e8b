#include "printing/device_settings.h"

#include "printing/device_name.h"
#include "printing/printer_settings.h"

#include <cstring>

namespace tv {

bool TSettings::printers() const { return m_owner.PrintersAvailable(); }

void TSettings::Clear() {
    DeviceName.clear();
    DevMode = tv::DevMode{};
}

void TSettings::CopyFrom(const TSettings& other) {
    DeviceName = other.DeviceName;
    DevMode = other.DevMode;
}

bool TSettings::ReadDefault() { return printers() && take(m_owner.service().defaultSettings()); }

bool TSettings::ReadCurrent() { return printers() && take(m_owner.service().currentSettings()); }

bool TSettings::take(const std::optional<tv::DevMode>& mode) {
    if (!mode) {
        Clear();
        return false;
    }
    DevMode = *mode;
    DeviceName = truncatedName(m_owner.currentPrinterName(), kDeviceNameChars + 1);
    return true;
}

bool TSettings::WriteToPrinter() {
    if (!printers() || DeviceName.empty()) return false;
    if (m_owner.service().applySettings(DevMode)) return true;
    if (m_owner.OnErrorWriteSettings) m_owner.OnErrorWriteSettings(this);
    return false;
}

void TSettings::changed() {
    if (AutoApply) WriteToPrinter();
}

void TSettings::SetOrientation(TPrinterOrientation o) {
    if (!printers()) return;
    DevMode.Orientation = int16_t(int(o) + 1);
    DevMode.Fields |= DM_ORIENTATION;
    changed();
}

void TSettings::SetCopies(int n) {
    if (!printers() || n < 1 || n > m_owner.Capabilities().MaxCopies) return;
    DevMode.Copies = int16_t(n);
    DevMode.Fields |= DM_COPIES;
    changed();
}

void TSettings::SetCollate(bool on) {
    if (!printers()) return;
    DevMode.Collate = on ? 1 : 0;
    DevMode.Fields |= DM_COLLATE;
    changed();
}

void TSettings::SetColor(bool on) {
    if (!printers()) return;
    DevMode.Color = on && m_owner.Capabilities().ColorBits >= 2 ? 2 : 1;
    DevMode.Fields |= DM_COLOR;
    changed();
}

void TSettings::SetDuplex(TDuplexMode mode) {
    if (!printers()) return;
    DevMode.Duplex = m_owner.Capabilities().DuplexSupported ? int16_t(int(mode) + 1) : 1;
    DevMode.Fields |= DM_DUPLEX;
    changed();
}

void TSettings::SetPaper(int code) {
    if (!printers()) return;
    const TPrinterPaper& papers = m_owner.Capabilities().Papers;
    const int i = papers.IndexOf(code);
    if (i < 0) return;
    DevMode.PaperSize = int16_t(code);
    DevMode.FormName.fill(0);
    const std::string name = truncatedName(papers.Name(i), int(DevMode.FormName.size()));
    std::memcpy(DevMode.FormName.data(), name.data(), name.size());
    DevMode.Fields |= DM_PAPERSIZE;
    changed();
}

void TSettings::SetTray(int code) {
    if (!printers() || m_owner.Capabilities().Trays.IndexOf(code) < 0) return;
    DevMode.DefaultSource = int16_t(code);
    DevMode.Fields |= DM_DEFAULTSOURCE;
    changed();
}

void TSettings::SetResolutionIndex(int index) {
    if (!printers()) return;
    const TPrinterResolution& r = m_owner.Capabilities().Resolutions;
    if (index < 0 || index >= r.Count()) return;
    DevMode.PrintQuality = int16_t(r.X(index));
    DevMode.YResolution = int16_t(r.Y(index));
    DevMode.Fields |= DM_PRINTQUALITY | DM_YRESOLUTION;
    changed();
}

bool TSettings::GetColor() const { return printers() && DevMode.Color > 1; }

int TSettings::PaperIndex() const {
    if (!printers()) return 0;
    return m_owner.Capabilities().Papers.IndexOf(DevMode.PaperSize);
}

std::string TSettings::PaperName() const {
    return printers() ? m_owner.Capabilities().Papers.Name(PaperIndex()) : std::string();
}
int TSettings::PaperWidth() const { return printers() ? m_owner.Capabilities().Papers.Width(PaperIndex()) : 0; }
int TSettings::PaperLength() const { return printers() ? m_owner.Capabilities().Papers.Length(PaperIndex()) : 0; }

} // namespace tv
