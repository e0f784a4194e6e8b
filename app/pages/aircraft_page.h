#pragma once
// The aircraft page: the wing-count buttons, a thumbnail with the x and z position fields per
// wing, the calculate button with its busy labels, the stability choice with the margin controls,
// the results box Memo1, the aircraft view Image2 and the 3D view Image3 with their bars and the
// pressure switch. The window reads and connects its controls; the page lays them out and shows
// the texts it is given.
#include "app/pages/placement.h"
#include "i18n/texts.h"
#include "model/aircraft.h"

#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class AircraftPage : public QWidget {
    Q_OBJECT
public:
    AircraftPage(const Placement& placement, QWidget* parent = nullptr);

    /// Places the views, bars and results box for a page of size (design pixels).
    void layOut(QSize page);
    /// Shows count n's button checked without its change event.
    void selectWingCount(int n);
    /// Thumbnails, position fields and their captions of the wings in use (wing 1's fields always).
    void showWingsInUse(int n);
    void setManualControlsVisible(bool visible);
    /// The results box: hidden without lines; else the lines, under header unless they bring their own.
    void showMessages(const std::vector<std::string>& lines, const std::string& header, const std::string& ownHeader);
    /// The calculate button gives way to its busy labels while a calculation runs.
    void showBusy(bool busy);
    void showColumnsLeft(int columns);
    /// Unchecks the pressure switch (without its event) and hides its gain bar.
    void uncheckPressure();
    void redrawThumbnail(int w, const QString& caption);

    // Controls the window reads and connects.
    std::array<QRadioButton*, tv::kWingMax + 1> wingCountButton{};
    QButtonGroup* wingCountGroup = nullptr;
    std::array<TImage*, tv::kWingMax + 1> thumbnail{};
    std::array<QLineEdit*, tv::kWingMax + 1> positionX{}, positionZ{};
    QPushButton* Button4 = nullptr;
    QRadioButton *RadioButton15 = nullptr, *RadioButton16 = nullptr;
    QLineEdit* Edit_Mstab = nullptr;
    QLabel* Label21 = nullptr;
    QScrollBar* ScrollBar5 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    TImage *Image2 = nullptr, *Image3 = nullptr;
    QScrollBar *ScrollBar1 = nullptr, *ScrollBar2 = nullptr, *ScrollBar3 = nullptr, *ScrollBar4 = nullptr,
               *ScrollBar6 = nullptr;
    QCheckBox* CheckBoxA = nullptr;
    QLabel* Label_Press = nullptr;

private:
    void buildPositionColumn();
    void buildCalculationControls();
    void buildViews();

    Placement m_pl;
    std::array<std::array<QLabel*, 2>, tv::kWingMax + 1> m_positionCaption{}; // x, z beside the fields
    QLabel *m_labelW = nullptr, *m_label24 = nullptr, *m_label22 = nullptr;
};
