#pragma once
// The trim page: every wing's incidence, every section's twist and airfoil (name or NACA number,
// zero-lift angle, moment coefficient, "Load airfoil…" for a coordinate file), the flying mass and
// the air density, the question (as set, a target CL or speed, the trim variable), the figures the
// trim unit gives on the current result and the trim curve. The page renders the project's trim
// texts and reports every edit as the whole new texts: the window stores them and records the step.
// It solves nothing itself: its figures are the one current trim its scene hands it.
#include "app/pages/placement.h"
#include "app/pages/trim_state.h"
#include "i18n/session_texts.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TDialogs;
class TrimCurveChart;

class TrimPage : public QWidget {
    Q_OBJECT
public:
    TrimPage(const Placement& placement, TDialogs& dialogs, QWidget* parent = nullptr);
    /// Where the planforms, the trim texts, the current trim, the language and the units come
    /// from; read at each refresh.
    void setSceneSource(std::function<TrimScene()> source);
    /// Shows the scene's texts (controls that differ are rewritten without an edit), the figures,
    /// the curve and the captions of the scene's language.
    void refresh();
    /// The current trim of the scene as it is now.
    TrimState state() const;
    const TrimAsk& ask() const { return m_ask; }
    /// "Load airfoil…" of section s (1..5) of the wing shown.
    void loadAirfoil(int s);

signals:
    /// The texts after an edit of the page, named step; mergeable: typing in one field.
    void edited(const tv::TrimTexts& texts, const tv::EditStep& step, bool mergeable);
    /// A field lost the focus: its typing is one step.
    void typingFinished();
    /// The question changed: the figures elsewhere follow.
    void askChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct SectionRow {
        QLabel* caption = nullptr;
        QLineEdit *twist = nullptr, *airfoil = nullptr, *alpha0 = nullptr, *cm0 = nullptr;
        QPushButton* load = nullptr;
    };
    void build();
    void layOutLower();
    void connectControls();
    void retranslate(tv::UiLanguage lang);
    int shownWing() const;
    void showTexts(const tv::TrimTexts& t, const tv::Aircraft& ac);
    void showMass(const tv::TrimTexts& t, const tv::Aircraft& ac);
    /// The project's texts with the controls' values of the wing shown.
    tv::TrimTexts controlTexts() const;
    void emitEdit(int field, bool mergeable = true);
    void airfoilTyped(int s);
    void readAsk();
    TrimScene scene() const;

    Placement m_pl;
    TDialogs& m_dialogs;
    std::function<TrimScene()> m_scene;
    tv::TrimTexts m_texts; // as the project holds them
    TrimAsk m_ask;
    TrimState m_state;
    bool m_showing = false;
    bool m_captionsSet = false;
    tv::UiLanguage m_lang = tv::UiLanguage::English;
    tv::DisplayUnits m_units;   // of the captions and the mass field
    std::string m_massTyped;    // the mass field's text as typed last (kept while it gives the stored mass)

    QLabel *m_wingCaption = nullptr, *m_incidenceCaption = nullptr, *m_massCaption = nullptr,
           *m_densityCaption = nullptr, *m_questionCaption = nullptr, *m_targetCaption = nullptr,
           *m_variableCaption = nullptr;
    std::array<QLabel*, 5> m_headers{};
    QComboBox* m_wing = nullptr;
    QLineEdit* m_incidence = nullptr;
    std::array<SectionRow, 6> m_rows{}; // [1..5]
    QLineEdit *m_mass = nullptr, *m_density = nullptr, *m_target = nullptr;
    QComboBox *m_question = nullptr, *m_variable = nullptr;
    QPlainTextEdit* m_figures = nullptr;
    TrimCurveChart* m_chart = nullptr;
};
