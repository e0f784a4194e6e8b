// What the result presenter asks of the window, and the result commands' forwards whose results
// are complete types only here.
#include "app/actions.h"
#include "app/main_window.h"
#include "app/pages/balance_panel.h"
#include "app/pages/trim_page.h"
#include "printing/report_page.h"
#include "views/span_loading.h"

ResultPresenter::Window TForm1::presenterWindow() {
    return {.window = this,
            .spanLoading = m_spanLoading,
            .recalculate = [this] { Calc(); },
            .writeTexts = [this](const auto& texts, auto step) { writeAircraftTexts(texts, step); },
            .redraw = [this](ResultRedraw what) {
                if (what == ResultRedraw::All) return FormResize();
                redrawShownViews();
                // The result's marks belong to the dragged shape: its rubber band stays over the view.
                m_planform.showDrag();
            },
            .showBalance = [this] {
                m_balance->refresh();
                showTrim();
            },
            .windowState = [this](ActionState& s) {
                s.activeWing = activeWing();
                s.clipboardHasWing = clipboardHasWing();
            }};
}

tv::SpanLoadingScene TForm1::spanLoadingScene() const { return m_results->spanLoadingScene(); }
tv::ReportData TForm1::reportData(double pictureScale) const { return m_results->reportData(pictureScale); }

// ---- Trim ------------------------------------------------------------------------------------------
// The one current trim is the calculation controller's: brought along by the live worker with its
// lattice, else solved once on this thread when a result or an input changed, and then read by the
// page, the strip, the span loading's paints and the reports alike.

void TForm1::connectTrim() {
    m_calc->setTrimSource([this] { return trimInputsFor(m_doc.texts(), m_trim->ask(), m_units); },
                          [this] { return trimWanted(); });
    m_trim->setSceneSource([this] { return trimScene(); });
}

TrimScene TForm1::trimScene() const {
    BalanceScene b = balanceScene();
    return {std::move(b.aircraft), [this]() -> const TrimState& { return m_calc->currentTrim(); }, UiLanguage, m_units};
}

TrimState TForm1::trimState() const { return m_calc->currentTrim(); }

int TForm1::trimSolves() const { return m_calc->trimSolves(); }

// The trim shows while its page is open, the project holds trim settings or the page asks for a
// target; an aircraft without them keeps no trim part in the strip and no block in the reports.
bool TForm1::trimWanted() const {
    return m_pages->currentWidget() == m_trim || !m_doc.texts().Trim.empty() ||
           m_trim->ask().question != tv::TrimQuestion::AsSet;
}

void TForm1::showTrim() {
    m_trim->refresh(); // the figures of a page not shown follow when it is opened
    showTrimStrip();
}

void TForm1::showTrimStrip() {
    const QString text =
        trimWanted() ? QString::fromStdString(trimStripPart(UiLanguage, m_calc->currentTrim(), m_units)) : QString();
    m_trimStrip->setText(text);
    m_trimStrip->setVisible(!text.isEmpty());
}

std::optional<tv::TrimResult> TForm1::reportedTrim() const {
    if (m_doc.texts().Trim.empty() && m_trim->ask().question == tv::TrimQuestion::AsSet) return std::nullopt;
    return m_calc->currentTrim().result;
}
