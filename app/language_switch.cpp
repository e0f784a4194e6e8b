#include "app/language_switch.h"
#include "app/about_window.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/document/document_view.h"
#include "app/imagecontrol.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"
#include "i18n/export_texts.h"
#include "i18n/session_texts.h"
#include "views/aircraft_view.h"
#include "views/view_common.h"

#include <QTabWidget>

LanguageSwitch::LanguageSwitch(tv::UiLanguage& language, tv::MessageCatalogue& catalogue, const DocumentView& view,
                               CalculationController& calc, WindowActions& actions, QTabWidget& pages,
                               AircraftPage& aircraft, const std::array<WingPage*, tv::kWingMax + 1>& wings,
                               Window hooks)
    : m_language(language), m_catalogue(catalogue), m_view(view), m_calc(calc), m_actions(actions), m_pages(pages),
      m_aircraft(aircraft), m_wing(wings), m_hooks(std::move(hooks)) {}

void LanguageSwitch::select(tv::UiLanguage lang) {
    m_language = lang;
    m_actions.showLanguage(lang == tv::UiLanguage::German ? 0 : lang == tv::UiLanguage::English ? 1 : 2);
    apply(lang);
}

void LanguageSwitch::apply(tv::UiLanguage lang) {
    m_qtTexts.load(lang);
    // Captions of the labels, buttons, check box, tabs and scale controls.
    applyCaptions(m_hooks.root, &m_pages, tv::windowTexts(lang));
    // The catalogue comes before any drawing: the stability picture redraws the aircraft view,
    // whose flight-direction caption is the catalogue's. The result's lines follow the language.
    m_catalogue = tv::messageCatalogue(lang);
    m_calc.relocalise(lang);
    for (int w = 1; w <= tv::kWingMax; ++w)
        m_aircraft.redrawThumbnail(w, QString::fromStdString(tv::thumbnailCaption(lang, w)));
    // The stability texts in the new language; without a neutral point there are none, and the
    // aircraft view is drawn afresh instead.
    m_aircraft.drawStability();
    if (!hasNeutralPoint(m_calc.resultFor(m_view.shownTexts()))) {
        m_aircraft.Image2->clear(m_hooks.viewGround(), tv::kGreyOutline);
        m_aircraft.drawAircraftView();
    }
    // The dimension diagrams are drawn in the language chosen (select sets it before applying).
    for (int w = 1; w <= tv::kWingMax; ++w) m_wing[w]->drawDiagram(m_language);
    applyCaptions(m_hooks.root, &m_pages, tv::menuTexts(lang));
    if (m_hooks.spanLoading) m_hooks.spanLoading->setWindowTitle(QString::fromUtf8(tv::spanLoadingTexts(lang).title));
    // The switch writes its own flight-direction caption over the one of the aircraft view.
    m_aircraft.drawLanguageCaption(tv::aircraftViewFlightDirection(lang));
    m_hooks.showGapQuestions();
    // Lengths along x and where they are measured from.
    m_aircraft.Image2->setToolTip(QString::fromStdString(tv::xOriginNote(lang, 1)));
    for (int w = 1; w <= tv::kWingMax; ++w)
        m_wing[w]->setXOriginNote(QString::fromStdString(tv::xOriginNote(lang, w)));
    m_hooks.showUndoTexts();
    m_hooks.rebuildRecentMenu();
    m_hooks.showResultState();
}

void LanguageSwitch::showAbout() {
    TForm2* about = m_hooks.about;
    about->fill(m_language);
    about->show();
    about->raise();
    about->activateWindow();
}
