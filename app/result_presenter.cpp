#include "app/result_presenter.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/dialogs.h"
#include "app/document/document_view.h"
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

ResultPresenter::ResultPresenter(CalculationController& calc, const DocumentView& view, TDialogs& dialogs,
                                 WindowActions& actions, QTabWidget& pages, AircraftPage& aircraft,
                                 const std::array<WingPage*, tv::kWingMax + 1>& wings, Window hooks)
    : m_calc(calc), m_view(view), m_dialogs(dialogs), m_actions(actions), m_pages(pages), m_aircraft(aircraft),
      m_wing(wings), m_hooks(std::move(hooks)) {}

const CalculationResult* ResultPresenter::currentResult() const { return m_calc.resultFor(m_view.shownTexts()); }

// ---- Commands and result state --------------------------------------------------------------------

void ResultPresenter::updateActions() {
    const CalculationResult* r = currentResult();
    ActionState s;
    // The command calculates what has no result yet, or tries again what was short of memory; a
    // live result is calculated again on request (it shows the lattice while it solves), and a
    // neutral point read with the project gets its lattice, loads and reference wing.
    s.calculate = !r || r->retry || r->source != ResultSource::Command;
    s.results = r && r->latticeKnown();
    const ProjectDocument& doc = m_view.document();
    s.save = doc.saveOffered();
    s.undo = doc.history.canUndo();
    s.redo = doc.history.canRedo();
    s.wingCount = doc.wingCount();
    m_hooks.windowState(s);
    m_actions.apply(s);
}

void ResultPresenter::showResultState() {
    const CalculationResult* r = currentResult();
    for (int w = 1; w <= tv::kWingMax; ++w) {
        std::optional<tv::AerodynamicCentreTexts> ac;
        if (r && r->usable)
            ac = tv::aerodynamicCentreTexts(r->aircraft.Wings[w], r->WingAcX[w], r->WingAcY[w], m_view.language(),
                                            m_view.units().length);
        m_wing[w]->showAerodynamicCentre(ac);
    }
    m_aircraft.showResult(r, m_view.language(), m_view.catalogue().TxtErrorHeader, m_view.units());
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
    m_calc.calculate(m_view.document().texts(), m_view.language(), [&](int columnsLeft, const tv::SolverWorkspace& ws) {
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
    const CalculationResult* r = currentResult();
    if (!r) return;
    // Only the command writes the heights it moved back; a live result, one of many while the
    // user types or drags, never writes into a field.
    if (!live && r->ws) writeMovedHeights(*r);
    // The command lays out and redraws every view; a live result, one of many during a drag,
    // redraws what can be seen, and the rest when its page is shown.
    if (live)
        m_hooks.redraw(ResultRedraw::Shown);
    else if (r->usable)
        m_hooks.redraw(ResultRedraw::All);
    else {
        m_aircraft.drawAircraftView();
        m_aircraft.draw3DView();
    }
    showResultState();
}

void ResultPresenter::writeMovedHeights(const CalculationResult& r) {
    tv::AircraftTexts texts = m_view.document().texts();
    bool moved = false;
    for (int w = 1; w <= tv::kWingMax; ++w) {
        if (!r.ws->WingMoved[w]) continue;
        // A field being typed in keeps what is typed: the result belongs to those texts too.
        if (m_aircraft.positionZ[w]->hasFocus()) return;
        texts.wings[w][tv::WingField::PositionZ] = r.movedTexts.wings[w][tv::WingField::PositionZ];
        moved = true;
    }
    if (moved) m_hooks.writeTexts(texts, tv::EditStep{tv::EditKind::HeightSeparation});
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
