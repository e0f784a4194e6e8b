#include "files/settingsfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SettingsFile, WritesFiveLines) {
    EXPECT_EQ(tv::settingsBytes('d', 1024, 768, -5, 12), "d\r\n1024\r\n768\r\n-5\r\n12\r\n");
}

TEST(SettingsFile, RangesAndMissingLines) {
    using O = std::optional<int>;
    const struct Row {
        const char* name;
        const char* bytes;
        char letter;
        O width, height, left, top;
    } rows[] = {
        {"all in range", "e\r\n800\r\n600\r\n10\r\n20\r\n", 'e', 800, 600, 10, 20},
        {"upper limits", "d\r\n2999\r\n1999\r\n999\r\n999\r\n", 'd', 2999, 1999, 999, 999},
        {"beyond limits", "s\r\n3000\r\n2000\r\n1000\r\n1200\r\n", 's', {}, {}, 0, 0},
        {"zero and negative", "x\r\n0\r\n-1\r\n-5\r\n0\r\n", 'x', {}, {}, 0, 0},
        {"letter only", "d\r\n", 'd', {}, {}, {}, {}},
        {"letter and width", "e\n1200", 'e', 1200, {}, {}, {}},
        {"junk numbers", "english\r\n12abc\r\n\r\n99999999999\r\n$10\r\n", 'e', 12, {}, 0, 16},
        {"empty first line", "\r\n800\r\n", '\0', 800, {}, {}, {}},
        {"empty file", "", 'e', {}, {}, {}, {}},
    };
    for (const Row& r : rows) {
        const tv::Settings s = tv::parseSettings(r.bytes);
        EXPECT_EQ(s.LanguageLetter, r.letter) << r.name;
        EXPECT_EQ(s.Width, r.width) << r.name;
        EXPECT_EQ(s.Height, r.height) << r.name;
        EXPECT_EQ(s.Left, r.left) << r.name;
        EXPECT_EQ(s.Top, r.top) << r.name;
    }
}

TEST(SettingsFile, LiveModeLineKeepsTheFiveLinesOlderReadersTake) {
    const std::string off = tv::settingsBytes('d', 1024, 768, 5, 12);
    const std::string on = tv::settingsBytes('d', 1024, 768, 5, 12, true);
    EXPECT_EQ(on.substr(0, off.size()), off); // an older reader stops after these
    const tv::Settings a = tv::parseSettings(on), b = tv::parseSettings(off);
    EXPECT_TRUE(a.LiveNeutralPoint);
    EXPECT_FALSE(b.LiveNeutralPoint); // a file of an older program leaves the mode off
    EXPECT_EQ(std::tie(a.LanguageLetter, a.Width, a.Height, a.Left, a.Top),
              std::tie(b.LanguageLetter, b.Width, b.Height, b.Left, b.Top));
    for (const char* sixth : {"0", "2", "yes", ""})
        EXPECT_FALSE(tv::parseSettings(off + sixth + "\r\n").LiveNeutralPoint) << sixth;
}

TEST(SettingsFile, RoundTripAndMissingFile) {
    tvtest::TempDir dir;
    const std::string path = dir.file(tv::kSettingsFileName);
    const tv::Settings missing = tv::readSettings(path);
    EXPECT_EQ(missing.LanguageLetter, 'e');
    EXPECT_FALSE(missing.Width || missing.Height || missing.Left || missing.Top);

    ASSERT_FALSE(tv::writeSettings(path, 's', 1100, 700, 30, 40, true));
    const tv::Settings s = tv::readSettings(path);
    EXPECT_TRUE(s.LiveNeutralPoint);
    EXPECT_EQ(s.LanguageLetter, 's');
    EXPECT_EQ(s.Width, 1100);
    EXPECT_EQ(s.Height, 700);
    EXPECT_EQ(s.Left, 30);
    EXPECT_EQ(s.Top, 40);
}

} // namespace
