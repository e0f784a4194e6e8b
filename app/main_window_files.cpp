// The window's side of the project commands: start-up, the settings applied, closing, and texts
// the commands hand over put into the fields and shown.
#include "app/about_window.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
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
    ProjectCommands::Window w;
    w.parent = this;
    w.fileLabel = m_actions->Lab_FName;
    w.recentMenu = m_actions->Recent1;
    w.language = [this] { return UiLanguage; };
    w.texts = [this] { return fieldTexts(); };
    w.writeTexts = [this](const tv::AircraftTexts& t, std::optional<tv::EditStep> step) { writeAircraftTexts(t, step); };
    w.showAircraft = [this](bool justRead) { showProjectAircraft(justRead); };
    w.startHistory = [this] { startHistory(); };
    w.updateActions = [this] { updateActions(); };
    w.clipboardChanged = [this](bool hasWing) {
        ClipboardHasWing = hasWing;
        for (int i = 1; i <= tv::kWingMax; ++i) m_wing[i]->insertButton()->setEnabled(hasWing);
        updateActions();
    };
    w.beforeCommand = [this] { cancelPlanformDrag(); };
    return w;
}

void TForm1::Create1(const QStringList& arguments) {
    m_files->refreshClipboard();
    readSettingsFile();
    m_memo2->setPlainText(QString::fromStdString(Catalogue.TxtRemarksPrompt));
    SetWingCount(tv::kDefaultWingCount);
    m_doc.startUnnamed(ProjectDocument::Origin::BuiltIn);
    const bool named = arguments.size() == 1;
    if (named) m_files->openStartArgument(arguments[0]);
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
    if (texts.WingCount != m_wingCount) SetWingCount(texts.WingCount);
    m_doc.balance = texts.Balance;
    writeFieldTexts(texts, 1, tv::kWingMax);
    const QString comment = QString::fromStdString(texts.Comment);
    if (m_memo2->toPlainText() != comment) m_memo2->setPlainText(comment);
}

void TForm1::showProjectAircraft(bool justRead) {
    m_aircraft->uncheckPressure();
    Calc();
    m_aircraft->RadioButton15->setChecked(true);
    RadioButton15Click();
    m_pages->setCurrentWidget(m_aircraft);
    STABIL(justRead ? StabilityCaller::OpenFile : StabilityCaller::Other);
}

// ---- Settings and closing ------------------------------------------------------------------------

void TForm1::readSettingsFile() {
    const tv::Settings s = ProjectCommands::readSettings();
    QSize size = this->size();
    if (s.Width) size.setWidth(*s.Width);
    if (s.Height) size.setHeight(*s.Height);
    resize(size);
    if (s.Left || s.Top) move(s.Left.value_or(x()), s.Top.value_or(y()));
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
    if (m_liveTimer) m_liveTimer->stop();
    m_calc->stopLive();
    if (m_about) m_about->close();
    if (m_spanLoading) m_spanLoading->close();
    event->accept();
}
