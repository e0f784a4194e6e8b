#include "app/pages/aircraft_page.h"
#include "app/calculation/calculation_result.h"
#include "app/pictures.h"
#include "i18n/session_texts.h"
#include "i18n/control_names.h"
#include "stability/stability.h"
#include "views/page_layout.h"
#include "views/view3d.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>

namespace {
constexpr int kFieldHeight = 21;
// Wing colours of the position fields: blue, fuchsia, green, purple, maroon.
const QColor kWingColour[6] = {QColor(), QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 128, 0),
                               QColor(128, 0, 128), QColor(128, 0, 0)};

QScrollBar* bar(QWidget* page, const char* name, Qt::Orientation o, int low, int high, int value) {
    auto* b = named(new QScrollBar(o, page), QString::fromLatin1(name));
    b->setRange(low, high);
    b->setValue(value);
    return b;
}
} // namespace

AircraftPage::AircraftPage(const Placement& pl, tv::DragState& drag, QWidget* parent)
    : QWidget(parent), m_pl(pl), m_drag(drag), m_view3d(std::make_unique<tv::View3DState>()) {
    setObjectName(QString::fromLatin1(tv::kAircraftTabSheetName));
    buildPositionColumn();
    buildCalculationControls();
    buildViews();
    connect(RadioButton15, &QRadioButton::clicked, this, [this] { chooseStabilityMode(false); });
    connect(RadioButton16, &QRadioButton::clicked, this, [this] { chooseStabilityMode(true); });
    // The margin slider writes its margin into the field, whose change runs the evaluation.
    connect(ScrollBar5, &QScrollBar::valueChanged, this, [this](int position) {
        Edit_Mstab->setText(QString::fromStdString(tv::marginTextForSlider(position)));
    });
}

AircraftPage::~AircraftPage() = default;

// The wing-count buttons, and per wing its thumbnail with the x and z position fields.
void AircraftPage::buildPositionColumn() {
    wingCountGroup = new QButtonGroup(this);
    for (int n = 1; n <= tv::kWingMax; ++n) {
        wingCountButton[n] = named(new QRadioButton(this), QString::fromLatin1(tv::kWingCountButtonNames[n]));
        m_pl.place(wingCountButton[n], 6 + ((n - 1) % 3) * 84, n <= 3 ? tv::kWingCountRow1 : tv::kWingCountRow2, 82, 18);
        wingCountGroup->addButton(wingCountButton[n], n);
    }
    wingCountButton[tv::kDefaultWingCount]->setChecked(true);
    QLabel* heading = m_pl.label(this, QStringLiteral("Label23"), 6, tv::kPositionHeadingTop, 200, 16);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const int top = tv::kThumbnailTop + (w - 1) * tv::kThumbnailPitch;
        thumbnail[w] = named(new TImage(this), QStringLiteral("Image_T%1").arg(w));
        m_pl.placeImage(thumbnail[w], 4, top, 170, 84);
        auto field = [&](tv::WingField f) {
            return named(new QLineEdit(QString::fromLatin1(tv::defaultFieldText(w, f)), this),
                         QString::fromLatin1(tv::wingFieldName(w, f)));
        };
        positionX[w] = field(tv::WingField::PositionX);
        positionZ[w] = field(tv::WingField::PositionZ);
        m_pl.place(positionX[w], 194, top + 36, 60, kFieldHeight);
        m_pl.place(positionZ[w], 194, top + 8, 60, kFieldHeight);
        m_positionCaption[w][0] = m_pl.label(this, QStringLiteral("Label_px%1").arg(w), 180, top + 36, 12, kFieldHeight);
        m_positionCaption[w][1] = m_pl.label(this, QStringLiteral("Label_pz%1").arg(w), 180, top + 8, 12, kFieldHeight);
        m_positionCaption[w][0]->setText(QStringLiteral("x"));
        m_positionCaption[w][1]->setText(QStringLiteral("z"));
        for (QLineEdit* e : {positionX[w], positionZ[w]}) {
            QPalette pal = e->palette();
            pal.setColor(QPalette::Text, kWingColour[w]);
            e->setPalette(pal);
        }
    }
}

// The calculate button with its busy labels, the stability choice with the margin controls and
// the results box, down the left column under the positions.
void AircraftPage::buildCalculationControls() {
    Button4 = named(new QPushButton(this), QStringLiteral("Button4"));
    m_pl.place(Button4, 4, tv::kCalculateTop, 256, 26);
    m_labelW = m_pl.label(this, QStringLiteral("Label_w"), 4, tv::kCalculateTop, 190, 26);
    m_labelW->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    m_labelW->hide();
    m_label24 = m_pl.label(this, QStringLiteral("Label24"), 196, tv::kCalculateTop, 64, 26);
    m_label24->setStyleSheet(QStringLiteral("color: rgb(0, 128, 0);"));
    m_label24->hide();

    auto* stabilityGroup = new QButtonGroup(this);
    RadioButton15 = named(new QRadioButton(this), QStringLiteral("RadioButton15"));
    RadioButton16 = named(new QRadioButton(this), QStringLiteral("RadioButton16"));
    m_pl.place(RadioButton15, 4, tv::kAutomaticTop, 262, 18);
    m_pl.place(RadioButton16, 4, tv::kManualTop, 262, 18);
    stabilityGroup->addButton(RadioButton15);
    stabilityGroup->addButton(RadioButton16);
    RadioButton15->setChecked(true);
    m_label22 = m_pl.label(this, QStringLiteral("Label22"), 4, tv::kMarginCaptionTop, 238, 16);
    Edit_Mstab = named(new QLineEdit(QStringLiteral("7.5"), this), QStringLiteral("Edit_Mstab"));
    m_pl.place(Edit_Mstab, 4, tv::kMarginFieldTop, 48, kFieldHeight);
    Label21 = m_pl.label(this, QStringLiteral("Label21"), 56, tv::kMarginFieldTop, 186, kFieldHeight);
    Label21->setText(QStringLiteral("%"));
    ScrollBar5 = bar(this, "ScrollBar5", Qt::Vertical, 0, 60, 45);
    m_pl.place(ScrollBar5, 246, tv::kMarginCaptionTop, 16, tv::kMarginFieldTop + kFieldHeight - tv::kMarginCaptionTop);
    setManualControlsVisible(false);

    // The results box fills the column's foot (layOut); a slim margin keeps five lines whole at
    // the smallest window.
    Memo1 = named(new QPlainTextEdit(this), QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->document()->setDocumentMargin(2);
    m_pl.place(Memo1, tv::layOutAircraftPage(QSize(830, 700)).Memo1); // until the first layout
    Memo1->hide();
}

// The aircraft view and the 3D view with their bars and the pressure switch; their places follow
// the window size (layOut).
void AircraftPage::buildViews() {
    Image2 = named(new TImage(this), QStringLiteral("Image2"));
    Image3 = named(new TImage(this), QStringLiteral("Image3"));
    m_pl.placeImage(Image2, 284, 2, 545, 396); // until the first layout
    m_pl.placeImage(Image3, 284, 420, 527, 260);
    ScrollBar1 = bar(this, "ScrollBar1", Qt::Vertical, 0, 90, 80);
    ScrollBar2 = bar(this, "ScrollBar2", Qt::Horizontal, 0, 360, 250);
    ScrollBar3 = bar(this, "ScrollBar3", Qt::Vertical, 10, 100, 100);
    ScrollBar4 = bar(this, "ScrollBar4", Qt::Vertical, 10, 97, 75);
    ScrollBar6 = bar(this, "ScrollBar6", Qt::Vertical, 20, 99, 92);
    for (QScrollBar* b : {ScrollBar3, ScrollBar4, ScrollBar6}) b->hide();
    CheckBoxA = named(new QCheckBox(this), QStringLiteral("CheckBoxA"));
    CheckBoxA->setLayoutDirection(Qt::RightToLeft);
    CheckBoxA->hide();
    Label_Press = m_pl.label(this, QStringLiteral("Label_Press"), 0, 0, 10, 10);
    Label_Press->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_Press->hide();
}

void AircraftPage::layOut(QSize page) {
    const tv::AircraftPageLayout l = tv::layOutAircraftPage(page);
    m_pl.placeImage(Image2, l.Image2);
    m_pl.placeImage(Image3, l.Image3);
    m_pl.place(ScrollBar6, l.ScrollBar6);
    m_pl.place(CheckBoxA, l.CheckBoxA);
    m_pl.place(Label_Press, l.Label_Press);
    m_pl.place(ScrollBar1, l.ScrollBar1);
    m_pl.place(ScrollBar2, l.ScrollBar2);
    m_pl.place(Memo1, l.Memo1);
}

void AircraftPage::selectWingCount(int n) {
    const QSignalBlocker block(wingCountButton[n]);
    wingCountButton[n]->setChecked(true);
}

void AircraftPage::showWingsInUse(int n) {
    for (int w = 1; w <= tv::kWingMax; ++w) {
        const bool on = w <= n || w == 1;
        thumbnail[w]->setVisible(w <= n);
        positionX[w]->setVisible(on);
        positionZ[w]->setVisible(on);
        for (QLabel* caption : m_positionCaption[w]) caption->setVisible(on);
    }
}

void AircraftPage::chooseStabilityMode(bool manual) {
    ScrollBar3->setValue(100);
    setManualControlsVisible(manual);
    drawStability();
}

void AircraftPage::setManualControlsVisible(bool visible) {
    for (QWidget* c : std::initializer_list<QWidget*>{Label21, m_label22, Edit_Mstab, ScrollBar5}) c->setVisible(visible);
}

void AircraftPage::showMessages(const std::vector<std::string>& lines, const std::string& header,
                                const std::string& ownHeader) {
    if (lines.empty()) {
        Memo1->setPlainText(QString::fromStdString(header));
        Memo1->hide();
        return;
    }
    QStringList text;
    if (lines.front() != ownHeader) text << QString::fromStdString(header);
    for (const std::string& line : lines) text << QString::fromStdString(line);
    Memo1->setPlainText(text.join(QLatin1Char('\n')));
    Memo1->show();
}

void AircraftPage::showResult(const CalculationResult* r, tv::UiLanguage lang, const std::string& errorHeader,
                              const tv::DisplayUnits& units) {
    std::vector<std::string> lines;
    if (r) lines = r->source == ResultSource::ProjectFile ? tv::storedNeutralPointLines(lang) : r->messages;
    const std::string ownHeader = tv::zSeparationNotice(lang).front();
    // The stored neutral point's lines are a notice, not errors: they head the box themselves.
    showMessages(lines, errorHeader, r && r->source == ResultSource::ProjectFile ? lines.front() : ownHeader);
    const bool np = r && r->neutralPointKnown();
    Label21->setText(np ? QString::fromStdString(tv::marginLabelText(lang, r->reference.NeutralPointX, r->numbers, units))
                        : QString::fromLatin1(tv::kMarginLabelUnknown));
    if (np)
        Image2->setCursor(Qt::DragMoveCursor);
    else
        Image2->unsetCursor();
}

void AircraftPage::showBusy(bool busy) {
    m_labelW->setVisible(busy);
    Button4->setVisible(!busy);
    if (!busy) m_label24->hide();
}

void AircraftPage::showColumnsLeft(int columns) {
    m_label24->setText(QString::number(columns));
    m_label24->show();
    m_label24->repaint();
}

void AircraftPage::uncheckPressure() {
    const QSignalBlocker block(CheckBoxA);
    CheckBoxA->setChecked(false);
    ScrollBar6->hide();
}

void AircraftPage::redrawThumbnail(int w, const QString& caption) {
    drawWingThumbnail(thumbnail[w]->canvas(), w);
    drawThumbnailCaption(thumbnail[w]->canvas(), caption);
    thumbnail[w]->update();
}
