#pragma once
// The main window: owns the input fields (the model's source of truth), the views' image
// controls, the result flags and every command. Handlers route: they read field texts, call one
// subsystem function and write texts, flags and visibility back.
#include "app/dialogs.h"
#include "app/edithistory.h"
#include "files/fileio.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "printing/printer_service.h"
#include "stability/stability.h"
#include "views/aircraft_view.h"
#include "views/planform_edit.h"
#include "views/view_common.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>
#include <array>
#include <functional>
#include <string>
#include <vector>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTranslator;
class QToolButton;
class TImage;
class TForm2;
class QTimer;
class LiveCalculation;
struct LiveResult;
class TSpanLoadingWindow;
class TForm3;

namespace tv {
struct ReportData;
struct SolverWorkspace;
struct StabilityScene;
struct View3DScene;
struct View3DState;
struct SpanLoadingScene;
}

/// What a save does: ask for a new name first, or write under ProjectFileName.
enum class SaveMode { As, Current };
/// Who asks for the stability picture: opening a file draws no outline or lattice (the lattice in
/// memory is the previous aircraft's).
enum class StabilityCaller { Other, OpenFile };
/// Whether the aircraft view is fitted to its image or keeps the magnified scale.
enum class AircraftFit { Refit, KeepMagnified };

class TForm1 : public QMainWindow {
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

    // ---- State, read outside the window through these -------------------------------------------
    /// The project's file name; "Unknown.tv4" for the built-in aircraft and after "New".
    const QString& projectFileName() const { return ProjectFileName; }
    bool neutralPointKnown() const { return NeutralPointKnown; }
    bool latticeKnown() const { return LatticeKnown; }
    bool abortCalculation() const { return AbortCalculation; }
    bool clipboardHasWing() const { return ClipboardHasWing; }
    tv::UiLanguage uiLanguage() const { return UiLanguage; }
    const tv::MessageCatalogue& catalogue() const { return Catalogue; }
    /// The aircraft as the last planform computations read it.
    const tv::Aircraft& model() const { return Model; }
    /// Valid while neutralPointKnown().
    const tv::ReferenceValues& reference() const { return Reference; }
    /// [1..5] pixels per mm of each planform view.
    const std::array<double, tv::kWingMax + 1>& planformScale() const { return PlanformScale; }
    /// Model-to-3D scale of the 3D view.
    double view3DScale() const { return View3DScale; }
    /// Scale and origin of the aircraft view's last drawing.
    const tv::AircraftViewGeometry& aircraftViewGeometry() const { return m_geom; }
    /// Margins and centre-of-gravity positions of the last stability evaluation.
    const tv::StabilityNumbers& stabilityNumbers() const { return m_numbers; }
    /// The mouse state shared by the planform views and the 3D view.
    const tv::DragState& dragState() const { return m_drag; }
    /// The solver's arrays, made at the first calculation and reused (nullptr before).
    tv::SolverWorkspace* solverWorkspace() const { return m_workspace.get(); }
    /// Design pixels to screen pixels: 96 / pixel density.
    double scaleFactor() const { return m_scale; }

    // ---- Recalculation ----------------------------------------------------------------------------
    void Calc(QObject* sender);
    /// The planform computation of wing w (1..5); Calc_W1 .. Calc_W5 folded into one.
    void CalcWing(int w, QObject* sender);
    void SetWingCount(int n);
    void SetTrapeziumCount(int w, int n);
    void Space1(QObject* sender);
    void PageControl1Change();

    // ---- Files --------------------------------------------------------------------------------
    void Save1Click(SaveMode mode);
    void Load1Click();
    /// "Open" with the name already chosen (a file dropped on the window); a missing file opens
    /// nothing, as a cancelled dialog does.
    void openProject(const std::optional<QString>& name);
    /// Reads the project `name` into the fields; only a project that was read becomes
    /// ProjectFileName and the label. A file that cannot be read leaves name, label and model.
    tv::ReadStatus Load2(const QString& name);
    void Save_Wing();
    void Load_Wing();
    void Button_C1Click(int selector);
    void chngClick(int selector);
    void readSettingsFile();
    void FormClose();
    /// True when the aircraft differs from what was last opened or saved (the built-in default
    /// counts as opened).
    bool aircraftModified() const;

    // ---- Calculation, scaling -------------------------------------------------------------------
    void Button4Click();
    /// Live neutral point (Edit menu): every change of the model, and every step of a planform
    /// drag, is calculated on a worker thread; a result that still belongs to the model is shown
    /// as the calculate command shows it.
    void setLiveNeutralPoint(bool on);
    bool liveNeutralPoint() const { return m_liveMode; }
    /// Hands the model as it stands to the worker now (the change events do it once their
    /// handler has run). Does nothing when the live mode is off or the results are current.
    void requestLiveCalculation();
    /// A live calculation runs or waits.
    bool liveCalculationBusy() const;
    /// Live results shown, and dropped because the model had changed since they were asked for.
    int liveResultsShown() const { return m_liveShown; }
    int liveResultsDropped() const { return m_liveDropped; }
    void Mscale1Click();
    void Bscale1Click();
    /// Edit -> "Copy results": the batch calculator's report of the current results as plain text
    /// on the clipboard; offered while a calculation's results are current.
    void CopyResults1Click();
    /// That report; empty without current results.
    std::string resultsReport() const;

    // ---- Languages and about window ------------------------------------------------------------
    void deutsch();
    void english();
    void spain();
    void german1Click();
    void english1Click();
    void spain1Click();
    void BitBtn1Click();
    TForm2* aboutWindow() const { return m_about; }

    // ---- Exports and the span-loading window (tform1_export.cpp) -------------------------------
    /// File menu: write the AVL deck / the strip loads of the current model, calculating first
    /// when no calculation belongs to it.
    void ExportAvl1Click();
    void ExportCsv1Click();
    /// Shows the span-loading window.
    void SpanLoading1Click();
    TSpanLoadingWindow* spanLoadingWindow() const { return m_spanLoading; }
    /// The loads of the calculation that belongs to the model, or none.
    tv::SpanLoadingScene spanLoadingScene() const;

    // ---- Points where the views and the stability drawing plug in -----------------------------
    /// Wing w's dimension diagram (d_w1 .. d_w5) on Image_W .. Image_W5.
    void drawDimensionDiagram(int w);
    /// Wing w's planform view on Image1 .. Image11111, after CalcWing has computed Model.Wings[w].
    void drawPlanformView(int w);
    /// The aircraft view on Image2 (d_1d) and its flight-direction caption, fitted to the image or,
    /// for the magnification bar ScrollBar3, at its magnified scale.
    void drawAircraftView(AircraftFit fit = AircraftFit::Refit);
    /// The 3D view on Image3 (d_3d).
    void draw3DView();
    /// The lattice overlay on the aircraft view (DrawGrid).
    void DrawGrid();
    /// Stability evaluation: result lines, marks and the margin label (STABIL).
    void STABIL(StabilityCaller caller = StabilityCaller::Other);
    /// Leader lines from the result lines to the marks, while the button is held on Image2.
    void Zeiger();
    /// Layout of the pages and images for the current window size (FormResize).
    void FormResize();
    /// Print command of "Print" and the print tool button: Button6Click.
    void Print1Click(QObject* sender);

    // ---- Printed report (tform1_print.cpp) ------------------------------------------------------
    /// Composes the report page into Image_P and shows the print dialog without waiting.
    void Button6Click();
    /// "Export report as PDF...": the same page through the PDF writer, saved safely.
    void ExportPdf1Click();
    /// The report's values and pictures; the pictures drawn at pictureScale times their buffer
    /// size. The window's views are left as they are.
    tv::ReportData reportData(double pictureScale = 1) const;
    /// The print dialog, made at the first print request (the print system is not asked before).
    TForm3* printDialog();
    /// Mouse on wing w's planform view (Image1MouseDown .. Image11111MouseUp): the mouse editing
    /// plugs in here. Positions are bitmap pixels.
    void planformMouseDown(int w, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void planformMouseMove(int w, QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void planformMouseUp(int w, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    /// Mouse on the aircraft view Image2 (Image4MouseDown/Move/Up) and on the 3D view Image3.
    void Image4MouseDown(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void Image4MouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void Image4MouseUp(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void Image3MouseDown(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void Image3MouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers shift);
    void Image3MouseUp(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers shift);

    // ---- New aircraft, undo and redo, recent projects (tform1_session.cpp) ----------------------
    /// "New": the save-changes question, then the choice of a starting aircraft.
    void New1Click();
    /// Starts a new, unnamed aircraft from starting aircraft 0..tv::kStartingAircraftCount-1.
    void startNewAircraft(int index);
    void Undo1Click();
    void Redo1Click();
    const tv::EditHistory& history() const { return m_history; }
    /// Where the settings file is read and written; the recent projects live beside it.
    static std::string settingsFilePath();
    /// The recent projects, newest first, as the file system names them.
    const std::vector<std::string>& recentProjects() const { return m_recent; }
    void openRecentProject(int index);

    // ---- Control access (the tables of per-wing controls) ------------------------------------
    QLineEdit* field(int w, tv::WingField f) const;
    QRadioButton* trapeziumButton(int w, int n) const;
    int trapeziumCount(int w) const;
    int wingCount() const { return m_wingCount; }
    /// Wing 1..5 of the active page, 0 on the aircraft and remarks pages.
    int activeWing() const;
    /// The texts of all fields, counts and the comment: what the model is parsed from.
    tv::AircraftTexts fieldTexts() const;
    /// The 16 field texts and the trapezium count of wing w (1..5).
    tv::WingTexts wingTexts(int w) const;
    /// Writes texts into the fields (only those that differ) and selects the counts.
    void writeFieldTexts(const tv::AircraftTexts& texts, int firstWing, int lastWing);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // ---- State (the accessors above read it) ---------------------------------------------------
    QString ProjectFileName;
    bool NeutralPointKnown = false;
    bool LatticeKnown = false;
    bool RedrawOnly = false;
    bool AbortCalculation = false;
    bool ClipboardHasWing = false;
    tv::UiLanguage UiLanguage = tv::UiLanguage::English;
    tv::MessageCatalogue Catalogue;          // filled by the language procedures
    tv::Aircraft Model;                      // as the last planform computations read it
    tv::ReferenceValues Reference;           // valid while NeutralPointKnown
    std::array<double, tv::kWingMax + 1> WingAcX{}, WingAcY{}; // [1..5] from the last calculation
    std::array<double, tv::kWingMax + 1> PlanformScale{};        // [1..5] pixels per mm of each planform view
    double View3DScale = 1;                                       // model-to-3D scale of the 3D view

    // Construction (tform1_build.cpp).
    void buildMenus();
    void connectMenus();
    void buildToolBar(QWidget* bar);
    void buildScaleControls(QWidget* bar);
    void buildAircraftPage(QWidget* page);
    void buildPositionColumn(QWidget* page);
    void buildCalculationControls(QWidget* page);
    void buildAircraftViews(QWidget* page);
    void buildWingResults(QWidget* page, int w);
    void connectMouse(TImage* image, const std::function<void(QPoint, Qt::MouseButton, Qt::KeyboardModifiers)>& down,
                      const std::function<void(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers)>& move,
                      const std::function<void(QPoint, Qt::MouseButton, Qt::KeyboardModifiers)>& up);
    void buildWingPage(QWidget* page, int w);
    void buildRemarksPage(QWidget* page);
    void connectWingPage(int w);
    void showTrapeziumFields(int w, int n);
    void place(QWidget* widget, int x, int y, int w, int h) const;
    void placeImage(TImage* image, int x, int y, int w, int h) const;
    QLabel* addLabel(QWidget* parent, const char* name, int x, int y, int w, int h);
    void Create1(const QStringList& arguments);
    void buildExportMenus();
    void applyExportLanguage(tv::UiLanguage lang);
    /// The span-loading window redraws: a calculation finished or the model changed.
    void spanLoadingChanged();
    /// Runs the calculation unless one belongs to the model; true when its lattice is known.
    bool ensureLattice();

    // Shared steps.
    /// The aerodynamic-centre captions of all five wing pages enabled and their ten result
    /// labels shown (after a calculation), or greyed and hidden (after any edit).
    void setAerodynamicCentresShown(bool shown);
    void setScaleControlsVisible(bool visible);  // LscaleF, E_scale, Bscale1
    void setManualControlsVisible(bool visible); // Label21, Label22, Edit_Mstab, ScrollBar5
    void setPrintingEnabled(bool on);
    void setCalcEnabled(bool on); // Button4 and the Calc tool button
    void setSaveEnabled(bool on);
    void setInsertEnabled(bool on);
    void setCopyMenuEnabled(bool copy, bool insert);
    void uncheckPressure();
    /// Repaints the five wing thumbnails, each with caption[w] (1..5).
    void redrawThumbnails(const std::array<std::string, tv::kWingMax + 1>& caption);
    void applyLanguage(tv::UiLanguage lang);
    void drawLanguageCaption();
    void selectLanguage(tv::UiLanguage lang);
    /// Qt's own texts (file dialogs, standard buttons) in the language: its qtbase catalogue.
    void loadQtTranslations(tv::UiLanguage lang);
    void refreshClipboardState();
    /// The aircraft as a project file would hold it, without results: what "modified" compares.
    std::string aircraftFingerprint() const;
    void markAircraftSaved();
    /// Before the aircraft is left with unsaved edits: asks "Save changes to ...?" and saves on
    /// request. False when the user cancels or the save did not happen.
    bool confirmLeaveAircraft();
    /// The wing-count buttons: another count, after the question when there are unsaved edits.
    void chooseWingCount(int n);
    /// Where the open and save dialogs start.
    QString dialogFolder() const;
    void onWingFieldChanged(int w, tv::WingField f, QObject* sender);
    /// Results of the calculation of aircraft, or what a failed one leaves on screen; a live
    /// result redraws only the page shown.
    void finishCalculation(bool succeeded, const tv::Aircraft& aircraft, bool live = false);
    /// Redraws the views of the page shown as FormResize would; the other pages' views are
    /// redrawn when their page is shown.
    void redrawShownViews();
    /// Shows the calculation in m_workspace of aircraft (after its z-separation): moved z fields,
    /// Memo1, labels, marks, flags. A live result leaves the calculate button usable.
    void presentCalculation(const tv::Aircraft& aircraft, bool live);
    // Live neutral point (tform1_live.cpp).
    void scheduleLiveCalculation();
    /// The model the window shows: the field texts, with a planform drag's shape while it runs.
    tv::AircraftTexts liveTexts() const;
    /// The field texts with the writes a drag of wing w's grabbed handle to pos would make: the
    /// shape the rubber band shows and the live calculation solves.
    tv::AircraftTexts dragTexts(int w, QPoint pos, Qt::KeyboardModifiers shift) const;
    bool planformDragRunning() const;
    void showLiveResult(const std::shared_ptr<LiveResult>& result);
    void CheckBoxAClick();
    void RadioButton15Click();
    void RadioButton16Click();
    void ScrollBar3Change();
    void ScrollBar4Change();
    /// View3DScale for a refit of the aircraft view, with the zoom bar's factor applied.
    void keep3DZoom(const tv::AircraftViewGeometry& fitted);
    void ScrollBar5Exit();
    void layOutImages(int tabWidth, int tabHeight);
    /// The lattice overlay drawn as it stands, known to the current model or not yet (DrawGrid
    /// tests the flag; the calculation shows the fresh lattice while the system is solved).
    void paintLattice();
    /// Memo1 after a calculation: the run's lines, under the error header unless the first line
    /// is the height-separation notice, which brings its own header.
    void showCalculationMessages(const std::vector<std::string>& lines);
    void highlightFields(int w, const tv::FieldHighlight& yellow);
    /// The station labels and the planform figures (span, area, chord, centre, aspect ratio) of
    /// wing w drawn as wing: the model's, or during a drag the dragged shape's.
    void showWingFigures(int w, const tv::Wing& wing);
    /// Wing w's planform view with the handles of its drawn corners, or during a drag to dragTo
    /// with the rubber band of the outline the release would leave.
    void showPlanformEditing(int w, std::optional<QPoint> dragTo, Qt::KeyboardModifiers shift);
    tv::SystemColours systemColours() const;
    /// What STABIL and d_3d draw from, as the controls stand.
    tv::StabilityScene stabilityScene(StabilityCaller caller) const;
    tv::View3DScene view3DScene() const;
    void buildPrinting();

    // New aircraft, history, recent projects and status line (tform1_session.cpp).
    /// Suppresses recording while a change of several fields runs; the outermost scope records
    /// the whole change as one step when it names one.
    struct EditScope {
        EditScope(TForm1& form, std::optional<tv::EditStep> step = std::nullopt);
        ~EditScope();
        TForm1& form;
        std::optional<tv::EditStep> step;
    };
    void buildSession();
    /// The history's keys and the pointer's leaving; true when the event is taken.
    bool filterSessionEvent(QObject* watched, QEvent* event);
    void startHistory();
    void recordEdit(const tv::EditStep& step, bool mergeable = false);
    void applyHistoryTexts(const tv::AircraftTexts& texts);
    void updateUndoActions();
    void applySessionTexts(tv::UiLanguage lang);
    void rebuildRecentMenu();
    /// After a project was read or written: it heads the recent list; reading starts a new history.
    void noteProjectFile(bool opened);
    void showPointerPosition(const QString& text);
    tv::EditHistory m_history;
    std::vector<std::string> m_recent;
    int m_historyHold = 0;
    bool m_historyReady = false;
    QAction *m_new1 = nullptr, *m_undo1 = nullptr, *m_redo1 = nullptr, *m_calc1 = nullptr;
    QMenu* m_recentMenu = nullptr;
    QLabel* m_statusLine = nullptr;

    Options m_options;
    std::unique_ptr<TDialogs> m_ownDialogs;
    TDialogs* m_dialogs = nullptr;
    std::unique_ptr<tv::SolverWorkspace> m_workspace;
    std::unique_ptr<QTranslator> m_qtTranslator; // installed while German or Spanish is chosen
    // Live neutral point: the worker, the zero timer that gathers one handler's changes into one
    // request, the model the workspace's results belong to, the drag being shaped.
    std::unique_ptr<LiveCalculation> m_live;
    QTimer* m_liveTimer = nullptr;
    QAction* m_liveNeutralPoint1 = nullptr;
    bool m_liveMode = false;
    std::optional<tv::AircraftTexts> m_shownTexts;
    tv::Aircraft m_shownAircraft;
    int m_dragWing = 0;
    QPoint m_dragPos;
    Qt::KeyboardModifiers m_dragShift;
    int m_liveShown = 0, m_liveDropped = 0;
    // View state: one of each for the window's life.
    tv::AircraftViewGeometry m_geom;
    tv::StabilityNumbers m_numbers;
    tv::DragState m_drag;
    std::unique_ptr<tv::View3DState> m_view3d;
    TForm2* m_about = nullptr;
    std::unique_ptr<tv::PrinterService> m_ownPrinterService;
    TForm3* m_form3 = nullptr;
    TImage* m_imageP = nullptr; // the page bitmap of the report, hidden
    QAction* m_exportPdf1 = nullptr;
    double m_scale = 1.0;
    int m_wingCount = tv::kDefaultWingCount;
    bool m_building = true; // change events are ignored while the controls are made
    std::string m_savedFingerprint; // aircraftFingerprint() when last opened or saved
    QSize m_laidOutPage;            // the page size (design pixels) of the last layout
    bool m_hiddenViewsStale = false; // views of pages not shown miss a live result

    QWidget* m_central = nullptr;
    QWidget* m_toolBar = nullptr;
    QTabWidget* m_pages = nullptr;
    std::array<QWidget*, tv::kWingMax + 1> m_wingPage{};
    QWidget* m_aircraftPage = nullptr;
    QWidget* m_remarksPage = nullptr;
    std::array<std::array<QLineEdit*, tv::kWingFieldCount>, tv::kWingMax + 1> m_fields{};
    std::array<std::array<QRadioButton*, 5>, tv::kWingMax + 1> m_trapButtons{};
    std::array<QRadioButton*, tv::kWingMax + 1> m_wingCountButtons{};
    std::array<TImage*, tv::kWingMax + 1> m_diagram{}, m_planform{}, m_thumb{};
    std::array<std::array<QLabel*, 2>, tv::kWingMax + 1> m_positionCaption{}; // x, z beside the fields
    std::array<std::array<QLabel*, tv::kSectionMax + 1>, tv::kWingMax + 1> m_station{};
    std::array<std::array<QLabel*, 3>, tv::kWingMax + 1> m_gap{};
    struct ResultLabels {
        QLabel *b, *s, *lm, *r25, *lam, *anp, *ynp, *anpCaption, *yCaption;
    };
    std::array<ResultLabels, tv::kWingMax + 1> m_results{};
    std::array<QPushButton*, tv::kWingMax + 1> m_copyButton{}, m_insertButton{};
    // Aircraft page.
    TImage *m_image2 = nullptr, *m_image3 = nullptr;
    QScrollBar *m_scroll1 = nullptr, *m_scroll2 = nullptr, *m_scroll3 = nullptr, *m_scroll4 = nullptr,
               *m_scroll5 = nullptr, *m_scroll6 = nullptr;
    QPushButton *m_button4 = nullptr, *m_bscale1 = nullptr;
    QLabel *m_labelW = nullptr, *m_label24 = nullptr, *m_label21 = nullptr, *m_label22 = nullptr,
           *m_labelPress = nullptr, *m_lscaleF = nullptr;
    QLineEdit *m_editMstab = nullptr, *m_eScale = nullptr;
    QRadioButton *m_rb15 = nullptr, *m_rb16 = nullptr;
    QPlainTextEdit *m_memo1 = nullptr, *m_memo2 = nullptr; // results box, remarks
    QCheckBox* m_checkBoxA = nullptr;
    // Tool bar.
    QLabel* m_labFName = nullptr;
    QToolButton *m_sb1 = nullptr, *m_sb2 = nullptr, *m_sb3 = nullptr, *m_sb4 = nullptr, *m_sb5 = nullptr;
    std::array<QToolButton*, 3> m_langButton{}; // German, English, Spanish
    QAction *m_open2 = nullptr, *m_save2 = nullptr, *m_save3 = nullptr, *m_print1 = nullptr, *m_exit1 = nullptr;
    QAction *m_wing11 = nullptr, *m_wing21 = nullptr, *m_wing31 = nullptr, *m_aircraft1 = nullptr;
    QAction *m_copyWing1 = nullptr, *m_insertWing1 = nullptr, *m_mscale1 = nullptr, *m_info1 = nullptr;
    QAction* m_copyResults1 = nullptr;
    std::array<QAction*, 6> m_chng{}; // [1..5]
    std::array<QAction*, 3> m_langAction{};
    QAction *m_exportAvl1 = nullptr, *m_exportCsv1 = nullptr, *m_spanLoading1 = nullptr;
    TSpanLoadingWindow* m_spanLoading = nullptr;
};
