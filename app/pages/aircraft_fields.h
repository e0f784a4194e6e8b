#pragma once
// The aircraft's texts as the pages hold them: the 16 fields of each wing (the positions on the
// aircraft page, the planform on the wing's page), the trapezium counts and the remarks. It reads
// them into one value and writes a value back, field by field, only where a text differs, so that
// each change handler runs once for what really changed.
#include "model/aircraft.h"
#include "model/balance.h"

#include <array>
#include <string>

class AircraftPage;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class WingPage;

class AircraftFields {
public:
    /// document: the document's texts, whose wing count and balance texts (which have no field)
    /// are taken with the fields' texts.
    AircraftFields(AircraftPage& aircraft, const std::array<WingPage*, tv::kWingMax + 1>& wings, QPlainTextEdit& remarks,
                   const tv::AircraftTexts& document);

    QLineEdit* field(int w, tv::WingField f) const;
    QRadioButton* trapeziumButton(int w, int n) const;
    int trapeziumCount(int w) const;
    tv::WingTexts wingTexts(int w) const;
    tv::AircraftTexts texts() const;
    /// Writes the wings firstWing..lastWing' texts into the fields and selects their counts.
    void writeWings(const tv::AircraftTexts& texts, int firstWing, int lastWing) const;
    void writeRemarks(const std::string& comment) const;
    /// Every length field of the aircraft times factor, in the scaling order.
    void scale(double factor) const;
    /// The question about the gap between the root and the centre line, on every wing that has one.
    void showGapQuestions(const std::string& line1, const std::string& line2) const;

private:
    AircraftPage& m_aircraft;
    std::array<WingPage*, tv::kWingMax + 1> m_wings;
    QPlainTextEdit& m_remarks;
    const tv::AircraftTexts& m_document;
};
