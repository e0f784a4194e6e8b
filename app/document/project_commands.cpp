#include "app/document/project_commands.h"
#include "app/dialogs.h"
#include "app/document/file_messages.h"
#include "app/startingaircraft.h"
#include "files/encoding.h"
#include "files/projectfile.h"
#include "files/user_files.h"
#include "files/wingclipboard.h"
#include "i18n/prompts.h"
#include "i18n/session_texts.h"
#include "model/planform.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QWidget>

namespace {

QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }

// The clipboard in the per-user data folder, unless the working directory holds it already.
std::string clipboardPath() {
    return tv::userFilePath(tv::kWingClipboardFileName,
                            localFileName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

} // namespace

tv::AircraftTexts startingAircraftTexts(const tv::ProjectTable& table) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    tv::AircraftTexts read = texts;
    tv::applyProjectTable(table, read);
    texts.WingCount = read.WingCount;
    for (int w = 1; w <= read.WingCount; ++w) texts.wings[w] = read.wings[w];
    texts.Comment = table.Comment.value_or(std::string());
    texts.Balance = read.Balance;
    texts.Trim = read.Trim;
    return texts;
}

ProjectCommands::ProjectCommands(ProjectDocument& doc, const DocumentView& view, TDialogs& dialogs,
                                 NeutralPointStore& neutralPoints, Window window)
    : m_doc(doc), m_view(view), m_dialogs(dialogs), m_neutralPoints(neutralPoints), m_win(std::move(window)) {
    m_doc.loadRecent(settingsFilePath());
    rebuildRecentMenu();
    refreshClipboard();
    m_win.parent->setAcceptDrops(true);
    m_win.parent->installEventFilter(this);
}

void ProjectCommands::showError(const QString& text) { m_dialogs.showError(m_win.parent, text); }

// ---- Settings ------------------------------------------------------------------------------------

// The settings in the per-user configuration folder, unless the working directory holds them already.
std::string ProjectCommands::settingsFilePath() {
    return tv::userFilePath(tv::kSettingsFileName,
                            localFileName(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
}

tv::Settings ProjectCommands::readSettings(QWidget& window) {
    const tv::Settings s = tv::readSettings(settingsFilePath());
    QSize size = window.size();
    if (s.Width) size.setWidth(*s.Width);
    if (s.Height) size.setHeight(*s.Height);
    window.resize(size);
    if (s.Left || s.Top) window.move(s.Left.value_or(window.x()), s.Top.value_or(window.y()));
    return s;
}

void ProjectCommands::writeSettings(const QWidget& window, tv::UiLanguage lang, bool liveMode) {
    const std::string path = settingsFilePath();
    (void)tv::makeParentFolders(path);
    (void)tv::writeSettings(path, tv::languageLetter(lang), window.width(), window.height(), window.x(), window.y(),
                            liveMode);
}

// ---- Unsaved edits -----------------------------------------------------------------------------

std::string ProjectCommands::fingerprint() const {
    return tv::projectFileBytes(m_doc.aircraft(), std::nullopt);
}

void ProjectCommands::markSaved() { m_doc.markSaved(fingerprint()); }

bool ProjectCommands::modified() const { return m_doc.modified(fingerprint()); }

bool ProjectCommands::confirmLeave() {
    if (!modified()) return true;
    const tv::SaveChangesTexts texts = tv::saveChangesTexts(language(), m_doc.shortName().toStdString());
    switch (m_dialogs.askSaveChanges(m_win.parent, texts)) {
    case TDialogs::Answer::Discard: return true;
    case TDialogs::Answer::Cancel: return false;
    case TDialogs::Answer::Save: break;
    }
    // A project never named is saved under a name first; a failed or cancelled save keeps the
    // user where they were.
    save(m_doc.saveOffered() ? SaveMode::Current : SaveMode::As);
    return !modified();
}

std::optional<tv::ReferenceValues> ProjectCommands::currentReference(const tv::AircraftTexts& texts) const {
    return m_neutralPoints.neutralPointFor(texts);
}

void ProjectCommands::showFileName() { m_win.fileLabel->setText(m_doc.labelText()); }

// ---- Project files ---------------------------------------------------------------------------

void ProjectCommands::save(SaveMode mode) {
    const tv::UiLanguage lang = language();
    QString name = m_doc.fileName();
    if (mode == SaveMode::As || !m_doc.saveOffered()) {
        const auto chosen = m_dialogs.saveFileName(m_win.parent, qs(tv::projectFileFilter(lang, false)), m_doc.saveFolder());
        if (!chosen) return;
        name = *chosen;
    }
    const tv::AircraftTexts texts = m_doc.texts();
    const tv::Aircraft& aircraft = m_doc.aircraft();
    // The remark, the balance items' and the airfoils' names are the texts the file may not hold whole.
    std::string names = aircraft.Comment;
    for (const tv::BalanceRowTexts& row : aircraft.Balance.Rows) names += row.Name;
    for (const tv::TrimWingTexts& wing : aircraft.Trim.Wings)
        for (const tv::TrimSectionTexts& section : wing.Sections) names += section.Airfoil;
    if (!confirmReplacedCharacters(lang, m_dialogs, m_win.parent, names)) return;
    if (auto error = m_doc.save(name, aircraft, currentReference(texts), fingerprint())) {
        showError(saveErrorText(lang, *error));
        return;
    }
    showFileName();
    rebuildRecentMenu();
    m_win.updateActions();
}

void ProjectCommands::open() {
    if (!confirmLeave()) return;
    openProject(m_dialogs.openFileName(m_win.parent, qs(tv::projectFileFilter(language(), true)), m_doc.openFolder()));
}

void ProjectCommands::openProject(const std::optional<QString>& name) {
    if (!name) return; // a cancelled open keeps the aircraft and its results
    // A file that could not be read leaves the open project, its name, its results and its label.
    const tv::ReadStatus status = load(*name);
    if (status == tv::ReadStatus::NotOpened) showError(notOpenedText(language(), *name));
    if (status != tv::ReadStatus::Ok) return;
    refreshClipboard();
    m_win.showAircraft(true);
    markSaved();
    m_win.updateActions();
}

void ProjectCommands::openDropped(const QString& name) {
    // A dropped project leaves the aircraft as "Open" does: unsaved edits are asked about first.
    if (!confirmLeave()) return;
    openProject(name);
}

bool ProjectCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_win.parent || (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)) return false;
    auto* drop = static_cast<QDropEvent*>(event); // a drag entering is a drop event too
    const auto name = droppedProject(drop->mimeData());
    if (!name) return true; // other data is refused
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        m_win.beforeCommand();
        openDropped(*name);
    }
    return true;
}

bool ProjectCommands::openStartArguments(const QStringList& arguments) {
    if (arguments.size() != 1) return false;
    const QString& given = arguments[0];
    // The file system tells cases apart: the name as given is the file meant, and lower-casing
    // it could open (and "Save" overwrite) another file. The lower-case name is only a
    // fallback for a name typed in the wrong case when just that file exists.
    const QString lower = given.toLower();
    const QString name = (!QFileInfo::exists(given) && QFileInfo::exists(lower)) ? lower : given;
    // A name that cannot be opened is kept for a new project; one that failed to read is not,
    // or "Save" would overwrite it.
    if (load(name) == tv::ReadStatus::NotOpened) m_doc.adoptFile(name);
    return true;
}

tv::ReadStatus ProjectCommands::load(const QString& name) {
    const tv::UiLanguage lang = language();
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(localFileName(name));
    if (r.status == tv::ReadStatus::NotOpened) return r.status;
    if (r.status == tv::ReadStatus::Failed) {
        showError(readErrorText(lang, r.error));
        return r.status;
    }
    if (r.status == tv::ReadStatus::NotAProject) {
        showError(qs(tv::notAProjectText(lang, name.toStdString())));
        return r.status;
    }
    m_doc.adoptFile(name);
    tv::AircraftTexts texts = m_doc.texts();
    tv::applyProjectTable(r.value, texts);
    m_win.writeTexts(texts, std::nullopt);
    // The neutral point the file stored belongs to the aircraft just read, until it is edited.
    const tv::ReferenceValues stored{r.value.ReferenceArea.value_or(0), r.value.ReferenceChord.value_or(0),
                                     r.value.NeutralPointX.value_or(0)};
    m_neutralPoints.adoptProjectNeutralPoint(m_doc.texts(), stored);
    showFileName();
    m_doc.noteRecent(name);
    rebuildRecentMenu();
    m_win.startHistory();
    // Said whenever the file is opened: a save would write the shorter table over it.
    if (r.value.BalanceRowsLeftOut > 0)
        showError(qs(tv::balanceRowsLeftOutText(lang, name.toStdString(), tv::kBalanceRowMax, r.value.BalanceRowsLeftOut)));
    return r.status;
}

// ---- New ---------------------------------------------------------------------------------------

void ProjectCommands::newAircraft() {
    if (!confirmLeave()) return;
    const tv::UiLanguage lang = language();
    const StartingAircraftChoices c = startingAircraftChoices(lang);
    const std::optional<int> choice = m_dialogs.chooseItem(m_win.parent, qs(tv::newAircraftTitle(lang)),
                                                           qs(tv::newAircraftPrompt(lang)), c.names, c.details);
    if (choice) startNewAircraft(*choice);
}

void ProjectCommands::startNewAircraft(int index) {
    const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(localFileName(startingAircraftPath(index)));
    if (!r.ok()) {
        const std::string name = index >= 0 && index < tv::kStartingAircraftCount ? kStartingAircraftFiles[index] : "?";
        showError(r.status == tv::ReadStatus::Failed ? qs(r.error.text())
                                                     : qs(tv::startingAircraftMissingText(language(), name)));
        return;
    }
    m_win.writeTexts(startingAircraftTexts(r.value), std::nullopt);
    m_win.showAircraft(false);
    // A new aircraft has no file yet: "Save" asks for a name.
    m_doc.startUnnamed(ProjectDocument::Origin::Template);
    showFileName();
    m_win.startHistory();
    markSaved(); // nothing to save yet: New after New asks nothing
    m_win.updateActions();
}

// ---- Recent projects -----------------------------------------------------------------------------

void ProjectCommands::rebuildRecentMenu() {
    QMenu* menu = m_win.recentMenu;
    menu->clear();
    const std::vector<std::string>& recent = m_doc.recent();
    for (int i = 0; i < int(recent.size()); ++i) {
        const QFileInfo f(fromLocalFileName(recent[i]));
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(f.fileName()));
        a->setObjectName(QStringLiteral("Recent1_%1").arg(i + 1));
        a->setToolTip(QDir::toNativeSeparators(f.absolutePath()));
        QObject::connect(a, &QAction::triggered, menu, [this, i] {
            m_win.beforeCommand();
            openRecent(i);
        });
    }
    if (recent.empty()) menu->addAction(qs(tv::noRecentProjectsText(language())))->setEnabled(false);
}

void ProjectCommands::openRecent(int index) {
    if (index < 0 || index >= int(m_doc.recent().size())) return;
    const std::string path = m_doc.recent()[index];
    if (!QFileInfo(fromLocalFileName(path)).isFile()) {
        m_doc.forgetRecent(path);
        rebuildRecentMenu();
        showError(qs(tv::recentProjectMissingText(language(),
                                                  QDir::toNativeSeparators(fromLocalFileName(path)).toStdString())));
        return;
    }
    if (!confirmLeave()) return;
    openProject(fromLocalFileName(path));
}

// ---- Wing clipboard and exchange -----------------------------------------------------------------

void ProjectCommands::refreshClipboard() {
    m_clipboardHasWing = tv::fileCanBeOpened(clipboardPath());
    m_win.clipboardChanged(m_clipboardHasWing);
}

void ProjectCommands::copyWing(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    m_doc.offerSave();
    const tv::Wing& wing = m_doc.aircraft().Wings[w];
    const std::string path = clipboardPath();
    auto error = tv::makeParentFolders(path);
    if (!error) error = tv::writeWingClipboard(path, wing, currentReference(m_doc.texts()));
    if (error) {
        showError(saveErrorText(language(), *error));
        return;
    }
    refreshClipboard();
}

void ProjectCommands::insertWing(int w) {
    if (w < 1 || w > tv::kWingMax) return;
    const tv::ReadResult<tv::WingClipboard> r = tv::readWingClipboard(clipboardPath());
    if (r.status == tv::ReadStatus::NotOpened) return;
    if (r.status == tv::ReadStatus::Failed) {
        showError(readErrorText(language(), r.error));
        return;
    }
    tv::AircraftTexts texts = m_doc.texts();
    tv::applyWingClipboard(r.value, texts.wings[w]);
    m_win.writeTexts(texts, tv::EditStep{tv::EditKind::InsertWing, w});
}

void ProjectCommands::exchangeWings(int selector) {
    const auto pair = tv::exchangePair(selector);
    if (!pair) return;
    tv::AircraftTexts texts = m_doc.texts();
    tv::exchangeWings(texts, pair->first, pair->second);
    m_win.writeTexts(texts, tv::EditStep{tv::EditKind::ExchangeWings, pair->first, pair->second});
}
