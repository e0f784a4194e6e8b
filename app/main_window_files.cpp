// The window's side of the project commands: start-up, the settings applied, closing, and texts
// the commands hand over put into the fields and shown.
#include "app/about_window.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/balance_panel.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

ProjectCommands::Window TForm1::projectWindow() {
    return {.parent = this,
            .fileLabel = m_actions->Lab_FName,
            .recentMenu = m_actions->Recent1,
            .writeTexts = [this](const auto& texts, auto step) { writeAircraftTexts(texts, step); },
            .showAircraft = [this](bool justRead) {
                m_aircraft->uncheckPressure();
                Calc();
                m_aircraft->RadioButton15->setChecked(true);
                RadioButton15Click();
                m_pages->setCurrentWidget(m_aircraft);
                STABIL(justRead ? StabilityCaller::OpenFile : StabilityCaller::Other);
            },
            .startHistory = [this] { startHistory(); },
            .updateActions = [this] { updateActions(); },
            .clipboardChanged = [this](bool hasWing) {
                for (int w = 1; w <= tv::kWingMax; ++w) m_wing[w]->insertButton()->setEnabled(hasWing);
                updateActions();
            },
            .beforeCommand = [this] { cancelPlanformDrag(); }};
}

void TForm1::Create1(const QStringList& arguments) {
    readSettingsFile();
    m_memo2->setPlainText(QString::fromStdString(Catalogue.TxtRemarksPrompt));
    SetWingCount(tv::kDefaultWingCount);
    const bool named = m_files->openStartArguments(arguments);
    Calc();
    if (named) {
        m_pages->setCurrentWidget(m_aircraft);
        STABIL();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    m_files->markSaved();
    updateActions();
}

void TForm1::writeAircraftTexts(const tv::AircraftTexts& texts, std::optional<tv::EditStep> step) {
    const EditScope scope(*this, step);
    if (texts.WingCount != m_doc.wingCount()) SetWingCount(texts.WingCount);
    m_doc.setBalance(texts.Balance);
    m_doc.setTrim(texts.Trim);
    m_fields->writeWings(texts, 1, tv::kWingMax);
    m_fields->writeRemarks(texts.Comment);
}

// ---- Settings and closing ------------------------------------------------------------------------

void TForm1::readSettingsFile() {
    const tv::Settings s = ProjectCommands::readSettings(*this);
    selectLanguage(tv::languageFromLetter(s.LanguageLetter));
    setLiveNeutralPoint(s.LiveNeutralPoint);
}

void TForm1::closeEvent(QCloseEvent* event) {
    cancelPlanformDrag();
    if (!m_files->confirmLeave()) {
        event->ignore();
        return;
    }
    FormClose();
    // A live calculation still running is waited for and its result dropped: nothing is shown
    // or written after the close.
    m_calc->stopLive();
    if (m_about) m_about->close();
    if (m_spanLoading) m_spanLoading->close();
    event->accept();
}
