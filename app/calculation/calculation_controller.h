#pragma once
// The calculation flow of the window: the calculate command, the live neutral point's worker, and
// the one result object that everything shown, copied, printed, exported or saved reads. A result
// counts only for the texts it was calculated from (resultFor); the window never copies figures
// out of it, so an edit, a cancelled drag or a superseded live run cannot leave a figure behind.
#include "app/calculation/calculation_result.h"
#include "app/calculation/trim_cache.h"
#include "app/document/document_view.h"
#include "app/document/neutral_point_store.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class LiveCalculation;
class QTimer;
struct LiveResult;

class CalculationController : public QObject, public NeutralPointStore {
    Q_OBJECT
public:
    /// Columns left in the elimination, with the workspace being solved (its lattice is laid out).
    using Progress = std::function<void(int columnsLeft, const tv::SolverWorkspace& ws)>;

    /// view: the model the window shows (a live result that finishes for other texts is dropped)
    /// and the language live results are calculated in.
    explicit CalculationController(const DocumentView& view, QObject* parent = nullptr);
    ~CalculationController() override;

    /// The calculate command: texts calculated now, in lang; the outcome becomes the result.
    const CalculationResult& calculate(const tv::AircraftTexts& texts, tv::UiLanguage lang, const Progress& progress = {});
    /// The neutral point a project stored, for the texts it was read into (none: no result).
    void adoptProjectNeutralPoint(const tv::AircraftTexts& texts, const tv::ReferenceValues& reference) override;
    std::optional<tv::ReferenceValues> neutralPointFor(const tv::AircraftTexts& texts) const override;
    /// The result when it belongs to texts, else none.
    const CalculationResult* resultFor(const tv::AircraftTexts& texts) const;
    /// The last result, current or not.
    const CalculationResult* latest() const { return m_result.get(); }
    /// The last calculation was refused or failed.
    bool latestFailed() const;
    /// The margin (%) the centre-of-gravity figures are computed for; recomputes them.
    void setDesiredMargin(double margin);
    /// The result's lines again in lang (the language was switched): a run with lines is repeated
    /// for the same texts, which gives the same figures.
    /// So too when the length unit the window shows is another.
    void relocalise(tv::UiLanguage lang);

    // ---- Trim -----------------------------------------------------------------------------------
    /// The trim inputs the window holds now (the desired margin is the controller's own), and
    /// whether the window shows a trim at all: only then does a live request take the inputs
    /// along, so that the worker solves no trim nobody reads.
    void setTrimSource(std::function<TrimInputs()> inputs, std::function<bool()> wanted) {
        m_trimInputs = std::move(inputs);
        m_trimWanted = std::move(wanted);
    }
    /// The inputs a trim is solved for now: the window's, with the desired margin.
    TrimInputs trimInputs() const;
    /// The trim of the result shown for the inputs as they are now: the one the live worker
    /// brought with its result, else solved once here and kept while result and inputs stay.
    const TrimState& currentTrim() const;
    int trimSolves() const { return m_trim.solves(); }

    // ---- Live neutral point -------------------------------------------------------------------
    /// Live mode on or off; switched on, the shown model is calculated soon.
    void setLiveMode(bool on);
    bool liveMode() const { return m_liveMode; }
    /// In live mode, the shown model goes to the worker once the handler running now has made all
    /// its changes; several calls in one handler make one request.
    void scheduleLive();
    /// In live mode, the shown model goes to the worker now.
    void requestLiveNow();
    /// texts go to the worker, unless the result already belongs to them.
    void requestLive(const tv::AircraftTexts& texts, tv::UiLanguage lang);
    /// A live calculation is scheduled, runs or waits.
    bool liveBusy() const;
    /// Calls off a scheduled request, waits for a live calculation in flight and drops its result
    /// (the window closes).
    void stopLive();
    int liveShown() const { return m_liveShown; }
    int liveDropped() const { return m_liveDropped; }

signals:
    /// A live result became the result.
    void liveResultReady();

private:
    void acceptLive(const std::shared_ptr<LiveResult>& live);
    /// Fills result's figures from its workspace after a run.
    void takeFigures(CalculationResult& result) const;
    /// The workspace of the result being replaced, or a spare, or a new one (none: no memory).
    std::unique_ptr<tv::SolverWorkspace> freeWorkspace();
    void replaceResult(std::unique_ptr<CalculationResult> result);

    const DocumentView& m_view;
    std::unique_ptr<CalculationResult> m_result;
    std::uint64_t m_generation = 0; // names m_result for the trim: every replacement or rerun counts
    std::function<TrimInputs()> m_trimInputs;
    std::function<bool()> m_trimWanted;
    mutable TrimCache m_trim;
    std::unique_ptr<tv::SolverWorkspace> m_spare;
    std::unique_ptr<LiveCalculation> m_live;
    tv::UiLanguage m_liveLang = tv::UiLanguage::English;
    tv::Unit m_liveLength = tv::Unit::Millimetre;
    double m_desiredMargin = 7.5;
    int m_liveShown = 0, m_liveDropped = 0;
    bool m_liveMode = false;
    QTimer* m_liveTimer = nullptr; // made at the first scheduled request
};
