// The recent projects list and its file.
#include "files/recentprojects.h"
#include "tempdir.h"

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
    const List l = {"/home/u/Flügel 1.tv4", "C:\\Planes\\glider.TV4", "/x.da4"};
    ASSERT_FALSE(tv::writeRecentProjects(dir.file("Recent.pa4"), l));
    EXPECT_EQ(tv::readRecentProjects(dir.file("Recent.pa4")), l);
    EXPECT_TRUE(tv::readRecentProjects(dir.file("missing.pa4")).empty());
    EXPECT_EQ(tv::parseRecentProjects("a\r\n\r\nb\nb\ra\n"), (List{"a", "b"}));
    std::string many;
    for (int i = 0; i < 20; ++i) many += std::to_string(i) + "\n";
    EXPECT_EQ(tv::parseRecentProjects(many).size(), tv::kRecentProjectsMax);
}

} // namespace
