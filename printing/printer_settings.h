#pragma once
// TXPrintSet: the installed printers, the capabilities of the current printer (papers, trays,
// resolutions, copies, duplex, paper extents, colour depth: printing/printer_capabilities.h) and
// two sets of device settings: the current settings, whose every change reaches the printer at
// once (printing/current_settings.h), and new settings that are checked against the capabilities
// and written as a whole on request (printing/new_settings.h).
#include "printing/current_settings.h"
#include "printing/device_settings.h"
#include "printing/new_settings.h"
#include "printing/print_job.h"
#include "printing/printer_capabilities.h"
#include "printing/printer_service.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tv {

using TNotifyEvent = std::function<void(const void* sender)>;

class TXPrintSet {
public:
    explicit TXPrintSet(PrinterService& service);
    TXPrintSet(const TXPrintSet&) = delete;
    TXPrintSet& operator=(const TXPrintSet&) = delete;

    // Links and events.
    TXPrint* XPrint = nullptr;
    std::function<bool()> PrintDialog;        // the platform's print dialog: true when confirmed
    std::function<bool()> PrinterSetupDialog; // the platform's printer-setup dialog
    TNotifyEvent OnErrorReadSettings, OnErrorWriteSettings, OnNoPrinterAvailable, OnPrinterChanged;

    TNewSettings& NewSettings() { return *m_newSettings; }
    TCurrentSettings& CurrentSettings() { return *m_currentSettings; }
    TCapabilities& Capabilities() { return *m_capabilities; }
    const std::vector<std::string>& PrinterNames() const { return m_printerNames; }
    bool PrintersAvailable() const { return m_printersAvailable; }
    bool IsNTPlatform() const { return m_isNT; }
    PrinterService& service() const { return m_service; }

    /// After the links and events are set: refreshes the linked print component and reports a
    /// missing printer.
    void Loaded();
    void FillPrinterNames();
    int CurrentPrinterIndex() const;
    void SetPrinterIndex(int index);
    int ExecutePrintDialog();
    int ExecutePrinterSetupDialog();
    /// The name of the current printer ("" when there is none).
    std::string currentPrinterName() const;

private:
    int executeDialog(const std::function<bool()>& dialog);

    PrinterService& m_service;
    std::vector<std::string> m_printerNames;
    bool m_printersAvailable = false;
    bool m_isNT = false;
    std::unique_ptr<TCapabilities> m_capabilities;
    std::unique_ptr<TCurrentSettings> m_currentSettings;
    std::unique_ptr<TNewSettings> m_newSettings;
};

} // namespace tv
