#include "files/recentprojects.h"
#include "files/textlines.h"
#include "files/user_files.h"

#include <algorithm>
#include <atomic>

namespace tv {

std::string recentProjectsPath(const std::string& configFolder) {
    return userFilePath(kRecentProjectsFileName, configFolder);
}

bool isRecentProjectEntry(std::string_view path) {
    if (path.empty() || path.front() != '/') return false;
    return std::none_of(path.begin(), path.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path) {
    if (!isRecentProjectEntry(path)) return list;
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
        if (!isRecentProjectEntry(line) || std::find(list.begin(), list.end(), line) != list.end()) continue;
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

namespace {

std::atomic<bool> g_leaveAlone{false};

std::vector<std::string> rewrite(const std::string& file, std::vector<std::string> list, const FileOps& ops) {
    if (g_leaveAlone) return list;
    (void)makeParentFolders(file);
    (void)writeRecentProjects(file, list, ops);
    return list;
}

} // namespace

void leaveRecentProjectsAlone() { g_leaveAlone = true; }

std::vector<std::string> addRecentProject(const std::string& file, const std::string& project, const FileOps& ops) {
    return rewrite(file, withRecentProject(readRecentProjects(file, ops), project), ops);
}

std::vector<std::string> removeRecentProject(const std::string& file, const std::string& project, const FileOps& ops) {
    return rewrite(file, withoutRecentProject(readRecentProjects(file, ops), project), ops);
}

} // namespace tv
