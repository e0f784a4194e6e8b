#pragma once
// What the window says about files: the line of a failed read or save, the question before a
// remark loses characters, the project among dropped data, and the starting aircraft offered by
// "New".
#include "files/fileio.h"
#include "i18n/texts.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QMimeData;
class QWidget;
class TDialogs;

/// A failed save: a read-only file in the interface language, else path and reason.
QString saveErrorText(tv::UiLanguage lang, const tv::FileError& e);
/// A failed read: a file beyond the size cap in the interface language, else path and reason.
QString readErrorText(tv::UiLanguage lang, const tv::FileError& e);
/// Why a project chosen to be opened was not: a name the file system cannot be given back
/// (undecodable bytes), or the system's reason (missing, no permission).
QString notOpenedText(tv::UiLanguage lang, const QString& name);
/// The file holds Windows-1252: characters it cannot hold are saved as "?". The user is told which
/// before the save and may cancel it. True: go on.
bool confirmReplacedCharacters(tv::UiLanguage lang, TDialogs& dialogs, QWidget* parent, const std::string& remark);
/// The project file among dropped data: the first local file whose extension a project has.
std::optional<QString> droppedProject(const QMimeData* data);

/// The starting aircraft as "New" offers them: names, and per name the line in the language and
/// the project's own remark.
struct StartingAircraftChoices {
    QStringList names, details;
};
StartingAircraftChoices startingAircraftChoices(tv::UiLanguage lang);
