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
#include <optional>

class AircraftPage;
class CalculationController;
class DocumentView;
class QTabWidget;
class QWidget;
class TDialogs;
class TSpanLoadingWindow;
class WindowActions;
class WingPage;
struct ActionState;
struct CalculationResult;

/// How the window redraws for a result: what can be seen (a live result, one of many during a
/// drag: the running drag's rubber band stays over it), or every page laid out and drawn again.
enum class ResultRedraw { Shown, All };

class ResultPresenter {
public:
    /// What the presenter asks of the window.
    struct Window {
        QWidget* window = nullptr; // repainted before the calculation starts
        TSpanLoadingWindow* spanLoading = nullptr;
        /// The recalculation pass over the fields (before a calculation).
        std::function<void()> recalculate;
        /// The one write of texts into the window, recorded as one edit named step.
        std::function<void(const tv::AircraftTexts&, std::optional<tv::EditStep>)> writeTexts;
        std::function<void(ResultRedraw)> redraw;
        std::function<void()> showBalance; // the balance page and the results strip
        /// The window's part of the commands' state: the active wing, the wing clipboard.
        std::function<void(ActionState&)> windowState;
    };
    ResultPresenter(CalculationController& calc, const DocumentView& view, TDialogs& dialogs, WindowActions& actions,
                    QTabWidget& pages, AircraftPage& aircraft, const std::array<WingPage*, tv::kWingMax + 1>& wings,
                    Window hooks);

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
    /// The heights the command's result moved, written into the z fields as one edit, unless one
    /// of them is being typed in.
    void writeMovedHeights(const CalculationResult& r);

    CalculationController& m_calc;
    const DocumentView& m_view;
    TDialogs& m_dialogs;
    WindowActions& m_actions;
    QTabWidget& m_pages;
    AircraftPage& m_aircraft;
    std::array<WingPage*, tv::kWingMax + 1> m_wing;
    Window m_hooks;
};
