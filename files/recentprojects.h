#pragma once
// The recent projects: the last eight opened or saved, newest first, in "Recent.pa4" in the
// per-user configuration folder (or the working folder, as user_files.h says). One absolute path
// per CR LF line, as the file system names it. Several windows share the file: each change is
// applied to the list as the file holds it at that moment, so no window drops another's entries.
#include "files/fileio.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tv {

inline constexpr const char* kRecentProjectsFileName = "Recent.pa4";
inline constexpr std::size_t kRecentProjectsMax = 8;

/// The recent projects' file beside the settings file `settingsPath`: "Recent.pa4" in its folder,
/// or in the working folder when a regular file of this user is there. With the settings in the
/// working folder (no other folder known) a link or another user's file of that name there gives
/// "" (no file: the list is kept in memory only).
std::string recentProjectsPathBeside(const std::string& settingsPath);

/// True for an entry the list may hold: an absolute path without control characters (a name with
/// a line break would split into two entries on reading, one of them relative).
bool isRecentProjectEntry(std::string_view path);

/// The list with `path` first, an earlier entry of the same path removed, at most eight entries;
/// the list unchanged when `path` is no entry it may hold.
std::vector<std::string> withRecentProject(std::vector<std::string> list, const std::string& path);
/// The list without `path`.
std::vector<std::string> withoutRecentProject(std::vector<std::string> list, const std::string& path);

std::string recentProjectsBytes(const std::vector<std::string>& list);
/// Any bytes give a list: lines that are no entry (empty, relative, with control characters) and
/// repeated paths are skipped, at most eight are kept.
std::vector<std::string> parseRecentProjects(std::string_view bytes);

/// A missing or unreadable file gives an empty list.
std::vector<std::string> readRecentProjects(const std::string& path, const FileOps& ops = systemFileOps());
/// Written safely; the caller may pass over a failure, as it does for the settings.
std::optional<FileError> writeRecentProjects(const std::string& path, const std::vector<std::string>& list,
                                             const FileOps& ops = systemFileOps());

/// Re-reads the list in `file` (the list `current` when the file cannot be read or is ""), puts
/// `project` first and writes it back (making the folder when missing); returns the list as it
/// now stands. A failed write is passed over: the list is only a convenience.
std::vector<std::string> addRecentProject(const std::string& file, std::vector<std::string> current,
                                          const std::string& project, const FileOps& ops = systemFileOps());
/// The same, taking `project` out of the list.
std::vector<std::string> removeRecentProject(const std::string& file, std::vector<std::string> current,
                                             const std::string& project, const FileOps& ops = systemFileOps());

/// From now on, for the rest of the process, addRecentProject and removeRecentProject only read
/// the file: a run without a window (the PDF command) opens its project without making it one
/// of the user's recent projects.
void leaveRecentProjectsAlone();

} // namespace tv
