// The printed report: composing the page from the model, the results and the two views drawn
// at the report's picture sizes, the print dialog, and the PDF export (from the menu and from
// the command line).
#include "app/imagecontrol.h"
#include "app/tform1.h"
#include "printing/qt_printer_service.h"
#include "printing/report_pdf.h"
#include "printing/print_dialog.h"
#include "solver/workspace.h"
#include "views/stability_view.h"
#include "views/view3d.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

// Draws into an image of scale times the design size; the drawing works in design pixels.
QImage drawPicture(QSize design, double scale, const std::function<void(QPainter&)>& draw) {
    QImage image((QSizeF(design) * scale).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(scale, scale);
    draw(p);
    p.end();
    return image;
}

} // namespace

void TForm1::buildPrinting() {
    m_imageP = new TImage(m_aircraftPage);
    m_imageP->setObjectName(QStringLiteral("Image_P"));
    m_imageP->setBitmapSize(tv::kReportPageSize);
    m_imageP->hide();
    // "Export report as PDF..." is enabled with "Print".
    m_exportPdf1->setEnabled(m_print1->isEnabled());
    connect(m_exportPdf1, &QAction::triggered, this, [this] { ExportPdf1Click(); });
}

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
    tv::ReportData d;
    d.lang = UiLanguage;
    d.projectFileName = ProjectFileName.toStdString();
    d.aircraft = Model;
    d.aircraft.WingCount = m_wingCount;
    d.NeutralPointX = Reference.NeutralPointX;
    d.numbers = m_numbers;
    for (int w = 1; w <= tv::kWingMax; ++w) {
        d.WingAcX[w] = WingAcX[w];
        if (m_workspace && LatticeKnown) d.WingLiftSlope[w] = m_workspace->WingLiftSlope[w];
    }
    // The report shows the views as a fresh recalculation draws them at the pictures' sizes:
    // fitted anew, without the pressure display.
    const tv::AircraftViewGeometry g = tv::fitAircraftView(Model, tv::kAircraftPictureSize);
    tv::StabilityScene scene = stabilityScene(StabilityCaller::Other);
    scene.overlay.pressureOn = false;
    d.aircraftPicture = drawPicture(tv::kAircraftPictureSize, pictureScale, [&](QPainter& p) {
        tv::clearImage(p, tv::kAircraftPictureSize, scene.colours.toolTipBackground, tv::kGreyOutline);
        if (NeutralPointKnown)
            d.numbers = tv::STABIL(p, tv::kAircraftPictureSize, scene, g).numbers;
        else
            tv::d_1d(p, tv::kAircraftPictureSize, Model, g, Catalogue.TxtFlightDirection);
    });
    tv::View3DScene scene3 = view3DScene();
    scene3.View3DScale = g.View3DScale;
    scene3.pressureOn = false;
    auto state = std::make_unique<tv::View3DState>();
    d.view3DPicture = drawPicture(tv::kView3DPictureSize, pictureScale,
                                  [&](QPainter& p) { tv::d_3d(p, tv::kView3DPictureSize, scene3, *state); });
    return d;
}

void TForm1::Print1Click(QObject*) { Button6Click(); }

void TForm1::Button6Click() {
    const tv::ReportData d = reportData();
    QPainter p(&m_imageP->canvas());
    tv::drawReportPage(p, d);
    p.end();
    TForm3* dialog = printDialog();
    dialog->setLanguage(UiLanguage);
    dialog->setPage(m_imageP->canvas(), m_wingCount);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void TForm1::ExportPdf1Click() {
    const tv::PrintingTexts& t = tv::printingTexts(UiLanguage);
    const std::optional<QString> name = m_dialogs->saveFileName(this, QString::fromUtf8(t.pdfFilter), dialogFolder());
    if (!name || name->isEmpty()) return;
    QString path = *name;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    const tv::ReportData d = reportData(tv::reportPdfPictureScale(m_wingCount));
    if (const auto error = tv::writeReportPdf(QFile::encodeName(path).toStdString(), d))
        m_dialogs->showError(this, QString::fromUtf8(t.pdfFailed) + QString::fromStdString(error->text()));
}
