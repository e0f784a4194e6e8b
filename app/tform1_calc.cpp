// The recalculation pass, the per-wing planform computation, the count buttons and page changes.
#include "app/imagecontrol.h"
#include "app/pictures.h"
#include "app/tform1.h"
#include "app/wingcontrols.h"
#include "model/parse.h"
#include "model/planform.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

// ---- Field access ----------------------------------------------------------------------------------

QLineEdit* TForm1::field(int w, tv::WingField f) const {
    if (w < 1 || w > tv::kWingMax) return nullptr;
    return m_fields[w][int(f)];
}

QRadioButton* TForm1::trapeziumButton(int w, int n) const {
    if (w < 1 || w > tv::kWingMax || n < 1 || n > tv::kTrapeziumMax) return nullptr;
    return m_trapButtons[w][n];
}

int TForm1::trapeziumCount(int w) const {
    // Tested from the largest count down, as the checked button is looked for.
    for (int n = tv::kTrapeziumMax; n >= 1; --n)
        if (m_trapButtons[w][n]->isChecked()) return n;
    return 1;
}

int TForm1::activeWing() const {
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (m_pages->currentWidget() == m_wingPage[w]) return w;
    return 0;
}

tv::WingTexts TForm1::wingTexts(int w) const {
    tv::WingTexts t;
    if (w < 1 || w > tv::kWingMax) return t;
    for (int f = 0; f < tv::kWingFieldCount; ++f) t.field[f] = m_fields[w][f]->text().toStdString();
    t.TrapeziumCount = trapeziumCount(w);
    return t;
}

tv::AircraftTexts TForm1::fieldTexts() const {
    tv::AircraftTexts t;
    t.WingCount = m_wingCount;
    for (int w = 1; w <= tv::kWingMax; ++w) t.wings[w] = wingTexts(w);
    t.Comment = m_memo2->toPlainText().toStdString();
    return t;
}

void TForm1::writeFieldTexts(const tv::AircraftTexts& texts, int firstWing, int lastWing) {
    for (int w = firstWing; w <= lastWing; ++w) {
        const tv::WingTexts& wt = texts.wings[w];
        if (wt.TrapeziumCount >= 1 && wt.TrapeziumCount <= tv::kTrapeziumMax)
            m_trapButtons[w][wt.TrapeziumCount]->setChecked(true);
        for (int f = 0; f < tv::kWingFieldCount; ++f) {
            const QString text = QString::fromStdString(wt.field[f]);
            if (m_fields[w][f]->text() != text) m_fields[w][f]->setText(text);
        }
    }
}

// ---- Change events -----------------------------------------------------------------------------------

void TForm1::onWingFieldChanged(int w, tv::WingField f, QObject* sender) {
    if (m_building) return;
    if (f == tv::WingField::RootOffset)
        Space1(sender);
    else if (f == tv::WingField::PositionX || f == tv::WingField::PositionZ)
        Calc(sender);
    else
        CalcWing(w, sender);
}

void TForm1::setAerodynamicCentresShown(bool shown) {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        m_results[w].anpCaption->setEnabled(shown);
        m_results[w].yCaption->setEnabled(shown);
        m_results[w].anp->setVisible(shown);
        m_results[w].ynp->setVisible(shown);
    }
}

void TForm1::setScaleControlsVisible(bool visible) {
    for (QWidget* c : std::initializer_list<QWidget*>{m_lscaleF, m_eScale, m_bscale1}) c->setVisible(visible);
    // The file name gives way to the scale controls while they show.
    place(m_labFName, visible ? 472 : 200, 4, visible ? 356 : 628, 20);
}

void TForm1::setManualControlsVisible(bool visible) {
    for (QWidget* c : std::initializer_list<QWidget*>{m_label21, m_label22, m_editMstab, m_scroll5})
        c->setVisible(visible);
}

// ---- Planform computation of one wing ---------------------------------------------------------------

void TForm1::CalcWing(int w, QObject* sender) {
    if (w < 1 || w > tv::kWingMax) return;
    if (!RedrawOnly) {
        setCalcEnabled(true);
        m_copyResults1->setEnabled(false);
        NeutralPointKnown = false;
        m_image2->unsetCursor();
        setAerodynamicCentresShown(false);
        if (sender != m_button4) scheduleLiveCalculation();
    }
    Model.Wings[w] = tv::computeWing(wingTexts(w));
    drawPlanformView(w);
    showWingFigures(w, Model.Wings[w]);
}

void TForm1::showWingFigures(int w, const tv::Wing& wing) {
    const auto stations = tv::stationLabelTexts(wing);
    for (int s = 1; s <= tv::kSectionMax; ++s) m_station[w][s]->setText(QString::fromStdString(stations[s]));
    const tv::PlanformLabelTexts labels = tv::planformLabelTexts(w, wing.planform);
    ResultLabels& r = m_results[w];
    r.b->setText(QString::fromStdString(labels.b));
    r.s->setText(QString::fromStdString(labels.S));
    r.lm->setText(QString::fromStdString(labels.lm));
    r.r25->setText(QString::fromStdString(labels.r25));
    r.lam->setText(QString::fromStdString(labels.lam));
}

void TForm1::Space1(QObject* sender) {
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (sender == m_fields[w][int(tv::WingField::RootOffset)]) CalcWing(w, sender);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const bool gap = tv::parseLenientInt(m_fields[w][int(tv::WingField::RootOffset)]->text().toStdString()) != 0;
        m_gap[w][1]->setText(gap ? QString::fromStdString(Catalogue.TxtGapQuestion1) : QString());
        m_gap[w][2]->setText(gap ? QString::fromStdString(Catalogue.TxtGapQuestion2) : QString());
    }
}

// ---- Counts ------------------------------------------------------------------------------------------------

void TForm1::SetWingCount(int n) {
    if (n < 1 || n > tv::kWingMax) return;
    m_wingCount = n;
    Model.WingCount = n;
    {
        const QSignalBlocker block(m_wingCountButtons[n]);
        m_wingCountButtons[n]->setChecked(true);
    }
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const bool on = w <= n;
        m_pages->setTabVisible(m_pages->indexOf(m_wingPage[w]), on);
        m_thumb[w]->setVisible(on);
        m_fields[w][int(tv::WingField::PositionX)]->setVisible(on || w == 1);
        m_fields[w][int(tv::WingField::PositionZ)]->setVisible(on || w == 1);
        for (QLabel* caption : m_positionCaption[w]) caption->setVisible(on || w == 1);
    }
    m_wing21->setEnabled(n >= 2);
    m_wing31->setEnabled(n >= 3);
    static const int chngNeeds[6] = {0, 2, 3, 3, 4, 5};
    for (int i = 1; i <= 5; ++i) m_chng[i]->setEnabled(n >= chngNeeds[i]);
    uncheckPressure();
    Calc(m_wingCountButtons[n]);
}

void TForm1::SetTrapeziumCount(int w, int n) {
    if (w < 1 || w > tv::kWingMax || n < 1 || n > tv::kTrapeziumMax) return;
    {
        const QSignalBlocker block(m_trapButtons[w][n]);
        m_trapButtons[w][n]->setChecked(true);
    }
    drawDimensionDiagram(w);
    showTrapeziumFields(w, n);
    CalcWing(w, m_trapButtons[w][n]);
}

void TForm1::showTrapeziumFields(int w, int n) {
    for (int f = 0; f < 14; ++f) m_fields[w][f]->setVisible(kFieldTrapezium[f] <= n);
    for (int s = 1; s <= tv::kSectionMax; ++s) m_station[w][s]->setVisible(s <= n + 1);
}

// ---- The recalculation pass -------------------------------------------------------------------------

void TForm1::uncheckPressure() {
    const QSignalBlocker block(m_checkBoxA);
    m_checkBoxA->setChecked(false);
    m_scroll6->hide();
}

void TForm1::Calc(QObject* sender) {
    uncheckPressure();
    if (!RedrawOnly) {
        m_scroll3->setValue(100);
        NeutralPointKnown = false;
        LatticeKnown = false;
        spanLoadingChanged();
        m_image2->unsetCursor();
        setCalcEnabled(true);
        m_copyResults1->setEnabled(false);
        setAerodynamicCentresShown(false);
        m_label21->setText(QStringLiteral("%"));
    }
    for (int w = 1; w <= tv::kWingMax; ++w) CalcWing(w, sender);
    Model.WingCount = m_wingCount;
    m_image2->clear(systemColours().toolTipBackground, tv::kGreyOutline);
    drawAircraftView();
    draw3DView();
    redrawThumbnails(Catalogue.TxtWingCaption);
    if (sender != m_print1 && sender != m_sb5) setPrintingEnabled(false);
    m_memo1->setPlainText(QString::fromStdString(Catalogue.TxtErrorHeader));
    m_memo1->hide();
    if (!RedrawOnly && sender != m_button4) scheduleLiveCalculation();
}

void TForm1::redrawThumbnails(const std::array<std::string, tv::kWingMax + 1>& caption) {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        drawWingThumbnail(m_thumb[w]->canvas(), w);
        drawThumbnailCaption(m_thumb[w]->canvas(), QString::fromStdString(caption[w]));
        m_thumb[w]->update();
    }
}

void TForm1::setCalcEnabled(bool on) {
    // One rule for the button and the tool button: an edit of the model offers the calculation,
    // a finished one withdraws it; a redraw (resize, printing) leaves both as they are.
    m_button4->setEnabled(on);
    m_sb4->setEnabled(on);
}

void TForm1::setPrintingEnabled(bool on) {
    m_sb5->setEnabled(on);
    m_print1->setEnabled(on);
    if (m_exportPdf1) m_exportPdf1->setEnabled(on);
}

void TForm1::setSaveEnabled(bool on) {
    m_sb3->setEnabled(on);
    m_save3->setEnabled(on);
}

void TForm1::setInsertEnabled(bool on) {
    for (int w = 1; w <= tv::kWingMax; ++w) m_insertButton[w]->setEnabled(on);
}

void TForm1::setCopyMenuEnabled(bool copy, bool insert) {
    m_copyWing1->setEnabled(copy);
    m_insertWing1->setEnabled(insert);
}

void TForm1::PageControl1Change() {
    if (m_building) return;
    if (m_hiddenViewsStale) FormResize();
    const int w = activeWing();
    if (w >= 1 && w <= 3) setCopyMenuEnabled(true, ClipboardHasWing);
    if (m_pages->currentWidget() == m_aircraftPage || m_pages->currentWidget() == m_remarksPage)
        setCopyMenuEnabled(false, false);
    if (!NeutralPointKnown) Calc(m_pages);
}

// ---- Pressure and stability switches --------------------------------------------------------------

void TForm1::CheckBoxAClick() {
    m_scroll6->setVisible(m_checkBoxA->isChecked());
    if (!NeutralPointKnown) Calc(m_checkBoxA);
    drawAircraftView();
    draw3DView();
    // With the switch on the 3D view already ran the stability picture over the tinted lattice.
    if (!m_checkBoxA->isChecked()) STABIL();
}

void TForm1::RadioButton15Click() {
    m_scroll3->setValue(100);
    setManualControlsVisible(false);
    STABIL();
}

void TForm1::RadioButton16Click() {
    m_scroll3->setValue(100);
    setManualControlsVisible(true);
    STABIL();
}
