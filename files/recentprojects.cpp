#include "files/recentprojects.h"
#include "files/textlines.h"
#include "files/user_files.h"

#include <algorithm>
#include <atomic>
#include <sys/stat.h>

namespace tv {

std::string recentProjectsPathBeside(const std::string& settingsPath) {
    const size_t slash = settingsPath.rfind('/');
    if (slash != std::string::npos) return userFilePath(kRecentProjectsFileName, settingsPath.substr(0, slash));
    struct stat st {};
    const bool present = ::lstat(kRecentProjectsFileName, &st) == 0;
    return !present || isOwnRegularFile(kRecentProjectsFileName) ? kRecentProjectsFileName : "";
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
    if (g_leaveAlone || file.empty()) return list;
    (void)makeParentFolders(file);
    (void)writeRecentProjects(file, list, ops);
    return list;
}

/// The list as the file holds it now, or `current` when there is no file to read.
std::vector<std::string> latest(const std::string& file, std::vector<std::string> current, const FileOps& ops) {
    if (file.empty()) return current;
    const ReadResult<std::string> raw = readFileBytes(file, ops);
    return raw.ok() ? parseRecentProjects(raw.value) : current;
}

} // namespace

void leaveRecentProjectsAlone() { g_leaveAlone = true; }

std::vector<std::string> addRecentProject(const std::string& file, std::vector<std::string> current,
                                          const std::string& project, const FileOps& ops) {
    return rewrite(file, withRecentProject(latest(file, std::move(current), ops), project), ops);
}

std::vector<std::string> removeRecentProject(const std::string& file, std::vector<std::string> current,
                                             const std::string& project, const FileOps& ops) {
    return rewrite(file, withoutRecentProject(latest(file, std::move(current), ops), project), ops);
}

} // namespace tv
