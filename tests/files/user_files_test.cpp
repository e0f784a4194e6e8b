// Where the settings and the clipboard live: the working directory when the file is there,
// the per-user folder otherwise.
#include "files/user_files.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(UserFiles, WorkingDirectoryFirstThenThePerUserFolder) {
    tvtest::TempDir dir;
    const fs::path old = fs::current_path();
    fs::current_path(dir.path());
    std::ofstream("Default.pa4") << "d\r\n";
    fs::create_symlink(dir.file("nowhere"), "wingcopy.fl4"); // a dangling link still marks the place

    struct Row {
        const char* name;
        std::string folder;
        std::string expected;
    } rows[] = {
        {"Default.pa4", "/home/u/.config/Tarvolin4", "Default.pa4"},
        {"wingcopy.fl4", "/home/u/.local/share/Tarvolin4", "wingcopy.fl4"},
        {"other.pa4", "/home/u/.config/Tarvolin4", "/home/u/.config/Tarvolin4/other.pa4"},
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
