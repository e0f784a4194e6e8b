#pragma once
// TSettings: a printer name and its device settings record, read from and written to the
// current printer through the owning TXPrintSet.
#include "printing/printer_service.h"

#include <optional>
#include <string>

namespace tv {

class TXPrintSet;

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

} // namespace tv
