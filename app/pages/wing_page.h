#pragma once
// One wing's page (five instances): the trapezium-count buttons, the 14 planform fields over the
// dimension diagram, the station labels, the planform figures with the aerodynamic centre, the
// copy and insert buttons and the planform view. It shows what it is given and reports what the
// user does; the window decides.
#include "app/pages/placement.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/planform.h"
#include "views/planform_edit.h"
#include "views/planform_view.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;

class WingPage : public QWidget {
    Q_OBJECT
public:
    WingPage(int wing, const Placement& placement, QWidget* parent = nullptr);

    int wing() const { return m_w; }
    /// The 14 planform fields (RootOffset .. XOffset5); the positions live on the aircraft page.
    QLineEdit* field(tv::WingField f) const { return int(f) < 14 ? m_fields[int(f)] : nullptr; }
    QRadioButton* trapeziumButton(int n) const { return n >= 1 && n <= tv::kTrapeziumMax ? m_trapButtons[n] : nullptr; }
    int trapeziumCount() const;
    /// Checks count n's button without its change event, and shows the fields of n trapezia.
    void selectTrapeziumCount(int n);
    TImage* planformImage() const { return m_planform; }
    QPushButton* insertButton() const { return m_insertButton; }

    void drawDiagram(tv::UiLanguage lang, tv::Unit length = tv::Unit::Millimetre);
    /// The planform view; returns its scale (pixels per mm).
    double drawPlanform(const tv::PlanformScene& scene);
    /// Over the drawn view: the rubber band of a dragged outline, or the corners' handles.
    void drawRubberBand(const tv::Wing& dragged, double scale);
    void drawHandles(const tv::Wing& wing, double scale, int handleIndex);
    /// Station labels and planform figures of wing, in the units chosen.
    void showFigures(const tv::Wing& wing, tv::UiLanguage lang = tv::UiLanguage::English,
                     const tv::DisplayUnits& units = tv::kMetricUnits);
    /// The aerodynamic centre's labels (texts with their unit): shown with their captions enabled,
    /// or hidden and greyed.
    void showAerodynamicCentre(const std::optional<tv::AerodynamicCentreTexts>& ac);
    void showGapQuestion(const std::string& line1, const std::string& line2);
    /// The fields a planform handle moves, in yellow; the others on base.
    void highlightFields(const tv::FieldHighlight& yellow, const QColor& base);
    void setXOriginNote(const QString& note);
    /// Keeps the controls at the right edge inside a page of width (design pixels).
    void layOut(int width);

signals:
    void fieldEdited(tv::WingField f);
    void trapeziumCountChosen(int n);
    void copyRequested();
    void insertRequested();

private:
    void buildResults(const Placement& pl);
    void showTrapeziumFields(int n);

    int m_w;
    std::array<QLineEdit*, 14> m_fields{};
    std::array<QRadioButton*, tv::kTrapeziumMax + 1> m_trapButtons{};
    std::array<QLabel*, tv::kSectionMax + 1> m_station{};
    std::array<QLabel*, 3> m_gap{};
    TImage *m_diagram = nullptr, *m_planform = nullptr;
    QLabel *m_b = nullptr, *m_s = nullptr, *m_lm = nullptr, *m_r25 = nullptr, *m_lam = nullptr;
    QLabel *m_anp = nullptr, *m_ynp = nullptr, *m_anpCaption = nullptr, *m_yCaption = nullptr;
    QPushButton *m_copyButton = nullptr, *m_insertButton = nullptr;
    Placement m_pl;
};
