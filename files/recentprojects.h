#pragma once
// The recent projects: the last eight opened or saved, newest first, in "Recent.pa4" beside the
// settings file (the settings reader never looks at it). One path per CR LF line, as the file
// system names it.
#include "files/fileio.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

inline constexpr const char* kRecentProjectsFileName = "Recent.pa4";
inline constexpr std::size_t kRecentProjectsMax = 8;

/// The list with `path` first, an earlier entry of the same path removed, at most eight entries.
std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path);
/// The list without `path`.
std::vector<std::string> withoutRecentProject(std::vector<std::string> list, const std::string& path);

std::string recentProjectsBytes(const std::vector<std::string>& list);
/// Any bytes give a list: empty lines and repeated paths are skipped, at most eight are kept.
std::vector<std::string> parseRecentProjects(std::string_view bytes);

/// A missing or unreadable file gives an empty list.
std::vector<std::string> readRecentProjects(const std::string& path, const FileOps& ops = systemFileOps());
/// Written safely; the caller may pass over a failure, as it does for the settings.
std::optional<FileError> writeRecentProjects(const std::string& path, const std::vector<std::string>& list,
                                             const FileOps& ops = systemFileOps());

} // namespace tv
