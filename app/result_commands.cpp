#include "app/result_commands.h"
#include "app/calculation/calculation_controller.h"
#include "app/dialogs.h"
#include "app/document/document_view.h"
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
#include "trim/trim_texts.h"
#include "i18n/trim_page_texts.h"
#include "model/numformat.h"
#include "views/span_loading.h"

#include <QClipboard>

#include <algorithm>
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

/// The trim's local lift coefficients beside the unit loading: per wing, on the unit loading's
/// strips and edges.
void addTrimmedCl(tv::SpanLoadingScene& scene, const tv::TrimResult& trim) {
    for (const tv::SpanLoadingWing& unit : scene.wings) {
        tv::SpanLoadingWing w;
        w.wing = unit.wing;
        w.innerEdge = unit.innerEdge;
        w.tip = unit.tip;
        std::vector<std::pair<double, double>> points;
        for (const tv::StripCl& s : trim.Strips)
            if (s.Wing == unit.wing) points.emplace_back(s.Y, s.Cl);
        std::sort(points.begin(), points.end());
        for (const auto& [y, cl] : points) {
            w.y.push_back(y);
            w.load.push_back(cl);
        }
        if (!w.y.empty()) scene.trimmed.push_back(std::move(w));
    }
    scene.trimmedTitle = tv::trimmedClTitle(scene.lang, tv::formatFixed(trim.Cl, 0, 3));
}

} // namespace

ResultCommands::ResultCommands(const CalculationController& calc, const DocumentView& view, TDialogs& dialogs,
                               QWidget& window, AircraftPage& page, tv::PrinterService* printerService, Window hooks)
    : m_calc(calc), m_view(view), m_doc(view.document()), m_dialogs(dialogs), m_window(window), m_page(page),
      m_printerService(printerService), m_hooks(std::move(hooks)) {
    m_imageP = named(new TImage(&m_page), QStringLiteral("Image_P"));
    m_imageP->setBitmapSize(tv::kReportPageSize);
    m_imageP->hide();
}

ResultCommands::~ResultCommands() = default;

const CalculationResult* ResultCommands::currentResult() const { return m_calc.resultFor(m_view.shownTexts()); }

tv::UiLanguage ResultCommands::language() const { return m_view.language(); }
int ResultCommands::wingCount() const { return m_doc.wingCount(); }

tv::Aircraft ResultCommands::reportedAircraft(const CalculationResult& r) const {
    tv::Aircraft a = r.aircraft;
    a.Comment = m_doc.texts().Comment;
    a.Balance = m_doc.texts().Balance;
    return a;
}

// ---- Copy results ---------------------------------------------------------------------------------

std::string ResultCommands::resultsReport() const {
    const CalculationResult* r = m_calc.resultFor(m_doc.texts());
    if (!hasLattice(r)) return {};
    const tv::UiLanguage lang = language();
    tv::BatchResult b;
    b.file = m_doc.reportName(lang);
    b.aircraft = reportedAircraft(*r);
    for (int w = 1; w <= tv::kWingMax; ++w) b.planform[w] = b.aircraft.Wings[w].planform;
    b.stability = r->numbers;
    b.calculated = true;
    b.balance = tv::balanceFigures(b.aircraft, r->ws->ReferenceWing, r->reference, r->numbers);
    if (m_hooks.trim) b.trim = m_hooks.trim();
    return tv::textReport(b, *r->ws, lang, m_view.units());
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
        none.lang = language();
        none.length = m_view.units().length;
        return none;
    }
    tv::SpanLoadingScene scene = tv::spanLoadingScene(wingCount(), *r->ws, language());
    scene.length = m_view.units().length;
    if (const std::optional<tv::TrimResult> trim = m_hooks.trim ? m_hooks.trim() : std::nullopt; trim && trim->ok())
        addTrimmedCl(scene, *trim);
    return scene;
}

bool ResultCommands::ensureLattice() {
    if (!hasLattice(currentResult())) m_hooks.calculate();
    if (hasLattice(currentResult())) return true;
    showExportError(tv::exportWithoutResultText(language()));
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
        showExportError(tv::outputRefusalText(language(), *refusal));
        return std::nullopt;
    }
    return path;
}

void ResultCommands::exportAvl() {
    const tv::UiLanguage lang = language();
    const auto name = exportTarget(QString::fromUtf8(tv::avlFileFilter(lang)), "avl");
    if (!name || !ensureLattice()) return;
    const CalculationResult& r = *currentResult();
    const tv::AvlDeck deck = tv::avlDeckFromLattice(reportedAircraft(r), *r.ws,
                                                    QFileInfo(m_doc.fileName()).completeBaseName().toStdString(),
                                                    tv::exportWingNames(lang), true);
    if (auto error = tv::writeAvlDeck(localFileName(*name), deck)) showExportError(error->text());
}

void ResultCommands::exportCsv() {
    const tv::UiLanguage lang = language();
    const auto name = exportTarget(QString::fromUtf8(tv::csvFileFilter(lang)), "csv");
    if (!name || !ensureLattice()) return;
    const auto rows = tv::loadRows(tv::stripLoads(wingCount(), *currentResult()->ws), tv::exportWingNames(lang));
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
    const CalculationResult* r = currentResult();
    const tv::Aircraft model = r ? reportedAircraft(*r) : m_doc.aircraft();
    const std::optional<tv::TrimResult> trim = m_hooks.trim ? m_hooks.trim() : std::nullopt;
    return composeReport({language(), m_view.units(), m_doc.fileName().toStdString(), model, r,
                          m_page.stabilityScene(StabilityCaller::Other), m_page.view3DScene(),
                          m_view.catalogue().TxtFlightDirection, m_hooks.balanceLines(),
                          trim ? tv::trimReportLines(language(), *trim, m_view.units()) : std::vector<std::string>{},
                          trim ? &*trim : nullptr},
                         pictureScale);
}

void ResultCommands::print() {
    const tv::ReportData d = reportData();
    m_imageP->setBitmapSize(tv::reportPageSize(d));
    QPainter p(&m_imageP->canvas());
    tv::drawReportPage(p, d);
    p.end();
    TForm3* dialog = printDialog();
    dialog->setLanguage(language());
    dialog->setPage(m_imageP->canvas(), wingCount(), QFileInfo(m_doc.fileName()).completeBaseName().toStdString());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void ResultCommands::exportPdf() {
    const tv::PrintingTexts& t = tv::printingTexts(language());
    const std::optional<QString> path = exportTarget(QString::fromUtf8(t.pdfFilter), "pdf", true);
    if (!path) return;
    const tv::ReportData d = reportData(tv::reportPdfPictureScale(wingCount()));
    if (const auto error = tv::writeReportPdf(localFileName(*path), d))
        m_dialogs.showError(&m_window, QString::fromUtf8(t.pdfFailed) + QString::fromStdString(error->text()));
}
