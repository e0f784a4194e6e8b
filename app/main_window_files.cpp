// Start-up, the project commands on the document (new, open, save, save as, recent), the wing
// clipboard, wing exchange, the settings file and closing.
#include "app/about_window.h"
#include "app/document/file_messages.h"
#include "app/actions.h"
#include "app/calculation/calculation_controller.h"
#include "app/main_window.h"
#include "app/pages/balance_panel.h"
#include "app/pages/aircraft_page.h"
#include "app/pages/wing_page.h"
#include "app/span_loading_window.h"
#include "app/startingaircraft.h"
#include "files/encoding.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/user_files.h"
#include "files/wingclipboard.h"
#include "i18n/prompts.h"
#include "i18n/session_texts.h"
#include "model/planform.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

// The settings in the per-user configuration folder, the clipboard in the per-user data folder,
// unless the working directory holds them already.
std::string clipboardPath() {
    return tv::userFilePath(tv::kWingClipboardFileName,
                            localFileName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

} // namespace

std::string TForm1::settingsFilePath() {
    return tv::userFilePath(tv::kSettingsFileName,
                            localFileName(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

// ---- Start-up ------------------------------------------------------------------------------------

void TForm1::Create1(const QStringList& arguments) {
    refreshClipboardState();
    readSettingsFile();
    m_memo2->setPlainText(qs(Catalogue.TxtRemarksPrompt));
    SetWingCount(tv::kDefaultWingCount);
    m_doc.startUnnamed(ProjectDocument::Origin::BuiltIn);
    if (arguments.size() == 1) {
        // The file system tells cases apart: the name as given is the file meant, and lower-casing
        // it could open (and "Save" overwrite) another file. The lower-case name is only a
        // fallback for a name typed in the wrong case when just that file exists.
        const QString& given = arguments[0];
        const QString lower = given.toLower();
        const QString name = (!QFileInfo::exists(given) && QFileInfo::exists(lower)) ? lower : given;
        // A name that cannot be opened is kept for a new project; one that failed to read is not,
        // or "Save" would overwrite it.
        if (Load2(name) == tv::ReadStatus::NotOpened) m_doc.adoptFile(name);
        Calc();
        m_pages->setCurrentWidget(m_aircraft);
        STABIL();
    } else {
        Calc();
    }
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    markAircraftSaved();
    updateActions();
}

void TForm1::refreshClipboardState() {
    ClipboardHasWing = tv::fileCanBeOpened(clipboardPath());
    for (int w = 1; w <= tv::kWingMax; ++w) m_wing[w]->insertButton()->setEnabled(ClipboardHasWing);
    updateActions();
}

// ---- Settings and closing ------------------------------------------------------------------------

void TForm1::readSettingsFile() {
    const tv::Settings s = tv::readSettings(settingsFilePath());
    QSize size = this->size();
    if (s.Width) size.setWidth(*s.Width);
    if (s.Height) size.setHeight(*s.Height);
    resize(size);
    if (s.Left || s.Top) move(s.Left.value_or(x()), s.Top.value_or(y()));
    selectLanguage(tv::languageFromLetter(s.LanguageLetter));
    setLiveNeutralPoint(s.LiveNeutralPoint);
}

void TForm1::FormClose() {
    // A settings file that cannot be written is passed over: nothing of the aircraft is in it.
    const std::string path = settingsFilePath();
    (void)tv::makeParentFolders(path);
    (void)tv::writeSettings(path, tv::languageLetter(UiLanguage), width(), height(), x(), y(), m_liveMode);
}

void TForm1::closeEvent(QCloseEvent* event) {
    cancelPlanformDrag();
    if (!confirmLeaveAircraft()) {
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

// ---- Unsaved edits -----------------------------------------------------------------------------

std::string TForm1::aircraftFingerprint() const {
    return tv::projectFileBytes(tv::computeAircraft(fieldTexts()), std::nullopt);
}

void TForm1::markAircraftSaved() { m_doc.markSaved(aircraftFingerprint()); }

bool TForm1::aircraftModified() const { return m_doc.modified(aircraftFingerprint()); }

bool TForm1::confirmLeaveAircraft() {
    if (!aircraftModified()) return true;
    switch (m_dialogs->askSaveChanges(this, tv::saveChangesTexts(UiLanguage, m_doc.shortName().toStdString()))) {
    case TDialogs::Answer::Discard: return true;
    case TDialogs::Answer::Cancel: return false;
    case TDialogs::Answer::Save: break;
    }
    // A project never named is saved under a name first; a failed or cancelled save keeps the
    // user where they were.
    Save1Click(m_doc.saveOffered() ? SaveMode::Current : SaveMode::As);
    return !aircraftModified();
}

void TForm1::showFileName() { m_actions->Lab_FName->setText(m_doc.labelText()); }

// ---- Project files ---------------------------------------------------------------------------

void TForm1::Save1Click(SaveMode mode) {
    QString name = m_doc.fileName();
    if (mode == SaveMode::As || !m_doc.saveOffered()) {
        const auto chosen = m_dialogs->saveFileName(this, qs(tv::projectFileFilter(UiLanguage, false)), m_doc.saveFolder());
        if (!chosen) return;
        name = *chosen;
    }
    const tv::Aircraft aircraft = tv::computeAircraft(fieldTexts());
    // The remark and the balance items' names are the texts the file may not hold whole.
    std::string texts = aircraft.Comment;
    for (const tv::BalanceRowTexts& row : aircraft.Balance.Rows) texts += row.Name;
    if (!confirmReplacedCharacters(UiLanguage, *m_dialogs, this, texts)) return;
    // The neutral point is stored only while it belongs to the aircraft saved.
    const CalculationResult* r = m_calc->resultFor(fieldTexts());
    const auto reference = r && r->neutralPointKnown() ? std::optional<tv::ReferenceValues>(r->reference) : std::nullopt;
    if (auto error = m_doc.save(name, aircraft, reference, aircraftFingerprint())) {
        m_dialogs->showError(this, saveErrorText(UiLanguage, *error));
        return;
    }
    showFileName();
    rebuildRecentMenu();
    updateActions();
}

void TForm1::Load1Click() {
    if (!confirmLeaveAircraft()) return;
    openProject(m_dialogs->openFileName(this, qs(tv::projectFileFilter(UiLanguage, true)), m_doc.openFolder()));
}

void TForm1::openProject(const std::optional<QString>& name) {
    if (!name) return; // a cancelled open keeps the aircraft and its results
    // A file that could not be read leaves the open project, its name, its results and its label.
    const tv::ReadStatus status = Load2(*name);
    if (status == tv::ReadStatus::NotOpened) m_dialogs->showError(this, notOpenedText(UiLanguage, *name));
    if (status != tv::ReadStatus::Ok) return;
    refreshClipboardState();
    m_aircraft->uncheckPressure();
    Calc();
    m_aircraft->RadioButton15->setChecked(true);
    RadioButton15Click();
    m_pages->setCurrentWidget(m_aircraft);
    STABIL(StabilityCaller::OpenFile);
    markAircraftSaved();
    updateActions();
}

tv::ReadStatus TForm1::Load2(const QString& name) {
    const EditScope hold(*this);
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(localFileName(name));
    if (r.status == tv::ReadStatus::NotOpened) return r.status;
    if (r.status == tv::ReadStatus::Failed) {
        m_dialogs->showError(this, readErrorText(UiLanguage, r.error));
        return r.status;
    }
    if (r.status == tv::ReadStatus::NotAProject) {
        m_dialogs->showError(this, qs(tv::notAProjectText(UiLanguage, name.toStdString())));
        return r.status;
    }
    m_doc.adoptFile(name);
    tv::AircraftTexts texts = fieldTexts();
    tv::applyProjectTable(r.value, texts);
    if (r.value.WingCount >= 1 && r.value.WingCount <= tv::kWingMax) SetWingCount(r.value.WingCount);
    writeFieldTexts(texts, 1, tv::kWingMax);
    if (r.value.taggedName) m_aircraft->uncheckPressure();
    if (r.value.Comment) m_memo2->setPlainText(qs(*r.value.Comment));
    m_doc.balance = texts.Balance;
    // The neutral point the file stored belongs to the aircraft just read, until it is edited.
    const tv::ReferenceValues stored{r.value.ReferenceArea.value_or(0), r.value.ReferenceChord.value_or(0),
                                     r.value.NeutralPointX.value_or(0)};
    m_calc->adoptProjectNeutralPoint(fieldTexts(), stored);
    m_balance->refresh();
    showFileName();
    m_doc.noteRecent(name);
    rebuildRecentMenu();
    startHistory();
    return r.status;
}

// ---- New ---------------------------------------------------------------------------------------

void TForm1::New1Click() {
    if (!confirmLeaveAircraft()) return;
    const StartingAircraftChoices c = startingAircraftChoices(UiLanguage);
    const std::optional<int> choice = m_dialogs->chooseItem(this, qs(tv::newAircraftTitle(UiLanguage)),
                                                            qs(tv::newAircraftPrompt(UiLanguage)), c.names, c.details);
    if (choice) startNewAircraft(*choice);
}

void TForm1::startNewAircraft(int index) {
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(localFileName(startingAircraftPath(index)));
    if (!r.ok()) {
        const std::string name = index >= 0 && index < tv::kStartingAircraftCount ? kStartingAircraftFiles[index] : "?";
        m_dialogs->showError(this, r.status == tv::ReadStatus::Failed ? qs(r.error.text())
                                                                      : qs(tv::startingAircraftMissingText(UiLanguage, name)));
        return;
    }
    {
        // The wings beyond the file's count keep the built-in aircraft's values, not the
        // reader's 10 mm, so that raising the count brings a sensible wing.
        const EditScope hold(*this);
        tv::AircraftTexts texts = tv::defaultAircraftTexts();
        tv::AircraftTexts read = texts;
        tv::applyProjectTable(r.value, read);
        texts.WingCount = read.WingCount;
        for (int w = 1; w <= read.WingCount; ++w) texts.wings[w] = read.wings[w];
        SetWingCount(texts.WingCount);
        m_doc.balance = read.Balance;
        writeFieldTexts(texts, 1, tv::kWingMax);
        m_memo2->setPlainText(qs(r.value.Comment.value_or(std::string())));
        m_aircraft->uncheckPressure();
        Calc();
        m_aircraft->RadioButton15->setChecked(true);
        RadioButton15Click();
        m_pages->setCurrentWidget(m_aircraft);
        STABIL();
    }
    // A new aircraft has no file yet: "Save" asks for a name.
    m_doc.startUnnamed(ProjectDocument::Origin::Template);
    showFileName();
    startHistory();
    markAircraftSaved(); // nothing to save yet: New after New asks nothing
    updateActions();
}

// ---- Recent projects -----------------------------------------------------------------------------

void TForm1::rebuildRecentMenu() {
    QMenu* menu = m_actions->Recent1;
    menu->clear();
    const std::vector<std::string>& recent = m_doc.recent();
    for (int i = 0; i < int(recent.size()); ++i) {
        const QFileInfo f(fromLocalFileName(recent[i]));
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(f.fileName()));
        a->setObjectName(QStringLiteral("Recent1_%1").arg(i + 1));
        a->setToolTip(QDir::toNativeSeparators(f.absolutePath()));
        connect(a, &QAction::triggered, this, command([this, i] { openRecentProject(i); }));
    }
    if (recent.empty()) menu->addAction(qs(tv::noRecentProjectsText(UiLanguage)))->setEnabled(false);
}

void TForm1::openRecentProject(int index) {
    if (index < 0 || index >= int(m_doc.recent().size())) return;
    const std::string path = m_doc.recent()[index];
    if (!QFileInfo(fromLocalFileName(path)).isFile()) {
        m_doc.forgetRecent(path);
        rebuildRecentMenu();
        m_dialogs->showError(this, qs(tv::recentProjectMissingText(UiLanguage, QDir::toNativeSeparators(fromLocalFileName(path)).toStdString())));
        return;
    }
    if (!confirmLeaveAircraft()) return;
    openProject(fromLocalFileName(path));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedProject(event->mimeData())) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    const auto name = droppedProject(event->mimeData());
    if (!name) return;
    event->acceptProposedAction();
    cancelPlanformDrag();
    openProject(*name);
}

// ---- Wing clipboard and exchange -----------------------------------------------------------------

void TForm1::Save_Wing() {
    const int w = activeWing();
    if (w == 0) return;
    m_doc.offerSave();
    const tv::Wing wing = tv::computeWing(fieldTexts().wings[w]);
    const CalculationResult* r = m_calc->resultFor(fieldTexts());
    const auto reference = r && r->neutralPointKnown() ? std::optional<tv::ReferenceValues>(r->reference) : std::nullopt;
    const std::string path = clipboardPath();
    auto error = tv::makeParentFolders(path);
    if (!error) error = tv::writeWingClipboard(path, wing, reference);
    if (error) {
        m_dialogs->showError(this, saveErrorText(UiLanguage, *error));
        return;
    }
    refreshClipboardState();
}

void TForm1::Load_Wing() {
    const int w = activeWing();
    if (w == 0) return;
    const EditScope step(*this, tv::EditStep{tv::EditKind::InsertWing, w});
    const tv::ReadResult<tv::WingClipboard> r = tv::readWingClipboard(clipboardPath());
    if (r.status == tv::ReadStatus::NotOpened) return;
    if (r.status == tv::ReadStatus::Failed) {
        m_dialogs->showError(this, readErrorText(UiLanguage, r.error));
        return;
    }
    tv::AircraftTexts texts = fieldTexts();
    tv::applyWingClipboard(r.value, texts.wings[w]);
    writeFieldTexts(texts, w, w);
}

void TForm1::Button_C1Click(int selector) {
    const auto pair = tv::exchangePair(selector);
    if (!pair) return;
    const EditScope step(*this, tv::EditStep{tv::EditKind::ExchangeWings, pair->first, pair->second});
    tv::AircraftTexts texts = fieldTexts();
    tv::exchangeWings(texts, pair->first, pair->second);
    writeFieldTexts(texts, pair->first, pair->first);
    writeFieldTexts(texts, pair->second, pair->second);
}

void TForm1::chngClick(int selector) {
    Button_C1Click(selector);
    Calc();
}
