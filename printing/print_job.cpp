#include "printing/print_job.h"

#include <QTransform>

#include <cstdlib>

namespace tv {

int unitsPerInch(TScaling s) {
    switch (s) {
    case TScaling::pscMil: return 1000;
    case TScaling::pscMetric10: return 254;
    case TScaling::pscMetric100: return 2540;
    case TScaling::pscDot: break;
    }
    return 1;
}

namespace {
// One axis of the mapping: (7200 / dpi) * units against 7200, halved until the window extent
// fits a 16-bit signed value.
void axisExtents(int dpi, int units, int& windowExt, int& viewportExt) {
    windowExt = (7200 / (dpi > 0 ? dpi : 1)) * units;
    viewportExt = 7200;
    while (windowExt > 32767) {
        windowExt >>= 1;
        viewportExt >>= 1;
    }
}
} // namespace

PageMapping pageMapping(const DeviceMetrics& m, int units, int marginLeft, int marginTop) {
    PageMapping pm;
    axisExtents(m.dpiX, units, pm.windowExtX, pm.viewportExtX);
    axisExtents(m.dpiY, units, pm.windowExtY, pm.viewportExtY);
    pm.originX = int(int64_t(marginLeft) * m.dpiX / units) - m.offsetX;
    pm.originY = int(int64_t(marginTop) * m.dpiY / units) - m.offsetY;
    return pm;
}

TXPrint::TXPrint(PrinterService& service) : m_service(service) {
    m_printerCount = CountPrinters();
    if (m_printerCount > 0)
        m_service.selectPrinter(-1);
    else
        m_ownsCanvas = true;
    m_font.setPointSize(m_fontSize);
}

TXPrint::~TXPrint() {
    if (m_printing) m_service.endDocument();
}

int TXPrint::convert(int v, int num, int den) const {
    if (m_scaling == TScaling::pscDot || den == 0) return v;
    // Product first, then the division, which truncates toward zero.
    return int(int64_t(v) * num / den);
}

void TXPrint::setScaling(TScaling s) {
    if (m_printing) return;
    int* margins[] = {&MarginLeft, &MarginTop, &MarginRight, &MarginBottom};
    const bool vertical[] = {false, true, false, true};
    int dots[4];
    for (int i = 0; i < 4; ++i) dots[i] = vertical[i] ? UnitsToDotsY(*margins[i]) : UnitsToDotsX(*margins[i]);
    m_scaling = s;
    m_unitsPerInch = unitsPerInch(s);
    for (int i = 0; i < 4; ++i) *margins[i] = vertical[i] ? DotsToUnitsY(dots[i]) : DotsToUnitsX(dots[i]);
}

void TXPrint::setFont(const QFont& f) {
    m_font = f;
    if (f.pointSize() > 0) m_fontSize = f.pointSize();
    applyFont(Canvas());
}

bool TXPrint::Aborted() const { return m_printerCount > 0 && m_service.job().aborted; }

int TXPrint::Copies() const { return m_printerCount > 0 ? m_service.job().copies : 1; }

void TXPrint::setCopies(int n) {
    if (m_printerCount == 0) return;
    JobProperties j = m_service.job();
    j.copies = n;
    m_service.setJob(j);
}

std::string TXPrint::Title() const { return m_printerCount > 0 ? m_service.job().title : std::string(); }

void TXPrint::setTitle(const std::string& t) {
    if (m_printerCount == 0) return;
    JobProperties j = m_service.job();
    j.title = t;
    m_service.setJob(j);
}

TXPrinterOrientation TXPrint::Orientation() const {
    if (m_printerCount == 0) return TXPrinterOrientation::xpoPortrait;
    return m_service.job().orientation == 1 ? TXPrinterOrientation::xpoLandscape : TXPrinterOrientation::xpoPortrait;
}

void TXPrint::setOrientation(TXPrinterOrientation o) {
    if (m_printerCount == 0) return;
    JobProperties j = m_service.job();
    j.orientation = o == TXPrinterOrientation::xpoLandscape ? 1 : 0;
    m_service.setJob(j);
}

int TXPrint::CountPrinters() {
    const auto names = m_service.enumeratePrinters();
    if (!names) return 0;
    return int(names->size() & 0xFFFF);
}

void TXPrint::ReadDeviceCaps() {
    if (m_printerCount == 0) return;
    m_metrics = m_service.deviceMetrics();
    m_dpiX = m_metrics.dpiX;
    m_dpiY = m_metrics.dpiY;
}

void TXPrint::SelectPrinter(int index) {
    if (m_printerCount == 0) return;
    m_service.selectPrinter(index);
    ReadDeviceCaps();
}

bool TXPrint::StartPrinting() {
    m_lastError = DocumentFault::None;
    if (m_printerCount == 0 || m_printing) return true;
    ReadDeviceCaps();
    m_lastError = m_service.beginDocument();
    if (m_lastError == DocumentFault::None && !m_service.canvas()) {
        m_service.endDocument();
        m_lastError = DocumentFault::BeginRefused;
    }
    if (m_lastError != DocumentFault::None) return false;
    m_printing = true;
    setupPageMapping();
    // The font keeps its size in points on the printer's resolution.
    m_fontPixelsPerInch = m_dpiY;
    m_savedFont = m_font;
    m_savedFontSize = m_fontSize;
    SetFontSize(m_fontSize);
    return true;
}

void TXPrint::setupPageMapping() {
    QPainter& p = *m_service.canvas();
    const DeviceMetrics& m = m_metrics;
    if (m_scaling == TScaling::pscDot) {
        m_pageWidth = m.physicalWidth - MarginLeft - MarginRight - 1;
        m_pageHeight = m.physicalHeight - MarginTop - MarginBottom - 1;
        p.setWorldTransform(QTransform());
        return;
    }
    const int upi = m_unitsPerInch;
    m_pageWidth = int(int64_t(m.physicalWidth - UnitsToDotsX(MarginLeft) - UnitsToDotsX(MarginRight) - 1) * upi /
                      (m_dpiX > 0 ? m_dpiX : 1));
    m_pageHeight = int(int64_t(m.physicalHeight - UnitsToDotsY(MarginTop) - UnitsToDotsY(MarginBottom) - 1) * upi /
                       (m_dpiY > 0 ? m_dpiY : 1));
    const PageMapping pm = pageMapping(m, upi, MarginLeft, MarginTop);
    p.setWorldTransform(QTransform(double(pm.viewportExtX) / pm.windowExtX, 0, 0,
                                   double(pm.viewportExtY) / pm.windowExtY, pm.originX, pm.originY));
}

bool TXPrint::FinishPrinting() {
    m_lastError = DocumentFault::None;
    if (m_printerCount == 0 || !m_printing) return true;
    m_lastError = m_service.endDocument();
    m_printing = false;
    m_font = m_savedFont;
    m_fontSize = m_savedFontSize;
    m_fontPixelsPerInch = 96;
    return m_lastError == DocumentFault::None;
}

void TXPrint::SetFontSize(int size) {
    if (m_printerCount == 0) return;
    m_requestedFontSize = size;
    m_fontSize = std::abs(size);
    if (m_printing && m_scaling != TScaling::pscDot && m_fontPixelsPerInch > 0)
        m_fontSize = std::abs(size) * m_unitsPerInch / m_fontPixelsPerInch;
    applyFont(Canvas());
}

void TXPrint::applyFont(QPainter& p) const {
    QFont f = m_font;
    if (m_printing && m_scaling != TScaling::pscDot)
        // Logical units per em: size * pixels per inch / 72 makes size / 72 inch on paper.
        f.setPixelSize(std::max(1, m_fontSize * m_fontPixelsPerInch / 72));
    else if (m_fontSize > 0)
        f.setPointSize(m_fontSize);
    p.setFont(f);
}

QPainter& TXPrint::Canvas() {
    if (m_printing && m_service.canvas()) return *m_service.canvas();
    if (!m_ownCanvas) {
        // Drawing without a document lands here and is discarded.
        m_ownSurface = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        m_ownCanvas = std::make_unique<QPainter>(&m_ownSurface);
        applyFont(*m_ownCanvas);
    }
    return *m_ownCanvas;
}

} // namespace tv
