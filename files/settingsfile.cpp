#include "files/settingsfile.h"
#include "files/textlines.h"
#include "model/numformat.h"
#include "model/parse.h"


namespace tv {

std::string settingsBytes(char languageLetter, int width, int height, int left, int top, bool liveNeutralPoint) {
    std::string out;
    appendLine(out, std::string_view(&languageLetter, 1));
    for (int v : {width, height, left, top}) appendLine(out, formatInt(v));
    if (liveNeutralPoint) appendLine(out, "1");
    return out;
}

std::optional<FileError> writeSettings(const std::string& path, char languageLetter, int width, int height,
                                       int left, int top, bool liveNeutralPoint, const FileOps& ops) {
    return writeFileAtomically(path, settingsBytes(languageLetter, width, height, left, top, liveNeutralPoint), ops);
}

namespace {

std::optional<int> ifInside(int32_t v, int32_t below) {
    return (v > 0 && v < below) ? std::optional<int>(v) : std::nullopt;
}

int edgeOrZero(int32_t v) { return (v >= 0 && v < 1000) ? v : 0; }

} // namespace

Settings parseSettings(std::string_view bytes) {
    Settings s;
    LineCursor lines(bytes);
    const auto letter = lines.next();
    if (!letter) return s;
    s.LanguageLetter = letter->empty() ? '\0' : (*letter)[0];
    // Once the lines are used up the cursor gives nothing more: later values stay empty.
    if (const auto l = lines.next()) s.Width = ifInside(parseLenientInt(*l), 3000);
    if (const auto l = lines.next()) s.Height = ifInside(parseLenientInt(*l), 2000);
    if (const auto l = lines.next()) s.Left = edgeOrZero(parseLenientInt(*l));
    if (const auto l = lines.next()) s.Top = edgeOrZero(parseLenientInt(*l));
    if (const auto l = lines.next()) s.LiveNeutralPoint = parseLenientInt(*l) == 1;
    return s;
}

Settings readSettings(const std::string& path, const FileOps& ops) {
    const ReadResult<std::string> raw = readFileBytes(path, ops);
    return raw.ok() ? parseSettings(raw.value) : Settings{};
}

} // namespace tv
