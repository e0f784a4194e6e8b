#pragma once
// The report page as a PDF: A4 portrait with 10 mm margins, the used part of the page fitted in
// whatever the wing count, texts drawn as text (selectable, searchable) and the two views as
// images at 300 dots per inch. Written safely, as a project is: temporary file, then rename.
#include "files/fileio.h"
#include "printing/report_page.h"

#include <QByteArray>

#include <optional>
#include <string>

namespace tv {

/// Millimetres per page unit of the fitted page.
double reportPdfMillimetresPerUnit(int wingCount);
/// The same for a page whose used part is usedHeight page units high (a weight-and-balance block).
double reportPdfMillimetresPerUnitForHeight(int usedHeight);
/// How many times their buffer size the pictures are drawn so that they reach 300 dots per inch.
double reportPdfPictureScale(int wingCount);
/// The PDF document of the page.
QByteArray reportPdfBytes(const ReportData& d);
/// Writes the PDF to path; on failure the error names the path and the reason and a file that
/// was there before is left as it was.
std::optional<FileError> writeReportPdf(const std::string& path, const ReportData& d,
                                        const FileOps& ops = systemFileOps());

} // namespace tv
