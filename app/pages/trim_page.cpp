#include "app/pages/trim_page.h"
#include "app/pages/combo_items.h"
#include "app/dialogs.h"
#include "app/document/project_document.h"
#include "app/pages/trim_curve_chart.h"
#include "files/airfoil_file.h"
#include "i18n/trim_page_texts.h"
#include "model/airfoil.h"
#include "model/numformat.h"
#include "stability/balance.h"
#include "trim/trim_texts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

std::string fixed(double v, int decimals) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// The fields of a trim edit step: which control of the page was typed in.
enum TrimField { kIncidence = 0, kMass = 1, kDensity = 2, kTwist = 10, kAirfoil = 20, kAlpha0 = 30, kCm0 = 40 };

void setIfDiffers(QLineEdit* e, const std::string& text) {
    const QString t = qs(text);
    if (e->text() != t) e->setText(t);
}

} // namespace

TrimPage::TrimPage(const Placement& placement, TDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_pl(placement), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("TabSheetTrim"));
    build();
    connectControls();
}

void TrimPage::setSceneSource(std::function<TrimScene()> source) {
    m_scene = std::move(source);
    refresh();
}

TrimScene TrimPage::scene() const { return m_scene(); }

namespace {
// Design pixels: the settings' columns, the rows, and where the figures and the curve begin.
constexpr int kRow = 22;
constexpr int kColX[] = {4, 70, 185, 305, 395, 460};
constexpr int kColW[] = {60, 110, 115, 85, 60, 130};
constexpr int kSectionTop = 62, kSectionPitch = 28;
constexpr int kLowerTop = 330;
} // namespace

void TrimPage::build() {
    const auto label = [this](int x, int y, int w) {
        auto* l = new QLabel(this);
        m_pl.place(l, x, y, w, kRow);
        return l;
    };
    const auto edit = [this](const QString& name, int x, int y, int w) {
        auto* e = named(new QLineEdit(this), name);
        m_pl.place(e, x, y, w, kRow);
        return e;
    };
    m_wingCaption = label(4, 8, 60);
    m_wing = named(new QComboBox(this), QStringLiteral("Combo_TrimWing"));
    m_pl.place(m_wing, 70, 8, 60, kRow);
    m_incidenceCaption = label(140, 8, 160);
    m_incidence = edit(QStringLiteral("Edit_Incidence"), kColX[3], 8, kColW[3]);
    for (int c = 0; c < 5; ++c) m_headers[c] = label(kColX[c], 38, kColW[c]);
    for (int s = 1; s <= tv::kTrimSectionMax; ++s) {
        SectionRow& r = m_rows[s];
        const int y = kSectionTop + kSectionPitch * (s - 1);
        r.caption = named(label(kColX[0], y, kColW[0]), QStringLiteral("Label_TrimSection%1").arg(s));
        r.caption->setText(QString::number(s));
        r.twist = edit(QStringLiteral("Edit_Twist%1").arg(s), kColX[1], y, kColW[1]);
        r.airfoil = edit(QStringLiteral("Edit_Airfoil%1").arg(s), kColX[2], y, kColW[2]);
        r.alpha0 = edit(QStringLiteral("Edit_Alpha0_%1").arg(s), kColX[3], y, kColW[3]);
        r.cm0 = edit(QStringLiteral("Edit_Cm0_%1").arg(s), kColX[4], y, kColW[4]);
        r.load = named(new QPushButton(this), QStringLiteral("Button_LoadAirfoil%1").arg(s));
        m_pl.place(r.load, kColX[5], y - 1, kColW[5], kRow + 2);
    }
    m_massCaption = label(4, 210, 190);
    m_mass = edit(QStringLiteral("Edit_TrimMass"), 200, 210, 170);
    m_densityCaption = label(4, 238, 190);
    m_density = edit(QStringLiteral("Edit_TrimDensity"), 200, 238, 80);
    m_questionCaption = label(4, 266, 190);
    m_question = named(new QComboBox(this), QStringLiteral("Combo_TrimQuestion"));
    m_pl.place(m_question, 200, 266, 170, kRow);
    m_targetCaption = label(378, 266, 75);
    m_target = edit(QStringLiteral("Edit_TrimTarget"), 460, 266, 80);
    m_variableCaption = label(4, 294, 190);
    m_variable = named(new QComboBox(this), QStringLiteral("Combo_TrimVariable"));
    m_pl.place(m_variable, 200, 294, 170, kRow);
    m_figures = named(new QPlainTextEdit(this), QStringLiteral("MemoTrim"));
    m_figures->setReadOnly(true);
    m_chart = new TrimCurveChart(this);
    layOutLower();
}

void TrimPage::layOutLower() {
    // The figures and the curve share the page below the settings, down to its foot.
    const int top = m_pl.px(kLowerTop);
    const int h = std::max(m_pl.px(120), height() - top - m_pl.px(4));
    const int w = std::max(m_pl.px(400), width() - m_pl.px(8));
    const int left = w * 9 / 20;
    m_figures->setGeometry(m_pl.px(4), top, left - m_pl.px(4), h);
    m_chart->setGeometry(m_pl.px(4) + left, top, w - left, h);
}

void TrimPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutLower();
}

void TrimPage::connectControls() {
    const auto typed = [this](QLineEdit* e, int field) {
        connect(e, &QLineEdit::textEdited, this, [this, field] { emitEdit(field); });
        connect(e, &QLineEdit::editingFinished, this, [this] { emit typingFinished(); });
    };
    typed(m_incidence, kIncidence);
    typed(m_mass, kMass);
    typed(m_density, kDensity);
    for (int s = 1; s <= tv::kTrimSectionMax; ++s) {
        const SectionRow& r = m_rows[s];
        typed(r.twist, kTwist + s);
        typed(r.alpha0, kAlpha0 + s);
        typed(r.cm0, kCm0 + s);
        connect(r.airfoil, &QLineEdit::textEdited, this, [this, s] { airfoilTyped(s); });
        connect(r.airfoil, &QLineEdit::editingFinished, this, [this] { emit typingFinished(); });
        connect(r.load, &QPushButton::clicked, this, [this, s] { loadAirfoil(s); });
    }
    connect(m_wing, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing) refresh();
    });
    for (QComboBox* box : {m_question, m_variable})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            if (m_showing) return;
            readAsk();
        });
    connect(m_target, &QLineEdit::textEdited, this, [this] { readAsk(); });
}

void TrimPage::readAsk() {
    m_ask.question = tv::TrimQuestion(std::max(0, m_question->currentIndex()));
    m_ask.target = m_target->text().toStdString();
    m_ask.trimWing = std::max(0, m_variable->currentData().toInt());
    refresh();
    emit askChanged();
}

int TrimPage::shownWing() const { return std::max(1, m_wing->currentIndex() + 1); }

tv::TrimTexts TrimPage::controlTexts() const {
    tv::TrimTexts t = m_texts;
    tv::TrimWingTexts& w = t.Wings[shownWing()];
    w.Incidence = m_incidence->text().toStdString();
    for (int s = 1; s <= tv::kTrimSectionMax; ++s) {
        const SectionRow& r = m_rows[s];
        if (r.twist->isHidden()) continue; // a section beyond the wing's keeps its stored texts
        w.Sections[s] = {r.twist->text().toStdString(), r.airfoil->text().toStdString(), r.alpha0->text().toStdString(),
                         r.cm0->text().toStdString()};
    }
    t.Density = m_density->text().toStdString();
    return t;
}

void TrimPage::emitEdit(int field, bool mergeable) {
    if (m_showing) return;
    tv::TrimTexts t = controlTexts();
    if (field == kMass) {
        // The mass is typed in the chosen unit (or with its unit after it); the project keeps grams.
        m_massTyped = m_mass->text().toStdString();
        t.Mass = storedMassText(m_massTyped, m_units.mass);
    }
    if (t == m_texts) return;
    m_texts = t;
    const int wing = field == kMass || field == kDensity ? 0 : shownWing();
    emit edited(t, tv::EditStep{tv::EditKind::Trim, wing, field}, mergeable);
}

void TrimPage::airfoilTyped(int s) {
    // A four-digit NACA name fills the zero-lift angle and the moment coefficient with its
    // thin-airfoil values; another name leaves them as typed.
    if (const auto c = tv::nacaFourDigit(m_rows[s].airfoil->text().toStdString())) {
        m_rows[s].alpha0->setText(qs(fixed(c->Alpha0Deg, 2)));
        m_rows[s].cm0->setText(qs(fixed(c->Cm0, 4)));
    }
    emitEdit(kAirfoil + s);
}

void TrimPage::loadAirfoil(int s) {
    if (s < 1 || s > tv::kTrimSectionMax) return;
    const auto name = m_dialogs.openFileName(this, qs(tv::trimPageTexts(m_lang).airfoilFilter), QString());
    if (!name) return;
    std::string reason;
    const tv::Airfoil a = tv::readAirfoilFile(localFileName(*name), &reason);
    if (!a.ok()) {
        // Nothing of the section changes: the file's error is all that happens.
        std::string text = tv::airfoilErrorText(m_lang, a);
        if (!reason.empty()) text += ": " + reason;
        m_dialogs.showError(this, qs(text));
        return;
    }
    const SectionRow& r = m_rows[s];
    r.airfoil->setText(qs(a.Name));
    r.alpha0->setText(qs(fixed(a.Coefficients.Alpha0Deg, 2)));
    r.cm0->setText(qs(fixed(a.Coefficients.Cm0, 4)));
    emitEdit(kAirfoil + s, false);
}

TrimState TrimPage::state() const {
    if (!m_scene) return {};
    const TrimScene sc = scene();
    return sc.trim ? sc.trim() : TrimState{};
}

void TrimPage::refresh() {
    if (!m_scene) return;
    const TrimScene sc = scene();
    if (!m_captionsSet || sc.lang != m_lang || !(sc.units == m_units)) {
        m_units = sc.units;
        retranslate(sc.lang);
    }
    showTexts(sc.aircraft.Trim, sc.aircraft);
    // A page not shown keeps its texts current only: its figures and curve follow when it is opened.
    if (isHidden()) return;
    m_state = sc.trim ? sc.trim() : TrimState{};
    const TrimState& s = m_state;
    std::string lines;
    for (const std::string& l : trimPageLines(sc.lang, s, m_units)) lines += l + "\n";
    if (m_figures->toPlainText() != qs(lines)) m_figures->setPlainText(qs(lines));
    m_chart->show(s.result ? &*s.result : nullptr, sc.lang, m_units);
}

void TrimPage::showTexts(const tv::TrimTexts& t, const tv::Aircraft& ac) {
    m_showing = true;
    m_texts = t;
    const int count = std::clamp(ac.WingCount, 1, tv::kTrimWingMax);
    if (m_wing->count() != count) {
        const int keep = std::min(m_wing->currentIndex(), count - 1);
        m_wing->clear();
        for (int w = 1; w <= count; ++w) m_wing->addItem(QString::number(w));
        m_wing->setCurrentIndex(std::max(0, keep));
    }
    if (m_variable->count() != count + 1) {
        m_variable->clear();
        const tv::TrimPageTexts& pt = tv::trimPageTexts(m_lang);
        m_variable->addItem(qs(pt.automatic), 0);
        for (int w = 1; w <= count; ++w)
            m_variable->addItem(qs((count == 1 ? pt.washoutOf : pt.incidenceOf) + std::to_string(w)), w);
        const int index = m_variable->findData(m_ask.trimWing);
        if (index < 0) m_ask.trimWing = 0;
        m_variable->setCurrentIndex(std::max(0, index));
    }
    const int w = shownWing();
    const tv::TrimWingTexts& wt = t.Wings[w];
    setIfDiffers(m_incidence, wt.Incidence);
    const int sections = std::clamp(ac.Wings[w].TrapeziumCount + 1, 2, tv::kTrimSectionMax);
    for (int s = 1; s <= tv::kTrimSectionMax; ++s) {
        const SectionRow& r = m_rows[s];
        const bool used = s <= sections;
        for (QWidget* c : {static_cast<QWidget*>(r.caption), static_cast<QWidget*>(r.twist),
                           static_cast<QWidget*>(r.airfoil), static_cast<QWidget*>(r.alpha0),
                           static_cast<QWidget*>(r.cm0), static_cast<QWidget*>(r.load)})
            c->setVisible(used);
        const tv::TrimSectionTexts& st = wt.Sections[s];
        setIfDiffers(r.twist, st.Twist);
        setIfDiffers(r.airfoil, st.Airfoil);
        setIfDiffers(r.alpha0, st.Alpha0);
        setIfDiffers(r.cm0, st.Cm0);
    }
    showMass(t, ac);
    setIfDiffers(m_density, t.Density);
    m_showing = false;
}

void TrimPage::showMass(const tv::TrimTexts& t, const tv::Aircraft& ac) {
    setIfDiffers(m_mass, massFieldText(t.Mass, m_massTyped, m_units.mass));
    // The balance table's total is the flying mass when the table has one: the field is then not used.
    const double table = tv::massBalance(ac.Balance.Rows).TotalMass;
    m_mass->setEnabled(!(table > 0));
    const QString fromTable =
        table > 0 ? qs(tv::trimPageTexts(m_lang).massFromTable + tv::measureText(m_lang, table, m_units.mass, 0))
                  : QString();
    m_mass->setPlaceholderText(fromTable);
    m_mass->setToolTip(fromTable);
}

void TrimPage::retranslate(tv::UiLanguage lang) {
    m_lang = lang;
    m_captionsSet = true;
    const tv::TrimPageTexts& t = tv::trimPageTexts(lang);
    m_wingCaption->setText(qs(t.wingCaption));
    m_incidenceCaption->setText(qs(t.incidence));
    const char* headers[] = {t.section, t.twist, t.airfoil, t.alpha0, t.cm0};
    for (int c = 0; c < 5; ++c) m_headers[c]->setText(qs(headers[c]));
    for (int s = 1; s <= tv::kTrimSectionMax; ++s) m_rows[s].load->setText(qs(t.loadAirfoil));
    const auto withUnit = [lang](const char* caption, tv::Unit u) {
        return qs(std::string(caption) + " (" + tv::unitSymbol(lang, u) + ")");
    };
    m_massCaption->setText(withUnit(t.mass, m_units.mass));
    m_densityCaption->setText(qs(t.density));
    m_density->setPlaceholderText(QStringLiteral("1.225"));
    m_questionCaption->setText(qs(t.question));
    m_targetCaption->setText(qs(t.target));
    m_variableCaption->setText(qs(t.trimVariable));
    retranslateItems(m_question, {qs(t.asSet), qs(t.targetCl), withUnit(t.targetSpeed, m_units.speed)});
    {
        const QSignalBlocker block(m_variable);
        m_variable->clear(); // rebuilt in the language by showTexts
    }
    // The page names its own tab.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setTabText(tabs->indexOf(this), qs(t.tabTitle));
            break;
        }
}
