#include "app/document/file_messages.h"
#include "app/dialogs.h"
#include "app/document/project_document.h"
#include "app/startingaircraft.h"
#include "files/encoding.h"
#include "files/projectfile.h"
#include "i18n/export_texts.h"
#include "i18n/prompts.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <cerrno>
#include <cstring>

namespace {
QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
} // namespace

QString saveErrorText(tv::UiLanguage lang, const tv::FileError& e) {
    if (e.tooLargeToSave) return qs(tv::projectTooLargeToSaveText(lang, e.path, e.size, tv::kMaxReadBytes));
    return qs(e.readOnly ? tv::readOnlyFileText(lang, e.path) : e.text());
}

QString readErrorText(tv::UiLanguage lang, const tv::FileError& e) {
    return qs(e.tooLarge ? tv::tooLargeFileText(lang, e.path) : e.text());
}

QString notOpenedText(tv::UiLanguage lang, const QString& name) {
    if (name.contains(QChar::ReplacementCharacter)) return qs(tv::unusableFileNameText(lang, name.toStdString()));
    const QFileInfo file(name);
    const int reason = !file.exists() ? ENOENT : file.isDir() ? EISDIR : EACCES;
    return qs(tv::projectNotOpenedText(lang, name.toStdString(), std::strerror(reason)));
}

bool confirmReplacedCharacters(tv::UiLanguage lang, TDialogs& dialogs, QWidget* parent, const std::string& remark) {
    const std::vector<std::string> lost = tv::unrepresentableCharacters(remark);
    if (lost.empty()) return true;
    std::string listed;
    for (const std::string& ch : lost) listed += (listed.empty() ? "" : " ") + ch;
    return dialogs.confirm(parent, qs(tv::replacedCharactersText(lang, listed)));
}

std::optional<QString> droppedProject(const QMimeData* data) {
    if (!data || !data->hasUrls()) return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
        if (suffix == QLatin1String("tv4") || suffix == QLatin1String("da4")) return url.toLocalFile();
    }
    return std::nullopt;
}

StartingAircraftChoices startingAircraftChoices(tv::UiLanguage lang) {
    StartingAircraftChoices c;
    for (int i = 0; i < tv::kStartingAircraftCount; ++i) {
        const tv::StartingAircraftText t = tv::startingAircraftText(lang, i);
        c.names << qs(t.name);
        const tv::ReadResult<tv::ProjectTable> r = tv::readProjectFile(localFileName(startingAircraftPath(i)));
        const QString remark = r.ok() ? qs(r.value.Comment.value_or(std::string())).simplified() : QString();
        c.details << (remark.isEmpty() ? qs(t.description) : qs(t.description) + QStringLiteral("\n\n") + remark);
    }
    return c;
}
