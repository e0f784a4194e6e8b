#include "printing/report_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>

namespace tv {
namespace {
constexpr double kA4Width = 210, kA4Height = 297, kMargin = 10; // mm
constexpr double kPictureDpi = 300;
constexpr double kMmPerInch = 25.4;
} // namespace

double reportPdfMillimetresPerUnitForHeight(int usedHeight) {
    const double w = (kA4Width - 2 * kMargin) / kReportPageSize.width();
    const double h = (kA4Height - 2 * kMargin) / usedHeight;
    return std::min(w, h);
}

double reportPdfMillimetresPerUnit(int wingCount) { return reportPdfMillimetresPerUnitForHeight(reportUsedHeight(wingCount)); }

double reportPdfPictureScale(int wingCount) {
    const double pictureMm = kAircraftPictureRect.width() * reportPdfMillimetresPerUnit(wingCount);
    return pictureMm / kMmPerInch * kPictureDpi / kAircraftPictureSize.width();
}

QByteArray reportPdfBytes(const ReportData& d) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
        pdf.setTitle(QString::fromStdString(d.projectFileName));
        pdf.setCreator(QStringLiteral("Tarvolin4"));
        QPainter p(&pdf);
        // Line drawings stay sharp: no JPEG for the pictures.
        p.setRenderHint(QPainter::LosslessImageRendering);
        // Device units per page unit; the page centred across the printable width.
        const double dotsPerMm = pdf.resolution() / kMmPerInch;
        const int used = reportUsedHeight(d);
        const double scale = reportPdfMillimetresPerUnitForHeight(used) * dotsPerMm;
        const double left = ((kA4Width - 2 * kMargin) * dotsPerMm - kReportPageSize.width() * scale) / 2;
        p.translate(left, 0);
        p.scale(scale, scale);
        p.setClipRect(QRect(QPoint(0, 0), QSize(kReportPageSize.width(), used)));
        drawReportPage(p, d);
        p.end();
    }
    return bytes;
}

std::optional<FileError> writeReportPdf(const std::string& path, const ReportData& d, const FileOps& ops) {
    const QByteArray bytes = reportPdfBytes(d);
    return writeFileAtomically(path, std::string_view(bytes.constData(), size_t(bytes.size())), ops);
}

} // namespace tv
