#include "app/calculation/live_calculation.h"

#include "model/planform.h"
#include "solver/calculation.h"
#include "solver/solver_threads.h"

#include <new>

namespace {

/// A few more right-hand sides on the factor the run just made, on the worker rather than on the
/// window's thread while the user drags. Without room for them the result comes without its trim
/// (the window solves it when it is read).
void solveLiveTrim(LiveResult& result) {
    if (result.refused || !result.ws || !result.trimInputs) return;
    try {
        result.trim = solveTrim(result.aircraft, *result.ws, *result.trimInputs);
    } catch (const std::bad_alloc&) {
        result.trim = {};
    }
}

} // namespace

LiveCalculation::LiveCalculation(Finished onFinished, QObject* parent)
    : QObject(parent), m_onFinished(std::move(onFinished)) {
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("live neutral point"));
    m_thread.setStackSize(kLiveStackBytes);
    m_thread.start(); // when it cannot start, the first request says so and tries again
}

LiveCalculation::~LiveCalculation() {
    m_pending.reset();
    m_thread.quit();
    m_thread.wait();
}

void LiveCalculation::request(const tv::AircraftTexts& texts, tv::UiLanguage lang, tv::Unit length,
                              std::optional<TrimInputs> trim) {
    Request r{texts, lang, length, std::move(trim)};
    if (m_running) {
        m_pending = std::move(r);
        return;
    }
    start(std::move(r));
}

void LiveCalculation::recycle(std::unique_ptr<tv::SolverWorkspace> ws) {
    if (ws && !m_spare) m_spare = std::move(ws);
}

bool LiveCalculation::threadStarted() {
    if (!m_thread.isRunning()) m_thread.start();
    return m_thread.isRunning();
}

void LiveCalculation::start(Request r) {
    m_running = true;
    auto result = std::make_shared<LiveResult>();
    result->texts = std::move(r.texts);
    result->trimInputs = std::move(r.trim);
    if (!threadStarted()) {
        // No room for the thread's stack (a memory limit): a refusal like the probe's, at once.
        result->aircraft = tv::computeAircraft(result->texts);
        result->messages = {tv::notEnoughMemoryLine(r.lang, kLiveStackBytes)};
        result->refused = true;
        QMetaObject::invokeMethod(this, [this, result] { done(result); }, Qt::QueuedConnection);
        return;
    }
    result->ws = m_spare ? std::move(m_spare) : tv::makeSolverWorkspace();
    const tv::UiLanguage lang = r.lang;
    const tv::Unit length = r.length;
    QMetaObject::invokeMethod(m_context, [this, result, lang, length] {
        // The influence matrix is filled by one thread here, so that the window's thread keeps a
        // processor of its own on a two-core machine (the setting belongs to this thread only).
        tv::setSolverThreads(1);
        try {
            result->aircraft = tv::computeAircraft(result->texts);
            if (!result->ws) {
                result->messages = {tv::notEnoughMemoryLine(lang, tv::kWorkspaceBytes)};
                result->refused = true;
            } else {
                tv::runCalculation(result->aircraft, *result->ws, lang, {}, length);
                result->messages = result->ws->Messages;
                result->refused = !tv::resultsUsable(*result->ws);
            }
        } catch (const std::bad_alloc&) {
            // an allocation the probe did not count, refused under a memory limit: this thread
            // would otherwise end the process
            result->messages = {tv::notEnoughMemoryLine(lang)};
            result->refused = true;
        }
        solveLiveTrim(*result);
        QMetaObject::invokeMethod(this, [this, result] { done(result); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void LiveCalculation::done(std::shared_ptr<LiveResult> result) {
    m_running = false;
    if (m_onFinished) m_onFinished(result);
    if (result->ws) recycle(std::move(result->ws));
    if (m_pending) {
        Request next = std::move(*m_pending);
        m_pending.reset();
        start(std::move(next));
    }
}
