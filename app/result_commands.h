#pragma once
// The commands that hand the one result on: Copy results, the span loading, the AVL and CSV
// exports, the printed report and its PDF. They read the result only through the controller, for
// the texts the document view gives, and the aircraft only as the result holds it, so nothing
// they write can belong to another aircraft.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "trim/trim.h"

#include <QString>

#include <functional>
#include <vector>
#include <memory>
#include <optional>
#include <string>

class AircraftPage;
class CalculationController;
class DocumentView;
class ProjectDocument;
class QWidget;
class TDialogs;
class TForm3;
class TImage;
struct CalculationResult;

namespace tv {
class PrinterService;
struct ReportData;
struct SpanLoadingScene;
} // namespace tv

class ResultCommands {
public:
    /// What the commands ask of the window.
    struct Window {
        std::function<void()> calculate;               // the calculate command, an export's first step
        std::function<std::vector<std::string>()> balanceLines; // the report's balance block; none: no block
        std::function<std::optional<tv::TrimResult>()> trim;     // the reports' trim; none: no block
    };
    /// window parents the dialogs and the print dialog; page, the hidden report page bitmap
    /// (Image_P). printerService nullptr: the system's printers.
    ResultCommands(const CalculationController& calc, const DocumentView& view, TDialogs& dialogs, QWidget& window,
                   AircraftPage& page, tv::PrinterService* printerService, Window hooks);
    ~ResultCommands();

    /// The batch calculator's report of the current results; empty without them.
    std::string resultsReport() const;
    void copyResults() const;
    tv::SpanLoadingScene spanLoadingScene() const;
    void exportAvl();
    void exportCsv();
    /// The report's values and pictures at their sizes times pictureScale.
    tv::ReportData reportData(double pictureScale = 1) const;
    /// The report drawn on the page bitmap and shown in the print dialog.
    void print();
    void exportPdf();
    TForm3* printDialog();

private:
    /// The result when it belongs to the model shown, else none.
    const CalculationResult* currentResult() const;
    /// The lattice of the fields' model, calculated first when missing; false (with a message)
    /// when the calculation gives none.
    bool ensureLattice();
    void showExportError(const std::string& text) const;
    /// The file an export goes to, with its extension (the PDF report's added to any other):
    /// asked for, and refused (with a message) where it would replace the open project or another
    /// project file.
    std::optional<QString> exportTarget(const QString& filter, const char* suffix, bool pdf = false);

    /// The aircraft of a result with the document's remarks and balance texts, which do not take
    /// part in the calculation.
    tv::Aircraft reportedAircraft(const CalculationResult& r) const;
    tv::UiLanguage language() const;
    int wingCount() const;

    const CalculationController& m_calc;
    const DocumentView& m_view;
    const ProjectDocument& m_doc;
    TDialogs& m_dialogs;
    QWidget& m_window;
    AircraftPage& m_page;
    tv::PrinterService* m_printerService;
    std::unique_ptr<tv::PrinterService> m_ownPrinterService;
    Window m_hooks;
    TForm3* m_form3 = nullptr;
    TImage* m_imageP = nullptr; // the report's page bitmap, hidden
};
