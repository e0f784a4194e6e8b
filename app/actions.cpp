#include "app/actions.h"
#include "app/pictures.h"
#include "i18n/menu_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

namespace {
constexpr int kFieldHeight = 21;
constexpr int kNameLeft = 200, kNameLeftBesideScale = 472;
} // namespace

WindowActions::WindowActions(QMainWindow& window, QWidget* toolBar, const Placement& pl)
    : QObject(&window), m_pl(pl) {
    buildMenus(window);
    buildToolBar(toolBar);
    setKeys(window);
}

void WindowActions::buildMenus(QMainWindow& window) {
    // The menus and their items in the order of the one table; the texts come with the language.
    QMenu* current = nullptr;
    QMenu* sub = nullptr;
    QActionGroup* subGroup = nullptr; // the units of one quantity: one of them is checked
    for (const tv::MenuEntry& e : tv::menuBarEntries()) {
        const QString name = QString::fromLatin1(e.objectName ? e.objectName : "");
        switch (e.row) {
        case tv::MenuRow::Menu: current = named(window.menuBar()->addMenu(QString()), name); break;
        case tv::MenuRow::Submenu:
            current->addMenu(sub = named(new QMenu(current), name));
            subGroup = nullptr;
            break;
        case tv::MenuRow::SubItem: {
            auto* a = named(new QAction(&window), name);
            sub->addAction(a);
            if (const auto u = e.unitKey ? tv::unitFromKey(e.unitKey) : std::nullopt) {
                if (!subGroup) subGroup = new QActionGroup(sub);
                a->setCheckable(true);
                subGroup->addAction(a);
                unit[size_t(*u)] = a;
            }
            break;
        }
        case tv::MenuRow::Separator: current->addSeparator(); break;
        case tv::MenuRow::Item: current->addAction(named(new QAction(&window), name)); break;
        case tv::MenuRow::BarItem:
            window.menuBar()->addAction(named(new QAction(&window), name));
            current = nullptr;
            break;
        }
    }
    const auto action = [&window](const QString& name) {
        return window.findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
    };
    const std::pair<const char*, QAction* WindowActions::*> members[] = {
        {"New1", &WindowActions::New1}, {"Open2", &WindowActions::Open2}, {"Save2", &WindowActions::Save2},
        {"Save3", &WindowActions::Save3}, {"Print1", &WindowActions::Print1}, {"ExportPdf1", &WindowActions::ExportPdf1},
        {"ExportAvl1", &WindowActions::ExportAvl1}, {"ExportCsv1", &WindowActions::ExportCsv1},
        {"Exit1", &WindowActions::Exit1}, {"Undo1", &WindowActions::Undo1}, {"Redo1", &WindowActions::Redo1},
        {"wing11", &WindowActions::wing11}, {"wing21", &WindowActions::wing21}, {"wing31", &WindowActions::wing31},
        {"aircraft1", &WindowActions::aircraft1}, {"CopyWing1", &WindowActions::CopyWing1},
        {"InsertCopiedWing1", &WindowActions::InsertCopiedWing1}, {"Mscale1", &WindowActions::Mscale1},
        {"CopyResults1", &WindowActions::CopyResults1}, {"LiveNeutralPoint1", &WindowActions::LiveNeutralPoint1},
        {"Calc1", &WindowActions::Calc1}, {"SpanLoading1", &WindowActions::SpanLoading1}, {"Info1", &WindowActions::Info1},
        {"UnitsMetric1", &WindowActions::UnitsMetric1}, {"UnitsImperial1", &WindowActions::UnitsImperial1},
    };
    for (const auto& [name, member] : members) this->*member = action(QString::fromLatin1(name));
    for (int i = 1; i <= 5; ++i) chng[i] = action(QStringLiteral("chng%1").arg(i));
    const char* languages[] = {"german1", "english1", "spain1"};
    for (int i = 0; i < 3; ++i) language[i] = action(QString::fromLatin1(languages[i]));
    Recent1 = window.findChild<QMenu*>(QStringLiteral("Recent1"));
    Recent1->setToolTipsVisible(true);
    LiveNeutralPoint1->setCheckable(true);
}

void WindowActions::buildToolBar(QWidget* bar) {
    auto button = [this, bar](const char* name, const char* hint, const QImage& picture, int x) {
        auto* b = named(new QToolButton(bar), QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(hint));
        b->setIcon(QIcon(QPixmap::fromImage(picture)));
        b->setIconSize(QSize(m_pl.px(18), m_pl.px(18)));
        b->setAutoRaise(true);
        m_pl.place(b, x, 2, 25, 24);
        return b;
    };
    SpeedButton1 = button("SpeedButton1", "Open File", toolSymbol(ToolSymbol::Open), 4);
    SpeedButton2 = button("SpeedButton2", "Save File as", toolSymbol(ToolSymbol::SaveAs), 30);
    SpeedButton3 = button("SpeedButton3", "Save File", toolSymbol(ToolSymbol::Save), 56);
    SpeedButton5 = button("SpeedButton5", "Print", toolSymbol(ToolSymbol::Print), 90);
    SpeedButton4 = button("SpeedButton4", "Calc", toolSymbol(ToolSymbol::Calc), 124);
    languageButton[0] = button("SpeedButtonG", "Langue", flagPicture(tv::UiLanguage::German), 158);
    languageButton[1] = button("SpeedButtonE", "Langue", flagPicture(tv::UiLanguage::English), 158);
    languageButton[2] = button("SpeedButtonS", "Langue", flagPicture(tv::UiLanguage::Spanish), 158);
    Lab_FName = m_pl.label(bar, QStringLiteral("Lab_FName"), kNameLeft, 4, 628, 20);
    Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lab_FName->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255);"));
    // The scale factor with its button, beside the file name: the menu command shows them
    // whatever the page and the window size.
    LscaleF = m_pl.label(bar, QStringLiteral("LscaleF"), 200, 4, 110, kFieldHeight);
    E_scale = named(new QLineEdit(QStringLiteral("1.0"), bar), QStringLiteral("E_scale"));
    m_pl.place(E_scale, 314, 4, 60, kFieldHeight);
    Bscale1 = named(new QPushButton(bar), QStringLiteral("Bscale1"));
    m_pl.place(Bscale1, 378, 3, 88, 23);
    setScaleControlsVisible(false);
}

void WindowActions::setKeys(QMainWindow& window) {
    const std::pair<QAction*, QList<QKeySequence>> keys[] = {
        {New1, {QKeySequence(QStringLiteral("Ctrl+N"))}},
        {Open2, {QKeySequence(QStringLiteral("Ctrl+O"))}},
        {Save3, {QKeySequence(QStringLiteral("Ctrl+S"))}},
        {Save2, {QKeySequence(QStringLiteral("Ctrl+Shift+S"))}},
        {Print1, {QKeySequence(QStringLiteral("Ctrl+P"))}},
        {Exit1, {QKeySequence(QStringLiteral("Ctrl+Q"))}},
        {Undo1, {QKeySequence(QStringLiteral("Ctrl+Z"))}},
        {Redo1, {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))}},
        {Calc1, {QKeySequence(QStringLiteral("F5"))}},
    };
    for (const auto& [action, sequences] : keys) action->setShortcuts(sequences);
    saveAsKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+S")), &window);
    saveAsKey->setObjectName(QStringLiteral("SaveAsKey"));
}

void WindowActions::apply(const ActionState& s) {
    for (QAction* a : {Calc1}) a->setEnabled(s.calculate);
    Button4->setEnabled(s.calculate);
    SpeedButton4->setEnabled(s.calculate);
    Print1->setEnabled(s.results);
    SpeedButton5->setEnabled(s.results);
    ExportPdf1->setEnabled(s.results);
    CopyResults1->setEnabled(s.results);
    Save3->setEnabled(s.save);
    SpeedButton3->setEnabled(s.save);
    saveAsKey->setEnabled(!s.save);
    Undo1->setEnabled(s.undo);
    Redo1->setEnabled(s.redo);
    wing21->setEnabled(s.wingCount >= 2);
    wing31->setEnabled(s.wingCount >= 3);
    static const int chngNeeds[6] = {0, 2, 3, 3, 4, 5};
    for (int i = 1; i <= 5; ++i) chng[i]->setEnabled(s.wingCount >= chngNeeds[i]);
    // The wing menu copies and inserts the first three wings' pages.
    const bool wingMenu = s.activeWing >= 1 && s.activeWing <= 3;
    CopyWing1->setEnabled(wingMenu);
    InsertCopiedWing1->setEnabled(wingMenu && s.clipboardHasWing);
}

void WindowActions::setScaleControlsVisible(bool visible) {
    m_scaleShown = visible;
    for (QWidget* c : std::initializer_list<QWidget*>{LscaleF, E_scale, Bscale1}) c->setVisible(visible);
    layOutToolBar(m_toolBarWidth);
}

void WindowActions::layOutToolBar(int width) {
    m_toolBarWidth = width;
    const int left = m_scaleShown ? kNameLeftBesideScale : kNameLeft;
    m_pl.place(Lab_FName, left, 4, std::max(20, width - left - 8), 20);
}

void WindowActions::showUnits(const tv::DisplayUnits& units) {
    for (std::size_t i = 0; i < unit.size(); ++i)
        if (unit[i]) unit[i]->setChecked(units.of(tv::quantityOf(tv::Unit(i))) == tv::Unit(i));
}

void WindowActions::showLanguage(int index) {
    for (int i = 0; i < 3; ++i) languageButton[i]->setVisible(i == index);
}
