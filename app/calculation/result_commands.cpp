#include "app/calculation/result_commands.h"
#include "app/calculation/calculation_controller.h"
#include "app/dialogs.h"
#include "app/document/project_document.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/placement.h"
#include "app/report_composer.h"
#include "exports/lattice_export.h"
#include "files/output_target.h"
#include "i18n/export_texts.h"
#include "model/planform.h"
#include "printing/print_dialog.h"
#include "printing/qt_printer_service.h"
#include "printing/report_page.h"
#include "printing/report_pdf.h"
#include "report/project_result.h"
#include "report/text_report.h"
#include "solver/strip_loads.h"
#include "views/span_loading.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

namespace {

// How an export's extension is added: when the name has none (AVL, CSV), or whenever it has
// another (the PDF report, "report.txt" -> "report.txt.pdf").
enum class Suffix { WhenNone, UnlessOwn };

QString withSuffix(const QString& name, const char* suffix, Suffix rule) {
    if (name.endsWith(QLatin1Char('/'))) return name; // a folder's name, refused as such: no hidden ".avl" in it
    const QString own = QLatin1Char('.') + QLatin1String(suffix);
    const bool has = rule == Suffix::UnlessOwn ? name.endsWith(own, Qt::CaseInsensitive) : !QFileInfo(name).suffix().isEmpty();
    return has ? name : name + own;
}

} // namespace

ResultCommands::ResultCommands(const CalculationController& calc, const ProjectDocument& doc, TDialogs& dialogs,
                               QWidget& window, AircraftPage& page, tv::PrinterService* printerService, Window hooks)
    : m_calc(calc), m_doc(doc), m_dialogs(dialogs), m_window(window), m_page(page), m_printerService(printerService),
      m_hooks(std::move(hooks)) {
    m_imageP = named(new TImage(&m_page), QStringLiteral("Image_P"));
    m_imageP->setBitmapSize(tv::kReportPageSize);
    m_imageP->hide();
}

ResultCommands::~ResultCommands() = default;

const CalculationResult* ResultCommands::currentResult() const { return m_calc.resultFor(m_hooks.shownTexts()); }

// ---- Copy results ---------------------------------------------------------------------------------

std::string ResultCommands::resultsReport() const {
    const tv::AircraftTexts texts = m_hooks.fieldTexts();
    const CalculationResult* r = m_calc.resultFor(texts);
    if (!hasLattice(r)) return {};
    const tv::UiLanguage lang = m_hooks.language();
    const tv::Aircraft& model = m_hooks.model();
    tv::BatchResult b;
    b.file = m_doc.reportName(lang);
    b.aircraft = model;
    for (int w = 1; w <= tv::kWingMax; ++w) b.planform[w] = model.Wings[w].planform;
    b.stability = r->numbers;
    b.calculated = true;
    // The planforms before the lattice's, with the project's balance texts.
    b.balance = tv::balanceFigures(tv::computeAircraft(texts), r->ws->ReferenceWing, r->reference, r->numbers);
    return tv::textReport(b, *r->ws, lang);
}

void ResultCommands::copyResults() const {
    const std::string report = resultsReport();
    if (!report.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}

// ---- Span loading and exports ---------------------------------------------------------------------

tv::SpanLoadingScene ResultCommands::spanLoadingScene() const {
    const CalculationResult* r = currentResult();
    if (!hasLattice(r)) {
        tv::SpanLoadingScene none;
        none.lang = m_hooks.language();
        return none;
    }
    return tv::spanLoadingScene(m_hooks.wingCount(), *r->ws, m_hooks.language());
}

bool ResultCommands::ensureLattice() {
    if (!hasLattice(currentResult())) m_hooks.calculate();
    if (hasLattice(currentResult())) return true;
    showExportError(tv::exportWithoutResultText(m_hooks.language()));
    return false;
}

void ResultCommands::showExportError(const std::string& text) const {
    m_dialogs.showError(&m_window, QString::fromStdString(text));
}

std::optional<QString> ResultCommands::exportTarget(const QString& filter, const char* suffix, bool pdf) {
    const auto name = m_dialogs.saveFileName(&m_window, filter, m_doc.saveFolder());
    if (!name || name->isEmpty()) return std::nullopt;
    const QString path = withSuffix(*name, suffix, pdf ? Suffix::UnlessOwn : Suffix::WhenNone);
    // An export never replaces the open project or any other project file.
    std::vector<std::string> inputs;
    if (m_doc.origin() == ProjectDocument::Origin::File) inputs.push_back(localFileName(m_doc.fileName()));
    if (const auto refusal = tv::outputRefusal(localFileName(path), inputs, tv::OutputKind::Export)) {
        showExportError(tv::outputRefusalText(m_hooks.language(), *refusal));
        return std::nullopt;
    }
    return path;
}

void ResultCommands::exportAvl() {
    const tv::UiLanguage lang = m_hooks.language();
    const auto name = exportTarget(QString::fromUtf8(tv::avlFileFilter(lang)), "avl");
    if (!name || !ensureLattice()) return;
    const tv::AvlDeck deck = tv::avlDeckFromLattice(tv::computeAircraft(m_hooks.fieldTexts()), *currentResult()->ws,
                                                    QFileInfo(m_doc.fileName()).completeBaseName().toStdString(),
                                                    tv::exportWingNames(lang), true);
    if (auto error = tv::writeAvlDeck(localFileName(*name), deck)) showExportError(error->text());
}

void ResultCommands::exportCsv() {
    const tv::UiLanguage lang = m_hooks.language();
    const auto name = exportTarget(QString::fromUtf8(tv::csvFileFilter(lang)), "csv");
    if (!name || !ensureLattice()) return;
    const auto rows = tv::loadRows(tv::stripLoads(m_hooks.wingCount(), *currentResult()->ws), tv::exportWingNames(lang));
    if (auto error = tv::writeLoadTable(localFileName(*name), rows)) showExportError(error->text());
}

// ---- Printed report -------------------------------------------------------------------------------

TForm3* ResultCommands::printDialog() {
    if (!m_form3) {
        tv::PrinterService* service = m_printerService;
        if (!service) {
            m_ownPrinterService = std::make_unique<tv::QtPrinterService>();
            service = m_ownPrinterService.get();
        }
        m_form3 = new TForm3(*service, &m_window);
    }
    return m_form3;
}

tv::ReportData ResultCommands::reportData(double pictureScale) const {
    tv::Aircraft model = m_hooks.model();
    model.WingCount = m_hooks.wingCount();
    return composeReport({m_hooks.language(), m_doc.fileName().toStdString(), model, currentResult(),
                          m_page.stabilityScene(StabilityCaller::Other), m_page.view3DScene(), m_hooks.flightCaption(),
                          m_hooks.balanceLines()},
                         pictureScale);
}

void ResultCommands::print() {
    const tv::ReportData d = reportData();
    m_imageP->setBitmapSize(tv::reportPageSize(d));
    QPainter p(&m_imageP->canvas());
    tv::drawReportPage(p, d);
    p.end();
    TForm3* dialog = printDialog();
    dialog->setLanguage(m_hooks.language());
    dialog->setPage(m_imageP->canvas(), m_hooks.wingCount(), QFileInfo(m_doc.fileName()).completeBaseName().toStdString());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ResultCommands::exportPdf() {
    const tv::PrintingTexts& t = tv::printingTexts(m_hooks.language());
    const std::optional<QString> path = exportTarget(QString::fromUtf8(t.pdfFilter), "pdf", true);
    if (!path) return;
    const tv::ReportData d = reportData(tv::reportPdfPictureScale(m_hooks.wingCount()));
    if (const auto error = tv::writeReportPdf(localFileName(*path), d))
        m_dialogs.showError(&m_window, QString::fromUtf8(t.pdfFailed) + QString::fromStdString(error->text()));
}
