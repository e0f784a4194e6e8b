// Start-up, opening and saving projects, the wing clipboard, wing exchange and the settings file.
#include "app/imagecontrol.h"
#include "app/span_loading_window.h"
#include "app/livecalculation.h"
#include "app/tform1.h"
#include "app/about_window.h"
#include "app/dialogs.h"
#include "files/encoding.h"
#include "files/projectfile.h"
#include "i18n/prompts.h"
#include "files/settingsfile.h"
#include "files/user_files.h"
#include "files/wingclipboard.h"
#include "model/planform.h"

#include <QTimer>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

namespace {

std::string local(const QString& name) { return QFile::encodeName(name).toStdString(); }

constexpr const char* kUnnamedProject = "Unknown.tv4"; // the built-in aircraft's name

// The settings in the per-user configuration folder, the clipboard in the per-user data folder,
// unless the working directory holds them already.
std::string settingsPath() {
    return tv::userFilePath(tv::kSettingsFileName, local(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}
} // namespace

std::string TForm1::settingsFilePath() { return settingsPath(); }

namespace {
std::string clipboardPath() {
    return tv::userFilePath(tv::kWingClipboardFileName,
                            local(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

/// The file holds Windows-1252: characters it cannot hold are saved as "?". The user is told which
/// before the save and may cancel it. True: go on.
bool confirmReplacedCharacters(tv::UiLanguage lang, TDialogs& dialogs, QWidget* parent, const std::string& remark) {
    const std::vector<std::string> lost = tv::unrepresentableCharacters(remark);
    if (lost.empty()) return true;
    std::string listed;
    for (const std::string& ch : lost) listed += (listed.empty() ? "" : " ") + ch;
    return dialogs.confirm(parent, QString::fromStdString(tv::replacedCharactersText(lang, listed)));
}

/// The line shown for a failed save: a read-only file in the interface language, else path and reason.
QString saveErrorText(tv::UiLanguage lang, const tv::FileError& e) {
    return QString::fromStdString(e.readOnly ? tv::readOnlyFileText(lang, e.path) : e.text());
}

/// The line shown for a failed read: a file beyond the size cap in the interface language, else
/// path and reason.
QString readErrorText(tv::UiLanguage lang, const tv::FileError& e) {
    return QString::fromStdString(e.tooLarge ? tv::tooLargeFileText(lang, e.path) : e.text());
}
} // namespace

// ---- Start-up ------------------------------------------------------------------------------------

void TForm1::Create1(const QStringList& arguments) {
    UiLanguage = tv::UiLanguage::English;
    refreshClipboardState();
    readSettingsFile();
    m_memo2->setPlainText(QString::fromStdString(Catalogue.TxtRemarksPrompt));
    SetWingCount(tv::kDefaultWingCount);
    ProjectFileName = QLatin1String(kUnnamedProject);
    if (arguments.size() == 1) {
        // The file system tells cases apart: the name as given is the file meant, and lower-casing
        // it could open (and "Save" overwrite) another file. The lower-case name is only a
        // fallback for a name typed in the wrong case when just that file exists.
        const QString& given = arguments[0];
        const QString lower = given.toLower();
        const QString name = (!QFileInfo::exists(given) && QFileInfo::exists(lower)) ? lower : given;
        // A name that cannot be opened is kept for a new project; one that failed to read is not,
        // or "Save" would overwrite it.
        if (Load2(name) == tv::ReadStatus::NotOpened) ProjectFileName = name;
        Calc(this);
        setSaveEnabled(true);
        m_pages->setCurrentWidget(m_aircraftPage);
        LatticeKnown = false;
        if (Reference.ReferenceArea > 0) {
            NeutralPointKnown = true;
            m_image2->setCursor(Qt::DragMoveCursor);
        }
        STABIL();
    } else {
        Calc(this);
    }
    for (int w = 1; w <= tv::kWingMax; ++w) drawDimensionDiagram(w);
    markAircraftSaved();
}

void TForm1::refreshClipboardState() {
    ClipboardHasWing = tv::fileCanBeOpened(clipboardPath());
    setInsertEnabled(ClipboardHasWing);
}

// ---- Settings ----------------------------------------------------------------------------------

void TForm1::readSettingsFile() {
    const tv::Settings s = tv::readSettings(settingsPath());
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
    const std::string path = settingsPath();
    (void)tv::makeParentFolders(path);
    (void)tv::writeSettings(path, tv::languageLetter(UiLanguage), width(), height(), x(), y(), m_liveMode);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!confirmLeaveAircraft()) {
        event->ignore();
        return;
    }
    FormClose();
    // A live calculation still running is waited for and its result dropped: nothing is shown
    // or written after the close.
    if (m_liveTimer) m_liveTimer->stop();
    m_live.reset();
    if (m_about) m_about->close();
    if (m_spanLoading) m_spanLoading->close();
    event->accept();
}

// ---- Unsaved edits -----------------------------------------------------------------------------

std::string TForm1::aircraftFingerprint() const {
    return tv::projectFileBytes(tv::computeAircraft(fieldTexts()), std::nullopt);
}

void TForm1::markAircraftSaved() { m_savedFingerprint = aircraftFingerprint(); }

bool TForm1::aircraftModified() const { return aircraftFingerprint() != m_savedFingerprint; }

bool TForm1::confirmLeaveAircraft() {
    if (!aircraftModified()) return true;
    const std::string name = QFileInfo(ProjectFileName).fileName().toStdString();
    switch (m_dialogs->askSaveChanges(this, tv::saveChangesTexts(UiLanguage, name))) {
    case TDialogs::Answer::Discard: return true;
    case TDialogs::Answer::Cancel: return false;
    case TDialogs::Answer::Save: break;
    }
    // A project never named is saved under a name first; a failed or cancelled save keeps the
    // user where they were.
    Save1Click(m_save3->isEnabled() ? SaveMode::Current : SaveMode::As);
    return !aircraftModified();
}

void TForm1::chooseWingCount(int n) {
    if (n == m_wingCount) return;
    if (!confirmLeaveAircraft()) {
        const QSignalBlocker block(m_wingCountButtons[m_wingCount]);
        m_wingCountButtons[m_wingCount]->setChecked(true);
        return;
    }
    SetWingCount(n);
}

// ---- Project files ---------------------------------------------------------------------------

QString TForm1::dialogFolder() const {
    return dialogStartFolder(ProjectFileName, ProjectFileName != QLatin1String(kUnnamedProject), exampleFolders());
}


void TForm1::Save1Click(SaveMode mode) {
    const bool saveAs = mode == SaveMode::As;
    bool confirmed = false;
    if (saveAs) {
        if (auto name = m_dialogs->saveFileName(this, QString::fromStdString(tv::projectFileFilter(UiLanguage, false)), dialogFolder())) {
            ProjectFileName = *name;
            setSaveEnabled(true);
            confirmed = true;
        }
    }
    ProjectFileName = QString::fromStdString(tv::normaliseProjectFileName(ProjectFileName.toStdString()));
    if (saveAs && !confirmed) return;
    const tv::Aircraft aircraft = tv::computeAircraft(fieldTexts());
    if (!confirmReplacedCharacters(UiLanguage, *m_dialogs, this, aircraft.Comment)) return;
    const std::optional<tv::ReferenceValues> reference =
        NeutralPointKnown ? std::optional<tv::ReferenceValues>(Reference) : std::nullopt;
    if (auto error = tv::writeProjectFile(local(ProjectFileName), aircraft, reference)) {
        m_dialogs->showError(this, saveErrorText(UiLanguage, *error));
        return;
    }
    m_labFName->setText(ProjectFileName);
    markAircraftSaved();
    noteProjectFile(false);
}

void TForm1::Load1Click() {
    if (!confirmLeaveAircraft()) return;
    openProject(m_dialogs->openFileName(this, QString::fromStdString(tv::projectFileFilter(UiLanguage, true)), dialogFolder()));
}

void TForm1::openProject(const std::optional<QString>& name) {
    if (!name) return; // a cancelled open keeps the aircraft and its results
    Reference.ReferenceArea = 0;
    const tv::ReferenceValues kept = Reference;
    Reference.ReferenceArea = 0;
    // A file that could not be read leaves the open project, its name, its results and its label.
    if (Load2(*name) != tv::ReadStatus::Ok) {
        Reference = kept;
        return;
    }
    refreshClipboardState();
    uncheckPressure();
    Calc(m_open2);
    setSaveEnabled(true);
    m_rb15->setChecked(true);
    RadioButton15Click();
    m_pages->setCurrentWidget(m_aircraftPage);
    if (Reference.ReferenceArea > 0) {
        NeutralPointKnown = true;
        m_image2->setCursor(Qt::DragMoveCursor);
    }
    STABIL(StabilityCaller::OpenFile);
    LatticeKnown = false;
    markAircraftSaved();
}

tv::ReadStatus TForm1::Load2(const QString& name) {
    const EditScope hold(*this);
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(local(name));
    if (r.status == tv::ReadStatus::NotOpened) return r.status;
    if (r.status == tv::ReadStatus::Failed) {
        m_dialogs->showError(this, readErrorText(UiLanguage, r.error));
        return r.status;
    }
    if (r.status == tv::ReadStatus::NotAProject) {
        m_dialogs->showError(this, QString::fromStdString(tv::notAProjectText(UiLanguage, name.toStdString())));
        return r.status;
    }
    ProjectFileName = name;
    tv::AircraftTexts texts = fieldTexts();
    tv::applyProjectTable(r.value, texts);
    if (r.value.WingCount >= 1 && r.value.WingCount <= tv::kWingMax) SetWingCount(r.value.WingCount);
    writeFieldTexts(texts, 1, tv::kWingMax);
    if (r.value.taggedName) uncheckPressure();
    if (r.value.Comment) m_memo2->setPlainText(QString::fromStdString(*r.value.Comment));
    if (r.value.ReferenceArea) Reference.ReferenceArea = *r.value.ReferenceArea;
    if (r.value.ReferenceChord) Reference.ReferenceChord = *r.value.ReferenceChord;
    if (r.value.NeutralPointX) Reference.NeutralPointX = *r.value.NeutralPointX;
    m_labFName->setText(ProjectFileName);
    noteProjectFile(true);
    return r.status;
}

// ---- Wing clipboard and exchange -----------------------------------------------------------------

void TForm1::Save_Wing() {
    const int w = activeWing();
    if (w == 0) return;
    setSaveEnabled(true);
    const tv::Wing wing = tv::computeWing(fieldTexts().wings[w]);
    const std::optional<tv::ReferenceValues> reference =
        NeutralPointKnown ? std::optional<tv::ReferenceValues>(Reference) : std::nullopt;
    const std::string path = clipboardPath();
    auto error = tv::makeParentFolders(path);
    if (!error) error = tv::writeWingClipboard(path, wing, reference);
    if (error) {
        m_dialogs->showError(this, saveErrorText(UiLanguage, *error));
        return;
    }
    ClipboardHasWing = true;
    setInsertEnabled(true);
    if (w <= 3) m_insertWing1->setEnabled(true);
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
    NeutralPointKnown = false;
    Button_C1Click(selector);
    Calc(selector >= 1 && selector <= 5 ? m_chng[selector] : nullptr);
}
