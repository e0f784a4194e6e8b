#include "app/calculation/result_presenter.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/dialogs.h"
#include "app/document/project_document.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"
#include "model/planform.h"
#include "stability/stability.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include <optional>

ResultPresenter::ResultPresenter(CalculationController& calc, const ProjectDocument& doc, TDialogs& dialogs,
                                 WindowActions& actions, QTabWidget& pages, AircraftPage& aircraft,
                                 const std::array<WingPage*, tv::kWingMax + 1>& wings, Window hooks)
    : m_calc(calc), m_doc(doc), m_dialogs(dialogs), m_actions(actions), m_pages(pages), m_aircraft(aircraft),
      m_wing(wings), m_hooks(std::move(hooks)) {}

const CalculationResult* ResultPresenter::currentResult() const { return m_calc.resultFor(m_hooks.shownTexts()); }

// ---- Commands and result state --------------------------------------------------------------------

void ResultPresenter::updateActions() {
    const CalculationResult* r = currentResult();
    ActionState s;
    // The command calculates what has no result yet, or tries again what was short of memory; a
    // live result is calculated again on request (it shows the lattice while it solves).
    s.calculate = !r || r->retry || r->source == ResultSource::Live;
    s.results = r && r->latticeKnown();
    s.save = m_doc.saveOffered();
    s.undo = m_doc.history.canUndo();
    s.redo = m_doc.history.canRedo();
    s.wingCount = m_hooks.wingCount();
    s.activeWing = m_hooks.activeWing();
    s.clipboardHasWing = m_hooks.clipboardHasWing();
    m_actions.apply(s);
}

void ResultPresenter::showResultState() {
    const CalculationResult* r = currentResult();
    for (int w = 1; w <= tv::kWingMax; ++w) {
        std::optional<tv::AerodynamicCentreTexts> ac;
        if (r && r->usable) ac = tv::aerodynamicCentreTexts(r->aircraft.Wings[w], r->WingAcX[w], r->WingAcY[w]);
        m_wing[w]->showAerodynamicCentre(ac);
    }
    const tv::UiLanguage lang = m_hooks.language();
    m_aircraft.showMessages(r ? r->messages : std::vector<std::string>{}, m_hooks.catalogue().TxtErrorHeader,
                            tv::zSeparationNotice(lang).front());
    const bool np = r && r->neutralPointKnown();
    m_aircraft.Label21->setText(
        np ? QString::fromStdString(tv::marginLabelText(lang, r->reference.NeutralPointX, r->numbers))
           : QString::fromLatin1(tv::kMarginLabelUnknown));
    if (np)
        m_aircraft.Image2->setCursor(Qt::DragMoveCursor);
    else
        m_aircraft.Image2->unsetCursor();
    if (m_hooks.spanLoading) m_hooks.spanLoading->update();
    if (m_hooks.showBalance) m_hooks.showBalance();
    updateActions();
}

// ---- Calculate ------------------------------------------------------------------------------------

void ResultPresenter::calculate() {
    if (m_pages.currentWidget() != &m_aircraft) m_pages.setCurrentWidget(&m_aircraft);
    m_actions.setScaleControlsVisible(false);
    m_aircraft.showBusy(true);
    m_hooks.recalculate();
    m_aircraft.Memo1->hide();
    m_hooks.window->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The elimination reports its remaining columns. Its first report comes once the lattice is
    // laid out, which is then shown while the system is solved. Later reports repaint the count
    // at most every 50 ms so that it is seen without slowing the elimination down.
    QElapsedTimer sinceRepaint;
    bool first = true;
    m_calc.calculate(m_hooks.fieldTexts(), m_hooks.language(), [&](int columnsLeft, const tv::SolverWorkspace& ws) {
        if (first) {
            m_aircraft.paintLattice(ws);
            m_aircraft.Image2->repaint();
            sinceRepaint.start();
        }
        if (first || sinceRepaint.elapsed() >= 50) {
            m_aircraft.showColumnsLeft(columnsLeft);
            sinceRepaint.restart();
            first = false;
        }
    });
    m_aircraft.showBusy(false);
    QApplication::restoreOverrideCursor();
    presentResult(false);
    m_dialogs.beep();
}

void ResultPresenter::presentResult(bool live) {
    const CalculationResult* r = m_calc.latest();
    if (!r) return;
    if (r->ws) writeMovedHeights(*r);
    // The command lays out and redraws every view; a live result, one of many during a drag,
    // redraws what can be seen, and the rest when its page is shown.
    if (live)
        m_hooks.redrawShownViews();
    else if (r->usable)
        m_hooks.layOut();
    else {
        m_aircraft.drawAircraftView();
        m_aircraft.draw3DView();
    }
    showResultState();
    // The result's marks belong to the dragged shape: its rubber band stays over the redrawn view.
    if (live) m_hooks.redrawDrag();
}

void ResultPresenter::writeMovedHeights(const CalculationResult& r) {
    // Wings moved in height: their z fields show the new positions.
    for (int w = 1; w <= tv::kWingMax; ++w) {
        if (!r.ws->WingMoved[w]) continue;
        QLineEdit* z = m_aircraft.positionZ[w];
        const QSignalBlocker block(z);
        z->setText(QString::fromStdString(r.texts.wings[w][tv::WingField::PositionZ]));
        m_hooks.model().Wings[w].PositionZ = r.aircraft.Wings[w].PositionZ;
    }
    m_hooks.recordEdit({tv::EditKind::HeightSeparation});
}

// ---- Live neutral point and the span loading window ------------------------------------------------

void ResultPresenter::setLiveMode(bool on) {
    QAction* item = m_actions.LiveNeutralPoint1;
    if (item->isChecked() != on) {
        const QSignalBlocker block(item);
        item->setChecked(on);
    }
    m_calc.setLiveMode(on);
}

void ResultPresenter::showSpanLoading() {
    TSpanLoadingWindow* window = m_hooks.spanLoading;
    window->show();
    window->raise();
    window->activateWindow();
}
