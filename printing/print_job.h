#pragma once
// TXPrint: the current printer for drawing one document. It counts the printers once, gives a
// canvas that is valid even without any printer, reads the page geometry, starts and ends a
// document and maps drawing coordinates to dots, thousandths of an inch, tenths or hundredths of
// a millimetre, with margins measured from the paper edge.
#include "printing/printer_service.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <memory>
#include <string>

namespace tv {

enum class TScaling { pscDot, pscMil, pscMetric10, pscMetric100 };
enum class TXPrinterOrientation { xpoPortrait, xpoLandscape };

/// Units per inch of a scaling: 1, 1000, 254, 2540.
int unitsPerInch(TScaling s);

/// The mapping of logical units onto device dots at the start of a document (units other than
/// dots): device = logical * viewportExt / windowExt + origin, per axis.
struct PageMapping {
    int windowExtX = 1, windowExtY = 1;
    int viewportExtX = 1, viewportExtY = 1;
    int originX = 0, originY = 0;
};
/// Window extent (7200 / dpi) * units per inch against a viewport extent of 7200, both halved
/// while the window extent exceeds 32767; the origin at the left and top margin from the paper
/// edge: margin * dpi / units per inch - offset.
PageMapping pageMapping(const DeviceMetrics& m, int unitsPerInch, int marginLeft, int marginTop);

class TXPrint {
public:
    explicit TXPrint(PrinterService& service);
    ~TXPrint();
    TXPrint(const TXPrint&) = delete;
    TXPrint& operator=(const TXPrint&) = delete;

    // ---- Properties ------------------------------------------------------------------------
    TScaling Scaling() const { return m_scaling; }
    /// Ignored while printing; otherwise the margins keep their physical size.
    void setScaling(TScaling s);
    int MarginLeft = 0, MarginTop = 0, MarginRight = 0, MarginBottom = 0; // in the current unit
    QFont Font() const { return m_font; }
    void setFont(const QFont& f);
    bool Aborted() const;
    int Copies() const;
    void setCopies(int n);
    std::string Title() const;
    void setTitle(const std::string& t);
    TXPrinterOrientation Orientation() const;
    void setOrientation(TXPrinterOrientation o);
    int Angle10() const { return m_angle10; }
    /// Stored modulo 3600; the remainder takes the dividend's sign (-10 stays -10).
    void setAngle10(int a) { m_angle10 = a % 3600; }

    // ---- Operations --------------------------------------------------------------------------
    int CountPrinters();
    void ReadDeviceCaps();
    void RefreshDevice() { ReadDeviceCaps(); }
    void SelectPrinter(int index);
    int UnitsToDotsX(int v) const { return convert(v, m_dpiX, m_unitsPerInch); }
    int UnitsToDotsY(int v) const { return convert(v, m_dpiY, m_unitsPerInch); }
    int DotsToUnitsX(int v) const { return convert(v, m_unitsPerInch, m_dpiX); }
    int DotsToUnitsY(int v) const { return convert(v, m_unitsPerInch, m_dpiY); }
    /// Begins a document on the current printer and sets up the page; false with the platform's
    /// reason in lastError() when the document could not begin (nothing is left open then).
    /// Without printers it does nothing and returns true.
    bool StartPrinting();
    /// Ends the document and restores the canvas font; false with the reason in lastError()
    /// when the platform failed to end it (the document is closed all the same).
    bool FinishPrinting();
    DocumentFault lastError() const { return m_lastError; }
    void SetFontSize(int size);
    /// The printer's page while a document is open, else the component's own canvas.
    QPainter& Canvas();

    // ---- State -----------------------------------------------------------------------------------
    int PrinterCount() const { return m_printerCount; }
    bool OwnsCanvas() const { return m_ownsCanvas; }
    bool Printing() const { return m_printing; }
    int DotsPerInchX() const { return m_dpiX; }
    int DotsPerInchY() const { return m_dpiY; }
    int UnitsPerInch() const { return m_unitsPerInch; }
    int PageWidth() const { return m_pageWidth; }
    int PageHeight() const { return m_pageHeight; }
    int RequestedFontSize() const { return m_requestedFontSize; }
    /// The canvas font's size: points, or logical units per em-height fraction while a document
    /// in physical units is open (size * units per inch / the font's pixels per inch).
    int FontSize() const { return m_fontSize; }
    const DeviceMetrics& metrics() const { return m_metrics; }
    PrinterService& service() { return m_service; }

private:
    int convert(int v, int num, int den) const;
    void setupPageMapping();
    void applyFont(QPainter& p) const;

    PrinterService& m_service;
    int m_printerCount = 0;
    bool m_ownsCanvas = false;
    QImage m_ownSurface;
    std::unique_ptr<QPainter> m_ownCanvas;
    TScaling m_scaling = TScaling::pscDot;
    int m_unitsPerInch = 1;
    int m_dpiX = 300, m_dpiY = 300;
    DeviceMetrics m_metrics;
    int m_pageWidth = 0, m_pageHeight = 0;
    bool m_printing = false;
    QFont m_font;
    int m_fontSize = 10;
    int m_fontPixelsPerInch = 96;
    QFont m_savedFont;
    int m_savedFontSize = 10;
    int m_requestedFontSize = 0;
    int m_angle10 = 0;
    DocumentFault m_lastError = DocumentFault::None;
};

} // namespace tv
