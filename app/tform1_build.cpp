// Construction of the main window: tool bar, menus, pages and every named control.
// All geometry is given in design pixels (96 per inch) and scaled by place().
#include "app/imagecontrol.h"
#include "app/livecalculation.h"
#include "app/pictures.h"
#include "app/tform1.h"
#include "app/about_window.h"
#include "app/wingcontrols.h"
#include "i18n/menu_bar.h"
#include <tarvolin_version.h>
#include "solver/workspace.h"
#include "stability/stability.h"
#include "views/page_layout.h"
#include "views/view3d.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTranslator>
#include <QToolButton>

#include <cmath>
#include <string_view>
#include <vector>

namespace {

constexpr int kClientWidth = 836;  // design client area
constexpr int kClientHeight = 758;
constexpr int kToolBarHeight = 28;
constexpr int kFieldWidth = 46;    // the numeric fields over the dimension diagram
constexpr int kFieldHeight = 21;
constexpr int kDiagramLeft = 8;    // the diagram's place on a wing page
constexpr int kDiagramTop = 38;
constexpr int kResultTop = 244;    // first row of the result labels under the diagram
constexpr int kRowHeight = 18;

// Wing colours of the position fields: blue, fuchsia, green, purple, maroon.
const QColor kWingColour[6] = {QColor(), QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 128, 0),
                               QColor(128, 0, 128), QColor(128, 0, 0)};

template <class T>
T* named(T* object, const char* name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

} // namespace

TForm1::TForm1(const Options& options, QWidget* parent)
    : QMainWindow(parent), m_options(options), m_view3d(std::make_unique<tv::View3DState>()) {
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
    if (density > 0) m_scale = 96.0 / density;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(6, int(std::lround(11 * m_scale))));
    setFont(font);

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Tarvolin4  V") + QLatin1String(tv::kProgramVersion));
    buildMenus();
    buildExportMenus();
    m_central = new QWidget(this);
    setCentralWidget(m_central);
    m_toolBar = named(new QWidget(m_central), "ToolBar1");
    buildToolBar(m_toolBar);
    m_pages = named(new QTabWidget(m_central), "PageControl1");
    m_aircraftPage = named(new QWidget, tv::kAircraftTabSheetName);
    m_pages->addTab(m_aircraftPage, QStringLiteral("     Aircraft    "));
    for (int w = 1; w <= tv::kWingMax; ++w) {
        m_wingPage[w] = named(new QWidget, tv::kWingControlNames[w].tabSheet);
        m_pages->addTab(m_wingPage[w], QString());
    }
    m_remarksPage = named(new QWidget, tv::kRemarksTabSheetName);
    m_pages->addTab(m_remarksPage, QStringLiteral("Remarks"));
    buildAircraftPage(m_aircraftPage);
    for (int w = 1; w <= tv::kWingMax; ++w) buildWingPage(m_wingPage[w], w);
    buildRemarksPage(m_remarksPage);
    for (int i = 0; i < m_pages->count(); ++i) m_pages->widget(i)->installEventFilter(this);

    place(m_toolBar, 0, 0, kClientWidth, kToolBarHeight);
    place(m_pages, 0, kToolBarHeight, kClientWidth, kClientHeight - kToolBarHeight);
    resize(int(std::lround(kClientWidth * m_scale)), int(std::lround((kClientHeight)*m_scale)) + menuBar()->sizeHint().height());
    // 830 x 777 with the frame: less a 4-pixel border on each side and a 29-pixel title bar.
    setMinimumSize(int(std::lround(822 * m_scale)), int(std::lround(744 * m_scale)));

    m_about = new TForm2(this);
    connectMenus();
    buildPrinting();
    for (int w = 1; w <= tv::kWingMax; ++w) connectWingPage(w);
    buildSession();
    connect(m_pages, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    m_building = false;
    Create1(options.arguments);
    startHistory();
}

TForm1::~TForm1() = default;

void TForm1::place(QWidget* widget, int x, int y, int w, int h) const {
    auto s = [this](int v) { return int(std::lround(v * m_scale)); };
    widget->setGeometry(s(x), s(y), s(w), s(h));
}

void TForm1::placeImage(TImage* image, int x, int y, int w, int h) const {
    image->setDesignScale(m_scale);
    image->setBitmapSize(QSize(w, h));
    place(image, x, y, w, h);
}

void TForm1::connectMouse(TImage* image,
                          const std::function<void(QPoint, Qt::MouseButton, Qt::KeyboardModifiers)>& down,
                          const std::function<void(QPoint, Qt::MouseButtons, Qt::KeyboardModifiers)>& move,
                          const std::function<void(QPoint, Qt::MouseButton, Qt::KeyboardModifiers)>& up) {
    connect(image, &TImage::mouseDown, this,
            [down](QPoint p, Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers k) { down(p, b, k); });
    connect(image, &TImage::mouseMove, this, move);
    connect(image, &TImage::mouseUp, this,
            [up](QPoint p, Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers k) { up(p, b, k); });
}

QLabel* TForm1::addLabel(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* label = named(new QLabel(parent), name);
    place(label, x, y, w, h);
    return label;
}

// ---- Menus and tool bar ---------------------------------------------------------------------------

void TForm1::buildMenus() {
    // The menus and their items in the order of the one table (menuBarEntries); the texts are set when the language is applied.
    QMenu* current = nullptr;
    for (const tv::MenuEntry& e : tv::menuBarEntries()) {
        switch (e.row) {
        case tv::MenuRow::Menu:
            current = named(menuBar()->addMenu(QString()), e.objectName);
            break;
        case tv::MenuRow::Submenu:
            current->addMenu(named(new QMenu(current), e.objectName));
            break;
        case tv::MenuRow::Separator:
            current->addSeparator();
            break;
        case tv::MenuRow::Item:
            current->addAction(named(new QAction(this), e.objectName));
            break;
        case tv::MenuRow::BarItem:
            menuBar()->addAction(named(new QAction(this), e.objectName));
            current = nullptr;
            break;
        }
    }
    const auto action = [this](const QString& name) { return findChild<QAction*>(name, Qt::FindDirectChildrenOnly); };
    const std::pair<const char*, QAction* TForm1::*> members[] = {
        {"New1", &TForm1::m_new1}, {"Open2", &TForm1::m_open2}, {"Save2", &TForm1::m_save2},
        {"Save3", &TForm1::m_save3}, {"Print1", &TForm1::m_print1}, {"ExportPdf1", &TForm1::m_exportPdf1},
        {"ExportAvl1", &TForm1::m_exportAvl1}, {"ExportCsv1", &TForm1::m_exportCsv1}, {"Exit1", &TForm1::m_exit1},
        {"Undo1", &TForm1::m_undo1}, {"Redo1", &TForm1::m_redo1}, {"wing11", &TForm1::m_wing11},
        {"wing21", &TForm1::m_wing21}, {"wing31", &TForm1::m_wing31}, {"aircraft1", &TForm1::m_aircraft1},
        {"CopyWing1", &TForm1::m_copyWing1}, {"InsertCopiedWing1", &TForm1::m_insertWing1},
        {"Mscale1", &TForm1::m_mscale1}, {"CopyResults1", &TForm1::m_copyResults1},
        {"LiveNeutralPoint1", &TForm1::m_liveNeutralPoint1}, {"Calc1", &TForm1::m_calc1},
        {"SpanLoading1", &TForm1::m_spanLoading1}, {"Info1", &TForm1::m_info1},
    };
    for (const auto& [name, member] : members) this->*member = action(QString::fromLatin1(name));
    for (int i = 1; i <= 5; ++i) m_chng[i] = action(QStringLiteral("chng%1").arg(i));
    const char* languages[] = {"german1", "english1", "spain1"};
    for (int i = 0; i < 3; ++i) m_langAction[i] = action(QString::fromLatin1(languages[i]));
    m_recentMenu = findChild<QMenu*>(QStringLiteral("Recent1"));
    m_recentMenu->setToolTipsVisible(true);
}

void TForm1::connectMenus() {
    for (QAction* a : {m_save3, m_print1, m_copyWing1, m_insertWing1, m_copyResults1}) a->setEnabled(false);
    connect(m_copyResults1, &QAction::triggered, this, [this] { CopyResults1Click(); });
    connect(m_open2, &QAction::triggered, this, [this] { Load1Click(); });
    connect(m_save2, &QAction::triggered, this, [this] { Save1Click(SaveMode::As); });
    connect(m_save3, &QAction::triggered, this, [this] { Save1Click(SaveMode::Current); });
    connect(m_print1, &QAction::triggered, this, [this] { Print1Click(m_print1); });
    connect(m_exit1, &QAction::triggered, this, &QWidget::close);
    const std::pair<QAction*, QWidget*> pageItems[] = {
        {m_wing11, m_wingPage[1]}, {m_wing21, m_wingPage[2]}, {m_wing31, m_wingPage[3]}, {m_aircraft1, m_aircraftPage}};
    for (const auto& [action, page] : pageItems)
        connect(action, &QAction::triggered, this, [this, target = page] { m_pages->setCurrentWidget(target); });
    connect(m_copyWing1, &QAction::triggered, this, [this] { Save_Wing(); });
    connect(m_insertWing1, &QAction::triggered, this, [this] { Load_Wing(); });
    for (int i = 1; i <= 5; ++i) connect(m_chng[i], &QAction::triggered, this, [this, i] { chngClick(i); });
    connect(m_mscale1, &QAction::triggered, this, [this] { Mscale1Click(); });
    m_liveNeutralPoint1->setCheckable(true);
    connect(m_liveNeutralPoint1, &QAction::toggled, this, [this](bool on) { setLiveNeutralPoint(on); });
    connect(m_langAction[0], &QAction::triggered, this, [this] { german1Click(); });
    connect(m_langAction[1], &QAction::triggered, this, [this] { english1Click(); });
    connect(m_langAction[2], &QAction::triggered, this, [this] { spain1Click(); });
    connect(m_info1, &QAction::triggered, this, [this] { BitBtn1Click(); });
}

void TForm1::buildToolBar(QWidget* bar) {
    auto button = [this, bar](const char* name, const char* hint, const QImage& picture, int x) {
        auto* b = named(new QToolButton(bar), name);
        b->setToolTip(QString::fromLatin1(hint));
        b->setIcon(QIcon(QPixmap::fromImage(picture)));
        b->setIconSize(QSize(int(std::lround(18 * m_scale)), int(std::lround(18 * m_scale))));
        b->setAutoRaise(true);
        place(b, x, 2, 25, 24);
        return b;
    };
    m_sb1 = button("SpeedButton1", "Open File", toolSymbol(ToolSymbol::Open), 4);
    m_sb2 = button("SpeedButton2", "Save File as", toolSymbol(ToolSymbol::SaveAs), 30);
    m_sb3 = button("SpeedButton3", "Save File", toolSymbol(ToolSymbol::Save), 56);
    m_sb5 = button("SpeedButton5", "Print", toolSymbol(ToolSymbol::Print), 90);
    m_sb4 = button("SpeedButton4", "Calc", toolSymbol(ToolSymbol::Calc), 124);
    m_langButton[0] = button("SpeedButtonG", "Langue", flagPicture(tv::UiLanguage::German), 158);
    m_langButton[1] = button("SpeedButtonE", "Langue", flagPicture(tv::UiLanguage::English), 158);
    m_langButton[2] = button("SpeedButtonS", "Langue", flagPicture(tv::UiLanguage::Spanish), 158);
    m_sb3->setEnabled(false);
    m_sb5->setEnabled(false);
    m_labFName = addLabel(bar, "Lab_FName", 200, 4, 628, 20);
    m_labFName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labFName->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    buildScaleControls(bar);

    connect(m_sb1, &QToolButton::clicked, this, [this] { Load1Click(); });
    connect(m_sb2, &QToolButton::clicked, this, [this] { Save1Click(SaveMode::As); });
    connect(m_sb3, &QToolButton::clicked, this, [this] { Save1Click(SaveMode::Current); });
    connect(m_sb4, &QToolButton::clicked, this, [this] { Button4Click(); });
    connect(m_sb5, &QToolButton::clicked, this, [this] { Print1Click(m_sb5); });
    // Each visible flag button switches to the next language: German -> English -> Spanish -> German.
    connect(m_langButton[0], &QToolButton::clicked, this, [this] { english1Click(); });
    connect(m_langButton[1], &QToolButton::clicked, this, [this] { spain1Click(); });
    connect(m_langButton[2], &QToolButton::clicked, this, [this] { german1Click(); });
}

// The scale factor with its button, in the tool bar beside the file name: the menu command
// shows them whatever the page and the window size.
void TForm1::buildScaleControls(QWidget* bar) {
    m_lscaleF = addLabel(bar, "LscaleF", 200, 4, 110, kFieldHeight);
    m_eScale = named(new QLineEdit(QStringLiteral("1.0"), bar), "E_scale");
    place(m_eScale, 314, 4, 60, kFieldHeight);
    m_bscale1 = named(new QPushButton(bar), "Bscale1");
    place(m_bscale1, 378, 3, 88, 23);
    connect(m_bscale1, &QPushButton::clicked, this, [this] { Bscale1Click(); });
    connect(m_eScale, &QLineEdit::returnPressed, this, [this] { Bscale1Click(); });
    setScaleControlsVisible(false);
}

// ---- Pages ---------------------------------------------------------------------------------------

void TForm1::buildAircraftPage(QWidget* page) {
    buildPositionColumn(page);
    buildCalculationControls(page);
    buildAircraftViews(page);
}

// The wing-count buttons, and per wing its thumbnail with the x and z position fields.
void TForm1::buildPositionColumn(QWidget* page) {
    auto* countGroup = new QButtonGroup(this);
    for (int n = 1; n <= tv::kWingMax; ++n) {
        auto* rb = named(new QRadioButton(page), tv::kWingCountButtonNames[n]);
        place(rb, 6 + ((n - 1) % 3) * 84, n <= 3 ? tv::kWingCountRow1 : tv::kWingCountRow2, 82, 18);
        countGroup->addButton(rb, n);
        m_wingCountButtons[n] = rb;
    }
    m_wingCountButtons[tv::kDefaultWingCount]->setChecked(true);
    connect(countGroup, &QButtonGroup::idToggled, this, [this](int n, bool on) {
        if (on && !m_building) chooseWingCount(n);
    });

    QLabel* heading = addLabel(page, "Label23", 6, tv::kPositionHeadingTop, 200, 16);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const int top = tv::kThumbnailTop + (w - 1) * tv::kThumbnailPitch;
        m_thumb[w] = named(new TImage(page), QString("Image_T%1").arg(w).toLatin1().constData());
        placeImage(m_thumb[w], 4, top, 170, 84);
        auto* x = named(new QLineEdit(QString::fromLatin1(tv::defaultFieldText(w, tv::WingField::PositionX)), page),
                        tv::wingFieldName(w, tv::WingField::PositionX));
        auto* z = named(new QLineEdit(QString::fromLatin1(tv::defaultFieldText(w, tv::WingField::PositionZ)), page),
                        tv::wingFieldName(w, tv::WingField::PositionZ));
        place(x, 194, top + 36, 60, kFieldHeight);
        place(z, 194, top + 8, 60, kFieldHeight);
        m_positionCaption[w][0] = addLabel(page, QString("Label_px%1").arg(w).toLatin1().constData(), 180, top + 36, 12, kFieldHeight);
        m_positionCaption[w][1] = addLabel(page, QString("Label_pz%1").arg(w).toLatin1().constData(), 180, top + 8, 12, kFieldHeight);
        m_positionCaption[w][0]->setText(QStringLiteral("x"));
        m_positionCaption[w][1]->setText(QStringLiteral("z"));
        for (QLineEdit* e : {x, z}) {
            QPalette pal = e->palette();
            pal.setColor(QPalette::Text, kWingColour[w]);
            e->setPalette(pal);
        }
        m_fields[w][int(tv::WingField::PositionX)] = x;
        m_fields[w][int(tv::WingField::PositionZ)] = z;
    }
}

// The calculate button with its busy labels, the stability choice with the margin controls, the
// results box and the scale controls, down the left column under the positions.
void TForm1::buildCalculationControls(QWidget* page) {
    m_button4 = named(new QPushButton(page), "Button4");
    place(m_button4, 4, tv::kCalculateTop, 256, 26);
    connect(m_button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    m_labelW = addLabel(page, "Label_w", 4, tv::kCalculateTop, 190, 26);
    m_labelW->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    m_labelW->hide();
    m_label24 = addLabel(page, "Label24", 196, tv::kCalculateTop, 64, 26);
    m_label24->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    m_label24->hide();

    auto* stabilityGroup = new QButtonGroup(this);
    m_rb15 = named(new QRadioButton(page), "RadioButton15");
    m_rb16 = named(new QRadioButton(page), "RadioButton16");
    place(m_rb15, 4, tv::kAutomaticTop, 262, 18);
    place(m_rb16, 4, tv::kManualTop, 262, 18);
    stabilityGroup->addButton(m_rb15);
    stabilityGroup->addButton(m_rb16);
    m_rb15->setChecked(true);
    connect(m_rb15, &QRadioButton::clicked, this, [this] { RadioButton15Click(); });
    connect(m_rb16, &QRadioButton::clicked, this, [this] { RadioButton16Click(); });
    m_label22 = addLabel(page, "Label22", 4, tv::kMarginCaptionTop, 238, 16);
    m_editMstab = named(new QLineEdit(QStringLiteral("7.5"), page), "Edit_Mstab");
    place(m_editMstab, 4, tv::kMarginFieldTop, 48, kFieldHeight);
    m_label21 = addLabel(page, "Label21", 56, tv::kMarginFieldTop, 186, kFieldHeight);
    m_label21->setText(QStringLiteral("%"));
    m_scroll5 = named(new QScrollBar(Qt::Vertical, page), "ScrollBar5");
    m_scroll5->setRange(0, 60);
    m_scroll5->setValue(45);
    place(m_scroll5, 246, tv::kMarginCaptionTop, 16, tv::kMarginFieldTop + kFieldHeight - tv::kMarginCaptionTop);
    setManualControlsVisible(false);
    connect(m_editMstab, &QLineEdit::textChanged, this, [this] { if (!m_building) STABIL(); });
    // The margin slider writes its margin into the field, whose change runs the evaluation.
    connect(m_scroll5, &QScrollBar::valueChanged, this, [this](int position) {
        m_editMstab->setText(QString::fromStdString(tv::marginTextForSlider(position)));
    });
    connect(m_scroll5, &QScrollBar::sliderReleased, this, [this] { ScrollBar5Exit(); });

    // The results box fills the column's foot (layOutImages); a slim margin keeps five lines whole
    // at the smallest window.
    m_memo1 = named(new QPlainTextEdit(page), "Memo1");
    m_memo1->setReadOnly(true);
    m_memo1->document()->setDocumentMargin(2);
    const QRect memo = tv::layOutAircraftPage(QSize(kClientWidth - 6, kClientHeight - 58)).Memo1; // until the first layout
    place(m_memo1, memo.x(), memo.y(), memo.width(), memo.height());
    m_memo1->hide();
}

// The aircraft view and the 3D view with their bars and the pressure switch; their places
// follow the window size (layOutImages).
void TForm1::buildAircraftViews(QWidget* page) {
    m_image2 = named(new TImage(page), "Image2");
    m_image3 = named(new TImage(page), "Image3");
    placeImage(m_image2, 284, 2, 545, 396); // until the first layout
    placeImage(m_image3, 284, 420, 527, 260);
    m_scroll1 = named(new QScrollBar(Qt::Vertical, page), "ScrollBar1");
    m_scroll1->setRange(0, 90);
    m_scroll1->setValue(80);
    m_scroll2 = named(new QScrollBar(Qt::Horizontal, page), "ScrollBar2");
    m_scroll2->setRange(0, 360);
    m_scroll2->setValue(250);
    m_scroll3 = named(new QScrollBar(Qt::Vertical, page), "ScrollBar3");
    m_scroll3->setRange(10, 100);
    m_scroll3->setValue(100);
    m_scroll3->hide();
    m_scroll4 = named(new QScrollBar(Qt::Vertical, page), "ScrollBar4");
    m_scroll4->setRange(10, 97);
    m_scroll4->setValue(75);
    m_scroll4->hide();
    m_scroll6 = named(new QScrollBar(Qt::Vertical, page), "ScrollBar6");
    m_scroll6->setRange(20, 99);
    m_scroll6->setValue(92);
    m_scroll6->hide();
    m_checkBoxA = named(new QCheckBox(page), "CheckBoxA");
    m_checkBoxA->setLayoutDirection(Qt::RightToLeft);
    m_checkBoxA->hide();
    connect(m_checkBoxA, &QCheckBox::clicked, this, [this] { CheckBoxAClick(); });
    m_labelPress = addLabel(page, "Label_Press", 0, 0, 10, 10);
    m_labelPress->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_labelPress->hide();
    for (QScrollBar* bar : {m_scroll1, m_scroll2, m_scroll6})
        connect(bar, &QScrollBar::valueChanged, this, [this] { if (!m_building) draw3DView(); });
    connect(m_scroll3, &QScrollBar::valueChanged, this, [this] { if (!m_building) ScrollBar3Change(); });
    connect(m_scroll4, &QScrollBar::valueChanged, this, [this] { if (!m_building) ScrollBar4Change(); });
    using B = Qt::MouseButton;
    using Bs = Qt::MouseButtons;
    using K = Qt::KeyboardModifiers;
    connectMouse(m_image2, [this](QPoint p, B b, K k) { Image4MouseDown(p, b, k); },
                 [this](QPoint p, Bs b, K k) { Image4MouseMove(p, b, k); },
                 [this](QPoint p, B b, K k) { Image4MouseUp(p, b, k); });
    connectMouse(m_image3, [this](QPoint p, B b, K k) { Image3MouseDown(p, b, k); },
                 [this](QPoint p, Bs b, K k) { Image3MouseMove(p, b, k); },
                 [this](QPoint p, B b, K k) { Image3MouseUp(p, b, k); });
}

void TForm1::buildWingPage(QWidget* page, int w) {
    const tv::WingControlNames& names = tv::kWingControlNames[w];
    for (int n = 1; n <= tv::kTrapeziumMax; ++n) {
        auto* rb = named(new QRadioButton(page), names.trapezium[n]);
        place(rb, 6 + (n - 1) * 112, 6, 110, 20);
        m_trapButtons[w][n] = rb;
    }
    m_trapButtons[w][tv::defaultTrapeziumCount(w)]->setChecked(true);
    for (int i = 1; i <= 2; ++i) {
        m_gap[w][i] = addLabel(page, QString("Label_gap%1_%2").arg(w).arg(i).toLatin1().constData(), 462,
                               i == 1 ? 2 : 19, 360, 17);
        m_gap[w][i]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    }

    m_diagram[w] = named(new TImage(page), names.diagram);
    placeImage(m_diagram[w], kDiagramLeft, kDiagramTop, 750, 200);
    for (int s = 1; s <= tv::kSectionMax; ++s) {
        m_station[w][s] = addLabel(page, QString("L_%1_%2").arg(w).arg(s).toLatin1().constData(),
                                   kDiagramLeft + kStationPlace[s].x, kDiagramTop + kStationPlace[s].y, 44, 15);
        // Transparent and set low, so that a long flight-direction caption of the diagram stays
        // readable beside the first station's number.
        m_station[w][s]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    for (int f = 0; f < 14; ++f) {
        auto* e = named(new QLineEdit(QString::fromLatin1(tv::defaultFieldText(w, tv::WingField(f))), page),
                        tv::wingFieldName(w, tv::WingField(f)));
        place(e, kDiagramLeft + kDiagramFieldPlace[f].x, kDiagramTop + kDiagramFieldPlace[f].y, kFieldWidth,
              kFieldHeight);
        m_fields[w][f] = e;
    }

    buildWingResults(page, w);

    m_copyButton[w] = named(new QPushButton(page), names.copyButton);
    m_insertButton[w] = named(new QPushButton(page), names.insertButton);
    place(m_copyButton[w], 652, kResultTop, 170, 24);
    place(m_insertButton[w], 652, kResultTop + 28, 170, 24);
    connect(m_copyButton[w], &QPushButton::clicked, this, [this] { Save_Wing(); });
    connect(m_insertButton[w], &QPushButton::clicked, this, [this] { Load_Wing(); });

    m_planform[w] = named(new TImage(page), names.planform);
    placeImage(m_planform[w], 8, 340, 810, 330);
    showTrapeziumFields(w, tv::defaultTrapeziumCount(w));
}

// The planform results b, s, lm, r25, lam with their captions and the aerodynamic centre x, y.
void TForm1::buildWingResults(QWidget* page, int w) {
    const tv::WingControlNames& names = tv::kWingControlNames[w];
    ResultLabels& r = m_results[w];
    const char* captions[5] = {names.spanCaption, names.areaCaption, names.meanChordCaption, names.centreCaption,
                               names.aspectCaption};
    QLabel** values[5] = {&r.b, &r.s, &r.lm, &r.r25, &r.lam};
    const char* valuePrefix[5] = {"Label_b", "Label_s", "Label_lm", "Label_r25", "Label_lam"};
    for (int i = 0; i < 5; ++i) {
        addLabel(page, captions[i], 8, kResultTop + i * kRowHeight, 214, kRowHeight);
        *values[i] = addLabel(page, QString("%1%2").arg(valuePrefix[i]).arg(w).toLatin1().constData(), 224,
                              kResultTop + i * kRowHeight, 96, kRowHeight);
    }
    r.anpCaption = addLabel(page, names.anpCaption, 330, kResultTop, 232, kRowHeight);
    r.anp = addLabel(page, QString("Label_anp%1").arg(w).toLatin1().constData(), 564, kResultTop, 84, kRowHeight);
    r.yCaption = addLabel(page, names.yCaption, 330, kResultTop + kRowHeight, 232, kRowHeight);
    r.yCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    r.yCaption->setText(QStringLiteral(" y: "));
    r.ynp = addLabel(page, QString("Label_ynp%1").arg(w).toLatin1().constData(), 564, kResultTop + kRowHeight, 84,
                     kRowHeight);
}

void TForm1::buildRemarksPage(QWidget* page) {
    m_memo2 = named(new QPlainTextEdit(page), "Memo2");
    place(m_memo2, 4, 4, 820, 690);
}

void TForm1::connectWingPage(int w) {
    for (int f = 0; f < tv::kWingFieldCount; ++f) {
        QLineEdit* e = m_fields[w][f];
        connect(e, &QLineEdit::textChanged, this, [this, w, f, e] { onWingFieldChanged(w, tv::WingField(f), e); });
    }
    using B = Qt::MouseButton;
    using Bs = Qt::MouseButtons;
    using K = Qt::KeyboardModifiers;
    connectMouse(m_planform[w], [this, w](QPoint p, B b, K k) { planformMouseDown(w, p, b, k); },
                 [this, w](QPoint p, Bs b, K k) { planformMouseMove(w, p, b, k); },
                 [this, w](QPoint p, B b, K k) { planformMouseUp(w, p, b, k); });
    // Leaving the view takes its handles away.
    connect(m_planform[w], &TImage::mouseLeave, this, [this, w] { drawPlanformView(w); });
    for (int n = 1; n <= tv::kTrapeziumMax; ++n)
        connect(m_trapButtons[w][n], &QRadioButton::toggled, this, [this, w, n](bool on) {
            if (on && !m_building) SetTrapeziumCount(w, n);
        });
}
