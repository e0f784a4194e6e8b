#pragma once
// The aircraft page: the wing-count buttons, a thumbnail with the x and z position fields per
// wing, the calculate button with its busy labels, the stability choice with the margin controls,
// the results box Memo1, the aircraft view Image2 and the 3D view Image3 with their bars and the
// pressure switch. The window reads and connects its controls; the page lays them out and shows
// the texts it is given.
#include "app/pages/placement.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "views/aircraft_view.h"
#include "views/balance_marks.h"
#include "views/planform_edit.h"
#include "views/pointer_position.h"
#include "views/view_common.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct CalculationResult;
namespace tv {
struct SolverWorkspace;
struct StabilityScene;
struct View3DScene;
struct View3DState;
} // namespace tv

/// Who asks for the stability picture: opening a file draws no outline or lattice.
enum class StabilityCaller { Other, OpenFile };
/// Whether the aircraft view is fitted to its image or keeps the magnified scale.
enum class AircraftFit { Refit, KeepMagnified };

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
    /// What the page's views draw: the model, and the result while it belongs to the model.
    struct Scene {
        const tv::Aircraft* model = nullptr;
        const CalculationResult* result = nullptr;
        tv::UiLanguage lang = tv::UiLanguage::English;
        std::string flightCaption;
        tv::SystemColours colours;
        tv::DisplayUnits units; // the result lines' and the margin label's
    };
    /// drag: the mouse state the views share with the planform views.
    AircraftPage(const Placement& placement, tv::DragState& drag, QWidget* parent = nullptr);
    ~AircraftPage() override;
    /// Where the scene comes from; the views draw from the first call on.
    void setSceneSource(std::function<Scene()> source);
    /// Where the balance marks of the stability picture come from (none: no marks).
    void setBalanceMarksSource(std::function<tv::BalanceMarks()> source) { m_balanceMarks = std::move(source); }

    // ---- The views (aircraft_views.cpp) ----------------------------------------------------------
    void drawAircraftView(AircraftFit fit = AircraftFit::Refit);
    /// The stability picture over the aircraft view (STABIL): outline, lattice, aircraft, result
    /// lines and marks; nothing without a neutral point.
    void drawStability(StabilityCaller caller = StabilityCaller::Other);
    /// Leader lines from the result lines to the marks (Zeiger).
    void drawLeaderLines();
    /// The lattice overlay of the current result (DrawGrid), or of a workspace being solved.
    void drawLattice();
    void paintLattice(const tv::SolverWorkspace& ws);
    void draw3DView();
    /// The language's flight-direction caption over the aircraft view, opaque.
    void drawLanguageCaption(const std::string& caption);
    /// Both views blank, ready to be drawn.
    void clearViews();
    /// The aircraft view fitted and drawn, the stability picture over it, the 3D view.
    void redrawViews();
    tv::StabilityScene stabilityScene(StabilityCaller caller) const;
    tv::View3DScene view3DScene() const;
    const tv::AircraftViewGeometry& geometry() const { return m_geom; }
    double view3DScale() const { return m_view3DScale; }
    void aircraftMouseDown(QPoint pos);
    void aircraftMouseUp(QPoint pos);
    void view3DMouseDown(QPoint pos);
    void view3DMouseMove(QPoint pos, Qt::MouseButtons buttons);
    void view3DMouseUp(QPoint pos);
    void ScrollBar3Change();
    void ScrollBar4Change();
    void ScrollBar5Exit();

    /// Places the views, bars and results box for a page of size (design pixels).
    void layOut(QSize page);
    /// Shows count n's button checked without its change event.
    void selectWingCount(int n);
    /// Thumbnails, position fields and their captions of the wings in use (wing 1's fields always).
    void showWingsInUse(int n);
    void setManualControlsVisible(bool visible);
    /// The recommended (automatic) or the desired (manual) margin, its controls and picture.
    void chooseStabilityMode(bool manual);
    /// The results box: hidden without lines; else the lines, under header unless they bring their own.
    void showMessages(const std::vector<std::string>& lines, const std::string& header, const std::string& ownHeader);
    /// The result on the page (none: nothing known): its lines in the results box (a stored neutral
    /// point says so), the margin label and the view's cursor.
    void showResult(const CalculationResult* r, tv::UiLanguage lang, const std::string& errorHeader,
                    const tv::DisplayUnits& units = tv::kMetricUnits);
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

signals:
    /// The pointer over the aircraft view, in the aircraft frame; nothing off the drawing.
    void pointerAt(std::optional<tv::AircraftFramePoint> point);

private:
    Scene scene() const;
    bool neutralPointKnown() const;
    /// View3DScale for a refit of the aircraft view, with the zoom bar's factor applied.
    void keep3DZoom(const tv::AircraftViewGeometry& fitted);
    void connectViews();
    void buildPositionColumn();
    void buildCalculationControls();
    void buildViews();

    Placement m_pl;
    std::array<std::array<QLabel*, 2>, tv::kWingMax + 1> m_positionCaption{}; // x, z beside the fields
    QLabel *m_labelW = nullptr, *m_label24 = nullptr, *m_label22 = nullptr;
    std::function<Scene()> m_scene;
    std::function<tv::BalanceMarks()> m_balanceMarks;
    tv::DragState& m_drag;
    tv::AircraftViewGeometry m_geom;
    double m_view3DScale = 1;
    std::unique_ptr<tv::View3DState> m_view3d;
};
