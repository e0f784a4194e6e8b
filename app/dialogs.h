#pragma once
// The modal dialogs of the main window behind one small interface, so that tests can answer
// them without a user (and without ever blocking on a modal loop).
#include "i18n/prompts.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

/// Where the open and save dialogs start: the folder of a named project, else the first existing
/// of `exampleFolders` (the examples under share/tarvolin4 above the program's folder), else the
/// working directory (empty).
QString dialogStartFolder(const QString& projectFileName, bool projectNamed, const QStringList& exampleFolders);
/// The places the sample projects may be found, in that order.
QStringList exampleFolders();

class TDialogs {
public:
    virtual ~TDialogs() = default;
    /// Standard open dialog starting in `folder`; no value when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    /// Standard save dialog starting in `folder`; no value when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& folder) = 0;
    /// The application's standard error box with the system's error text.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    /// A warning before an action, with the choice to go on (true) or cancel (false). Dialogs
    /// without a user (command-line export) go on.
    virtual bool confirm(QWidget* parent, const QString& text) { return true; }
    /// The system beep.
    virtual void beep() = 0;
    /// A choice among named items, the detail of the highlighted one shown under the list; the
    /// index chosen (0-based), nothing when the user cancels (as dialogs without a user do).
    virtual std::optional<int> chooseItem(QWidget* parent, const QString& title, const QString& prompt,
                                          const QStringList& names, const QStringList& details) {
        return std::nullopt;
    }
    enum class Answer { Save, Discard, Cancel };
    /// Asks whether unsaved changes are saved before they would be left.
    virtual Answer askSaveChanges(QWidget* parent, const tv::SaveChangesTexts& texts) {
        return Answer::Cancel; // without a user nothing is left
    }
};

/// The real dialogs of the desktop.
class TQtDialogs : public TDialogs {
public:
    std::optional<QString> openFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    void showError(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void beep() override;
    std::optional<int> chooseItem(QWidget* parent, const QString& title, const QString& prompt,
                                  const QStringList& names, const QStringList& details) override;
    Answer askSaveChanges(QWidget* parent, const tv::SaveChangesTexts& texts) override;
};
