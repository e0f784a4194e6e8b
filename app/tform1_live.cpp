// Live neutral point: model changes and planform drags calculated on the worker, results shown
// only while they belong to the model the window shows.
#include "app/livecalculation.h"
#include "app/tform1.h"
#include "model/planform.h"
#include "solver/workspace.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTimer>

namespace {

/// The same aircraft: wing count, and every wing's fields and trapezium count (the remarks do not
/// take part in the calculation).
bool sameModel(const tv::AircraftTexts& a, const tv::AircraftTexts& b) {
    if (a.WingCount != b.WingCount) return false;
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (a.wings[w].field != b.wings[w].field || a.wings[w].TrapeziumCount != b.wings[w].TrapeziumCount)
            return false;
    return true;
}

} // namespace

void TForm1::setLiveNeutralPoint(bool on) {
    if (m_liveNeutralPoint1 && m_liveNeutralPoint1->isChecked() != on) {
        const QSignalBlocker block(m_liveNeutralPoint1);
        m_liveNeutralPoint1->setChecked(on);
    }
    m_liveMode = on;
    if (on) scheduleLiveCalculation();
}

bool TForm1::liveCalculationBusy() const {
    return (m_liveTimer && m_liveTimer->isActive()) || (m_live && m_live->busy());
}

void TForm1::scheduleLiveCalculation() {
    if (!m_liveMode || RedrawOnly || m_building) return;
    if (!m_liveTimer) {
        m_liveTimer = new QTimer(this);
        m_liveTimer->setSingleShot(true);
        m_liveTimer->setInterval(0);
        connect(m_liveTimer, &QTimer::timeout, this, [this] { requestLiveCalculation(); });
    }
    m_liveTimer->start();
}

bool TForm1::planformDragRunning() const {
    return m_dragWing >= 1 && m_dragWing <= tv::kWingMax && !m_drag.ButtonReleased && m_drag.GrabbedHandle != 0;
}

tv::AircraftTexts TForm1::dragTexts(int w, QPoint pos, Qt::KeyboardModifiers shift) const {
    tv::AircraftTexts texts = fieldTexts();
    for (const tv::FieldWrite& fw : tv::planformDragWrites(m_drag, Model.Wings[w], PlanformScale[w], pos,
                                                           tv::isShiftAlone(shift, Qt::NoButton)))
        texts.wings[w][fw.field] = fw.text;
    return texts;
}

tv::AircraftTexts TForm1::liveTexts() const {
    return planformDragRunning() ? dragTexts(m_dragWing, m_dragPos, m_dragShift) : fieldTexts();
}

void TForm1::requestLiveCalculation() {
    if (m_liveTimer) m_liveTimer->stop();
    if (!m_liveMode) return;
    const tv::AircraftTexts texts = liveTexts();
    if (m_shownTexts && sameModel(*m_shownTexts, texts) && m_workspace) {
        // The workspace already holds this model's calculation (a drag released where its last
        // step was calculated, or an edit undone to it): shown again without a new one.
        if (!NeutralPointKnown) presentCalculation(m_shownAircraft, true);
        return;
    }
    if (!m_live)
        m_live = std::make_unique<LiveCalculation>([this](std::shared_ptr<LiveResult> r) { showLiveResult(r); });
    m_live->request(texts, UiLanguage);
}

void TForm1::showLiveResult(const std::shared_ptr<LiveResult>& result) {
    if (!m_liveMode || !sameModel(result->texts, liveTexts())) {
        ++m_liveDropped; // a newer change superseded it; the worker takes its workspace back
        return;
    }
    ++m_liveShown;
    std::swap(m_workspace, result->ws);
    m_shownTexts = result->texts;
    m_shownAircraft = result->aircraft;
    presentCalculation(result->aircraft, true);
    // The result's marks belong to the dragged shape: its rubber band stays over the redrawn view.
    if (planformDragRunning()) showPlanformEditing(m_dragWing, m_dragPos, m_dragShift);
}
