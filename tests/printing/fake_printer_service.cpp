#include "fake_printer_service.h"

FakePrinterService::FakePrinterService() {
    // A monochrome laser at 600 dpi and a colour ink-jet with three resolutions, both A4.
    tv::CapabilityAnswers laser;
    laser.maxCopies = 99;
    laser.papers = {{9, "A4", 2100, 2970}, {1, "Letter", 2159, 2794}, {256, "Custom 1", 1000, 1000}};
    laser.bins = {{15, "Automatic"}, {1, "Upper"}};
    laser.resolutions = {{600, 600}};
    laser.maxExtent = (4318 << 16) | 2970;
    laser.minExtent = (1270 << 16) | 762;
    tv::CapabilityAnswers jet = laser;
    jet.duplex = 1;
    jet.resolutions = {{300, 300}, {600, 600}, {1200, 1200}};
    caps = {laser, jet};
    tv::DeviceMetrics m600{600, 600, 4960, 7016, 4760, 6816, 100, 100, 1, true};
    tv::DeviceMetrics m300{300, 300, 2480, 3508, 2380, 3408, 50, 50, 24, true};
    metrics = {m600, m300};
}

std::vector<tv::PaperAnswer> FakePrinterService::papers(int n) {
    std::vector<tv::PaperAnswer> out;
    for (int i = 1; i <= n; ++i) out.push_back({i, "Paper " + std::to_string(i), 2100, 2970});
    return out;
}

std::vector<tv::BinAnswer> FakePrinterService::bins(int n) {
    std::vector<tv::BinAnswer> out;
    for (int i = 1; i <= n; ++i) out.push_back({i, "Bin " + std::to_string(i)});
    return out;
}

std::vector<tv::ResolutionAnswer> FakePrinterService::resolutions(int n) {
    std::vector<tv::ResolutionAnswer> out;
    for (int i = 1; i <= n; ++i) out.push_back({100 * i, 100 * i});
    return out;
}

std::optional<std::vector<std::string>> FakePrinterService::enumeratePrinters() {
    if (enumerationFails) return std::nullopt;
    return printers;
}

tv::CapabilityAnswers FakePrinterService::capabilities(const std::string& printer, const tv::DevMode&) {
    for (size_t i = 0; i < printers.size() && i < caps.size(); ++i)
        if (printers[i] == printer) return caps[i];
    return {};
}

tv::DeviceMetrics FakePrinterService::deviceMetrics() {
    return current >= 0 && current < int(metrics.size()) ? metrics[size_t(current)] : tv::DeviceMetrics{};
}

std::optional<tv::DevMode> FakePrinterService::defaultSettings() {
    if (defaultsUnreadable) return std::nullopt;
    tv::DevMode d;
    d.Fields = tv::DM_ORIENTATION | tv::DM_PAPERSIZE | tv::DM_COPIES | tv::DM_COLOR;
    d.Orientation = 1;
    d.PaperSize = 9;
    d.Copies = 1;
    d.Color = 1;
    return d;
}

std::optional<tv::DevMode> FakePrinterService::currentSettings() {
    if (currentUnreadable) return std::nullopt;
    return applied;
}

bool FakePrinterService::applySettings(const tv::DevMode& mode) {
    if (settingsUnwritable) return false;
    applied = mode;
    ++applyCount;
    return true;
}

tv::DocumentFault FakePrinterService::beginDocument() {
    if (beginError != tv::DocumentFault::None) return beginError;
    m_page = QPicture();
    m_painter = std::make_unique<QPainter>(&m_page);
    open = true;
    ++begun;
    return tv::DocumentFault::None;
}

tv::DocumentFault FakePrinterService::endDocument() {
    if (!open) return tv::DocumentFault::EndFailed;
    m_painter->end();
    m_painter.reset();
    open = false;
    lastPage = m_page;
    ++ended;
    return endError;
}

std::string FakePrinterService::currentPrinterName() {
    return current >= 0 && current < int(printers.size()) ? printers[size_t(current)] : std::string();
}
