#pragma once
// The project as a document: its texts and the one aircraft derived from them, its file name,
// whether Save may write under it, the state last opened or saved, the edit history and the recent
// projects. Operations change the document only when they succeed: a failed save keeps the name,
// the saved state and the recent list.
#include "app/document/edit_history.h"
#include "files/fileio.h"
#include "i18n/texts.h"
#include "model/aircraft.h"
#include "model/planform.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class ProjectDocument {
public:
    // ---- The aircraft ---------------------------------------------------------------------------
    /// The texts as the pages hold them, with the wing count, the balance texts and the remarks.
    const tv::AircraftTexts& texts() const { return m_texts; }
    /// The aircraft derived from texts(): every reader of the planforms takes this value (or a
    /// result's own); nothing else writes it.
    const tv::Aircraft& aircraft() const { return m_aircraft; }
    int wingCount() const { return m_texts.WingCount; }
    /// The texts after an edit; the aircraft is derived once, when they differ.
    void setTexts(const tv::AircraftTexts& texts);
    void setWingCount(int n);
    void setBalance(const tv::BalanceTexts& balance);
    void setTrim(const tv::TrimTexts& trim);

    /// The name of an aircraft that has no file (the built-in one, a new one).
    static constexpr const char* kUnnamed = "Unknown.tv4";

    /// How the aircraft came about, which decides its name in reports.
    enum class Origin { BuiltIn, Template, File };

    const QString& fileName() const { return m_fileName; }
    Origin origin() const { return m_origin; }
    /// Save writes under fileName() (the Save command is offered).
    bool saveOffered() const { return m_saveOffered; }
    void offerSave() { m_saveOffered = true; }
    /// What the file-name label shows.
    QString labelText() const { return m_origin == Origin::File ? m_fileName : QString(); }
    /// The project's name in the results report: "" for the built-in aircraft, the file's name,
    /// or the untitled name of the language for an aircraft started from a template.
    std::string reportName(tv::UiLanguage lang) const;
    /// The name the save question and the exports use.
    QString shortName() const;

    /// The built-in default aircraft, or one started from a template: unnamed, nothing to save.
    void startUnnamed(Origin origin);
    /// A project that was read (or a start argument naming a file that does not exist yet).
    void adoptFile(const QString& name);

    /// Where the open dialog starts: the project's folder, else the examples.
    QString openFolder() const;
    /// Where the save and export dialogs start: the project's folder, else the user's documents.
    QString saveFolder() const;

    // ---- Saved state ----------------------------------------------------------------------------
    void markSaved(const std::string& fingerprint) { m_savedFingerprint = fingerprint; }
    bool modified(const std::string& fingerprint) const { return fingerprint != m_savedFingerprint; }

    /// Writes the project to name; on success name becomes the file, saved and first in the recent
    /// list. On failure the document stays as it was.
    std::optional<tv::FileError> save(const QString& name, const tv::Aircraft& aircraft,
                                      const std::optional<tv::ReferenceValues>& reference, const std::string& fingerprint);

    // ---- Recent projects ------------------------------------------------------------------------
    /// Read once at start from beside the settings file.
    void loadRecent(const std::string& settingsPath);
    const std::vector<std::string>& recent() const { return m_recent; }
    /// name heads the list as the file holds it now (another window's entries stay), written at
    /// once (a failure is passed over: it is a convenience).
    void noteRecent(const QString& name);
    void forgetRecent(const std::string& path);

    tv::EditHistory history;

private:
    tv::AircraftTexts m_texts = tv::defaultAircraftTexts();
    tv::Aircraft m_aircraft = tv::computeAircraft(m_texts);

    QString m_fileName = QString::fromLatin1(kUnnamed);
    Origin m_origin = Origin::BuiltIn;
    bool m_saveOffered = false;
    std::string m_savedFingerprint;
    std::string m_recentPath;
    std::vector<std::string> m_recent;
};

/// Local 8-bit file names as the file system has them.
std::string localFileName(const QString& name);
QString fromLocalFileName(const std::string& name);
