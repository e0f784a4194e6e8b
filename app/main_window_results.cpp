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

TrimState TForm1::trimState() const { return m_trim->state(); }

// The trim is solved on the window's thread for every result shown, a live one too (about 7 ms on
// the default aircraft): only while its page is open or the project holds trim settings or asks
// for a target, so that a drag of an aircraft without them keeps its pace. The page is brought up
// to date when it is opened.
bool TForm1::trimWanted() const {
    return m_pages->currentWidget() == m_trim || !m_doc.texts().Trim.empty() ||
           m_trim->ask().question != tv::TrimQuestion::AsSet;
}

void TForm1::showTrim() {
    if (!trimWanted()) {
        m_trimStrip->setVisible(false);
        return;
    }
    m_trim->refresh();
    showTrimStrip();
}

void TForm1::showTrimStrip() {
    const QString text = QString::fromStdString(trimStripPart(UiLanguage, m_trim->shownState()));
    m_trimStrip->setText(text);
    m_trimStrip->setVisible(!text.isEmpty());
}

std::optional<tv::TrimResult> TForm1::reportedTrim() const {
    if (m_doc.texts().Trim.empty() && m_trim->ask().question == tv::TrimQuestion::AsSet) return std::nullopt;
    return m_trim->state().result;
}
