#include "app/pages/aircraft_fields.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/scaling.h"
#include "model/parse.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

AircraftFields::AircraftFields(AircraftPage& aircraft, const std::array<WingPage*, tv::kWingMax + 1>& wings,
                               QPlainTextEdit& remarks, const tv::AircraftTexts& document)
    : m_aircraft(aircraft), m_wings(wings), m_remarks(remarks), m_document(document) {}

QLineEdit* AircraftFields::field(int w, tv::WingField f) const {
    if (w < 1 || w > tv::kWingMax) return nullptr;
    if (f == tv::WingField::PositionX) return m_aircraft.positionX[w];
    if (f == tv::WingField::PositionZ) return m_aircraft.positionZ[w];
    return m_wings[w]->field(f);
}

QRadioButton* AircraftFields::trapeziumButton(int w, int n) const {
    return w >= 1 && w <= tv::kWingMax ? m_wings[w]->trapeziumButton(n) : nullptr;
}

int AircraftFields::trapeziumCount(int w) const { return m_wings[w]->trapeziumCount(); }

tv::WingTexts AircraftFields::wingTexts(int w) const {
    tv::WingTexts t;
    if (w < 1 || w > tv::kWingMax) return t;
    for (int f = 0; f < tv::kWingFieldCount; ++f) t.field[f] = storedText(w, tv::WingField(f));
    t.TrapeziumCount = trapeziumCount(w);
    return t;
}

tv::AircraftTexts AircraftFields::texts() const {
    tv::AircraftTexts t;
    t.WingCount = m_document.WingCount;
    for (int w = 1; w <= tv::kWingMax; ++w) t.wings[w] = wingTexts(w);
    t.Comment = m_remarks.toPlainText().toStdString();
    t.Balance = m_document.Balance;
    t.Trim = m_document.Trim;
    return t;
}

void AircraftFields::writeWings(const tv::AircraftTexts& texts, int firstWing, int lastWing) const {
    // The texts coming in are what the fields' change handlers take, not a reading of them.
    m_incoming = &texts;
    for (int w = firstWing; w <= lastWing; ++w) {
        const tv::WingTexts& wt = texts.wings[w];
        if (wt.TrapeziumCount >= 1 && wt.TrapeziumCount <= tv::kTrapeziumMax)
            m_wings[w]->trapeziumButton(wt.TrapeziumCount)->setChecked(true);
        for (int f = 0; f < tv::kWingFieldCount; ++f) {
            QLineEdit* e = field(w, tv::WingField(f));
            if (m_unit == tv::Unit::Millimetre) {
                const QString text = QString::fromStdString(wt.field[f]);
                if (e->text() != text) e->setText(text);
            } else if (const tv::LengthReading r = reading(w, tv::WingField(f));
                       !r.ok || r.mm != tv::parseLenientInt(wt.field[f])) {
                // A field that already reads the value (one being typed among them) keeps its text.
                e->setText(shownText(wt.field[f]));
            }
        }
    }
    m_incoming = nullptr;
}

// ---- Lengths in the chosen unit --------------------------------------------------------------------

tv::LengthReading AircraftFields::reading(int w, tv::WingField f, tv::UiLanguage lang) const {
    return tv::readLengthField(field(w, f)->text().toStdString(), m_unit, tv::kLengthLimit, lang);
}

std::string AircraftFields::storedText(int w, tv::WingField f) const {
    const std::string typed = field(w, f)->text().toStdString();
    const std::string& document = m_document.wings[w][f];
    const tv::LengthReading r = reading(w, f);
    if (!r.ok) return document;
    // In mm a text without a unit after it is the document's text as typed.
    if (m_unit == tv::Unit::Millimetre && r.mm == tv::parseLenientInt(typed)) return typed;
    if (m_incoming && r.mm == tv::parseLenientInt(m_incoming->wings[w][f])) return m_incoming->wings[w][f];
    if (r.mm == tv::parseLenientInt(document)) return document;
    return std::to_string(r.mm);
}

QString AircraftFields::shownText(const std::string& stored) const {
    if (m_unit == tv::Unit::Millimetre) return QString::fromStdString(stored);
    return QString::fromStdString(tv::lengthFieldText(tv::parseLenientInt(stored), m_unit));
}

void AircraftFields::showStored(int w, tv::WingField f) const {
    QLineEdit* e = field(w, f);
    const QString shown = shownText(m_document.wings[w][f]);
    if (e->text() == shown) return;
    const QSignalBlocker block(e);
    e->setText(shown);
}

void AircraftFields::showAllStored() const {
    for (int w = 1; w <= tv::kWingMax; ++w)
        for (int f = 0; f < tv::kWingFieldCount; ++f) showStored(w, tv::WingField(f));
}

void AircraftFields::writeField(int w, tv::WingField f, const std::string& stored) const {
    field(w, f)->setText(shownText(stored));
}

std::string AircraftFields::refusal(int w, tv::WingField f, tv::UiLanguage lang) const {
    const tv::LengthReading r = reading(w, f, lang);
    return r.ok ? std::string() : r.refusal;
}

void AircraftFields::writeRemarks(const std::string& comment) const {
    const QString text = QString::fromStdString(comment);
    if (m_remarks.toPlainText() != text) m_remarks.setPlainText(text);
}

void AircraftFields::scale(double factor) const {
    // Each write runs its change handler, which takes the fields into the document: the next field
    // is scaled from the document's millimetres.
    for (const ScaledField& s : scalingOrder()) {
        QLineEdit* e = field(s.wing, s.field);
        if (m_unit == tv::Unit::Millimetre)
            e->setText(QString::fromStdString(scaledFieldText(e->text().toStdString(), factor)));
        else
            e->setText(shownText(scaledFieldText(storedText(s.wing, s.field), factor)));
    }
}

void AircraftFields::showGapQuestions(const std::string& line1, const std::string& line2) const {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const bool gap = tv::parseLenientInt(storedText(w, tv::WingField::RootOffset)) != 0;
        m_wings[w]->showGapQuestion(gap ? line1 : std::string(), gap ? line2 : std::string());
    }
}
