#pragma once
// The project commands: new, open, save, save as, the recent projects, the question before an
// aircraft with unsaved edits is left, the wing clipboard, wing exchange and the settings file.
// They work on the document; they hand the window texts to show (the one write the undo history
// uses too), and they tell it when the project shown changed. A project file dropped on the window
// is opened here too.
#include "app/document/document_view.h"
#include "app/document/neutral_point_store.h"
#include "app/document/project_document.h"
#include "files/settingsfile.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QMenu;
class QWidget;
class TDialogs;

namespace tv {
struct ProjectTable;
}

/// What a save does: ask for a new name first, or write under the project's name.
enum class SaveMode { As, Current };

/// The texts a starting aircraft opens with: the file's wings, and beyond the file's count the
/// built-in aircraft's wings (not the reader's 10 mm), so that raising the count brings a sensible
/// wing; the file's remark (none: empty) and balance table.
tv::AircraftTexts startingAircraftTexts(const tv::ProjectTable& table);

class ProjectCommands : public QObject {
public:
    /// What the commands ask of the window.
    struct Window {
        QWidget* parent = nullptr;    // of the dialogs; projects are dropped on it
        QLabel* fileLabel = nullptr;  // shows the project's file name
        QMenu* recentMenu = nullptr;  // the recent projects, rebuilt here
        /// Puts texts into the window (wing count, balance, fields, remarks), recorded as one edit
        /// named step, or as none.
        std::function<void(const tv::AircraftTexts&, std::optional<tv::EditStep>)> writeTexts;
        /// Recalculates and shows the aircraft page on the automatic centre of gravity; a project
        /// just read shows its stored figures without a lattice.
        std::function<void(bool justRead)> showAircraft;
        /// Another project is shown: its edit history starts at the texts shown now.
        std::function<void()> startHistory;
        /// The document changed what the commands offer.
        std::function<void()> updateActions;
        /// Whether the wing clipboard holds a wing (the insert commands follow it).
        std::function<void(bool hasWing)> clipboardChanged;
        /// Runs before a command of the recent menu or a drop (a planform drag in progress is called
        /// off).
        std::function<void()> beforeCommand;
    };

    /// Reads the recent projects from beside the settings file, builds their menu, looks at the
    /// wing clipboard and takes projects dropped on the window.
    /// view: the language; neutralPoints: the calculation's neutral point of the texts saved, and
    /// where an opened project's stored one goes.
    ProjectCommands(ProjectDocument& doc, const DocumentView& view, TDialogs& dialogs, NeutralPointStore& neutralPoints,
                    Window window);

    // ---- Settings ---------------------------------------------------------------------------------
    static std::string settingsFilePath();
    /// Places window as the settings file says and returns the settings.
    static tv::Settings readSettings(QWidget& window);
    /// The language, the window's geometry and the live mode; a file that cannot be written is
    /// passed over: nothing of the aircraft is in it.
    static void writeSettings(const QWidget& window, tv::UiLanguage lang, bool liveMode);

    // ---- Unsaved edits ----------------------------------------------------------------------------
    /// True when the aircraft differs from what was last opened or saved.
    bool modified() const;
    void markSaved();
    /// Asks whether an aircraft with unsaved edits is saved first; false: the user stays.
    bool confirmLeave();

    // ---- Project files ----------------------------------------------------------------------------
    void save(SaveMode mode);
    /// Asks first, then opens the project chosen.
    void open();
    /// "Open" with the name already chosen (a dropped file, a recent project).
    void openProject(const std::optional<QString>& name);
    /// The start-up arguments: one names the project to open (as given, else in lower case when
    /// only that file exists; a name that cannot be opened is kept for a new project), more are
    /// ignored. True when a project was named.
    bool openStartArguments(const QStringList& arguments);
    /// Reads the project name into the fields; only a project that was read becomes the document's.
    tv::ReadStatus load(const QString& name);
    /// Asks first, then offers the starting aircraft.
    void newAircraft();
    void startNewAircraft(int index);
    void openRecent(int index);
    void rebuildRecentMenu();

    // ---- Wing clipboard and exchange -----------------------------------------------------------
    /// Looks whether the clipboard file holds a wing and tells the window.
    void refreshClipboard();
    /// Whether the clipboard file held a wing when last looked at.
    bool clipboardHasWing() const { return m_clipboardHasWing; }
    /// Wing w (1..5; 0: none) to the clipboard file, with the neutral point while it is current.
    void copyWing(int w);
    /// The clipboard's wing into wing w (1..5; 0: none), as one edit.
    void insertWing(int w);
    /// Exchange selector 1..5 (wings 1-2, 1-3, 2-3, 3-4, 4-5), as one edit.
    void exchangeWings(int selector);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// A dropped project: asks first, then opens it.
    void openDropped(const QString& name);
    std::string fingerprint() const;
    /// The neutral point goes into a file only while it belongs to the aircraft written.
    std::optional<tv::ReferenceValues> currentReference(const tv::AircraftTexts& texts) const;
    void showFileName();
    void showError(const QString& text);

    tv::UiLanguage language() const { return m_view.language(); }

    ProjectDocument& m_doc;
    const DocumentView& m_view;
    TDialogs& m_dialogs;
    NeutralPointStore& m_neutralPoints;
    Window m_win;
    bool m_clipboardHasWing = false;
};
