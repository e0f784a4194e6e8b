#include "files/recentprojects.h"
#include "files/textlines.h"

#include <algorithm>

namespace tv {

std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path) {
    list = withoutRecentProject(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > kRecentProjectsMax) list.resize(kRecentProjectsMax);
    return list;
}

std::vector<std::string> withoutRecentProject(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

std::string recentProjectsBytes(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& p : list) appendLine(out, p);
    return out;
}

std::vector<std::string> parseRecentProjects(std::string_view bytes) {
    std::vector<std::string> list;
    for (std::string_view line : splitLines(bytes)) {
        if (line.empty() || std::find(list.begin(), list.end(), line) != list.end()) continue;
        list.emplace_back(line);
        if (list.size() == kRecentProjectsMax) break;
    }
    return list;
}

std::vector<std::string> readRecentProjects(const std::string& path, const FileOps& ops) {
    const ReadResult<std::string> raw = readFileBytes(path, ops);
    return raw.ok() ? parseRecentProjects(raw.value) : std::vector<std::string>{};
}

std::optional<FileError> writeRecentProjects(const std::string& path, const std::vector<std::string>& list,
                                             const FileOps& ops) {
    return writeFileAtomically(path, recentProjectsBytes(list), ops);
}

} // namespace tv
