#pragma once
// Where the per-user files (settings "Default.pa4", recent projects "Recent.pa4", wing clipboard
// "wingcopy.fl4") live: in the working directory when the file is there already, as older installs
// keep them, and is a regular file of this user; otherwise in the per-user folder the desktop names
// (the caller passes it: configuration folder for the settings and the recent projects, data
// folder for the clipboard). A link, or a file someone else owns, in the working folder is never
// used: it could make the program overwrite another file at close. A file is written where it was
// read from.
#include "files/fileio.h"

#include <optional>
#include <string>

namespace tv {

/// True if `path` is a regular file (not a link) owned by this user.
bool isOwnRegularFile(const std::string& path);

/// `name` itself (working directory) when a regular file of that name owned by this user exists
/// there, else `folder`/`name`; `name` also when no folder is known.
std::string userFilePath(const std::string& name, const std::string& folder);

/// Makes the folders above `path` that are missing, so that a first write into a new per-user
/// folder can succeed; the error names the folder and the reason.
std::optional<FileError> makeParentFolders(const std::string& path);

} // namespace tv
