#pragma once
// The platform side of printing, behind one interface: the installed printers, a printer's
// capabilities and its settings record, the printer device's figures and the document calls.
// TXPrint and TXPrintSet talk only to this; the program uses QtPrinterService (Qt PrintSupport,
// which is CUPS on Linux), the tests a scriptable fake.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace tv {

// Field-present flags of the settings record.
inline constexpr uint32_t DM_ORIENTATION = 0x1;
inline constexpr uint32_t DM_PAPERSIZE = 0x2;
inline constexpr uint32_t DM_COPIES = 0x100;
inline constexpr uint32_t DM_DEFAULTSOURCE = 0x200;
inline constexpr uint32_t DM_PRINTQUALITY = 0x400;
inline constexpr uint32_t DM_COLOR = 0x800;
inline constexpr uint32_t DM_DUPLEX = 0x1000;
inline constexpr uint32_t DM_YRESOLUTION = 0x2000;
inline constexpr uint32_t DM_COLLATE = 0x8000;

/// A printer's device settings: the fields a setter writes and the flags saying which are present.
/// Orientation 1 portrait, 2 landscape; Color 1 monochrome, 2 colour; Duplex 1 off, 2 vertical,
/// 3 horizontal; PaperSize a platform paper code; PrintQuality and YResolution in dots per inch.
struct DevMode {
    uint32_t Fields = 0;
    int16_t Orientation = 0;
    int16_t PaperSize = 0;
    int16_t Copies = 0;
    int16_t DefaultSource = 0;
    int16_t PrintQuality = 0;
    int16_t Color = 0;
    int16_t Duplex = 0;
    int16_t YResolution = 0;
    int16_t Collate = 0;
    std::array<char, 32> FormName{}; // zero-filled, not necessarily zero-terminated
    bool operator==(const DevMode&) const = default;
};

struct PaperAnswer {
    int code = 0;       // platform paper code
    std::string name;
    int width = 0;      // tenths of a millimetre
    int length = 0;
};
struct BinAnswer {
    int code = 0;
    std::string name;
};
struct ResolutionAnswer {
    int x = 0, y = 0;   // dots per inch
};

/// What the device-capabilities queries answer for one printer, unfiltered.
struct CapabilityAnswers {
    int maxCopies = 0;     // 0: no answer
    int duplex = 0;        // greater than 0: the printer prints on both sides
    int32_t maxExtent = 0; // paper extents in tenths of a millimetre, x in the low and y in the
    int32_t minExtent = 0; // high 16 bits
    std::vector<PaperAnswer> papers;
    std::vector<BinAnswer> bins;
    std::vector<ResolutionAnswer> resolutions;
};

/// The current printer device's figures, in device dots.
struct DeviceMetrics {
    int dpiX = 300, dpiY = 300;
    int physicalWidth = 0, physicalHeight = 0;   // whole paper
    int printableWidth = 0, printableHeight = 0; // printable area
    int offsetX = 0, offsetY = 0;                // paper edge to printable area
    int bitsPerPixel = 1;
    bool hasDevice = true; // false: the printer has no device to ask (colour bits fall back to 1)
};

/// The job properties of the printer object.
struct JobProperties {
    int copies = 1;
    std::string title;
    int orientation = 0; // 0 portrait, 1 landscape
    bool aborted = false;
};

/// Why a document could not begin or end.
enum class DocumentFault {
    None,
    PrinterGone,  // the printer (or the whole print system) is no longer there
    BeginRefused, // the print system did not open the document
    EndFailed,    // the document could not be finished and sent
};

class PrinterService {
public:
    virtual ~PrinterService() = default;

    /// The installed printers' names; no value when the enumeration fails.
    virtual std::optional<std::vector<std::string>> enumeratePrinters() = 0;
    /// Whether the platform reads a printer's default settings when it is switched to (rather
    /// than the settings the printer object holds).
    virtual bool readsDefaultsOnSwitch() const = 0;
    /// Index of the current printer in the enumeration's list, -1 when there is none.
    virtual int currentPrinterIndex() = 0;
    /// Makes printer `index` of the list current; -1 selects the system default.
    virtual void selectPrinter(int index) = 0;

    virtual CapabilityAnswers capabilities(const std::string& printer, const DevMode& mode) = 0;
    virtual DeviceMetrics deviceMetrics() = 0;

    /// The current printer's default settings; no value when they cannot be read.
    virtual std::optional<DevMode> defaultSettings() = 0;
    /// The settings the printer object uses now; no value when they cannot be obtained.
    virtual std::optional<DevMode> currentSettings() = 0;
    /// Makes the current printer use `mode`; false when its settings cannot be obtained.
    virtual bool applySettings(const DevMode& mode) = 0;

    virtual JobProperties job() = 0;
    virtual void setJob(const JobProperties& job) = 0;

    /// Opens a document on the current printer; None when it began.
    virtual DocumentFault beginDocument() = 0;
    /// The open document's page (device dots, origin at the printable area's corner); nullptr
    /// while no document is open.
    virtual QPainter* canvas() = 0;
    /// Ends and sends the document; None on success. The document is closed either way.
    virtual DocumentFault endDocument() = 0;
    /// The current printer's name ("" when there is none), for messages.
    virtual std::string currentPrinterName() = 0;
};

} // namespace tv
