#include "app/pages/aircraft_fields.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/scaling.h"
#include "model/parse.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

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
    for (int f = 0; f < tv::kWingFieldCount; ++f) t.field[f] = field(w, tv::WingField(f))->text().toStdString();
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
    for (int w = firstWing; w <= lastWing; ++w) {
        const tv::WingTexts& wt = texts.wings[w];
        if (wt.TrapeziumCount >= 1 && wt.TrapeziumCount <= tv::kTrapeziumMax)
            m_wings[w]->trapeziumButton(wt.TrapeziumCount)->setChecked(true);
        for (int f = 0; f < tv::kWingFieldCount; ++f) {
            const QString text = QString::fromStdString(wt.field[f]);
            QLineEdit* e = field(w, tv::WingField(f));
            if (e->text() != text) e->setText(text);
        }
    }
}

void AircraftFields::writeRemarks(const std::string& comment) const {
    const QString text = QString::fromStdString(comment);
    if (m_remarks.toPlainText() != text) m_remarks.setPlainText(text);
}

void AircraftFields::scale(double factor) const {
    for (const ScaledField& s : scalingOrder()) {
        QLineEdit* e = field(s.wing, s.field);
        e->setText(QString::fromStdString(scaledFieldText(e->text().toStdString(), factor)));
    }
}

void AircraftFields::showGapQuestions(const std::string& line1, const std::string& line2) const {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const bool gap = tv::parseLenientInt(field(w, tv::WingField::RootOffset)->text().toStdString()) != 0;
        m_wings[w]->showGapQuestion(gap ? line1 : std::string(), gap ? line2 : std::string());
    }
}
