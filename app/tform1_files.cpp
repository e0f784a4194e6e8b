// Start-up, opening and saving projects, the wing clipboard, wing exchange and the settings file.
#include "app/imagecontrol.h"
#include "app/span_loading_window.h"
#include "app/tform1.h"
#include "app/tform2.h"
#include "files/projectfile.h"
#include "files/settingsfile.h"
#include "files/user_files.h"
#include "files/wingclipboard.h"
#include "model/planform.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

namespace {
const QString kOpenFilter = QStringLiteral("Project files (*.da4 *.tv4 *.DA4 *.TV4)");
const QString kSaveFilter = QStringLiteral("Project files (*.tv4)");

std::string local(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The settings in the per-user configuration folder, the clipboard in the per-user data folder,
// unless the working directory holds them already.
std::string settingsPath() {
    return tv::userFilePath(tv::kSettingsFileName, local(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}
std::string clipboardPath() {
    return tv::userFilePath(tv::kWingClipboardFileName,
                            local(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
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
    ProjectFileName = QStringLiteral("Unknown.tv4");
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
}

void TForm1::FormClose() {
    // A settings file that cannot be written is passed over: nothing of the aircraft is in it.
    const std::string path = settingsPath();
    (void)tv::makeParentFolders(path);
    (void)tv::writeSettings(path, tv::languageLetter(UiLanguage), width(), height(), x(), y());
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    if (m_about) m_about->close();
    if (m_spanLoading) m_spanLoading->close();
    event->accept();
}

// ---- Project files ---------------------------------------------------------------------------

void TForm1::Save1Click(QObject* sender) {
    const bool saveAs = sender == m_save2 || sender == m_sb2;
    bool confirmed = false;
    if (saveAs) {
        if (auto name = m_dialogs->saveFileName(this, kSaveFilter)) {
            ProjectFileName = *name;
            setSaveEnabled(true);
            confirmed = true;
        }
    }
    ProjectFileName = QString::fromStdString(tv::normaliseProjectFileName(ProjectFileName.toStdString()));
    if (saveAs && !confirmed) return;
    const tv::Aircraft aircraft = tv::computeAircraft(fieldTexts());
    const std::optional<tv::ReferenceValues> reference =
        NeutralPointKnown ? std::optional<tv::ReferenceValues>(Reference) : std::nullopt;
    if (auto error = tv::writeProjectFile(local(ProjectFileName), aircraft, reference)) {
        m_dialogs->showError(this, QString::fromStdString(error->text()));
        return;
    }
    m_labFName->setText(ProjectFileName);
    noteProjectFile(false);
}

void TForm1::Load1Click() { openProject(m_dialogs->openFileName(this, kOpenFilter)); }

void TForm1::openProject(const std::optional<QString>& name) {
    Reference.ReferenceArea = 0;
    if (name) Load2(*name);
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
    STABIL(m_open2);
    LatticeKnown = false;
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
        m_dialogs->showError(this, QString::fromStdString(error->text()));
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
