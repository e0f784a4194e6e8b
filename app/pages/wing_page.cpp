#include "app/pages/wing_page.h"
#include "app/wingcontrols.h"
#include "model/planform.h"
#include "views/dimension_diagram.h"
#include "views/planform_handles.h"
#include "views/view_common.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
constexpr int kFieldWidth = 46; // the numeric fields over the dimension diagram
constexpr int kFieldHeight = 21;
constexpr int kDiagramLeft = 8; // the diagram's place on the page
constexpr int kDiagramTop = 38;
constexpr int kResultTop = 244; // first row of the result labels under the diagram
constexpr int kRowHeight = 18;

QString latin(const char* name) { return QString::fromLatin1(name); }
} // namespace

WingPage::WingPage(int w, const Placement& pl, QWidget* parent) : QWidget(parent), m_w(w), m_pl(pl) {
    const tv::WingControlNames& names = tv::kWingControlNames[w];
    setObjectName(latin(names.tabSheet));
    for (int n = 1; n <= tv::kTrapeziumMax; ++n) {
        m_trapButtons[n] = named(new QRadioButton(this), latin(names.trapezium[n]));
        pl.place(m_trapButtons[n], 6 + (n - 1) * 112, 6, 110, 20);
    }
    m_trapButtons[tv::defaultTrapeziumCount(w)]->setChecked(true);
    for (int i = 1; i <= 2; ++i) {
        m_gap[i] = pl.label(this, QStringLiteral("Label_gap%1_%2").arg(w).arg(i), 462, i == 1 ? 2 : 19, 360, 17);
        m_gap[i]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    }
    m_diagram = named(new TImage(this), latin(names.diagram));
    pl.placeImage(m_diagram, kDiagramLeft, kDiagramTop, 750, 200);
    for (int s = 1; s <= tv::kSectionMax; ++s) {
        m_station[s] = pl.label(this, QStringLiteral("L_%1_%2").arg(w).arg(s), kDiagramLeft + kStationPlace[s].x,
                                kDiagramTop + kStationPlace[s].y, 44, 15);
        // Set low, so that a long flight-direction caption of the diagram stays readable beside
        // the first station's number.
        m_station[s]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    for (int f = 0; f < 14; ++f) {
        m_fields[f] = named(new QLineEdit(latin(tv::defaultFieldText(w, tv::WingField(f))), this),
                            latin(tv::wingFieldName(w, tv::WingField(f))));
        pl.place(m_fields[f], kDiagramLeft + kDiagramFieldPlace[f].x, kDiagramTop + kDiagramFieldPlace[f].y,
                 kFieldWidth, kFieldHeight);
        connect(m_fields[f], &QLineEdit::textChanged, this, [this, f] { emit fieldEdited(tv::WingField(f)); });
    }
    buildResults(pl);
    m_copyButton = named(new QPushButton(this), latin(names.copyButton));
    m_insertButton = named(new QPushButton(this), latin(names.insertButton));
    pl.place(m_copyButton, 652, kResultTop, 170, 24);
    pl.place(m_insertButton, 652, kResultTop + 28, 170, 24);
    connect(m_copyButton, &QPushButton::clicked, this, &WingPage::copyRequested);
    connect(m_insertButton, &QPushButton::clicked, this, &WingPage::insertRequested);
    m_planform = named(new TImage(this), latin(names.planform));
    pl.placeImage(m_planform, 8, 340, 810, 330);
    showTrapeziumFields(tv::defaultTrapeziumCount(w));
    for (int n = 1; n <= tv::kTrapeziumMax; ++n)
        connect(m_trapButtons[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (!on) return;
            showTrapeziumFields(n);
            emit trapeziumCountChosen(n);
        });
}

// The planform results b, s, lm, r25, lam with their captions and the aerodynamic centre x, y.
void WingPage::buildResults(const Placement& pl) {
    const tv::WingControlNames& names = tv::kWingControlNames[m_w];
    const char* captions[5] = {names.spanCaption, names.areaCaption, names.meanChordCaption, names.centreCaption,
                               names.aspectCaption};
    QLabel** values[5] = {&m_b, &m_s, &m_lm, &m_r25, &m_lam};
    const char* valuePrefix[5] = {"Label_b", "Label_s", "Label_lm", "Label_r25", "Label_lam"};
    for (int i = 0; i < 5; ++i) {
        pl.label(this, latin(captions[i]), 8, kResultTop + i * kRowHeight, 214, kRowHeight);
        *values[i] = pl.label(this, QStringLiteral("%1%2").arg(latin(valuePrefix[i])).arg(m_w), 224,
                              kResultTop + i * kRowHeight, 96, kRowHeight);
    }
    m_anpCaption = pl.label(this, latin(names.anpCaption), 330, kResultTop, 232, kRowHeight);
    m_anp = pl.label(this, QStringLiteral("Label_anp%1").arg(m_w), 564, kResultTop, 84, kRowHeight);
    m_yCaption = pl.label(this, latin(names.yCaption), 330, kResultTop + kRowHeight, 232, kRowHeight);
    m_yCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_yCaption->setText(QStringLiteral(" y: "));
    m_ynp = pl.label(this, QStringLiteral("Label_ynp%1").arg(m_w), 564, kResultTop + kRowHeight, 84, kRowHeight);
}

int WingPage::trapeziumCount() const {
    // Tested from the largest count down, as the checked button is looked for.
    for (int n = tv::kTrapeziumMax; n >= 1; --n)
        if (m_trapButtons[n]->isChecked()) return n;
    return 1;
}

void WingPage::selectTrapeziumCount(int n) {
    if (n < 1 || n > tv::kTrapeziumMax) return;
    {
        const QSignalBlocker block(m_trapButtons[n]);
        m_trapButtons[n]->setChecked(true);
    }
    showTrapeziumFields(n);
}

void WingPage::showTrapeziumFields(int n) {
    for (int f = 0; f < 14; ++f) m_fields[f]->setVisible(kFieldTrapezium[f] <= n);
    for (int s = 1; s <= tv::kSectionMax; ++s) m_station[s]->setVisible(s <= n + 1);
}

void WingPage::drawDiagram(tv::UiLanguage lang, tv::Unit length) {
    QPainter p(&m_diagram->canvas());
    tv::DimensionDiagram(p, trapeziumCount(), lang, length);
    p.end();
    m_diagram->update();
}

double WingPage::drawPlanform(const tv::PlanformScene& scene) {
    QPainter p(&m_planform->canvas());
    const double scale = tv::PlanformView(p, m_planform->bitmapSize(), scene);
    p.end();
    m_planform->update();
    return scale;
}

void WingPage::drawRubberBand(const tv::Wing& dragged, double scale) {
    QPainter p(&m_planform->canvas());
    tv::drawRubberBand(p, m_planform->bitmapSize(), dragged, scale, tv::wingColour(m_w));
    p.end();
    m_planform->update();
}

void WingPage::drawHandles(const tv::Wing& wing, double scale, int handleIndex) {
    QPainter p(&m_planform->canvas());
    tv::drawPlanformHandles(p, m_planform->bitmapSize(), wing, scale, tv::wingColour(m_w), handleIndex);
    p.end();
    m_planform->update();
}

void WingPage::showFigures(const tv::Wing& wing, tv::UiLanguage lang, const tv::DisplayUnits& units) {
    const auto stations = tv::stationLabelTexts(wing, lang, units.length);
    for (int s = 1; s <= tv::kSectionMax; ++s) m_station[s]->setText(QString::fromStdString(stations[s]));
    const tv::PlanformLabelTexts labels = tv::planformLabelTexts(m_w, wing.planform, lang, units);
    m_b->setText(QString::fromStdString(labels.b));
    m_s->setText(QString::fromStdString(labels.S));
    m_lm->setText(QString::fromStdString(labels.lm));
    m_r25->setText(QString::fromStdString(labels.r25));
    m_lam->setText(QString::fromStdString(labels.lam));
}

void WingPage::showAerodynamicCentre(const std::optional<tv::AerodynamicCentreTexts>& ac) {
    if (ac) {
        m_anp->setText(QString::fromStdString(ac->x));
        m_ynp->setText(QString::fromStdString(ac->y));
    }
    m_anpCaption->setEnabled(ac.has_value());
    m_yCaption->setEnabled(ac.has_value());
    m_anp->setVisible(ac.has_value());
    m_ynp->setVisible(ac.has_value());
}

void WingPage::showGapQuestion(const std::string& line1, const std::string& line2) {
    m_gap[1]->setText(QString::fromStdString(line1));
    m_gap[2]->setText(QString::fromStdString(line2));
}

void WingPage::highlightFields(const tv::FieldHighlight& yellow, const QColor& base) {
    for (int f = 0; f < 14; ++f) {
        QLineEdit* e = m_fields[f];
        const QColor want = yellow[f] ? QColor(255, 255, 0) : base;
        if (e->palette().color(QPalette::Base) == want) continue;
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, want);
        e->setPalette(pal);
    }
}

void WingPage::setXOriginNote(const QString& note) {
    m_anp->setToolTip(note);
    m_r25->setToolTip(note);
}

void WingPage::layOut(int width) {
    // At the smallest window the page is narrower than the design's 822 pixels.
    const int buttonLeft = std::min(652, width - 170 - 4);
    m_pl.place(m_copyButton, buttonLeft, kResultTop, 170, 24);
    m_pl.place(m_insertButton, buttonLeft, kResultTop + 28, 170, 24);
    for (int i = 1; i <= 2; ++i) m_pl.place(m_gap[i], std::min(462, width - 360 - 4), i == 1 ? 2 : 19, 360, 17);
}
