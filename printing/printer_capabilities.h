#pragma once
// TCapabilities: what the current printer can do (papers, trays, resolutions, copies, duplex,
// paper extents, colour depth), with the limits of the platform's buffers.
#include "printing/printer_papers.h"
#include "printing/printer_resolutions.h"
#include "printing/printer_service.h"
#include "printing/printer_trays.h"

namespace tv {

class TXPrintSet;

inline constexpr int kMaxPapers = 2048;
inline constexpr int kMaxTrays = 64;
inline constexpr int kMaxResolutions = 32;
inline constexpr int kPaperNameChars = 64; // with the terminating zero
inline constexpr int kTrayNameChars = 24;
inline constexpr int kDeviceNameChars = 127;

class TCapabilities {
public:
    explicit TCapabilities(TXPrintSet& owner) : m_owner(owner) {}
    /// Reads every capability of the current printer for the given settings; false (nothing
    /// read) without printers.
    bool Refresh(const DevMode& mode);

    int MaxCopies = 0;
    bool DuplexSupported = false;
    int MaxExtentX = 0, MaxExtentY = 0, MinExtentX = 0, MinExtentY = 0; // tenths of a millimetre
    int ColorBits = 0;
    TPrinterPaper Papers;
    TPrinterTray Trays;
    TPrinterResolution Resolutions;

private:
    TXPrintSet& m_owner;
};

} // namespace tv
