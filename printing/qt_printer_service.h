#pragma once
// The printer service over Qt PrintSupport (QPrinterInfo, QPrinter, QPageSize); on Linux this is
// CUPS. Qt's page sizes get the platform paper codes of the standard table; other sizes get codes
// of their own from 256 up, fixed for the program's run.
#include "printing/printer_service.h"

#include <QPageSize>
#include <QString>

#include <map>
#include <memory>

class QPrinter;
class QPrinterInfo;

namespace tv {

class QtPrinterService : public PrinterService {
public:
    QtPrinterService();
    ~QtPrinterService() override;

    std::optional<std::vector<std::string>> enumeratePrinters() override;
    bool readsDefaultsOnSwitch() const override { return true; }
    int currentPrinterIndex() override;
    void selectPrinter(int index) override;
    CapabilityAnswers capabilities(const std::string& printer, const DevMode& mode) override;
    DeviceMetrics deviceMetrics() override;
    std::optional<DevMode> defaultSettings() override;
    std::optional<DevMode> currentSettings() override;
    bool applySettings(const DevMode& mode) override;
    JobProperties job() override;
    void setJob(const JobProperties& job) override;
    DocumentFault beginDocument() override;
    QPainter* canvas() override { return m_painter.get(); }
    DocumentFault endDocument() override;
    std::string currentPrinterName() override;

    /// The paper code of a page size (the standard table's, else one of this run's own).
    int paperCode(const QPageSize& size);
    /// The page size of a paper code; an invalid size for an unknown code.
    QPageSize pageSize(int code) const;

private:
    bool printerPresent() const;

    std::vector<std::string> m_names; // the last enumeration
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    std::map<QString, int> m_ownCodes; // page size key -> code from 256 up
};

} // namespace tv
