// The calculate command, the live neutral point's switch, and the result state of the pages; the
// commands that hand the result on are the result commands', forwarded.
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/balance_panel.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"
#include "printing/report_page.h"
#include "views/span_loading.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

// ---- Commands and result state --------------------------------------------------------------------

void TForm1::updateActions() {
    if (!m_actions || !m_calc) return;
    const CalculationResult* r = currentResult();
    ActionState s;
    // The command calculates what has no result yet, or tries again what was short of memory; a
    // live result is calculated again on request (it shows the lattice while it solves).
    s.calculate = !r || r->retry || r->source == ResultSource::Live;
    s.results = r && r->latticeKnown();
    s.save = m_doc.saveOffered();
    s.undo = m_doc.history.canUndo();
    s.redo = m_doc.history.canRedo();
    s.wingCount = m_wingCount;
    s.activeWing = activeWing();
    s.clipboardHasWing = ClipboardHasWing;
    m_actions->apply(s);
}

void TForm1::showResultState() {
    const CalculationResult* r = currentResult();
    for (int w = 1; w <= tv::kWingMax; ++w) {
        std::optional<tv::AerodynamicCentreTexts> ac;
        if (r && r->usable) ac = tv::aerodynamicCentreTexts(r->aircraft.Wings[w], r->WingAcX[w], r->WingAcY[w]);
        m_wing[w]->showAerodynamicCentre(ac);
    }
    m_aircraft->showMessages(r ? r->messages : std::vector<std::string>{}, Catalogue.TxtErrorHeader,
                             tv::zSeparationNotice(UiLanguage).front());
    const bool np = r && r->neutralPointKnown();
    m_aircraft->Label21->setText(np ? QString::fromStdString(tv::marginLabelText(UiLanguage, r->reference.NeutralPointX, r->numbers))
                                    : QString::fromLatin1(tv::kMarginLabelUnknown));
    if (np)
        m_aircraft->Image2->setCursor(Qt::DragMoveCursor);
    else
        m_aircraft->Image2->unsetCursor();
    if (m_spanLoading) m_spanLoading->update();
    m_balance->refresh();
    updateActions();
}

// ---- Calculate ------------------------------------------------------------------------------------

void TForm1::Button4Click() {
    if (m_pages->currentWidget() != m_aircraft) m_pages->setCurrentWidget(m_aircraft);
    m_actions->setScaleControlsVisible(false);
    m_aircraft->showBusy(true);
    Calc();
    m_aircraft->Memo1->hide();
    repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The elimination reports its remaining columns. Its first report comes once the lattice is
    // laid out, which is then shown while the system is solved. Later reports repaint the count
    // at most every 50 ms so that it is seen without slowing the elimination down.
    QElapsedTimer sinceRepaint;
    bool first = true;
    m_calc->calculate(fieldTexts(), UiLanguage, [&](int columnsLeft, const tv::SolverWorkspace& ws) {
        if (first) {
            m_aircraft->paintLattice(ws);
            m_aircraft->Image2->repaint();
            sinceRepaint.start();
        }
        if (first || sinceRepaint.elapsed() >= 50) {
            m_aircraft->showColumnsLeft(columnsLeft);
            sinceRepaint.restart();
            first = false;
        }
    });
    m_aircraft->showBusy(false);
    QApplication::restoreOverrideCursor();
    presentResult(false);
    m_dialogs->beep();
}

void TForm1::presentResult(bool live) {
    const CalculationResult* r = m_calc->latest();
    if (!r) return;
    // Wings moved in height: their z fields show the new positions.
    if (r->ws) {
        for (int w = 1; w <= tv::kWingMax; ++w) {
            if (!r->ws->WingMoved[w]) continue;
            QLineEdit* z = field(w, tv::WingField::PositionZ);
            const QSignalBlocker block(z);
            z->setText(QString::fromStdString(r->texts.wings[w][tv::WingField::PositionZ]));
            Model.Wings[w].PositionZ = r->aircraft.Wings[w].PositionZ;
        }
        recordEdit({tv::EditKind::HeightSeparation});
    }
    // The command lays out and redraws every view; a live result, one of many during a drag,
    // redraws what can be seen, and the rest when its page is shown.
    if (live)
        redrawShownViews();
    else if (r->usable)
        FormResize();
    else {
        drawAircraftView();
        draw3DView();
    }
    showResultState();
    // The result's marks belong to the dragged shape: its rubber band stays over the redrawn view.
    if (live) m_planform.showDrag();
}

// ---- Live neutral point ---------------------------------------------------------------------------

void TForm1::setLiveNeutralPoint(bool on) {
    QAction* item = m_actions->LiveNeutralPoint1;
    if (item->isChecked() != on) {
        const QSignalBlocker block(item);
        item->setChecked(on);
    }
    m_calc->setLiveMode(on);
}

// ---- Span loading and the commands that hand the result on ---------------------------------------

tv::SpanLoadingScene TForm1::spanLoadingScene() const { return m_results->spanLoadingScene(); }
tv::ReportData TForm1::reportData(double pictureScale) const { return m_results->reportData(pictureScale); }

void TForm1::SpanLoading1Click() {
    m_spanLoading->show();
    m_spanLoading->raise();
    m_spanLoading->activateWindow();
}
