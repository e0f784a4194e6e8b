// The recent projects list and its file.
#include "files/recentprojects.h"
#include "tempdir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using List = std::vector<std::string>;

TEST(RecentProjects, NewestFirstEachOnceAtMostEight) {
    List l;
    for (int i = 1; i <= 10; ++i) l = tv::withRecentProject(l, "/p/" + std::to_string(i) + ".tv4");
    ASSERT_EQ(l.size(), tv::kRecentProjectsMax);
    EXPECT_EQ(l.front(), "/p/10.tv4");
    EXPECT_EQ(l.back(), "/p/3.tv4");
    l = tv::withRecentProject(l, "/p/5.tv4");
    EXPECT_EQ(l.size(), tv::kRecentProjectsMax);
    EXPECT_EQ(l[0], "/p/5.tv4");
    EXPECT_EQ(std::count(l.begin(), l.end(), "/p/5.tv4"), 1);
    EXPECT_EQ(tv::withoutRecentProject(l, "/p/5.tv4")[0], "/p/10.tv4");
}

TEST(RecentProjects, FileRoundTripAndAnyBytesGiveAList) {
    tvtest::TempDir dir;
    const List l = {"/home/u/Flügel 1.tv4", "/x.da4"};
    ASSERT_FALSE(tv::writeRecentProjects(dir.file("Recent.pa4"), l));
    EXPECT_EQ(tv::readRecentProjects(dir.file("Recent.pa4")), l);
    EXPECT_TRUE(tv::readRecentProjects(dir.file("missing.pa4")).empty());
    EXPECT_EQ(tv::parseRecentProjects("/a\r\n\r\n/b\n/b\r/a\n"), (List{"/a", "/b"}));
    std::string many;
    for (int i = 0; i < 20; ++i) many += "/" + std::to_string(i) + "\n";
    EXPECT_EQ(tv::parseRecentProjects(many).size(), tv::kRecentProjectsMax);
}

// A name with a line break must never become two entries, one of them a relative path that
// would open a file in whatever folder the program runs in.
TEST(RecentProjects, OnlyAbsolutePathsWithoutControlCharacters) {
    EXPECT_EQ(tv::parseRecentProjects("C:\\Planes\\glider.TV4\r\nplane.tv4\r\n/ok.tv4\r\n/tab\there.tv4\r\n/del\x7f.tv4\r\n"),
              (List{"/ok.tv4"}));
    tvtest::TempDir dir;
    const std::string file = dir.file("Recent.pa4");
    for (const std::string& bad : {std::string("/home/u/two\nlines.tv4"), std::string("/cr\rname.tv4"),
                                   std::string("relative.tv4"), std::string()}) {
        EXPECT_EQ(tv::addRecentProject(file, {}, bad), List{}) << bad;
        EXPECT_EQ(tv::readRecentProjects(file), List{}) << bad;
    }
}

// Two windows, each with the list it read at its start: every change goes to the list as the
// file holds it then, so neither loses the other's entries.
TEST(RecentProjects, TwoWritersMergeTheirEntries) {
    tvtest::TempDir dir;
    const std::string file = dir.file("sub/Recent.pa4"); // the folder is made at the first write
    List first = tv::addRecentProject(file, {}, "/a.tv4");  // one window
    List second = tv::addRecentProject(file, {}, "/b.tv4"); // another, started before the first wrote
    EXPECT_EQ(second, (List{"/b.tv4", "/a.tv4"}));
    first = tv::addRecentProject(file, first, "/c.tv4");
    EXPECT_EQ(first, (List{"/c.tv4", "/b.tv4", "/a.tv4"}));
    second = tv::removeRecentProject(file, second, "/a.tv4");
    EXPECT_EQ(second, (List{"/c.tv4", "/b.tv4"}));
    EXPECT_EQ(tv::readRecentProjects(file), second);
    for (int i = 0; i < 10; ++i) first = tv::addRecentProject(file, first, "/" + std::to_string(i) + ".tv4");
    ASSERT_EQ(tv::readRecentProjects(file), first);
    ASSERT_EQ(first.size(), tv::kRecentProjectsMax);
    EXPECT_EQ(first.front(), "/9.tv4");
    // Without a file the list lives in memory.
    EXPECT_EQ(tv::addRecentProject("", {"/x.tv4"}, "/y.tv4"), (List{"/y.tv4", "/x.tv4"}));
}

TEST(RecentProjects, LiveBesideTheSettingsFile) {
    EXPECT_EQ(tv::recentProjectsPathBeside("/home/u/.config/Tarvolin4/Default.pa4"),
              "/home/u/.config/Tarvolin4/Recent.pa4");
    tvtest::TempDir dir;
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(tv::recentProjectsPathBeside("Default.pa4"), "Recent.pa4");
    std::filesystem::create_symlink(dir.file("elsewhere"), "Recent.pa4");
    EXPECT_EQ(tv::recentProjectsPathBeside("Default.pa4"), "") << "a link in the working folder is not followed";
    EXPECT_EQ(tv::recentProjectsPathBeside(dir.file("config/Default.pa4")), dir.file("config/Recent.pa4"));
    std::filesystem::current_path(old);
}

} // namespace
