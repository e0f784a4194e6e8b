// Where the settings and the clipboard live: the working directory when the file is there,
// the per-user folder otherwise.
#include "files/user_files.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

// Only a regular file of the user's own marks the working folder's place: a link there (older
// installs kept these files in the working folder, a stranger's folder may hold one) would make
// the program overwrite the file it names at close.
TEST(UserFiles, WorkingDirectoryOnlyForOwnRegularFiles) {
    tvtest::TempDir dir;
    const fs::path old = fs::current_path();
    fs::current_path(dir.path());
    std::ofstream("Default.pa4") << "d\r\n";
    std::ofstream("victim") << "keep\r\n";
    fs::create_symlink(dir.file("victim"), "Recent.pa4");
    fs::create_symlink(dir.file("nowhere"), "wingcopy.fl4");
    fs::create_directory("Folder.pa4");
    std::ofstream("Foreign.pa4") << "f\r\n";
    const bool root = ::geteuid() == 0;
    if (root) ASSERT_EQ(::chown("Foreign.pa4", 12345, 12345), 0);

    const std::string config = "/home/u/.config/Tarvolin4";
    struct Row {
        const char* name;
        std::string folder;
        std::string expected;
    } rows[] = {
        {"Default.pa4", config, "Default.pa4"},
        {"Recent.pa4", config, config + "/Recent.pa4"},
        {"wingcopy.fl4", "/home/u/.local/share/Tarvolin4", "/home/u/.local/share/Tarvolin4/wingcopy.fl4"},
        {"Folder.pa4", config, config + "/Folder.pa4"},
        {"Foreign.pa4", config, root ? config + "/Foreign.pa4" : "Foreign.pa4"},
        {"other.pa4", config, config + "/other.pa4"},
        {"other.pa4", "", "other.pa4"},
    };
    for (const Row& r : rows) EXPECT_EQ(tv::userFilePath(r.name, r.folder), r.expected) << r.name << " " << r.folder;
    fs::current_path(old);
}

TEST(UserFiles, ParentFoldersAreMadeOrTheReasonNamed) {
    tvtest::TempDir dir;
    EXPECT_FALSE(tv::makeParentFolders(dir.file("a/b/Default.pa4")));
    EXPECT_TRUE(fs::is_directory(dir.file("a/b")));
    EXPECT_FALSE(tv::makeParentFolders(dir.file("a/b/Default.pa4"))) << "folders that exist are fine";
    EXPECT_FALSE(tv::makeParentFolders("Default.pa4"));

    std::ofstream(dir.file("plain")) << "x";
    const auto err = tv::makeParentFolders(dir.file("plain/sub/Default.pa4"));
    ASSERT_TRUE(err);
    EXPECT_EQ(err->path, dir.file("plain/sub"));
    EXPECT_FALSE(err->reason.empty());
}
