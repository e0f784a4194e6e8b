#pragma once
// The window's commands: the menus built from the one menu table, the tool bar with the file-name
// label and the scale controls, the standard keys, and the enabled state of every command, set in
// one place from the state of the document and the result.
#include "app/pages/placement.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <QObject>

#include <array>

class QAction;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QShortcut;
class QToolButton;

/// What decides which commands are offered.
struct ActionState {
    bool calculate = true;     // a calculate command would calculate (no result of this model yet)
    bool results = false;      // a calculation's results belong to the model: print, copy results
    bool save = false;         // Save writes under the project's name
    bool undo = false, redo = false;
    int wingCount = tv::kDefaultWingCount;
    int activeWing = 0;        // 1..5 on a wing page, 0 elsewhere
    bool clipboardHasWing = false;
};

class WindowActions : public QObject {
    Q_OBJECT
public:
    WindowActions(QMainWindow& window, QWidget* toolBar, const Placement& placement);

    /// Enables every command as state says.
    void apply(const ActionState& state);
    /// The scale factor with its button; the file name gives way while they show.
    void setScaleControlsVisible(bool visible);
    /// Places the file-name label up to the tool bar's right edge (design pixels).
    void layOutToolBar(int width);
    /// The flag button of lang is shown, the others hidden.
    void showLanguage(int languageIndex);
    /// The units menu checks the unit of every quantity in `units`.
    void showUnits(const tv::DisplayUnits& units);

    // Menu items, by their names in the menu table.
    QAction *New1 = nullptr, *Open2 = nullptr, *Save2 = nullptr, *Save3 = nullptr, *Print1 = nullptr,
            *ExportPdf1 = nullptr, *ExportAvl1 = nullptr, *ExportCsv1 = nullptr, *Exit1 = nullptr, *Undo1 = nullptr,
            *Redo1 = nullptr, *wing11 = nullptr, *wing21 = nullptr, *wing31 = nullptr, *aircraft1 = nullptr,
            *CopyWing1 = nullptr, *InsertCopiedWing1 = nullptr, *Mscale1 = nullptr, *CopyResults1 = nullptr,
            *LiveNeutralPoint1 = nullptr, *Calc1 = nullptr, *SpanLoading1 = nullptr, *Info1 = nullptr;
    std::array<QAction*, 6> chng{};        // [1..5] wing exchanges
    std::array<QAction*, 3> language{};    // German, English, Spanish
    QAction *UnitsMetric1 = nullptr, *UnitsImperial1 = nullptr;
    std::array<QAction*, 17> unit{};        // by tv::Unit: each chooses its quantity's unit
    QMenu* Recent1 = nullptr;
    /// Ctrl+S while the Save command is not offered: Save As.
    QShortcut* saveAsKey = nullptr;
    // Tool bar.
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr, *SpeedButton4 = nullptr,
                *SpeedButton5 = nullptr;
    std::array<QToolButton*, 3> languageButton{}; // German, English, Spanish
    QLabel* Lab_FName = nullptr;
    QLabel* LscaleF = nullptr;
    QLineEdit* E_scale = nullptr;
    QPushButton* Bscale1 = nullptr;
    // The calculate button of the aircraft page follows the calculate command.
    QPushButton* Button4 = nullptr;

private:
    void buildMenus(QMainWindow& window);
    void buildToolBar(QWidget* bar);
    void setKeys(QMainWindow& window);

    Placement m_pl;
    int m_toolBarWidth = 836;
    bool m_scaleShown = false;
};
