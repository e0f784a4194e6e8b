#pragma once
// The live neutral point's worker: calculations of model copies on a thread of its own, one at a
// time, the newest request superseding one that has not started. The window decides whether a
// finished result still belongs to its model; the worker shares nothing mutable with it: each
// calculation takes the texts by value and a workspace of its own, and the result, workspace
// included, comes back as a value on the window's thread.
#include "app/calculation/trim_solve.h"
#include "i18n/texts.h"
#include "model/units.h"
#include "model/aircraft.h"
#include "solver/blas_pool.h"
#include "solver/workspace.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

/// One finished live calculation.
struct LiveResult {
    tv::AircraftTexts texts;                   // the model that was calculated
    tv::Aircraft aircraft;                     // after the z-separation (moved wings' PositionZ)
    std::unique_ptr<tv::SolverWorkspace> ws;   // lattice, loads and results of the run; null when no
                                               // workspace could be made (short of memory)
    /// The lines for the results box, as F5 shows them: the run's messages (a refused memory
    /// probe among them), or the refusal when there was no workspace to run in.
    std::vector<std::string> messages;
    /// The run was refused or failed: nothing of it is to be shown as a result.
    bool refused = false;
    /// The trim inputs of the request, and the trim solved for them on this run's lattice (not
    /// calculated when the run was refused or none was asked).
    std::optional<TrimInputs> trimInputs;
    TrimState trim;
};

/// The live thread's stack: the linear algebra library's recursion (kBlasStackBytes) and the
/// calculation's own frames. Set, since the default follows the user's stack limit.
inline constexpr unsigned kLiveStackBytes = unsigned(tv::kBlasStackBytes) + (2u << 20);

class LiveCalculation : public QObject {
    Q_OBJECT
public:
    using Finished = std::function<void(std::shared_ptr<LiveResult>)>;
    /// onFinished runs on the owner's thread for every finished calculation, current or not.
    explicit LiveCalculation(Finished onFinished, QObject* parent = nullptr);
    /// Waits for a calculation in flight (at most one, bounded by the 3000-panel limit); its
    /// result is dropped.
    ~LiveCalculation() override;

    /// Calculates texts in language lang: at once when idle, else after the running one (a
    /// request that has not started yet is replaced), and the trim for `trim` on its lattice; a
    /// refused length is quoted in `length`. When the thread cannot be started (no memory for its
    /// stack), the result is a refusal naming the amount.
    void request(const tv::AircraftTexts& texts, tv::UiLanguage lang, tv::Unit length = tv::Unit::Millimetre,
                 std::optional<TrimInputs> trim = std::nullopt);
    /// Takes back a workspace for the next calculation (one the window no longer shows).
    void recycle(std::unique_ptr<tv::SolverWorkspace> ws);
    /// A calculation runs or waits.
    bool busy() const { return m_running || m_pending.has_value(); }

private:
    struct Request {
        tv::AircraftTexts texts;
        tv::UiLanguage lang;
        tv::Unit length = tv::Unit::Millimetre; // of a refused length
        std::optional<TrimInputs> trim;
    };
    void start(Request r);
    /// The worker's thread runs, started now if it was not (false when it cannot be).
    bool threadStarted();
    void done(std::shared_ptr<LiveResult> result);

    Finished m_onFinished;
    QThread m_thread;
    QObject* m_context = nullptr; // lives in m_thread: calculations are queued to it
    bool m_running = false;
    std::optional<Request> m_pending;
    std::unique_ptr<tv::SolverWorkspace> m_spare;
};
