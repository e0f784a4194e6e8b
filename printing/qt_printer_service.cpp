#include "printing/qt_printer_service.h"

#include "printing/paper_table.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

// Tenths of a millimetre, x in the low and y in the high 16 bits.
int32_t packedExtent(const QPageSize& size) {
    if (!size.isValid()) return 0;
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const int x = int(std::lround(mm.width() * 10)), y = int(std::lround(mm.height() * 10));
    return int32_t((uint32_t(uint16_t(y)) << 16) | uint16_t(x));
}

int16_t duplexField(QPrinter::DuplexMode d) {
    switch (d) {
    case QPrinter::DuplexLongSide: return 2;
    case QPrinter::DuplexShortSide: return 3;
    default: return 1;
    }
}

QPrinter::DuplexMode duplexMode(int16_t field) {
    if (field == 2) return QPrinter::DuplexLongSide;
    if (field == 3) return QPrinter::DuplexShortSide;
    return QPrinter::DuplexNone;
}

// The one bin Qt offers: the printer's own choice of source.
constexpr int kAutomaticBin = 15;

} // namespace

QtPrinterService::QtPrinterService() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

QtPrinterService::~QtPrinterService() {
    if (m_painter && m_painter->isActive()) m_painter->end();
}

std::optional<std::vector<std::string>> QtPrinterService::enumeratePrinters() {
    m_names.clear();
    for (const QString& n : QPrinterInfo::availablePrinterNames()) m_names.push_back(n.toStdString());
    return m_names;
}

int QtPrinterService::currentPrinterIndex() {
    const std::string name = m_printer->printerName().toStdString();
    const auto it = std::find(m_names.begin(), m_names.end(), name);
    return it == m_names.end() ? -1 : int(it - m_names.begin());
}

std::string QtPrinterService::currentPrinterName() { return m_printer->printerName().toStdString(); }

void QtPrinterService::selectPrinter(int index) {
    QString name;
    if (index >= 0 && index < int(m_names.size()))
        name = QString::fromStdString(m_names[size_t(index)]);
    else if (index < 0)
        name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty() && !m_names.empty()) name = QString::fromStdString(m_names.front());
    if (name.isEmpty()) return;
    m_printer->setPrinterName(name);
}

int QtPrinterService::paperCode(const QPageSize& size) {
    if (const int code = standardPaperCode(size.id())) return code;
    const auto it = m_ownCodes.find(size.key());
    if (it != m_ownCodes.end()) return it->second;
    const int code = kFirstOwnPaperCode + int(m_ownCodes.size());
    m_ownCodes.emplace(size.key(), code);
    return code;
}

QPageSize QtPrinterService::pageSize(int code) const {
    if (const StandardPaper* p = standardPaper(code)) return QPageSize(p->qt);
    for (const auto& [key, c] : m_ownCodes)
        if (c == code)
            for (const QPageSize& s : QPrinterInfo(*m_printer).supportedPageSizes())
                if (s.key() == key) return s;
    return QPageSize();
}

CapabilityAnswers QtPrinterService::capabilities(const std::string& printer, const DevMode&) {
    CapabilityAnswers a;
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(printer));
    if (info.isNull()) return a;
    a.maxCopies = 9999;
    const auto duplex = info.supportedDuplexModes();
    a.duplex = duplex.contains(QPrinter::DuplexLongSide) || duplex.contains(QPrinter::DuplexShortSide) ? 1 : 0;
    a.maxExtent = packedExtent(info.maximumPhysicalPageSize());
    a.minExtent = packedExtent(info.minimumPhysicalPageSize());
    for (const QPageSize& s : info.supportedPageSizes()) {
        const QSizeF mm = s.size(QPageSize::Millimeter);
        a.papers.push_back({paperCode(s), s.name().toStdString(), int(std::lround(mm.width() * 10)),
                            int(std::lround(mm.height() * 10))});
    }
    a.bins.push_back({kAutomaticBin, "Automatic"});
    for (int r : info.supportedResolutions()) a.resolutions.push_back({r, r});
    return a;
}

DeviceMetrics QtPrinterService::deviceMetrics() {
    DeviceMetrics m;
    const QPrinterInfo info(*m_printer);
    m.hasDevice = !info.isNull();
    m.dpiX = m.dpiY = std::max(1, m_printer->resolution());
    const QRectF paper = m_printer->paperRect(QPrinter::DevicePixel);
    const QRectF page = m_printer->pageRect(QPrinter::DevicePixel);
    m.physicalWidth = int(std::lround(paper.width()));
    m.physicalHeight = int(std::lround(paper.height()));
    m.printableWidth = int(std::lround(page.width()));
    m.printableHeight = int(std::lround(page.height()));
    m.offsetX = int(std::lround(page.left() - paper.left()));
    m.offsetY = int(std::lround(page.top() - paper.top()));
    m.bitsPerPixel = info.supportedColorModes().contains(QPrinter::Color) ? 24 : 1;
    return m;
}

std::optional<DevMode> QtPrinterService::defaultSettings() {
    const QPrinterInfo info(*m_printer);
    if (info.isNull()) return std::nullopt;
    DevMode d;
    d.Fields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLOR | DM_DUPLEX | DM_COLLATE | DM_DEFAULTSOURCE;
    d.Orientation = 1;
    d.PaperSize = int16_t(paperCode(info.defaultPageSize()));
    d.Copies = 1;
    d.Color = info.defaultColorMode() == QPrinter::Color ? 2 : 1;
    d.Duplex = duplexField(info.defaultDuplexMode());
    d.Collate = 1;
    d.DefaultSource = kAutomaticBin;
    return d;
}

std::optional<DevMode> QtPrinterService::currentSettings() {
    if (QPrinterInfo(*m_printer).isNull()) return std::nullopt;
    DevMode d;
    d.Fields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_COLOR | DM_DUPLEX | DM_COLLATE | DM_DEFAULTSOURCE |
               DM_PRINTQUALITY | DM_YRESOLUTION;
    d.Orientation = m_printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    d.PaperSize = int16_t(paperCode(m_printer->pageLayout().pageSize()));
    d.Copies = int16_t(std::clamp(m_printer->copyCount(), 1, 32767));
    d.Color = m_printer->colorMode() == QPrinter::Color ? 2 : 1;
    d.Duplex = duplexField(m_printer->duplex());
    d.Collate = m_printer->collateCopies() ? 1 : 0;
    d.DefaultSource = kAutomaticBin;
    d.PrintQuality = d.YResolution = int16_t(std::clamp(m_printer->resolution(), 1, 32767));
    return d;
}

bool QtPrinterService::applySettings(const DevMode& d) {
    if (QPrinterInfo(*m_printer).isNull() || (m_painter && m_painter->isActive())) return false;
    if (d.Fields & DM_ORIENTATION)
        m_printer->setPageOrientation(d.Orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (d.Fields & DM_PAPERSIZE) {
        const QPageSize size = pageSize(d.PaperSize);
        if (size.isValid()) m_printer->setPageSize(size);
    }
    if (d.Fields & DM_COPIES) m_printer->setCopyCount(std::max<int>(1, d.Copies));
    if (d.Fields & DM_COLOR) m_printer->setColorMode(d.Color == 2 ? QPrinter::Color : QPrinter::GrayScale);
    if (d.Fields & DM_DUPLEX) m_printer->setDuplex(duplexMode(d.Duplex));
    if (d.Fields & DM_COLLATE) m_printer->setCollateCopies(d.Collate != 0);
    if ((d.Fields & DM_PRINTQUALITY) && d.PrintQuality > 0) m_printer->setResolution(d.PrintQuality);
    return true;
}

JobProperties QtPrinterService::job() {
    JobProperties j;
    j.copies = m_printer->copyCount();
    j.title = m_printer->docName().toStdString();
    j.orientation = m_printer->pageLayout().orientation() == QPageLayout::Landscape ? 1 : 0;
    j.aborted = m_printer->printerState() == QPrinter::Aborted;
    return j;
}

void QtPrinterService::setJob(const JobProperties& j) {
    m_printer->setCopyCount(std::max(1, j.copies));
    m_printer->setDocName(QString::fromStdString(j.title));
    m_printer->setPageOrientation(j.orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool QtPrinterService::printerPresent() const {
    const QString name = m_printer->printerName();
    return !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name);
}

DocumentFault QtPrinterService::beginDocument() {
    // A queue removed since the list was read, or a stopped print system, would otherwise swallow
    // the page without a word.
    if (!printerPresent()) return DocumentFault::PrinterGone;
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get()) || m_printer->printerState() == QPrinter::Error) {
        if (m_painter->isActive()) m_painter->end();
        m_painter.reset();
        return DocumentFault::BeginRefused;
    }
    return DocumentFault::None;
}

DocumentFault QtPrinterService::endDocument() {
    if (!m_painter) return DocumentFault::EndFailed;
    const bool ended = m_painter->end();
    m_painter.reset();
    if (!printerPresent()) return DocumentFault::PrinterGone;
    if (!ended || m_printer->printerState() == QPrinter::Error) return DocumentFault::EndFailed;
    return DocumentFault::None;
}

} // namespace tv
