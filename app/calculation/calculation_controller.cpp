#include "app/calculation/calculation_controller.h"
#include "app/calculation/live_calculation.h"
#include "model/planform.h"
#include "solver/calculation.h"

#include <QTimer>

#include <string>

bool sameModel(const tv::AircraftTexts& a, const tv::AircraftTexts& b) {
    if (a.WingCount != b.WingCount) return false;
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (a.wings[w].field != b.wings[w].field || a.wings[w].TrapeziumCount != b.wings[w].TrapeziumCount)
            return false;
    return true;
}

bool belongsTo(const CalculationResult& r, const tv::AircraftTexts& texts) {
    return sameModel(r.texts, texts) || sameModel(r.movedTexts, texts);
}

bool hasNeutralPoint(const CalculationResult* r) { return r && r->neutralPointKnown(); }
bool hasLattice(const CalculationResult* r) { return r && r->latticeKnown(); }

const tv::ReferenceValues& referenceOf(const CalculationResult* r) {
    static const tv::ReferenceValues none{};
    return hasNeutralPoint(r) ? r->reference : none;
}

const tv::StabilityNumbers& numbersOf(const CalculationResult* r) {
    static const tv::StabilityNumbers none{};
    return hasNeutralPoint(r) ? r->numbers : none;
}

const tv::SolverWorkspace* workspaceOf(const CalculationResult* r) { return r ? r->ws.get() : nullptr; }

namespace {

/// The texts with the heights the separation moved: what the window's z fields show afterwards.
tv::AircraftTexts withMovedHeights(tv::AircraftTexts texts, const tv::Aircraft& aircraft, const tv::SolverWorkspace& ws) {
    for (int w = 1; w <= tv::kWingMax; ++w)
        if (ws.WingMoved[w]) texts.wings[w][tv::WingField::PositionZ] = std::to_string(aircraft.Wings[w].PositionZ);
    return texts;
}

} // namespace

CalculationController::CalculationController(const DocumentView& view, QObject* parent)
    : QObject(parent), m_view(view) {}

CalculationController::~CalculationController() { stopLive(); }

std::unique_ptr<tv::SolverWorkspace> CalculationController::freeWorkspace() {
    if (m_result && m_result->ws) return std::move(m_result->ws);
    if (m_spare) return std::move(m_spare);
    return tv::makeSolverWorkspace();
}

void CalculationController::takeFigures(CalculationResult& r) const {
    const tv::SolverWorkspace& ws = *r.ws;
    r.usable = tv::resultsUsable(ws);
    r.messages = ws.Messages;
    r.movedTexts = withMovedHeights(r.texts, r.aircraft, ws);
    if (!r.usable) return;
    for (int w = 1; w <= tv::kWingMax; ++w) {
        r.WingAcX[w] = ws.WingAcX[w];
        r.WingAcY[w] = ws.WingAcY[w];
    }
    r.reference = {ws.ReferenceArea, ws.ReferenceChord, ws.NeutralPointX};
    r.numbers = tv::computeStability(r.aircraft.WingCount, ws.NeutralPointX, ws.ReferenceChord, m_desiredMargin);
}

void CalculationController::replaceResult(std::unique_ptr<CalculationResult> result) {
    if (m_result && m_result->ws) {
        if (!m_spare)
            m_spare = std::move(m_result->ws);
        else if (m_live)
            m_live->recycle(std::move(m_result->ws));
    }
    m_result = std::move(result);
    ++m_generation;
}

const CalculationResult& CalculationController::calculate(const tv::AircraftTexts& texts, tv::UiLanguage lang,
                                                          const Progress& progress) {
    auto r = std::make_unique<CalculationResult>();
    r->source = ResultSource::Command;
    r->texts = texts;
    r->lang = lang;
    r->lengthUnit = m_view.units().length;
    r->aircraft = tv::computeAircraft(texts);
    r->ws = freeWorkspace();
    if (!r->ws) { // refused for want of memory: the next command tries again
        r->retry = true;
        r->movedTexts = texts;
        r->messages = {tv::notEnoughMemoryLine(lang, tv::kWorkspaceBytes)};
        replaceResult(std::move(r));
        return *m_result;
    }
    tv::SolverWorkspace& ws = *r->ws;
    tv::runCalculation(r->aircraft, ws, lang, [&](int columnsLeft) {
        if (progress) progress(columnsLeft, ws);
    }, r->lengthUnit);
    takeFigures(*r);
    replaceResult(std::move(r));
    return *m_result;
}

void CalculationController::adoptProjectNeutralPoint(const tv::AircraftTexts& texts, const tv::ReferenceValues& reference) {
    if (reference.ReferenceArea <= 0) {
        replaceResult(nullptr);
        return;
    }
    auto r = std::make_unique<CalculationResult>();
    r->source = ResultSource::ProjectFile;
    r->texts = r->movedTexts = texts;
    r->aircraft = tv::computeAircraft(texts);
    r->reference = reference;
    r->numbers = tv::computeStability(r->aircraft.WingCount, reference.NeutralPointX, reference.ReferenceChord,
                                      m_desiredMargin);
    replaceResult(std::move(r));
}

std::optional<tv::ReferenceValues> CalculationController::neutralPointFor(const tv::AircraftTexts& texts) const {
    const CalculationResult* r = resultFor(texts);
    return hasNeutralPoint(r) ? std::optional(r->reference) : std::nullopt;
}

bool CalculationController::latestFailed() const {
    return m_result && m_result->source != ResultSource::ProjectFile && !m_result->usable;
}

const CalculationResult* CalculationController::resultFor(const tv::AircraftTexts& texts) const {
    return m_result && belongsTo(*m_result, texts) ? m_result.get() : nullptr;
}

void CalculationController::setDesiredMargin(double margin) {
    m_desiredMargin = margin;
    if (m_result && m_result->neutralPointKnown())
        m_result->numbers = tv::computeStability(m_result->aircraft.WingCount, m_result->reference.NeutralPointX,
                                                 m_result->reference.ReferenceChord, margin);
}

void CalculationController::relocalise(tv::UiLanguage lang) {
    m_liveLang = lang;
    const tv::Unit length = m_view.units().length;
    if (!m_result || (m_result->lang == lang && m_result->lengthUnit == length)) return;
    m_result->lang = lang;
    m_result->lengthUnit = length;
    if (m_result->messages.empty()) return;
    if (!m_result->ws) {
        m_result->messages = {tv::notEnoughMemoryLine(lang, tv::kWorkspaceBytes)};
        return;
    }
    tv::Aircraft aircraft = tv::computeAircraft(m_result->texts);
    tv::runCalculation(aircraft, *m_result->ws, lang, {}, length);
    m_result->messages = m_result->ws->Messages;
    ++m_generation; // the workspace was run again: its trim is solved again when asked
}

// ---- Trim -------------------------------------------------------------------------------------------

TrimInputs CalculationController::trimInputs() const {
    TrimInputs in = m_trimInputs ? m_trimInputs() : TrimInputs{};
    if (!m_trimInputs) {
        in.trim = m_view.document().texts().Trim;
        in.balance = m_view.document().texts().Balance;
    }
    in.desiredMargin = m_desiredMargin;
    return in;
}

const TrimState& CalculationController::currentTrim() const {
    return m_trim.get(resultFor(m_view.shownTexts()), m_generation, trimInputs());
}

// ---- Live neutral point -----------------------------------------------------------------------------

void CalculationController::setLiveMode(bool on) {
    m_liveMode = on;
    if (on) scheduleLive();
}

void CalculationController::scheduleLive() {
    if (!m_liveMode) return;
    if (!m_liveTimer) {
        // A zero timer gathers one handler's changes into one request.
        m_liveTimer = new QTimer(this);
        m_liveTimer->setSingleShot(true);
        m_liveTimer->setInterval(0);
        connect(m_liveTimer, &QTimer::timeout, this, [this] { requestLiveNow(); });
    }
    m_liveTimer->start();
}

void CalculationController::requestLiveNow() {
    if (m_liveTimer) m_liveTimer->stop();
    if (m_liveMode) requestLive(m_view.shownTexts(), m_view.language());
}

void CalculationController::requestLive(const tv::AircraftTexts& texts, tv::UiLanguage lang) {
    if (resultFor(texts)) return; // already calculated: a drag released where its last step was
    m_liveLang = lang;
    m_liveLength = m_view.units().length;
    if (!m_live)
        m_live = std::make_unique<LiveCalculation>([this](std::shared_ptr<LiveResult> r) { acceptLive(r); });
    std::optional<TrimInputs> trim;
    if (!m_trimWanted || m_trimWanted()) trim = trimInputs();
    m_live->request(texts, lang, m_liveLength, std::move(trim));
}

bool CalculationController::liveBusy() const {
    return (m_liveTimer && m_liveTimer->isActive()) || (m_live && m_live->busy());
}

void CalculationController::stopLive() {
    if (m_liveTimer) m_liveTimer->stop();
    m_live.reset();
}

void CalculationController::acceptLive(const std::shared_ptr<LiveResult>& live) {
    if (!sameModel(live->texts, m_view.shownTexts())) {
        ++m_liveDropped; // a newer change superseded it; the worker takes its workspace back
        return;
    }
    ++m_liveShown;
    auto r = std::make_unique<CalculationResult>();
    r->source = ResultSource::Live;
    r->texts = live->texts;
    r->lang = m_liveLang;
    r->lengthUnit = m_liveLength;
    r->aircraft = live->aircraft;
    r->ws = std::move(live->ws);
    if (r->ws) {
        takeFigures(*r);
    } else {
        r->retry = true;
        r->movedTexts = r->texts;
        r->messages = live->messages;
    }
    const bool solved = r->latticeKnown() && live->trim.calculated;
    replaceResult(std::move(r));
    // The trim came with the lattice, for the inputs of the request: kept for as long as they hold.
    if (solved && live->trimInputs) m_trim.adopt(m_generation, *live->trimInputs, std::move(live->trim));
    emit liveResultReady();
}
