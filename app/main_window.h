#pragma once
// The main window: builds the pages, the commands and the calculation, and routes between them.
// The project lives in the document, results in the calculation's one result object, controls on
// the pages; the window keeps only the view state of its drawings.
#include "app/calculation/calculation_controller.h"
#include "app/dialogs.h"
#include "app/document/document_view.h"
#include "app/document/history_recorder.h"
#include "app/document/project_commands.h"
#include "app/pages/aircraft_fields.h"
#include "app/language_switch.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/balance_state.h"
#include "app/pages/trim_state.h"
#include "app/pages/planform_editor.h"
#include "app/pages/placement.h"
#include "app/result_commands.h"
#include "app/result_presenter.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "printing/printer_service.h"
#include "stability/stability.h"
#include "views/aircraft_view.h"
#include "views/view_common.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BalancePanel;
class TrimPage;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTabWidget;
class TForm2;
class TForm3;
class TSpanLoadingWindow;
class WindowActions;
class WindowEvents;
class WindowLayout;
class WingPage;

namespace tv {
struct ReportData;
struct SolverWorkspace;
struct SpanLoadingScene;
} // namespace tv

class TForm1 : public QMainWindow, private DocumentView {
    Q_OBJECT
public:
    struct Options {
        QStringList arguments;        // command-line arguments without the program name
        TDialogs* dialogs = nullptr;  // nullptr: the real desktop dialogs
        double pixelDensity = 0;      // pixels per inch; 0: the screen's
        tv::PrinterService* printerService = nullptr; // nullptr: the system's printers
    };
    TForm1() : TForm1(Options{}) {}
    explicit TForm1(const Options& options, QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- State, read through the document, the result object and the pages ---------------------
    const QString& projectFileName() const { return m_doc.fileName(); }
    /// The result object when it belongs to the model shown, else none.
    const CalculationResult* currentResult() const { return m_calc ? m_calc->resultFor(shownTexts()) : nullptr; }
    bool neutralPointKnown() const { return hasNeutralPoint(currentResult()); }
    bool latticeKnown() const { return hasLattice(currentResult()); }
    /// The last calculation was refused or failed.
    bool abortCalculation() const { return m_calc->latestFailed(); }
    bool clipboardHasWing() const { return m_files && m_files->clipboardHasWing(); }
    tv::UiLanguage uiLanguage() const { return UiLanguage; }
    const tv::MessageCatalogue& catalogue() const override { return Catalogue; }
    /// The aircraft the document derived from the texts.
    const tv::Aircraft& model() const { return m_doc.aircraft(); }
    /// The current result's reference values (zero without one).
    const tv::ReferenceValues& reference() const { return referenceOf(currentResult()); }
    /// The current result's margins and centre-of-gravity positions.
    const tv::StabilityNumbers& stabilityNumbers() const { return numbersOf(currentResult()); }
    const std::array<double, tv::kWingMax + 1>& planformScale() const { return m_planform.scales(); }
    double view3DScale() const;
    const tv::AircraftViewGeometry& aircraftViewGeometry() const;
    const tv::DragState& dragState() const { return m_drag; }
    /// The current result's workspace (none without a current calculation).
    const tv::SolverWorkspace* solverWorkspace() const { return workspaceOf(currentResult()); }
    double scaleFactor() const { return m_pl.scale; }
    const tv::EditHistory& history() const { return m_doc.history; }
    const std::vector<std::string>& recentProjects() const { return m_doc.recent(); }
    /// True when the aircraft differs from what was last opened or saved.
    bool aircraftModified() const { return m_files->modified(); }
    static std::string settingsFilePath() { return ProjectCommands::settingsFilePath(); }

    // ---- Model edits (main_window_model.cpp) ----------------------------------------------------
    /// The recalculation pass: planforms, positions, aircraft and 3D views.
    void Calc();
    /// The planform computation of wing w (1..5); Calc_W1 .. Calc_W5 folded into one.
    void CalcWing(int w);
    void SetWingCount(int n);
    void SetTrapeziumCount(int w, int n);
    void Space1();
    void PageControl1Change();
    void Mscale1Click();
    void Bscale1Click();
    void Undo1Click() { m_recorder.undo(); }
    void Redo1Click() { m_recorder.redo(); }
    QLineEdit* field(int w, tv::WingField f) const { return m_fields->field(w, f); }
    QRadioButton* trapeziumButton(int w, int n) const { return m_fields->trapeziumButton(w, n); }
    int wingCount() const { return m_doc.wingCount(); }
    /// Wing 1..5 of the active page, 0 on the aircraft and remarks pages.
    int activeWing() const;
    /// The texts as the document holds them (the fields', after every edit).
    const tv::AircraftTexts& fieldTexts() const { return m_doc.texts(); }
    tv::WingTexts wingTexts(int w) const { return m_fields->wingTexts(w); }

    // ---- Units (main_window_model.cpp) ----------------------------------------------------------
    /// The one routine that sets the units: every field shows its stored value in them, and
    /// everything shown (results, drawings, balance, trim, span loading) is shown again.
    void setDisplayUnits(const tv::DisplayUnits& units);
    const tv::DisplayUnits& displayUnits() const { return m_units; }
    /// The units chosen in the menu: set, and remembered in units.conf (a failed write is said and
    /// the choice still holds for this session).
    void chooseUnits(const tv::DisplayUnits& units);
    /// The unit u for its quantity, the others as they are.
    void chooseUnit(tv::Unit u);

    // ---- Files (the project commands, app/document/project_commands.h) --------------------------
    void Save1Click(SaveMode mode) { m_files->save(mode); }
    void Load1Click() { m_files->open(); }
    void openProject(const std::optional<QString>& name) { m_files->openProject(name); }
    tv::ReadStatus Load2(const QString& name) { return m_files->load(name); }
    void Save_Wing() { m_files->copyWing(activeWing()); }
    void Load_Wing() { m_files->insertWing(activeWing()); }
    void Button_C1Click(int selector) { m_files->exchangeWings(selector); }
    void chngClick(int selector) {
        Button_C1Click(selector);
        Calc();
    }
    void readSettingsFile();
    void FormClose() { ProjectCommands::writeSettings(*this, UiLanguage, liveNeutralPoint()); }
    void New1Click() { m_files->newAircraft(); }
    void startNewAircraft(int index) { m_files->startNewAircraft(index); }
    void openRecentProject(int index) { m_files->openRecent(index); }

    // ---- Calculation and results (result_presenter, result_commands) ----------------------------
    void Button4Click() { m_presenter->calculate(); }
    void setLiveNeutralPoint(bool on) { m_presenter->setLiveMode(on); }
    bool liveNeutralPoint() const { return m_calc->liveMode(); }
    /// Hands the model as it stands to the live worker now.
    void requestLiveCalculation() { m_calc->requestLiveNow(); }
    bool liveCalculationBusy() const { return m_calc->liveBusy(); }
    int liveResultsShown() const { return m_calc->liveShown(); }
    int liveResultsDropped() const { return m_calc->liveDropped(); }
    void CopyResults1Click() { m_results->copyResults(); }
    /// The batch calculator's report of the current results; empty without them.
    std::string resultsReport() const { return m_results->resultsReport(); }
    void ExportAvl1Click() { m_results->exportAvl(); }
    void ExportCsv1Click() { m_results->exportCsv(); }
    void SpanLoading1Click() { m_presenter->showSpanLoading(); }
    TSpanLoadingWindow* spanLoadingWindow() const { return m_spanLoading; }
    tv::SpanLoadingScene spanLoadingScene() const;
    void Print1Click(QObject* = nullptr) { m_results->print(); }
    void Button6Click() { m_results->print(); }
    void ExportPdf1Click() { m_results->exportPdf(); }
    tv::ReportData reportData(double pictureScale = 1) const;
    /// The one current trim of the aircraft shown with the trim page's question (not calculated
    /// without a result).
    TrimState trimState() const;
    /// How often the window solved a trim itself (a live result brings its own along).
    int trimSolves() const;
    /// The trim the reports carry: when the project holds trim settings or the page asks a target.
    std::optional<tv::TrimResult> reportedTrim() const;
    TForm3* printDialog() { return m_results->printDialog(); }

    // ---- Languages and about window (language_switch) -------------------------------------------
    void deutsch() { m_language->apply(tv::UiLanguage::German); }
    void english() { m_language->apply(tv::UiLanguage::English); }
    void spain() { m_language->apply(tv::UiLanguage::Spanish); }
    void german1Click() { m_language->select(tv::UiLanguage::German); }
    void english1Click() { m_language->select(tv::UiLanguage::English); }
    void spain1Click() { m_language->select(tv::UiLanguage::Spanish); }
    void BitBtn1Click() { m_language->showAbout(); }
    TForm2* aboutWindow() const { return m_about; }

    // ---- Drawings and the mouse on them (main_window_views.cpp) ---------------------------------
    void drawDimensionDiagram(int w);
    void drawPlanformView(int w) { m_planform.draw(w); }
    void drawAircraftView(AircraftFit fit = AircraftFit::Refit) { m_aircraft->drawAircraftView(fit); }
    void draw3DView() { m_aircraft->draw3DView(); }
    void DrawGrid() { m_aircraft->drawLattice(); }
    void STABIL(StabilityCaller caller = StabilityCaller::Other) { m_aircraft->drawStability(caller); }
    void Zeiger() { m_aircraft->drawLeaderLines(); }
    void FormResize();
    void planformMouseDown(int w, QPoint p, Qt::MouseButton, Qt::KeyboardModifiers) { m_planform.mouseDown(w, p); }
    void planformMouseMove(int w, QPoint p, Qt::MouseButtons b, Qt::KeyboardModifiers k) {
        m_planform.mouseMove(w, p, b, k);
    }
    void planformMouseUp(int w, QPoint p, Qt::MouseButton, Qt::KeyboardModifiers k) { m_planform.mouseUp(w, p, k); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Construction and routing (main_window.cpp).
    void buildPages();
    void connectCommands();
    void connectPages();
    void connectViews();
    void Create1(const QStringList& arguments);
    /// A command's handler, run after any planform drag in progress is called off.
    template <class F> auto command(F f) { return [this, f] { cancelPlanformDrag(); f(); }; }

    // Result state (result_presenter).
    /// What the presenter asks of the window (main_window_results.cpp).
    ResultPresenter::Window presenterWindow();
    void updateActions() { if (m_presenter) m_presenter->updateActions(); }
    void showResultState() { m_presenter->showResultState(); }
    void presentResult(bool live) { m_presenter->presentResult(live); }
    void scheduleLiveCalculation() { if (!m_building) m_calc->scheduleLive(); }

    // Model edits (main_window_model.cpp).
    void onFieldEdited(int w, tv::WingField f);
    /// Typing in field w/f ended: it shows what the document stored.
    void onFieldFinished(int w, tv::WingField f);
    /// A refused field text is said in the status line and the field's tooltip; nothing otherwise.
    void showFieldRefusal(int w, tv::WingField f);
    /// Wing w's planform figures and view from its fields, nothing else.
    void computeWing(int w);
    void chooseWingCount(int n);
    void showWingFigures(int w, const tv::Wing& wing);
    void redrawThumbnails(const std::array<std::string, tv::kWingMax + 1>& caption);
    void CheckBoxAClick();
    void RadioButton15Click() { m_aircraft->chooseStabilityMode(false); }
    void marginEdited();
    // History: the recorder keeps it; the window shows what undo and redo return.
    struct EditScope : HistoryRecorder::Scope {
        EditScope(TForm1& f, std::optional<tv::EditStep> step = std::nullopt) : Scope(f.m_recorder, step) {}
    };
    void startHistory() { m_recorder.start(); }
    void recordEdit(const tv::EditStep& step, bool mergeable = false) { m_recorder.record(step, mergeable); }
    void applyHistoryTexts(const tv::AircraftTexts& texts);
    void updateUndoTexts();

    // Files (main_window_files.cpp): what the project commands ask of the window.
    ProjectCommands::Window projectWindow();
    /// The one place texts go into the window: wing count, balance, fields, remarks (each only
    /// where it differs), recorded as one edit named step, or as none.
    void writeAircraftTexts(const tv::AircraftTexts& texts, std::optional<tv::EditStep> step);
    void rebuildRecentMenu() { m_files->rebuildRecentMenu(); }

    // Views (main_window_views.cpp).
    tv::SystemColours systemColours() const;
    AircraftPage::Scene aircraftScene() const;
    BalanceScene balanceScene() const;
    /// The trim page and the strip's trim part, from the current trim (main_window_results.cpp).
    void connectTrim();
    TrimScene trimScene() const;
    bool trimWanted() const;
    void showTrim();
    void showTrimStrip();
    void redrawShownViews();
    /// The status line's pointer position; empty for none.
    void showPointerPosition(std::optional<tv::AircraftFramePoint> point);
    // The read-only view of the document the units take.
    const DocumentView& view() const { return *this; }
    const ProjectDocument& document() const override { return m_doc; }
    /// The model the window shows: the field texts, with a planform drag's shape while one runs.
    tv::AircraftTexts shownTexts() const override { return m_planform.shownTexts(); }
    tv::UiLanguage language() const override { return UiLanguage; }
    const tv::DisplayUnits& units() const override { return m_units; }
    /// The fields' texts taken into the document after an edit (it derives the aircraft once).
    void takeFieldTexts() { m_doc.setTexts(m_fields->texts()); }
    void cancelPlanformDrag() { m_planform.cancel(); }

    // Language (language_switch).
    /// What the switch asks of the window (main_window_language.cpp).
    LanguageSwitch::Window languageWindow();
    void selectLanguage(tv::UiLanguage lang) { m_language->select(lang); }

    // ---- Parts ----------------------------------------------------------------------------------
    Options m_options;
    Placement m_pl;
    std::unique_ptr<TDialogs> m_ownDialogs;
    TDialogs* m_dialogs = nullptr;
    ProjectDocument m_doc;
    std::unique_ptr<ProjectCommands> m_files;
    CalculationController* m_calc = nullptr;
    WindowActions* m_actions = nullptr;
    QTabWidget* m_pages = nullptr;
    AircraftPage* m_aircraft = nullptr;
    std::array<WingPage*, tv::kWingMax + 1> m_wing{};
    std::unique_ptr<AircraftFields> m_fields;
    QWidget* m_remarksPage = nullptr;
    BalancePanel* m_balance = nullptr;
    TrimPage* m_trim = nullptr;
    QLabel* m_trimStrip = nullptr; // the trim speed or the required setting, beside the results strip
    QPlainTextEdit* m_memo2 = nullptr; // remarks
    QWidget* m_central = nullptr;
    QWidget* m_toolBar = nullptr;
    QLabel* m_statusLine = nullptr;
    TForm2* m_about = nullptr;
    std::unique_ptr<ResultCommands> m_results;
    std::unique_ptr<ResultPresenter> m_presenter;
    TSpanLoadingWindow* m_spanLoading = nullptr;
    WindowEvents* m_events = nullptr;
    std::unique_ptr<WindowLayout> m_layout;
    std::unique_ptr<LanguageSwitch> m_language;

    // ---- Window state ---------------------------------------------------------------------------
    tv::UiLanguage UiLanguage = tv::UiLanguage::English; // set by the language switch
    tv::MessageCatalogue Catalogue;                       // the language's messages, set with it
    tv::DisplayUnits m_units;                             // what figures are shown and typed in
    tv::DragState m_drag; // shared by the planform views and the aircraft page's views
    HistoryRecorder m_recorder;
    PlanformEditor m_planform;
    bool m_building = true; // change events are ignored while the controls are made
    bool m_hiddenViewsStale = false; // views of pages not shown miss a live result
};
