#pragma once
// The balance page: the "My CG" entry with its mode and the "from the table" switch, the
// weight-and-balance table (name, mass, x; at most 30 rows; add, remove, move up and down), the
// ballast place, and the lines of figures; and the results strip the window shows under every
// page. The page renders the project's balance texts and the current result it is given, and
// reports every edit as the whole new texts: the window stores them and records the undo step.
#include "app/pages/balance_state.h"
#include "app/pages/placement.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class BalancePanel : public QWidget {
    Q_OBJECT
public:
    explicit BalancePanel(const Placement& placement, QWidget* parent = nullptr);
    /// Where the texts, planforms and result come from; read at each refresh.
    void setSceneSource(std::function<BalanceScene()> source);

    /// Shows the texts of the scene (controls that differ are rewritten without an edit), the
    /// figures, the strip and the captions of the scene's language.
    void refresh();
    /// The results strip; the window places it.
    QLabel* strip() const { return m_strip; }
    /// The marks of the aircraft view and the report's block, from the scene as it is now.
    tv::BalanceMarks marks() const;
    std::vector<std::string> reportLines() const;

signals:
    /// The texts after an edit of the page; mergeable: typing in the My CG entry.
    void edited(const tv::BalanceTexts& texts, bool mergeable);
    /// The My CG entry lost the focus: its typing is one step.
    void typingFinished();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void build();
    void connectControls();
    void retranslate(tv::UiLanguage lang, const tv::DisplayUnits& units);
    void showTexts(const tv::BalanceTexts& b);
    /// The stored entry in the mode the box shows: as typed in its own mode, converted in another.
    void showEntry(const BalanceState& s);
    void chooseMode(tv::CgInput mode);
    void showFigures(const BalanceState& s, tv::UiLanguage lang);
    void markRows(const BalanceState& s, tv::UiLanguage lang);
    /// The texts the controls hold, in grams and millimetres (b: the texts stored, which a control
    /// showing just them keeps).
    tv::BalanceTexts controlTexts(const tv::BalanceTexts& b) const;
    tv::BalanceTexts controlTexts() const { return controlTexts(scene().aircraft.Balance); }
    /// Every mass and x of the table shows the stored text in the units chosen.
    bool showsStored(const tv::BalanceTexts& b) const;
    /// The unit My CG is typed in while the box shows `mode`: the length unit, or % MAC.
    tv::Unit entryUnit(tv::CgInput mode) const;
    void emitEdit(bool mergeable = false);
    void addRow();
    void removeRow();
    void moveRow(int by);
    BalanceScene scene() const;

    Placement m_pl;
    std::function<BalanceScene()> m_scene;
    bool m_showing = false; // controls are being written: no edit
    tv::UiLanguage m_lang = tv::UiLanguage::English;
    tv::DisplayUnits m_units; // of the captions and the entries shown
    bool m_captionsSet = false;
    // My CG as stored (the text and the mode it was typed in). The box may show it in another
    // measure: that converts the field's text only, never the stored entry.
    std::string m_entryText;
    tv::CgInput m_entryMode = tv::CgInput::AircraftFrame;
    tv::CgInput m_shownMode = tv::CgInput::AircraftFrame;

    QLabel* m_myCgCaption = nullptr;
    QLineEdit* m_myCg = nullptr;
    QComboBox* m_mode = nullptr;
    QCheckBox* m_fromTable = nullptr;
    QLabel* m_myCgAt = nullptr;
    QLabel* m_margin = nullptr;
    QLabel* m_macReference = nullptr; // which wing and chord the % MAC figures are of
    QTableWidget* m_table = nullptr;
    QPushButton *m_add = nullptr, *m_remove = nullptr, *m_up = nullptr, *m_down = nullptr;
    QLabel* m_ballastCaption = nullptr;
    QLineEdit* m_ballast = nullptr;
    QPlainTextEdit* m_figures = nullptr;
    QLabel* m_strip = nullptr;
};
