#include "printing/printer_settings.h"

#include "printing/paper_table.h"

#include <algorithm>
#include <cstring>

namespace tv {
namespace {

// At most maxChars - 1 bytes (the platform's buffers keep a terminating zero), never cutting a
// UTF-8 sequence in two.
std::string truncatedName(const std::string& s, int maxChars) {
    size_t n = std::min(s.size(), size_t(maxChars - 1));
    while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return s.substr(0, n);
}

int lowWord(int32_t v) { return int16_t(uint32_t(v) & 0xFFFF); }
int highWord(int32_t v) { return int16_t((uint32_t(v) >> 16) & 0xFFFF); }

} // namespace

int TPrinterPaper::IndexOf(int number) const {
    for (int i = 0; i < Count(); ++i)
        if (m_entries[size_t(i)].Number == number) return i;
    return -1;
}

int TPrinterTray::IndexOf(int number) const {
    for (int i = 0; i < Count(); ++i)
        if (m_entries[size_t(i)].Number == number) return i;
    return -1;
}

// ---- Capabilities -----------------------------------------------------------------------------

bool TCapabilities::Refresh(const DevMode& mode) {
    if (!m_owner.PrintersAvailable()) return false;
    PrinterService& service = m_owner.service();
    const CapabilityAnswers a = service.capabilities(m_owner.currentPrinterName(), mode);
    MaxCopies = a.maxCopies == 0 ? 1 : a.maxCopies;
    DuplexSupported = a.duplex > 0;
    MaxExtentX = lowWord(a.maxExtent);
    MaxExtentY = highWord(a.maxExtent);
    MinExtentX = lowWord(a.minExtent);
    MinExtentY = highWord(a.minExtent);

    Papers.Clear();
    const int papers = std::min(int(a.papers.size()), kMaxPapers);
    for (int i = 0; i < papers; ++i) {
        const PaperAnswer& p = a.papers[size_t(i)];
        Papers.Add({p.code, truncatedName(p.name, kPaperNameChars), p.width, p.length});
    }
    Trays.Clear();
    const int trays = std::min(int(a.bins.size()), kMaxTrays);
    for (int i = 0; i < trays; ++i) Trays.Add({a.bins[size_t(i)].code, truncatedName(a.bins[size_t(i)].name, kTrayNameChars)});

    const DeviceMetrics m = service.deviceMetrics();
    Resolutions.Clear();
    const int resolutions = std::min(int(a.resolutions.size()), kMaxResolutions);
    for (int i = 0; i < resolutions; ++i) Resolutions.Add({a.resolutions[size_t(i)].x, a.resolutions[size_t(i)].y});
    // A printer that names no resolution still prints at its own.
    if (resolutions == 0) Resolutions.Add({m.dpiX, m.dpiY});
    ColorBits = m.hasDevice ? m.bitsPerPixel : 1;
    return true;
}

// ---- Settings -----------------------------------------------------------------------------------

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

// ---- The component ----------------------------------------------------------------------------

TXPrintSet::TXPrintSet(PrinterService& service)
    : m_service(service),
      m_capabilities(std::make_unique<TCapabilities>(*this)),
      m_currentSettings(std::make_unique<TCurrentSettings>(*this)),
      m_newSettings(std::make_unique<TNewSettings>(*this)) {
    m_isNT = service.readsDefaultsOnSwitch();
    FillPrinterNames();
    m_printersAvailable = !m_printerNames.empty();
    if (!m_printersAvailable) return;
    if (!m_currentSettings->ReadDefault()) m_currentSettings->Clear();
    m_newSettings->CopyFrom(*m_currentSettings);
    m_capabilities->Refresh(m_currentSettings->DevMode);
}

void TXPrintSet::Loaded() {
    if (XPrint) XPrint->RefreshDevice();
    const auto names = m_service.enumeratePrinters();
    if ((!names || names->empty()) && OnNoPrinterAvailable) OnNoPrinterAvailable(this);
}

void TXPrintSet::FillPrinterNames() {
    m_printerNames.clear();
    if (auto names = m_service.enumeratePrinters()) m_printerNames = std::move(*names);
}

int TXPrintSet::CurrentPrinterIndex() const { return m_printersAvailable ? m_service.currentPrinterIndex() : -1; }

std::string TXPrintSet::currentPrinterName() const {
    const int i = CurrentPrinterIndex();
    return i >= 0 && i < int(m_printerNames.size()) ? m_printerNames[size_t(i)] : std::string();
}

void TXPrintSet::SetPrinterIndex(int index) {
    if (!m_printersAvailable || index == CurrentPrinterIndex()) return;
    if (XPrint)
        XPrint->SelectPrinter(index);
    else
        m_service.selectPrinter(index);
    const bool read = m_isNT ? m_currentSettings->ReadDefault() : m_currentSettings->ReadCurrent();
    if (read) {
        m_newSettings->CopyFrom(*m_currentSettings);
        m_capabilities->Refresh(m_currentSettings->DevMode);
    } else {
        m_newSettings->Clear();
        if (OnErrorReadSettings) OnErrorReadSettings(this);
    }
}

int TXPrintSet::executeDialog(const std::function<bool()>& dialog) {
    if (!dialog || !m_printersAvailable) return 0;
    const int before = CurrentPrinterIndex();
    if (!dialog()) return 0;
    if (XPrint) XPrint->RefreshDevice();
    const bool read = m_currentSettings->ReadCurrent();
    m_newSettings->ReadCurrent();
    if (read)
        m_capabilities->Refresh(m_currentSettings->DevMode);
    else if (OnErrorReadSettings)
        OnErrorReadSettings(this);
    if (CurrentPrinterIndex() != before && OnPrinterChanged) OnPrinterChanged(this);
    return 1;
}

int TXPrintSet::ExecutePrintDialog() { return executeDialog(PrintDialog); }
int TXPrintSet::ExecutePrinterSetupDialog() { return executeDialog(PrinterSetupDialog); }

} // namespace tv
