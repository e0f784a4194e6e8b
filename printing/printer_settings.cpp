#include "printing/printer_settings.h"

namespace tv {

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
