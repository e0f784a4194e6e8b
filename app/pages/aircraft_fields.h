#pragma once
// The aircraft's texts as the pages hold them: the 16 fields of each wing (the positions on the
// aircraft page, the planform on the wing's page), the trapezium counts and the remarks. It reads
// them into one value and writes a value back, field by field, only where a text differs, so that
// each change handler runs once for what really changed.
// Every field is a length: the document keeps whole millimetres as texts, a field shows them in the
// chosen length unit and reads what is typed into the nearest millimetre. In millimetres the fields
// hold the document's texts as typed ("12.5" stays "12.5"); only a number with another unit written
// after it ("12in") is converted.
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/balance.h"
#include "model/units.h"

#include <array>
#include <string>

class AircraftPage;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QString;
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

    /// The unit the fields show and read lengths in. Does not rewrite the fields: showAllStored does.
    void setLengthUnit(tv::Unit unit) { m_unit = unit; }
    tv::Unit lengthUnit() const { return m_unit; }
    /// Field w/f shows the document's text in the length unit (typing ended); no change event.
    void showStored(int w, tv::WingField f) const;
    /// Every field shows the document's text in the length unit; no change events.
    void showAllStored() const;
    /// Writes a text the document is to hold (mm) into field w/f, shown in the length unit; its
    /// change handler runs as for typing.
    void writeField(int w, tv::WingField f, const std::string& stored) const;
    /// Why field w/f's text is not taken (its value lies beyond the field's range, given in the
    /// length unit and lang); empty when it is.
    std::string refusal(int w, tv::WingField f, tv::UiLanguage lang) const;

private:
    /// The text the document is to hold for field w/f: the field's text read into whole mm (the
    /// document's or the incoming text where that already holds the same value); a refused text
    /// gives the document's text.
    std::string storedText(int w, tv::WingField f) const;
    /// The document's text as field w/f shows it.
    QString shownText(const std::string& stored) const;
    tv::LengthReading reading(int w, tv::WingField f, tv::UiLanguage lang = tv::UiLanguage::English) const;

    AircraftPage& m_aircraft;
    std::array<WingPage*, tv::kWingMax + 1> m_wings;
    QPlainTextEdit& m_remarks;
    const tv::AircraftTexts& m_document;
    tv::Unit m_unit = tv::Unit::Millimetre;
    mutable const tv::AircraftTexts* m_incoming = nullptr; // the texts writeWings is writing
};
