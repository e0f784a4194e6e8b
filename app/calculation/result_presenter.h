#pragma once
// The calculate command and what shows its result: it runs the calculation with the busy display
// and the lattice as it is solved, then puts the one result on the pages (the wings' aerodynamic
// centres, the results box, the margin label, the aircraft view's cursor, the span loading) and
// sets every command's state. The result is read only through the controller, for the texts the
// window shows, so nothing shown can belong to another aircraft.
#include "i18n/session_texts.h"
#include "i18n/texts.h"
#include "model/aircraft.h"

#include <array>
#include <functional>

class AircraftPage;
class CalculationController;
class ProjectDocument;
class QTabWidget;
class QWidget;
class TDialogs;
class TSpanLoadingWindow;
class WindowActions;
class WingPage;
struct CalculationResult;

class ResultPresenter {
public:
    /// What the presenter asks of the window.
    struct Window {
        QWidget* window = nullptr; // repainted before the calculation starts
        TSpanLoadingWindow* spanLoading = nullptr;
        std::function<tv::AircraftTexts()> fieldTexts; // the fields as they stand
        std::function<tv::AircraftTexts()> shownTexts; // with a planform drag's shape while one runs
        std::function<tv::UiLanguage()> language;
        std::function<const tv::MessageCatalogue&()> catalogue;
        /// The aircraft as the last planform computations read it: the heights a result moved go in.
        std::function<tv::Aircraft&()> model;
        /// The recalculation pass over the fields (before a calculation).
        std::function<void()> recalculate;
        /// An edit into the history (the heights a result moved).
        std::function<void(const tv::EditStep&)> recordEdit;
        /// The views that can be seen redrawn, the others when their page is shown (a live result).
        std::function<void()> redrawShownViews;
        /// Every page laid out and drawn again (a result of the calculate command).
        std::function<void()> layOut;
        /// A planform drag running draws its rubber band again (over a live result's views).
        std::function<void()> redrawDrag;
        std::function<void()> showBalance; // the balance page and the results strip
        std::function<int()> wingCount;
        std::function<int()> activeWing; // 1..5 on a wing page, 0 elsewhere
        std::function<bool()> clipboardHasWing;
    };
    ResultPresenter(CalculationController& calc, const ProjectDocument& doc, TDialogs& dialogs,
                    WindowActions& actions, QTabWidget& pages, AircraftPage& aircraft,
                    const std::array<WingPage*, tv::kWingMax + 1>& wings, Window hooks);

    /// The calculate command: the fields' model calculated now and shown.
    void calculate();
    /// A result just made: the heights it moved go into the z fields, then it is shown.
    void presentResult(bool live);
    /// What shows the result without drawing: the wings' aerodynamic centres, the results box,
    /// the margin label, the span loading, the commands.
    void showResultState();
    /// The state of every command from the document and the result.
    void updateActions();
    /// The live neutral point on or off, with its menu check.
    void setLiveMode(bool on);
    void showSpanLoading();

private:
    /// The result when it belongs to the model shown, else none.
    const CalculationResult* currentResult() const;
    /// The heights the result moved into the z fields and the model, as one edit.
    void writeMovedHeights(const CalculationResult& r);

    CalculationController& m_calc;
    const ProjectDocument& m_doc;
    TDialogs& m_dialogs;
    WindowActions& m_actions;
    QTabWidget& m_pages;
    AircraftPage& m_aircraft;
    std::array<WingPage*, tv::kWingMax + 1> m_wing;
    Window m_hooks;
};
