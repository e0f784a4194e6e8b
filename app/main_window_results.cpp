// What the result presenter asks of the window, and the result commands' forwards whose results
// are complete types only here.
#include "app/main_window.h"
#include "app/pages/balance_panel.h"
#include "printing/report_page.h"
#include "views/span_loading.h"

ResultPresenter::Window TForm1::presenterWindow() {
    return {.window = this,
            .spanLoading = m_spanLoading,
            .fieldTexts = [this] { return fieldTexts(); },
            .shownTexts = [this] { return shownTexts(); },
            .language = [this] { return UiLanguage; },
            .catalogue = [this]() -> const tv::MessageCatalogue& { return Catalogue; },
            .model = [this]() -> tv::Aircraft& { return Model; },
            .recalculate = [this] { Calc(); },
            .recordEdit = [this](const tv::EditStep& step) { recordEdit(step); },
            .redrawShownViews = [this] { redrawShownViews(); },
            .layOut = [this] { FormResize(); },
            .redrawDrag = [this] { m_planform.showDrag(); },
            .showBalance = [this] { m_balance->refresh(); },
            .wingCount = [this] { return m_wingCount; },
            .activeWing = [this] { return activeWing(); },
            .clipboardHasWing = [this] { return clipboardHasWing(); }};
}

tv::SpanLoadingScene TForm1::spanLoadingScene() const { return m_results->spanLoadingScene(); }
tv::ReportData TForm1::reportData(double pictureScale) const { return m_results->reportData(pictureScale); }
