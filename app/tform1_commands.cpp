// The calculate command and the scaling of the aircraft.
#include "app/imagecontrol.h"
#include "app/scaling.h"
#include "app/tform1.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/workspace.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

// ---- Calculate ------------------------------------------------------------------------------------

void TForm1::Button4Click() {
    if (m_pages->currentWidget() != m_aircraftPage) m_pages->setCurrentWidget(m_aircraftPage);
    AbortCalculation = false;
    setScaleControlsVisible(false);
    m_labelW->show();
    m_button4->hide();
    m_sb4->setEnabled(false);
    m_memo1->clear();
    m_memo1->hide();
    Calc(m_button4);
    repaint();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!m_workspace) m_workspace = tv::makeSolverWorkspace();
    if (!m_workspace) { // tried again at the next calculation
        QApplication::restoreOverrideCursor();
        AbortCalculation = true;
        showCalculationMessages({tv::notEnoughMemoryLine(UiLanguage)});
        finishCalculation(false, Model);
        m_dialogs->beep();
        return;
    }
    tv::SolverWorkspace& ws = *m_workspace;
    const tv::AircraftTexts texts = fieldTexts();
    tv::Aircraft aircraft = tv::computeAircraft(texts);
    // The elimination reports its remaining columns. Its first report comes once the lattice is
    // laid out, which is then shown while the system is solved. Later reports repaint the count
    // at most every 50 ms so that it is seen without slowing the elimination down.
    QElapsedTimer sinceRepaint;
    bool first = true;
    tv::runCalculation(aircraft, ws, UiLanguage, [&](int columnsLeft) {
        if (first) {
            paintLattice();
            m_image2->repaint();
            sinceRepaint.start();
        }
        if (first || sinceRepaint.elapsed() >= 50) {
            m_label24->setText(QString::number(columnsLeft));
            m_label24->show();
            m_label24->repaint();
            sinceRepaint.restart();
            first = false;
        }
    });
    m_label24->hide();
    QApplication::restoreOverrideCursor();
    m_shownTexts = texts;
    m_shownAircraft = aircraft;
    presentCalculation(aircraft, false);
    m_dialogs->beep();
}

void TForm1::presentCalculation(const tv::Aircraft& aircraft, bool live) {
    const tv::SolverWorkspace& ws = *m_workspace;
    AbortCalculation = ws.AbortCalculation;
    // Wings moved in height: their z fields show the new positions.
    for (int w = 1; w <= tv::kWingMax; ++w) {
        if (!ws.WingMoved[w]) continue;
        QLineEdit* z = field(w, tv::WingField::PositionZ);
        const QSignalBlocker block(z);
        z->setText(QString::number(aircraft.Wings[w].PositionZ));
        Model.Wings[w].PositionZ = aircraft.Wings[w].PositionZ;
    }
    recordEdit({tv::EditKind::HeightSeparation});
    // A live result may follow another without an edit between them (the steps of a drag).
    m_memo1->setPlainText(QString::fromStdString(Catalogue.TxtErrorHeader));
    m_memo1->hide();
    showCalculationMessages(ws.Messages);
    // What aborted shows no results, whichever step failed: the batch calculator decides alike.
    finishCalculation(tv::resultsUsable(ws), aircraft, live);
    // The calculate command's own pass disabled printing before it ran; a live failure follows an
    // edit that may have left it on from an earlier result.
    if (!tv::resultsUsable(ws)) setPrintingEnabled(false);
    if (live) {
        // The results are current, and the command stays at hand: it calculates the same again.
        m_button4->setEnabled(true);
        m_sb4->setEnabled(true);
    }
    spanLoadingChanged();
}

void TForm1::showCalculationMessages(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    QStringList text;
    if (lines.front() != tv::zSeparationNotice(UiLanguage).front())
        text << QString::fromStdString(Catalogue.TxtErrorHeader);
    for (const std::string& line : lines) text << QString::fromStdString(line);
    m_memo1->setPlainText(text.join(QLatin1Char('\n')));
    m_memo1->show();
}

void TForm1::finishCalculation(bool succeeded, const tv::Aircraft& aircraft, bool live) {
    if (succeeded) {
        const tv::SolverWorkspace& ws = *m_workspace;
        for (int w = 1; w <= tv::kWingMax; ++w) {
            WingAcX[w] = ws.WingAcX[w];
            WingAcY[w] = ws.WingAcY[w];
            const tv::AerodynamicCentreTexts ac = tv::aerodynamicCentreTexts(aircraft.Wings[w], ws.WingAcX[w], ws.WingAcY[w]);
            m_results[w].anp->setText(QString::fromStdString(ac.x + "mm"));
            m_results[w].ynp->setText(QString::fromStdString(ac.y + "mm"));
        }
        Reference = {ws.ReferenceArea, ws.ReferenceChord, ws.NeutralPointX};
        NeutralPointKnown = true;
        LatticeKnown = true;
        m_image2->setCursor(Qt::DragMoveCursor);
        // The command lays out and redraws every view, the stability marks included; a live
        // result, one of many during a drag, redraws only what can be seen.
        if (live)
            redrawShownViews();
        else
            FormResize();
        setPrintingEnabled(true);
        m_copyResults1->setEnabled(true);
        setAerodynamicCentresShown(true);
    } else {
        drawAircraftView();
        draw3DView();
    }
    m_labelW->hide();
    m_button4->show();
    m_button4->setEnabled(false);
    m_sb4->setEnabled(false);
}

// ---- Scaling -------------------------------------------------------------------------------------

void TForm1::Mscale1Click() {
    setScaleControlsVisible(true);
    m_eScale->setFocus();
    m_eScale->selectAll();
}

void TForm1::Bscale1Click() {
    const EditScope step(*this, tv::EditStep{tv::EditKind::Scaling});
    setScaleControlsVisible(false);
    const double factor = tv::parseReal(m_eScale->text().toStdString());
    for (const ScaledField& s : scalingOrder()) {
        QLineEdit* e = field(s.wing, s.field);
        e->setText(QString::fromStdString(scaledFieldText(e->text().toStdString(), factor)));
    }
    Calc(m_bscale1);
}
