#pragma once
// A printer service that answers from a script: the tests set what the platform would report
// (printers, capabilities, device figures, settings, document errors) and read what was asked
// of it. Pages are recorded as QPicture, so a test sees what was drawn and where.
#include "printing/printer_service.h"

#include <QPainter>
#include <QPicture>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class FakePrinterService : public tv::PrinterService {
public:
    FakePrinterService();

    // ---- The script ----------------------------------------------------------------------------
    std::vector<std::string> printers{"Laser", "Colour Jet"};
    bool enumerationFails = false;
    /// No printer to be had: the list is empty, or (failing) its enumeration fails.
    void losePrinters(bool failing) {
        if (failing)
            enumerationFails = true;
        else
            printers.clear();
    }
    bool defaultsOnSwitch = true;
    int defaultIndex = 0;
    std::vector<tv::CapabilityAnswers> caps;   // per printer
    std::vector<tv::DeviceMetrics> metrics;    // per printer
    bool defaultsUnreadable = false;           // defaultSettings() fails
    bool currentUnreadable = false;            // currentSettings() fails
    bool settingsUnwritable = false;           // applySettings() fails
    tv::DocumentFault beginError = tv::DocumentFault::None, endError = tv::DocumentFault::None;

    /// n papers with codes 1..n (sizes A4), n bins with codes 1..n, n resolutions of 100 * (i+1) dpi.
    static std::vector<tv::PaperAnswer> papers(int n);
    static std::vector<tv::BinAnswer> bins(int n);
    static std::vector<tv::ResolutionAnswer> resolutions(int n);

    // ---- What happened ----------------------------------------------------------------------
    int current = 0;
    tv::DevMode applied;             // the settings the printer uses now
    int applyCount = 0;
    int begun = 0, ended = 0;
    bool open = false;
    QPicture lastPage;               // the page of the last ended document
    tv::JobProperties jobProps;

    // ---- PrinterService ------------------------------------------------------------------------
    std::optional<std::vector<std::string>> enumeratePrinters() override;
    bool readsDefaultsOnSwitch() const override { return defaultsOnSwitch; }
    int currentPrinterIndex() override { return printers.empty() ? -1 : current; }
    void selectPrinter(int index) override { current = index < 0 ? defaultIndex : index; }
    tv::CapabilityAnswers capabilities(const std::string& printer, const tv::DevMode& mode) override;
    tv::DeviceMetrics deviceMetrics() override;
    std::optional<tv::DevMode> defaultSettings() override;
    std::optional<tv::DevMode> currentSettings() override;
    bool applySettings(const tv::DevMode& mode) override;
    tv::JobProperties job() override { return jobProps; }
    void setJob(const tv::JobProperties& j) override { jobProps = j; }
    tv::DocumentFault beginDocument() override;
    QPainter* canvas() override { return open ? m_painter.get() : nullptr; }
    tv::DocumentFault endDocument() override;
    std::string currentPrinterName() override;

private:
    QPicture m_page;
    std::unique_ptr<QPainter> m_painter;
};
