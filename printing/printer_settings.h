#pragma once
// TXPrintSet: the installed printers, the capabilities of the current printer (papers, trays,
// resolutions, copies, duplex, paper extents, colour depth) and two sets of device settings:
// the current settings, whose every change reaches the printer at once, and new settings that
// are checked against the capabilities and written as a whole on request.
#include "printing/printer_service.h"
#include "printing/print_job.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tv {

class TXPrintSet;

/// A list of capability entries: index reads outside 0..Count-1 give an empty entry.
template <class Entry>
class TEntryList {
public:
    void Clear() { m_entries.clear(); }
    void Add(Entry e) { m_entries.push_back(std::move(e)); }
    int Count() const { return int(m_entries.size()); }
    const Entry& at(int i) const {
        static const Entry empty{};
        return i >= 0 && i < Count() ? m_entries[size_t(i)] : empty;
    }

protected:
    std::vector<Entry> m_entries;
};

struct PaperEntry {
    int Number = 0;
    std::string Name;
    int Width = 0, Length = 0; // tenths of a millimetre
};
struct TrayEntry {
    int Number = 0;
    std::string Name;
};
struct ResolutionEntry {
    int X = 0, Y = 0; // dots per inch
};

class TPrinterPaper : public TEntryList<PaperEntry> {
public:
    int Number(int i) const { return at(i).Number; }
    std::string Name(int i) const { return at(i).Name; }
    int Width(int i) const { return at(i).Width; }
    int Length(int i) const { return at(i).Length; }
    /// First index with this paper code, -1 when none.
    int IndexOf(int number) const;
};
class TPrinterTray : public TEntryList<TrayEntry> {
public:
    int Number(int i) const { return at(i).Number; }
    std::string Name(int i) const { return at(i).Name; }
    int IndexOf(int number) const;
};
class TPrinterResolution : public TEntryList<ResolutionEntry> {
public:
    int X(int i) const { return at(i).X; }
    int Y(int i) const { return at(i).Y; }
};

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

enum class TPrinterOrientation { poPortrait, poLandscape };
enum class TDuplexMode { DuplexOff, DuplexVertical, DuplexHorizontal };

class TSettings {
public:
    TSettings(TXPrintSet& owner, bool autoApply) : AutoApply(autoApply), m_owner(owner) {}
    virtual ~TSettings() = default;

    bool AutoApply;
    std::string DeviceName; // at most 127 characters
    tv::DevMode DevMode;
    TXPrintSet& Owner() const { return m_owner; }

    void Clear();
    bool ReadDefault();
    bool ReadCurrent();
    virtual bool WriteToPrinter();
    /// Copies the name and the settings record.
    void CopyFrom(const TSettings& other);

    void SetOrientation(TPrinterOrientation o);
    void SetCopies(int n);
    void SetCollate(bool on);
    void SetColor(bool on);
    void SetDuplex(TDuplexMode mode);
    void SetPaper(int code);
    void SetTray(int code);
    void SetResolutionIndex(int index);

    bool GetColor() const;
    int PaperIndex() const;
    virtual std::string PaperName() const;
    virtual int PaperWidth() const;
    virtual int PaperLength() const;

protected:
    bool printers() const;
    void changed();

private:
    /// A record read from the printer becomes these settings; none read clears them.
    bool take(const std::optional<tv::DevMode>& mode);
    TXPrintSet& m_owner;
};

class TCurrentSettings : public TSettings {
public:
    explicit TCurrentSettings(TXPrintSet& owner) : TSettings(owner, true) {}
};

class TNewSettings : public TSettings {
public:
    explicit TNewSettings(TXPrintSet& owner) : TSettings(owner, false) {}

    TPrinterOrientation Orientation = TPrinterOrientation::poPortrait;
    int Copies = 1;
    bool Collate = true;
    bool Color = false;
    TDuplexMode Duplex = TDuplexMode::DuplexOff;
    int Paper = 9;
    int Tray = 15;
    int ResolutionIndex = 0;
    /// Bits of the values the last WriteToPrinter corrected: 1 copies, 2 colour, 4 duplex,
    /// 8 paper, 16 tray, 32 resolution index.
    int Corrections() const { return m_corrections; }

    std::string PaperName() const override;
    int PaperWidth() const override;
    int PaperLength() const override;
    /// Starts from the printer's defaults, corrects what the printer cannot take and writes all.
    bool WriteToPrinter() override;

private:
    int m_corrections = 0;
};

using TNotifyEvent = std::function<void(const void* sender)>;

class TXPrintSet {
public:
    explicit TXPrintSet(PrinterService& service);
    TXPrintSet(const TXPrintSet&) = delete;
    TXPrintSet& operator=(const TXPrintSet&) = delete;

    // Links and events.
    TXPrint* XPrint = nullptr;
    std::function<bool()> PrintDialog;        // the platform's print dialog: true when confirmed
    std::function<bool()> PrinterSetupDialog; // the platform's printer-setup dialog
    TNotifyEvent OnErrorReadSettings, OnErrorWriteSettings, OnNoPrinterAvailable, OnPrinterChanged;

    TNewSettings& NewSettings() { return *m_newSettings; }
    TCurrentSettings& CurrentSettings() { return *m_currentSettings; }
    TCapabilities& Capabilities() { return *m_capabilities; }
    const std::vector<std::string>& PrinterNames() const { return m_printerNames; }
    bool PrintersAvailable() const { return m_printersAvailable; }
    bool IsNTPlatform() const { return m_isNT; }
    PrinterService& service() const { return m_service; }

    /// After the links and events are set: refreshes the linked print component and reports a
    /// missing printer.
    void Loaded();
    void FillPrinterNames();
    int CurrentPrinterIndex() const;
    void SetPrinterIndex(int index);
    int ExecutePrintDialog();
    int ExecutePrinterSetupDialog();
    /// The name of the current printer ("" when there is none).
    std::string currentPrinterName() const;

private:
    int executeDialog(const std::function<bool()>& dialog);

    PrinterService& m_service;
    std::vector<std::string> m_printerNames;
    bool m_printersAvailable = false;
    bool m_isNT = false;
    std::unique_ptr<TCapabilities> m_capabilities;
    std::unique_ptr<TCurrentSettings> m_currentSettings;
    std::unique_ptr<TNewSettings> m_newSettings;
};

} // namespace tv
