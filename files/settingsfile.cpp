#include "files/settingsfile.h"
#include "files/textlines.h"
#include "model/numformat.h"
#include "model/parse.h"

#include <vector>

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
    const std::vector<std::string_view> lines = splitLines(bytes);
    if (lines.empty()) return s;
    s.LanguageLetter = lines[0].empty() ? '\0' : lines[0][0];
    const size_t n = lines.size();
    if (n > 1) s.Width = ifInside(parseLenientInt(lines[1]), 3000);
    if (n > 2) s.Height = ifInside(parseLenientInt(lines[2]), 2000);
    if (n > 3) s.Left = edgeOrZero(parseLenientInt(lines[3]));
    if (n > 4) s.Top = edgeOrZero(parseLenientInt(lines[4]));
    if (n > 5) s.LiveNeutralPoint = parseLenientInt(lines[5]) == 1;
    return s;
}

Settings readSettings(const std::string& path, const FileOps& ops) {
    const ReadResult<std::string> raw = readFileBytes(path, ops);
    return raw.ok() ? parseSettings(raw.value) : Settings{};
}

} // namespace tv
