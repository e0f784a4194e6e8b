#include "printing/printer_capabilities.h"

#include "printing/device_name.h"
#include "printing/printer_settings.h"

#include <algorithm>
#include <cstdint>

namespace tv {
namespace {

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

} // namespace tv
