// Edits of the model: field access, the change events, the recalculation pass, the counts, the
// scaling, the stability switches and the edit history.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/document/file_messages.h"
#include "app/main_window.h"
#include "app/pages/balance_panel.h"
#include "app/span_loading_window.h"
#include "files/units_settings.h"
#include "app/pages/trim_page.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "model/parse.h"
#include "model/planform.h"
#include "i18n/session_texts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

// ---- Field access ----------------------------------------------------------------------------------

int TForm1::activeWing() const {
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (m_pages->currentWidget() == m_wing[w]) return w;
    return 0;
}

// ---- Change events -----------------------------------------------------------------------------------

void TForm1::onFieldEdited(int w, tv::WingField f) {
    if (m_building) return;
    if (f == tv::WingField::RootOffset) {
        CalcWing(w);
        Space1();
    } else if (f == tv::WingField::PositionX || f == tv::WingField::PositionZ) {
        Calc();
    } else {
        CalcWing(w);
    }
    recordEdit({tv::EditKind::Field, w, int(f)}, true);
    showFieldRefusal(w, f);
}

void TForm1::onFieldFinished(int w, tv::WingField f) {
    if (m_building) return;
    // Refused text gives way to the value kept; in inches "12.5" becomes "12.520", what was stored.
    m_fields->showStored(w, f);
    field(w, f)->setToolTip(QString());
}

void TForm1::showFieldRefusal(int w, tv::WingField f) {
    const QString why = QString::fromStdString(m_fields->refusal(w, f, UiLanguage));
    QLineEdit* e = field(w, f);
    if (e->toolTip() == why) return;
    e->setToolTip(why);
    if (!why.isEmpty() && m_statusLine) m_statusLine->setText(why);
}

void TForm1::CalcWing(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    takeFieldTexts();
    computeWing(w);
    if (m_building) return;
    showResultState();
    scheduleLiveCalculation();
}

void TForm1::computeWing(int w) {
    drawPlanformView(w);
    showWingFigures(w, m_doc.aircraft().Wings[w]);
}

void TForm1::showWingFigures(int w, const tv::Wing& wing) { m_wing[w]->showFigures(wing, UiLanguage, m_units); }

void TForm1::Space1() { m_fields->showGapQuestions(Catalogue.TxtGapQuestion1, Catalogue.TxtGapQuestion2); }

// ---- Units ---------------------------------------------------------------------------------------

void TForm1::setDisplayUnits(const tv::DisplayUnits& units) {
    cancelPlanformDrag();
    m_units = units;
    m_actions->showUnits(units);
    m_fields->setLengthUnit(units.length);
    m_fields->showAllStored();
    if (m_building) return;
    // Everything that shows a figure reads the units as it draws: all of it is shown again.
    m_calc->relocalise(UiLanguage); // a refused length in the results box
    showResultState();
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    FormResize();
    STABIL();
    showTrim();
    if (m_spanLoading) m_spanLoading->update();
}

void TForm1::chooseUnits(const tv::DisplayUnits& units) {
    if (units != m_units) setDisplayUnits(units);
    m_actions->showUnits(m_units); // a checked item clicked again stays checked
    const std::string path = tv::unitsSettingsPath();
    if (tv::readUnitsSettings(path) == units) return;
    if (const auto error = tv::writeUnitsSettings(path, units)) m_dialogs->showError(this, saveErrorText(UiLanguage, *error));
}

void TForm1::chooseUnit(tv::Unit u) {
    tv::DisplayUnits units = m_units;
    units.set(u);
    chooseUnits(units);
}

// ---- Counts ------------------------------------------------------------------------------------------

void TForm1::chooseWingCount(int n) {
    // Nothing is lost by another count: the wings beyond it keep their fields, and undo brings it back.
    if (n == m_doc.wingCount()) return;
    SetWingCount(n);
    recordEdit({tv::EditKind::WingCount});
}

void TForm1::SetWingCount(int n) {
    if (n < 1 || n > tv::kWingMax) return;
    m_doc.setWingCount(n);
    m_aircraft->selectWingCount(n);
    for (int w = 1; w <= tv::kWingMax; ++w) m_pages->setTabVisible(m_pages->indexOf(m_wing[w]), w <= n);
    m_aircraft->showWingsInUse(n);
    m_aircraft->uncheckPressure();
    Calc();
}

void TForm1::SetTrapeziumCount(int w, int n) {
    if (w < 1 || w > tv::kWingMax || n < 1 || n > tv::kTrapeziumMax) return;
    m_wing[w]->selectTrapeziumCount(n);
    drawDimensionDiagram(w);
    CalcWing(w);
}

// ---- The recalculation pass -------------------------------------------------------------------------

void TForm1::Calc() {
    m_aircraft->uncheckPressure();
    m_aircraft->ScrollBar3->setValue(100);
    takeFieldTexts();
    for (int w = 1; w <= tv::kWingMax; ++w) computeWing(w);
    m_aircraft->Image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView();
    draw3DView();
    redrawThumbnails(Catalogue.TxtWingCaption);
    if (m_building) return;
    showResultState();
    scheduleLiveCalculation();
}

void TForm1::redrawThumbnails(const std::array<std::string, tv::kWingMax + 1>& caption) {
    for (int w = 1; w <= tv::kWingMax; ++w) m_aircraft->redrawThumbnail(w, QString::fromStdString(caption[w]));
}

void TForm1::PageControl1Change() {
    if (m_building) return;
    if (m_hiddenViewsStale) FormResize();
    updateActions();
    if (!neutralPointKnown()) Calc();
    if (m_pages->currentWidget() == m_trim) showTrim();
}

// ---- Pressure and stability switches --------------------------------------------------------------

void TForm1::CheckBoxAClick() {
    m_aircraft->ScrollBar6->setVisible(m_aircraft->CheckBoxA->isChecked());
    if (!neutralPointKnown()) Calc();
    drawAircraftView();
    draw3DView();
    // With the switch on the 3D view already ran the stability picture over the tinted lattice.
    if (!m_aircraft->CheckBoxA->isChecked()) STABIL();
}

void TForm1::marginEdited() {
    m_calc->setDesiredMargin(tv::desiredMarginFromText(m_aircraft->Edit_Mstab->text().toStdString()));
    if (m_building) return;
    STABIL();
    showResultState();
}

// ---- Scaling -------------------------------------------------------------------------------------

void TForm1::Mscale1Click() {
    m_actions->setScaleControlsVisible(true);
    m_actions->E_scale->setFocus();
    m_actions->E_scale->selectAll();
}

void TForm1::Bscale1Click() {
    const EditScope step(*this, tv::EditStep{tv::EditKind::Scaling});
    m_actions->setScaleControlsVisible(false);
    const double factor = tv::parseReal(m_actions->E_scale->text().toStdString());
    m_fields->scale(factor);
    Calc();
}

// ---- History -------------------------------------------------------------------------------------

void TForm1::updateUndoTexts() {
    m_actions->Undo1->setText(QString::fromStdString(tv::undoText(UiLanguage, m_doc.history.undoStep())));
    m_actions->Redo1->setText(QString::fromStdString(tv::redoText(UiLanguage, m_doc.history.redoStep())));
    updateActions();
}

// The texts undo or redo returned go into the controls, whose change handlers recompute.
void TForm1::applyHistoryTexts(const tv::AircraftTexts& texts) {
    writeAircraftTexts(texts, std::nullopt);
    Calc();
    STABIL();
}
