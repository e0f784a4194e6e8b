#include "files/user_files.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tv {

namespace fs = std::filesystem;

bool isOwnRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

std::string userFilePath(const std::string& name, const std::string& folder) {
    if (folder.empty() || isOwnRegularFile(name)) return name;
    return (fs::path(folder) / name).string();
}

std::optional<FileError> makeParentFolders(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    if (parent.empty()) return std::nullopt;
    std::error_code ec;
    fs::create_directories(parent, ec);
    if (ec) return FileError{parent.string(), ec.message()};
    return std::nullopt;
}

} // namespace tv
