// The calculate command, the live neutral point, and everything that shows or hands on the one
// result: the result state of the pages, Copy results, the exports and the printed report.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/balance_panel.h"
#include "app/pages/wing_page.h"
#include "app/report_composer.h"
#include "app/span_loading_window.h"
#include "report/text_report.h"
#include "report/project_result.h"
#include "exports/lattice_export.h"
#include "solver/strip_loads.h"
#include "files/output_target.h"
#include "model/planform.h"
#include "printing/report_page.h"
#include "printing/report_pdf.h"
#include "i18n/export_texts.h"
#include "printing/print_dialog.h"
#include "printing/qt_printer_service.h"
#include "solver/calculation.h"
#include "views/span_loading.h"
#include "views/stability_view.h"
#include "views/view3d.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>

namespace {

const tv::ReferenceValues kNoReference{};
const tv::StabilityNumbers kNoNumbers{};

// How an export's extension is added: when the name has none (AVL, CSV), or whenever it has
// another (the PDF report, "report.txt" -> "report.txt.pdf").
enum class Suffix { WhenNone, UnlessOwn };

QString withSuffix(const QString& name, const char* suffix, Suffix rule) {
    const QString own = QLatin1Char('.') + QLatin1String(suffix);
    const bool has = rule == Suffix::UnlessOwn ? name.endsWith(own, Qt::CaseInsensitive) : !QFileInfo(name).suffix().isEmpty();
    return has ? name : name + own;
}

} // namespace

// ---- The result object, read --------------------------------------------------------------------

const CalculationResult* TForm1::currentResult() const { return m_calc ? m_calc->resultFor(shownTexts()) : nullptr; }

bool TForm1::neutralPointKnown() const {
    const CalculationResult* r = currentResult();
    return r && r->neutralPointKnown();
}

bool TForm1::latticeKnown() const {
    const CalculationResult* r = currentResult();
    return r && r->latticeKnown();
}

bool TForm1::abortCalculation() const {
    const CalculationResult* r = m_calc->latest();
    return r && r->source != ResultSource::ProjectFile && !r->usable;
}

const tv::ReferenceValues& TForm1::reference() const {
    const CalculationResult* r = currentResult();
    return r && r->neutralPointKnown() ? r->reference : kNoReference;
}

const tv::StabilityNumbers& TForm1::stabilityNumbers() const {
    const CalculationResult* r = currentResult();
    return r && r->neutralPointKnown() ? r->numbers : kNoNumbers;
}

const tv::SolverWorkspace* TForm1::solverWorkspace() const {
    const CalculationResult* r = currentResult();
    return r ? r->ws.get() : nullptr;
}

// ---- Commands and result state --------------------------------------------------------------------

void TForm1::updateActions() {
    if (!m_actions || !m_calc) return;
    const CalculationResult* r = currentResult();
    ActionState s;
    // The command calculates what has no result yet, or tries again what was short of memory; a
    // live result is calculated again on request (it shows the lattice while it solves).
    s.calculate = !r || r->retry || r->source == ResultSource::Live;
    s.results = r && r->latticeKnown();
    s.save = m_doc.saveOffered();
    s.undo = m_doc.history.canUndo();
    s.redo = m_doc.history.canRedo();
    s.wingCount = m_wingCount;
    s.activeWing = activeWing();
    s.clipboardHasWing = ClipboardHasWing;
    m_actions->apply(s);
}

void TForm1::showResultState() {
    const CalculationResult* r = currentResult();
    for (int w = 1; w <= tv::kWingMax; ++w) {
        std::optional<tv::AerodynamicCentreTexts> ac;
        if (r && r->usable) ac = tv::aerodynamicCentreTexts(r->aircraft.Wings[w], r->WingAcX[w], r->WingAcY[w]);
        m_wing[w]->showAerodynamicCentre(ac);
    }
    m_aircraft->showMessages(r ? r->messages : std::vector<std::string>{}, Catalogue.TxtErrorHeader,
                             tv::zSeparationNotice(UiLanguage).front());
    const bool np = r && r->neutralPointKnown();
    m_aircraft->Label21->setText(np ? QString::fromStdString(tv::marginLabelText(UiLanguage, r->reference.NeutralPointX, r->numbers))
                                    : QString::fromLatin1(tv::kMarginLabelUnknown));
    if (np)
        m_aircraft->Image2->setCursor(Qt::DragMoveCursor);
    else
        m_aircraft->Image2->unsetCursor();
    if (m_spanLoading) m_spanLoading->update();
    m_balance->refresh();
    updateActions();
}

// ---- Calculate ------------------------------------------------------------------------------------

void TForm1::Button4Click() {
    if (m_pages->currentWidget() != m_aircraft) m_pages->setCurrentWidget(m_aircraft);
    m_actions->setScaleControlsVisible(false);
    m_aircraft->showBusy(true);
    Calc();
    m_aircraft->Memo1->hide();
    repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The elimination reports its remaining columns. Its first report comes once the lattice is
    // laid out, which is then shown while the system is solved. Later reports repaint the count
    // at most every 50 ms so that it is seen without slowing the elimination down.
    QElapsedTimer sinceRepaint;
    bool first = true;
    m_calc->calculate(fieldTexts(), UiLanguage, [&](int columnsLeft, const tv::SolverWorkspace& ws) {
        if (first) {
            m_aircraft->paintLattice(ws);
            m_aircraft->Image2->repaint();
            sinceRepaint.start();
        }
        if (first || sinceRepaint.elapsed() >= 50) {
            m_aircraft->showColumnsLeft(columnsLeft);
            sinceRepaint.restart();
            first = false;
        }
    });
    m_aircraft->showBusy(false);
    QApplication::restoreOverrideCursor();
    presentResult(false);
    m_dialogs->beep();
}

void TForm1::presentResult(bool live) {
    const CalculationResult* r = m_calc->latest();
    if (!r) return;
    // Wings moved in height: their z fields show the new positions.
    if (r->ws) {
        for (int w = 1; w <= tv::kWingMax; ++w) {
            if (!r->ws->WingMoved[w]) continue;
            QLineEdit* z = field(w, tv::WingField::PositionZ);
            const QSignalBlocker block(z);
            z->setText(QString::fromStdString(r->texts.wings[w][tv::WingField::PositionZ]));
            Model.Wings[w].PositionZ = r->aircraft.Wings[w].PositionZ;
        }
        recordEdit({tv::EditKind::HeightSeparation});
    }
    // The command lays out and redraws every view; a live result, one of many during a drag,
    // redraws what can be seen, and the rest when its page is shown.
    if (live)
        redrawShownViews();
    else if (r->usable)
        FormResize();
    else {
        drawAircraftView();
        draw3DView();
    }
    showResultState();
    // The result's marks belong to the dragged shape: its rubber band stays over the redrawn view.
    if (live && planformDragRunning()) showPlanformEditing(m_dragWing, m_dragPos, m_dragShift);
}

// ---- Live neutral point ---------------------------------------------------------------------------

void TForm1::setLiveNeutralPoint(bool on) {
    QAction* item = m_actions->LiveNeutralPoint1;
    if (item->isChecked() != on) {
        const QSignalBlocker block(item);
        item->setChecked(on);
    }
    m_liveMode = on;
    if (on) scheduleLiveCalculation();
}

bool TForm1::liveCalculationBusy() const { return (m_liveTimer && m_liveTimer->isActive()) || m_calc->liveBusy(); }
int TForm1::liveResultsShown() const { return m_calc->liveShown(); }
int TForm1::liveResultsDropped() const { return m_calc->liveDropped(); }

void TForm1::scheduleLiveCalculation() {
    if (!m_liveMode || m_building) return;
    if (!m_liveTimer) {
        // A zero timer gathers one handler's changes into one request.
        m_liveTimer = new QTimer(this);
        m_liveTimer->setSingleShot(true);
        m_liveTimer->setInterval(0);
        connect(m_liveTimer, &QTimer::timeout, this, [this] { requestLiveCalculation(); });
    }
    m_liveTimer->start();
}

void TForm1::requestLiveCalculation() {
    if (m_liveTimer) m_liveTimer->stop();
    if (m_liveMode) m_calc->requestLive(shownTexts(), UiLanguage);
}

// ---- Copy results ---------------------------------------------------------------------------------

std::string TForm1::resultsReport() const {
    const CalculationResult* r = m_calc->resultFor(fieldTexts());
    if (!r || !r->latticeKnown()) return {};
    tv::BatchResult b;
    b.file = m_doc.reportName(UiLanguage);
    b.aircraft = Model;
    for (int w = 1; w <= tv::kWingMax; ++w) b.planform[w] = Model.Wings[w].planform;
    b.stability = r->numbers;
    b.calculated = true;
    // The planforms before the lattice's, with the project's balance texts.
    b.balance = tv::balanceFigures(tv::computeAircraft(fieldTexts()), r->ws->ReferenceWing, r->reference, r->numbers);
    return tv::textReport(b, *r->ws, UiLanguage);
}

void TForm1::CopyResults1Click() {
    const std::string report = resultsReport();
    if (!report.empty()) QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}

// ---- Span loading and exports ---------------------------------------------------------------------

tv::SpanLoadingScene TForm1::spanLoadingScene() const {
    const CalculationResult* r = currentResult();
    if (!r || !r->latticeKnown()) {
        tv::SpanLoadingScene none;
        none.lang = UiLanguage;
        return none;
    }
    return tv::spanLoadingScene(m_wingCount, *r->ws, UiLanguage);
}

void TForm1::SpanLoading1Click() {
    m_spanLoading->show();
    m_spanLoading->raise();
    m_spanLoading->activateWindow();
}

bool TForm1::ensureLattice() {
    if (!latticeKnown()) Button4Click();
    if (latticeKnown()) return true;
    showExportError(tv::exportWithoutResultText(UiLanguage));
    return false;
}

void TForm1::showExportError(const std::string& text) { m_dialogs->showError(this, QString::fromStdString(text)); }

std::optional<QString> TForm1::exportTarget(const QString& filter, const char* suffix, bool pdf) {
    const auto name = m_dialogs->saveFileName(this, filter, m_doc.saveFolder());
    if (!name || name->isEmpty()) return std::nullopt;
    const QString path = withSuffix(*name, suffix, pdf ? Suffix::UnlessOwn : Suffix::WhenNone);
    // An export never replaces the open project or any other project file.
    std::vector<std::string> inputs;
    if (m_doc.origin() == ProjectDocument::Origin::File) inputs.push_back(localFileName(m_doc.fileName()));
    if (const auto refusal = tv::outputRefusal(localFileName(path), inputs, tv::OutputKind::Export)) {
        showExportError(tv::outputRefusalText(UiLanguage, *refusal));
        return std::nullopt;
    }
    return path;
}

void TForm1::ExportAvl1Click() {
    const auto name = exportTarget(QString::fromUtf8(tv::avlFileFilter(UiLanguage)), "avl");
    if (!name || !ensureLattice()) return;
    const tv::AvlDeck deck = tv::avlDeckFromLattice(tv::computeAircraft(fieldTexts()), *currentResult()->ws,
                                                    QFileInfo(m_doc.fileName()).completeBaseName().toStdString(),
                                                    tv::exportWingNames(UiLanguage), true);
    if (auto error = tv::writeAvlDeck(localFileName(*name), deck)) showExportError(error->text());
}

void TForm1::ExportCsv1Click() {
    const auto name = exportTarget(QString::fromUtf8(tv::csvFileFilter(UiLanguage)), "csv");
    if (!name || !ensureLattice()) return;
    const auto rows = tv::loadRows(tv::stripLoads(m_wingCount, *currentResult()->ws), tv::exportWingNames(UiLanguage));
    if (auto error = tv::writeLoadTable(localFileName(*name), rows)) showExportError(error->text());
}

// ---- Printed report -------------------------------------------------------------------------------

TForm3* TForm1::printDialog() {
    if (!m_form3) {
        tv::PrinterService* service = m_options.printerService;
        if (!service) {
            m_ownPrinterService = std::make_unique<tv::QtPrinterService>();
            service = m_ownPrinterService.get();
        }
        m_form3 = new TForm3(*service, this);
    }
    return m_form3;
}

tv::ReportData TForm1::reportData(double pictureScale) const {
    tv::Aircraft model = Model;
    model.WingCount = m_wingCount;
    return composeReport({UiLanguage, m_doc.fileName().toStdString(), model, currentResult(),
                          m_aircraft->stabilityScene(StabilityCaller::Other), m_aircraft->view3DScene(),
                          Catalogue.TxtFlightDirection, m_balance->reportLines()},
                         pictureScale);
}

void TForm1::Print1Click(QObject*) { Button6Click(); }

void TForm1::Button6Click() {
    const tv::ReportData d = reportData();
    m_imageP->setBitmapSize(tv::reportPageSize(d));
    QPainter p(&m_imageP->canvas());
    tv::drawReportPage(p, d);
    p.end();
    TForm3* dialog = printDialog();
    dialog->setLanguage(UiLanguage);
    dialog->setPage(m_imageP->canvas(), m_wingCount, QFileInfo(m_doc.fileName()).completeBaseName().toStdString());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TForm1::ExportPdf1Click() {
    const tv::PrintingTexts& t = tv::printingTexts(UiLanguage);
    const std::optional<QString> path = exportTarget(QString::fromUtf8(t.pdfFilter), "pdf", true);
    if (!path) return;
    const tv::ReportData d = reportData(tv::reportPdfPictureScale(m_wingCount));
    if (const auto error = tv::writeReportPdf(localFileName(*path), d))
        m_dialogs->showError(this, QString::fromUtf8(t.pdfFailed) + QString::fromStdString(error->text()));
}
