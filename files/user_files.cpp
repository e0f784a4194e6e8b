#include "files/user_files.h"

#include <filesystem>
#include <system_error>

namespace tv {

namespace fs = std::filesystem;

std::string userFilePath(const std::string& name, const std::string& folder) {
    std::error_code ec;
    if (folder.empty() || fs::exists(fs::symlink_status(name, ec))) return name;
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
