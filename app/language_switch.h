#pragma once
// Switching the window's language: it sets the language and its message catalogue, which the whole
// window reads, and brings Qt's own texts, the captions of every control, menu and tab, the
// result's lines and the drawings that carry text into it; the about window is filled in the
// language of the moment.
#include "app/captions.h"
#include "model/aircraft.h"

#include <QColor>

#include <array>
#include <functional>

class AircraftPage;
class CalculationController;
class DocumentView;
class QTabWidget;
class QWidget;
class TForm2;
class TSpanLoadingWindow;
class WindowActions;
class WingPage;

class LanguageSwitch {
public:
    /// What the switch asks of the window.
    struct Window {
        QWidget* root = nullptr; // whose named controls and menus get the captions
        TSpanLoadingWindow* spanLoading = nullptr;
        TForm2* about = nullptr;
        std::function<QColor()> viewGround; // the aircraft view's background
        std::function<void()> showGapQuestions;
        std::function<void()> showUndoTexts;
        std::function<void()> rebuildRecentMenu;
        std::function<void()> showResultState;
    };
    /// language and catalogue: the window's, which the switch sets and everything else reads;
    /// view: the model shown, without whose neutral point the aircraft view is drawn afresh.
    LanguageSwitch(tv::UiLanguage& language, tv::MessageCatalogue& catalogue, const DocumentView& view,
                   CalculationController& calc,
                   WindowActions& actions, QTabWidget& pages, AircraftPage& aircraft,
                   const std::array<WingPage*, tv::kWingMax + 1>& wings, Window hooks);

    /// The language chosen (menu, flag button, settings): its flag shown, then applied.
    void select(tv::UiLanguage lang);
    /// Every text of the window in lang.
    void apply(tv::UiLanguage lang);
    /// The about window in the language of the moment.
    void showAbout();

private:
    tv::UiLanguage& m_language;
    tv::MessageCatalogue& m_catalogue;
    const DocumentView& m_view;
    CalculationController& m_calc;
    WindowActions& m_actions;
    QTabWidget& m_pages;
    AircraftPage& m_aircraft;
    std::array<WingPage*, tv::kWingMax + 1> m_wing;
    Window m_hooks;
    QtTranslations m_qtTexts;
};
