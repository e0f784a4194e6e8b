#include "app/pages/balance_panel.h"
#include "app/pages/combo_items.h"
#include "i18n/balance_window_texts.h"
#include "model/numformat.h"
#include "stability/balance_lines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kRowHeight = 22;
constexpr int kFiguresTop = 410; // design pixels; the figures box runs to the page's foot
enum Column { NameColumn, MassColumn, XColumn, ColumnCount };
const QColor kMarkedRow(255, 215, 215);

QString qs(const std::string& s) { return QString::fromStdString(s); }

/// The text elided to the label's width, the whole of it in the tooltip.
void setFittedText(QLabel* label, const std::string& text) {
    const QString whole = qs(text);
    const QString shown = label->fontMetrics().elidedText(whole, Qt::ElideRight, label->width());
    label->setText(shown);
    label->setToolTip(shown == whole ? QString() : whole);
}

/// A converted entry as shown: to the thousandth, trailing zeros dropped.
QString entryText(double v) {
    QString t = qs(tv::formatFixed(v, 0, 3));
    while (t.endsWith(QLatin1Char('0'))) t.chop(1);
    if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    return t == QStringLiteral("-0") ? QStringLiteral("0") : t;
}

/// The entry's CG can be shown in `mode`: it has one, and the mean chord where the mode needs it.
bool showableIn(const BalanceState& s, tv::CgInput mode) {
    return !s.texts.MyCgFromTable && s.figures.MyCg.ok() && (s.figures.Mac || mode == tv::CgInput::AircraftFrame);
}

/// A caption written for millimetres or grams with the symbol of the unit chosen instead:
/// "x (mm)" -> "x (in)", "mm (aircraft frame)" -> "in (aircraft frame)".
QString withUnit(const char* caption, const char* metric, const std::string& symbol) {
    QString c = qs(caption);
    const QString m = QString::fromLatin1(metric);
    const QString in = QStringLiteral("(%1)").arg(m);
    if (c.contains(in)) return c.replace(in, QStringLiteral("(%1)").arg(qs(symbol)));
    if (c.startsWith(m + QLatin1Char(' '))) return qs(symbol) + c.mid(m.size());
    return c;
}

void setTextColour(QLabel* label, const std::optional<QColor>& colour) {
    label->setStyleSheet(colour ? QStringLiteral("color: %1;").arg(colour->name()) : QString());
}

} // namespace

BalancePanel::BalancePanel(const Placement& pl, QWidget* parent) : QWidget(parent), m_pl(pl) {
    setObjectName(QStringLiteral("TabSheetBalance"));
    build();
    connectControls();
}

void BalancePanel::setSceneSource(std::function<BalanceScene()> source) { m_scene = std::move(source); }

BalanceScene BalancePanel::scene() const { return m_scene ? m_scene() : BalanceScene{}; }

void BalancePanel::build() {
    m_myCgCaption = m_pl.label(this, QStringLiteral("LabelMyCg"), 4, 8, 76, kRowHeight);
    m_myCg = named(new QLineEdit(this), QStringLiteral("Edit_MyCg"));
    m_pl.place(m_myCg, 84, 8, 90, kRowHeight);
    m_mode = named(new QComboBox(this), QStringLiteral("ComboMyCgInput"));
    m_pl.place(m_mode, 180, 8, 310, kRowHeight);
    m_fromTable = named(new QCheckBox(this), QStringLiteral("CheckMyCgFromTable"));
    m_pl.place(m_fromTable, 498, 8, 300, kRowHeight);
    m_myCgAt = m_pl.label(this, QStringLiteral("LabelMyCgAt"), 4, 36, 800, 20);
    m_margin = m_pl.label(this, QStringLiteral("LabelMyCgMargin"), 4, 58, 800, 20);
    QFont bold = m_margin->font();
    bold.setBold(true);
    m_margin->setFont(bold);

    m_table = named(new QTableWidget(0, ColumnCount, this), QStringLiteral("TableBalance"));
    m_pl.place(m_table, 4, 84, 560, 290);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setColumnWidth(NameColumn, m_pl.px(250));
    m_table->setColumnWidth(MassColumn, m_pl.px(120));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->setDefaultSectionSize(m_pl.px(20));
    const std::pair<QPushButton**, const char*> buttons[] = {
        {&m_add, "ButtonRowAdd"}, {&m_remove, "ButtonRowRemove"}, {&m_up, "ButtonRowUp"}, {&m_down, "ButtonRowDown"}};
    int top = 84;
    for (const auto& [button, name] : buttons) {
        *button = named(new QPushButton(this), QString::fromLatin1(name));
        m_pl.place(*button, 572, top, 160, 24);
        top += 28;
    }
    m_macReference = m_pl.label(this, QStringLiteral("LabelMacReference"), 572, top + 8, 232, 110);
    m_macReference->setWordWrap(true);
    m_macReference->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_ballastCaption = m_pl.label(this, QStringLiteral("LabelBallastX"), 4, 382, 170, kRowHeight);
    m_ballast = named(new QLineEdit(this), QStringLiteral("Edit_BallastX"));
    m_pl.place(m_ballast, 178, 382, 90, kRowHeight);
    m_figures = named(new QPlainTextEdit(this), QStringLiteral("MemoBalance"));
    m_figures->setReadOnly(true);
    m_figures->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pl.place(m_figures, 4, kFiguresTop, 800, 250);
    m_strip = named(new QLabel, QStringLiteral("ResultsStrip"));
}

void BalancePanel::connectControls() {
    connect(m_myCg, &QLineEdit::textEdited, this, [this](const QString& typed) {
        const std::string before = m_shownMode == m_entryMode ? m_entryText : std::string();
        m_entryText = storedEntry(typed.toStdString(), before, entryUnit(m_shownMode));
        m_entryMode = m_shownMode;
        emitEdit(true);
    });
    connect(m_myCg, &QLineEdit::editingFinished, this, [this] {
        // The entry shows what was stored: "2.5in" typed reads "63.5" in millimetres.
        if (m_shownMode == m_entryMode) {
            const QSignalBlocker block(m_myCg);
            m_myCg->setText(qs(shownEntry(m_entryText, entryUnit(m_entryMode))));
        }
        emit typingFinished();
    });
    connect(m_mode, &QComboBox::activated, this, [this](int index) { chooseMode(tv::CgInput(index)); });
    connect(m_fromTable, &QCheckBox::clicked, this, [this](bool on) {
        m_myCg->setEnabled(!on);
        m_mode->setEnabled(!on);
        emitEdit();
    });
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!m_showing) emitEdit();
    });
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] {
        if (!m_showing) refresh();
    });
    connect(m_ballast, &QLineEdit::textEdited, this, [this] { refresh(); });
    connect(m_add, &QPushButton::clicked, this, [this] { addRow(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(m_up, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveRow(+1); });
}

void BalancePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int top = m_pl.px(kFiguresTop);
    m_figures->setGeometry(m_pl.px(4), top, std::max(m_pl.px(200), width() - m_pl.px(8)),
                           std::max(m_pl.px(60), height() - top - m_pl.px(4)));
}

// ---- Texts into the controls and back -------------------------------------------------------------

tv::Unit BalancePanel::entryUnit(tv::CgInput mode) const {
    // % MAC is no length: its text is kept as typed, as in millimetres.
    return mode == tv::CgInput::PercentMac ? tv::Unit::Millimetre : m_units.length;
}

tv::BalanceTexts BalancePanel::controlTexts(const tv::BalanceTexts& stored) const {
    tv::BalanceTexts b;
    b.MyCg = m_entryText;
    b.MyCgInput = m_entryMode;
    b.MyCgFromTable = m_fromTable->isChecked();
    for (int r = 0; r < m_table->rowCount(); ++r) {
        auto cell = [&](int c) {
            const QTableWidgetItem* item = m_table->item(r, c);
            return item ? item->text().toStdString() : std::string();
        };
        const tv::BalanceRowTexts was = size_t(r) < stored.Rows.size() ? stored.Rows[size_t(r)] : tv::BalanceRowTexts{};
        b.Rows.push_back({cell(NameColumn), storedEntry(cell(MassColumn), was.Mass, m_units.mass),
                          storedEntry(cell(XColumn), was.X, m_units.length)});
    }
    return b;
}

bool BalancePanel::showsStored(const tv::BalanceTexts& b) const {
    if (m_table->rowCount() != int(b.Rows.size())) return false;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const QTableWidgetItem *mass = m_table->item(r, MassColumn), *x = m_table->item(r, XColumn);
        if (!mass || !x || mass->text() != qs(shownEntry(b.Rows[size_t(r)].Mass, m_units.mass)) ||
            x->text() != qs(shownEntry(b.Rows[size_t(r)].X, m_units.length)))
            return false;
    }
    return true;
}

void BalancePanel::showTexts(const tv::BalanceTexts& b) {
    m_showing = true;
    const QSignalBlocker b1(m_myCg), b2(m_mode), b3(m_fromTable), b4(m_table);
    if (b.MyCg != m_entryText || b.MyCgInput != m_entryMode) {
        // Another entry (undo, an opened project): shown as stored.
        m_entryText = b.MyCg;
        m_entryMode = m_shownMode = b.MyCgInput;
        const QString shown = qs(shownEntry(b.MyCg, entryUnit(b.MyCgInput)));
        if (m_myCg->text() != shown) m_myCg->setText(shown);
        m_mode->setCurrentIndex(int(b.MyCgInput));
    }
    m_fromTable->setChecked(b.MyCgFromTable);
    // The table gives the CG: the entry and its mode wait.
    m_myCg->setEnabled(!b.MyCgFromTable);
    m_mode->setEnabled(!b.MyCgFromTable);
    const int current = m_table->currentRow();
    m_table->setRowCount(int(b.Rows.size()));
    for (int r = 0; r < int(b.Rows.size()); ++r) {
        const tv::BalanceRowTexts& row = b.Rows[size_t(r)];
        const std::string cells[] = {row.Name, shownEntry(row.Mass, m_units.mass), shownEntry(row.X, m_units.length)};
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem* item = m_table->item(r, c);
            if (!item) m_table->setItem(r, c, item = new QTableWidgetItem);
            if (item->text() != qs(cells[c])) item->setText(qs(cells[c]));
        }
    }
    if (current >= m_table->rowCount()) m_table->setCurrentCell(m_table->rowCount() - 1, 0);
    m_showing = false;
}

void BalancePanel::showEntry(const BalanceState& s) {
    // The stored text in its own mode; in another one converted, while the CG can be shown there.
    if (m_shownMode != m_entryMode && !showableIn(s, m_shownMode)) m_shownMode = m_entryMode;
    const tv::Unit u = entryUnit(m_shownMode);
    const QSignalBlocker b1(m_myCg), b2(m_mode);
    if (m_shownMode == m_entryMode) {
        // The entry being typed keeps its text while it reads as what was stored.
        if (storedEntry(m_myCg->text().toStdString(), m_entryText, u) != m_entryText)
            m_myCg->setText(qs(shownEntry(m_entryText, u)));
    } else {
        const double x = s.figures.Mac ? tv::cgInMode(s.figures.MyCg.X, m_shownMode, *s.figures.Mac) : s.figures.MyCg.X;
        const QString shown = qs(shownEntry(entryText(x).toStdString(), u));
        if (m_myCg->text() != shown) m_myCg->setText(shown);
    }
    m_mode->setCurrentIndex(int(m_shownMode));
}

void BalancePanel::chooseMode(tv::CgInput mode) {
    const BalanceState s = balanceState(scene());
    m_mode->setToolTip(QString());
    if (mode == m_entryMode || showableIn(s, mode)) {
        m_shownMode = mode; // the CG in another measure: the stored entry stays as typed
        showEntry(s);
    } else if (s.texts.MyCgFromTable || !s.figures.MyCg.ok()) {
        m_entryMode = m_shownMode = mode; // no CG to keep: the text is read in the mode chosen
        emitEdit();
    } else {
        // A CG that can not be converted without a mean chord keeps its measure.
        showEntry(s);
        m_mode->setToolTip(qs(tv::balanceLabels(m_lang).cgNoMeanChord));
    }
}

void BalancePanel::emitEdit(bool mergeable) { emit edited(controlTexts(), mergeable); }

void BalancePanel::addRow() {
    tv::BalanceTexts b = controlTexts();
    if (int(b.Rows.size()) >= tv::kBalanceRowMax) return;
    b.Rows.push_back({});
    showTexts(b);
    emitEdit(); // first: choosing the row refreshes from the stored texts
    m_table->setCurrentCell(int(b.Rows.size()) - 1, NameColumn);
    // The new row's name is typed next.
    m_table->setFocus(Qt::TabFocusReason);
    m_table->editItem(m_table->item(int(b.Rows.size()) - 1, NameColumn));
}

void BalancePanel::removeRow() {
    const int r = m_table->currentRow();
    tv::BalanceTexts b = controlTexts();
    if (r < 0 || r >= int(b.Rows.size())) return;
    b.Rows.erase(b.Rows.begin() + r);
    showTexts(b);
    emitEdit();
}

void BalancePanel::moveRow(int by) {
    const int r = m_table->currentRow(), to = r + by;
    tv::BalanceTexts b = controlTexts();
    if (r < 0 || to < 0 || to >= int(b.Rows.size())) return;
    std::swap(b.Rows[size_t(r)], b.Rows[size_t(to)]);
    showTexts(b);
    emitEdit();
    m_table->setCurrentCell(to, m_table->currentColumn());
}

// ---- Figures --------------------------------------------------------------------------------------

void BalancePanel::refresh() {
    if (!m_scene) return;
    const BalanceScene sc = scene();
    const bool unitsChanged = sc.units != m_units;
    if (!m_captionsSet || sc.lang != m_lang || unitsChanged) retranslate(sc.lang, sc.units);
    // Other units show every entry anew; a cell typed in shows what was stored.
    if (unitsChanged || controlTexts(sc.aircraft.Balance) != sc.aircraft.Balance || !showsStored(sc.aircraft.Balance))
        showTexts(sc.aircraft.Balance);
    const BalanceState s = balanceState(sc);
    showEntry(s);
    showFigures(s, sc.lang);
    markRows(s, sc.lang);
}

void BalancePanel::showFigures(const BalanceState& s, tv::UiLanguage lang) {
    const tv::BalanceLabels& l = tv::balanceLabels(lang);
    const tv::BalanceFigures& f = s.figures;
    std::string at = std::string(l.myCg) + ": ";
    if (!f.MyCg.ok()) at += tv::cgRefusalLine(lang, f.MyCg, s.texts.MyCg, s.units);
    else if (f.MyCgAt) at += tv::cgMeasuresText(lang, *f.MyCgAt, s.units);
    else at += tv::measureText(lang, f.MyCg.X, s.units.length, 1);
    setFittedText(m_myCgAt, at);
    // The verdict in words and in its colour; without a result "not calculated", never an old figure.
    const bool marginShown = !s.calculated || f.MyCg.ok();
    setFittedText(m_margin, marginShown ? tv::marginLine(lang, f.MyCgMargin, s.units) : std::string());
    const std::optional<QColor> colour =
        f.MyCgMargin ? std::optional<QColor>(tv::verdictColour(f.MyCgMargin->Verdict)) : std::nullopt;
    setTextColour(m_margin, colour);
    m_macReference->setText(qs(tv::macReferenceLine(lang, f, s.units)));

    std::vector<std::string> lines = tv::balanceReportLines(lang, f, s.texts, s.numbers, s.calculated, s.units);
    lines.push_back({});
    for (std::string& line : changeLines(lang, s, m_table->currentRow(), m_ballast->text().toStdString()))
        lines.push_back(std::move(line));
    QStringList text;
    for (const std::string& line : lines) text << qs(line);
    if (m_figures->toPlainText() != text.join(QLatin1Char('\n'))) m_figures->setPlainText(text.join(QLatin1Char('\n')));

    m_strip->setText(qs(resultsStripText(lang, s)));
    m_strip->setToolTip(f.MyCg.ok() ? qs(tv::marginLine(lang, f.MyCgMargin, s.units)) : QString());
    setTextColour(m_strip, colour);
    const bool full = int(s.texts.Rows.size()) >= tv::kBalanceRowMax;
    m_add->setEnabled(!full);
    m_add->setToolTip(full ? qs(tv::balanceWindowTexts(lang).tableFull) : QString());
    const int row = m_table->currentRow();
    m_remove->setEnabled(row >= 0);
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_table->rowCount());
}

// A row left out of the sums is tinted, its problem in the tooltip of its cells.
void BalancePanel::markRows(const BalanceState& s, tv::UiLanguage lang) {
    const QSignalBlocker block(m_table);
    const std::vector<tv::BalanceRow>& rows = s.figures.Masses.Rows;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        const bool used = size_t(r) < rows.size() && rows[size_t(r)].used();
        const std::string why = used || size_t(r) >= rows.size()
                                    ? std::string()
                                    : tv::rowProblemLine(lang, r + 1, s.texts.Rows[size_t(r)].Name, rows[size_t(r)].Problem, m_units);
        for (int c = 0; c < ColumnCount; ++c) {
            QTableWidgetItem* item = m_table->item(r, c);
            if (!item) continue;
            item->setBackground(used ? QBrush() : QBrush(kMarkedRow));
            item->setToolTip(qs(why));
        }
    }
}

tv::BalanceMarks BalancePanel::marks() const {
    const BalanceScene sc = scene();
    return balanceMarks(sc.lang, balanceState(sc));
}

std::vector<std::string> BalancePanel::reportLines() const {
    const BalanceScene sc = scene();
    return balanceReportBlock(sc.lang, balanceState(sc));
}

// ---- Captions -------------------------------------------------------------------------------------

void BalancePanel::retranslate(tv::UiLanguage lang, const tv::DisplayUnits& units) {
    m_lang = lang;
    m_units = units;
    m_captionsSet = true;
    const tv::BalanceWindowTexts& t = tv::balanceWindowTexts(lang);
    const tv::BalanceLabels& l = tv::balanceLabels(lang);
    const std::string length = tv::unitSymbol(lang, units.length), mass = tv::unitSymbol(lang, units.mass);
    m_myCgCaption->setText(qs(t.myCgCaption));
    retranslateItems(m_mode, {withUnit(l.inputAircraftFrame, "mm", length), withUnit(l.inputBehindRootLe, "mm", length),
                              qs(l.inputPercentMac)});
    m_fromTable->setText(qs(l.fromTable));
    m_table->setHorizontalHeaderLabels(
        {qs(l.itemColumn), withUnit(l.massColumn, "g", mass), withUnit(l.xColumn, "mm", length)});
    m_add->setText(qs(t.addRow));
    m_remove->setText(qs(t.removeRow));
    m_up->setText(qs(t.moveUp));
    m_down->setText(qs(t.moveDown));
    m_ballastCaption->setText(withUnit(t.ballastCaption, "mm", length));
    // The page names its own tab.
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            tabs->setTabText(tabs->indexOf(this), qs(t.tabTitle));
            break;
        }
}
