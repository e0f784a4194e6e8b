// Construction of the main window and the routes from the controls to the handlers. All geometry
// is given in design pixels (96 per inch) and scaled by the placement.
#include "app/main_window.h"
#include "app/about_window.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/balance_panel.h"
#include "app/pages/trim_page.h"
#include "app/pages/wing_page.h"
#include "app/window_layout.h"
#include "app/span_loading_window.h"
#include "app/window_events.h"
#include "files/units_settings.h"
#include "model/planform.h"
#include "views/view3d.h"

#include <tarvolin_version.h>

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace {
constexpr int kClientWidth = 836; // design client area
constexpr int kClientHeight = 758;
constexpr int kToolBarHeight = 28;
} // namespace

TForm1::TForm1(const Options& options, QWidget* parent)
    : QMainWindow(parent), m_options(options),
      m_recorder(m_doc.history, {[this] { return m_doc.texts(); },
                                 [this](const tv::AircraftTexts& t) { applyHistoryTexts(t); },
                                 [this] { updateUndoTexts(); }}),
      m_planform(m_drag, m_wing, m_doc.aircraft(), m_recorder,
                 {[this] { return m_doc.texts(); }, [this] { return currentResult(); },
                  [this] { return systemColours(); }, [this](int w, const tv::Wing& wing) { showWingFigures(w, wing); }}) {
    if (options.dialogs) {
        m_dialogs = options.dialogs;
    } else {
        m_ownDialogs = std::make_unique<TQtDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    // The window is laid out for 96 pixels per inch; at another density everything, fonts
    // included, is scaled by 96 / density, so the whole window keeps its proportions.
    double density = options.pixelDensity;
    if (density <= 0 && QGuiApplication::primaryScreen()) density = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    if (density > 0) m_pl.scale = 96.0 / density;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(6, m_pl.px(11)));
    setFont(font);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Tarvolin4  V") + QLatin1String(tv::kProgramVersion));

    m_central = new QWidget(this);
    setCentralWidget(m_central);
    m_toolBar = named(new QWidget(m_central), QStringLiteral("ToolBar1"));
    m_actions = new WindowActions(*this, m_toolBar, m_pl);
    buildPages();
    m_layout = std::make_unique<WindowLayout>(m_pl, m_central, m_toolBar, *m_actions, m_pages, *m_aircraft, m_wing);
    m_actions->Button4 = m_aircraft->Button4;
    m_pl.place(m_toolBar, 0, 0, kClientWidth, kToolBarHeight);
    m_pl.place(m_pages, 0, kToolBarHeight, kClientWidth, kClientHeight - kToolBarHeight);
    resize(m_pl.px(kClientWidth), m_pl.px(kClientHeight) + menuBar()->sizeHint().height());
    // 830 x 777 with the frame: less a 4-pixel border on each side and a 29-pixel title bar.
    setMinimumSize(m_pl.px(822), m_pl.px(744));

    m_planform.setFieldWriter([this](int w, tv::WingField f, const std::string& text) { m_fields->writeField(w, f, text); });
    m_about = new TForm2(this);
    m_calc = new CalculationController(view(), this);
    connect(m_calc, &CalculationController::liveResultReady, this, [this] { presentResult(true); });
    m_spanLoading = new TSpanLoadingWindow([this] { return spanLoadingScene(); }, this);
    m_results = std::make_unique<ResultCommands>(
        *m_calc, view(), *m_dialogs, *this, *m_aircraft, options.printerService,
        ResultCommands::Window{[this] { Button4Click(); }, [this] { return m_balance->reportLines(); },
                               [this] { return reportedTrim(); }});
    m_presenter = std::make_unique<ResultPresenter>(*m_calc, view(), *m_dialogs, *m_actions, *m_pages, *m_aircraft,
                                                    m_wing, presenterWindow());
    m_language = std::make_unique<LanguageSwitch>(UiLanguage, Catalogue, view(), *m_calc, *m_actions, *m_pages,
                                                  *m_aircraft, m_wing, languageWindow());
    connectCommands();
    connectPages();
    connectViews();

    m_statusLine = named(new QLabel(this), QStringLiteral("StatusLine"));
    statusBar()->addWidget(m_statusLine, 1);
    statusBar()->addPermanentWidget(m_balance->strip());
    m_trimStrip = named(new QLabel(this), QStringLiteral("TrimStrip"));
    statusBar()->addPermanentWidget(m_trimStrip);
    m_trimStrip->hide(); // shown with a trim: the pointer's note keeps the room otherwise
    m_statusLine->setMinimumWidth(1); // a narrow window cuts the pointer's note, never the strip's verdict
    statusBar()->setSizeGripEnabled(false);
    resize(width(), height() + statusBar()->sizeHint().height());
    setMinimumHeight(minimumHeight() + statusBar()->sizeHint().height());
    m_files = std::make_unique<ProjectCommands>(m_doc, view(), *m_dialogs, *m_calc, projectWindow());
    // Keys, focus and resizes anywhere: a drag whose release is lost is called off.
    qApp->installEventFilter(m_events);

    m_aircraft->setSceneSource([this] { return aircraftScene(); });
    m_balance->setSceneSource([this] { return balanceScene(); });
    connectTrim();
    m_aircraft->setBalanceMarksSource([this] { return m_balance->marks(); });
    // The fields show the default aircraft in the units remembered before the first is read.
    setDisplayUnits(tv::readUnitsSettings(tv::unitsSettingsPath()));
    m_building = false;
    Create1(options.arguments);
    startHistory();
}

TForm1::~TForm1() {
    m_building = true; // the focus leaving a field as the window goes hides nothing to show
    if (qApp) qApp->removeEventFilter(m_events);
}

void TForm1::buildPages() {
    m_pages = named(new QTabWidget(m_central), QStringLiteral("PageControl1"));
    m_aircraft = new AircraftPage(m_pl, m_drag);
    m_pages->addTab(m_aircraft, QStringLiteral("     Aircraft    "));
    for (int w = 1; w <= tv::kWingMax; ++w) {
        m_wing[w] = new WingPage(w, m_pl);
        m_pages->addTab(m_wing[w], QString());
    }
    m_remarksPage = named(new QWidget, QString::fromLatin1(tv::kRemarksTabSheetName));
    m_pages->addTab(m_remarksPage, QStringLiteral("Remarks"));
    m_memo2 = named(new QPlainTextEdit(m_remarksPage), QStringLiteral("Memo2"));
    m_pl.place(m_memo2, 4, 4, 820, 690);
    m_fields = std::make_unique<AircraftFields>(*m_aircraft, m_wing, *m_memo2, m_doc.texts());
    m_balance = new BalancePanel(m_pl);
    m_pages->addTab(m_balance, QString());
    m_trim = new TrimPage(m_pl, *m_dialogs);
    m_pages->addTab(m_trim, QString());
}

void TForm1::connectCommands() {
    WindowActions& a = *m_actions;
    const std::pair<QAction*, std::function<void()>> items[] = {
        {a.New1, [this] { New1Click(); }},
        {a.Open2, [this] { Load1Click(); }},
        {a.Save2, [this] { Save1Click(SaveMode::As); }},
        {a.Save3, [this] { Save1Click(SaveMode::Current); }},
        {a.Print1, [this] { Print1Click(); }},
        {a.ExportPdf1, [this] { ExportPdf1Click(); }},
        {a.ExportAvl1, [this] { ExportAvl1Click(); }},
        {a.ExportCsv1, [this] { ExportCsv1Click(); }},
        {a.Exit1, [this] { close(); }},
        {a.Undo1, [this] { Undo1Click(); }},
        {a.Redo1, [this] { Redo1Click(); }},
        {a.CopyWing1, [this] { Save_Wing(); }},
        {a.InsertCopiedWing1, [this] { Load_Wing(); }},
        {a.Mscale1, [this] { Mscale1Click(); }},
        {a.CopyResults1, [this] { CopyResults1Click(); }},
        {a.Calc1, [this] { Button4Click(); }},
        {a.SpanLoading1, [this] { SpanLoading1Click(); }},
        {a.Info1, [this] { BitBtn1Click(); }},
        {a.language[0], [this] { german1Click(); }},
        {a.language[1], [this] { english1Click(); }},
        {a.language[2], [this] { spain1Click(); }},
        {a.wing11, [this] { m_pages->setCurrentWidget(m_wing[1]); }},
        {a.wing21, [this] { m_pages->setCurrentWidget(m_wing[2]); }},
        {a.wing31, [this] { m_pages->setCurrentWidget(m_wing[3]); }},
        {a.aircraft1, [this] { m_pages->setCurrentWidget(m_aircraft); }},
    };
    for (const auto& [action, handler] : items) connect(action, &QAction::triggered, this, command(handler));
    for (int i = 1; i <= 5; ++i) connect(a.chng[i], &QAction::triggered, this, command([this, i] { chngClick(i); }));
    connect(a.UnitsMetric1, &QAction::triggered, this, command([this] { chooseUnits(tv::kMetricUnits); }));
    connect(a.UnitsImperial1, &QAction::triggered, this, command([this] { chooseUnits(tv::kImperialUnits); }));
    for (std::size_t i = 0; i < a.unit.size(); ++i)
        if (a.unit[i]) connect(a.unit[i], &QAction::triggered, this, command([this, i] { chooseUnit(tv::Unit(i)); }));
    connect(a.LiveNeutralPoint1, &QAction::toggled, this, [this](bool on) { setLiveNeutralPoint(on); });
    connect(a.saveAsKey, &QShortcut::activated, this, command([this] { Save1Click(SaveMode::As); }));
    const std::pair<QToolButton*, std::function<void()>> buttons[] = {
        {a.SpeedButton1, [this] { Load1Click(); }},
        {a.SpeedButton2, [this] { Save1Click(SaveMode::As); }},
        {a.SpeedButton3, [this] { Save1Click(SaveMode::Current); }},
        {a.SpeedButton4, [this] { Button4Click(); }},
        {a.SpeedButton5, [this] { Print1Click(); }},
        // Each visible flag switches to the next language: German -> English -> Spanish -> German.
        {a.languageButton[0], [this] { english1Click(); }},
        {a.languageButton[1], [this] { spain1Click(); }},
        {a.languageButton[2], [this] { german1Click(); }},
    };
    for (const auto& [button, handler] : buttons) connect(button, &QToolButton::clicked, this, command(handler));
    connect(a.Bscale1, &QPushButton::clicked, this, [this] { Bscale1Click(); });
    connect(a.E_scale, &QLineEdit::returnPressed, this, [this] { Bscale1Click(); });
    connect(m_aircraft->Button4, &QPushButton::clicked, this, command([this] { Button4Click(); }));
}

void TForm1::connectPages() {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        WingPage* page = m_wing[w];
        connect(page, &WingPage::fieldEdited, this, [this, w](tv::WingField f) { onFieldEdited(w, f); });
        connect(page, &WingPage::trapeziumCountChosen, this, [this, w](int n) {
            if (m_building) return;
            SetTrapeziumCount(w, n);
            recordEdit({tv::EditKind::TrapeziumCount, w});
        });
        connect(page, &WingPage::copyRequested, this, command([this] { Save_Wing(); }));
        connect(page, &WingPage::insertRequested, this, command([this] { Load_Wing(); }));
        for (tv::WingField f : {tv::WingField::PositionX, tv::WingField::PositionZ})
            connect(field(w, f), &QLineEdit::textChanged, this, [this, w, f] { onFieldEdited(w, f); });
        for (int f = 0; f < tv::kWingFieldCount; ++f)
            connect(field(w, tv::WingField(f)), &QLineEdit::editingFinished, this, [this, w, f] {
                m_doc.history.closeMerge();
                onFieldFinished(w, tv::WingField(f));
            });
    }
    connect(m_aircraft->wingCountGroup, &QButtonGroup::idToggled, this, [this](int n, bool on) {
        if (on && !m_building) chooseWingCount(n);
    });
    AircraftPage& ap = *m_aircraft;
    connect(ap.Edit_Mstab, &QLineEdit::textChanged, this, [this] { marginEdited(); });
    connect(ap.CheckBoxA, &QCheckBox::clicked, this, [this] { CheckBoxAClick(); });
    connect(m_memo2, &QPlainTextEdit::textChanged, this, [this] {
        takeFieldTexts();
        recordEdit({tv::EditKind::Remarks}, true);
    });
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(m_balance, &BalancePanel::edited, this, [this](const tv::BalanceTexts& b, bool typing) {
        m_doc.setBalance(b);
        showResultState();
        STABIL();
        recordEdit({tv::EditKind::Balance}, typing);
    });
    connect(m_balance, &BalancePanel::typingFinished, this, [this] { m_doc.history.closeMerge(); });
    connect(m_trim, &TrimPage::edited, this, [this](const tv::TrimTexts& t, const tv::EditStep& step, bool typing) {
        m_doc.setTrim(t);
        showTrim();
        if (m_spanLoading) m_spanLoading->update();
        recordEdit(step, typing);
    });
    connect(m_trim, &TrimPage::typingFinished, this, [this] { m_doc.history.closeMerge(); });
    connect(m_trim, &TrimPage::askChanged, this, [this] {
        showTrimStrip();
        if (m_spanLoading) m_spanLoading->update();
    });
}

void TForm1::connectViews() {
    const auto pointer = [this](std::optional<tv::AircraftFramePoint> p) { showPointerPosition(p); };
    connect(m_aircraft, &AircraftPage::pointerAt, this, pointer);
    m_planform.connectViews();
    connect(&m_planform, &PlanformEditor::pointerAt, this, pointer);
    // The shape shown changed: the results box tells whether its result is current, the live
    // worker gets the shape.
    const auto resultsStale = [this] {
        showResultState();
        scheduleLiveCalculation();
    };
    connect(&m_planform, &PlanformEditor::shapeChanged, this, resultsStale);
    connect(&m_planform, &PlanformEditor::shapeDropped, this, [this, resultsStale] {
        redrawShownViews();
        resultsStale();
    });
    m_events = new WindowEvents(m_memo2, m_pages, this);
    connect(m_events, &WindowEvents::endDrag, this, [this] { cancelPlanformDrag(); });
    connect(m_events, &WindowEvents::closeEditMerge, this, [this] { m_doc.history.closeMerge(); });
    connect(m_events, &WindowEvents::clearPointerPosition, this, [this] { showPointerPosition(std::nullopt); });
    connect(m_events, &WindowEvents::pageResized, this, [this](QWidget* page) {
        if (!m_building && m_layout->differs(page)) FormResize();
    });
}
