// The sample projects in examples/ stay readable and match what the writer produces.
#include "files/projectfile.h"
#include "model/planform.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

std::string examplePath(const char* name) { return std::string(TV_EXAMPLES_DIR) + "/" + name; }

TEST(Examples, DefaultProjectIsTheWritersOutput) {
    tv::AircraftTexts d = tv::defaultAircraftTexts();
    d.Comment = "The built-in aircraft the program starts with: a biplane of 2.2 m span (wings 1 and 3)\n"
                "with a tailplane (wing 2), the fuselage seen from above (wing 4) and a pair of floats (wing 5),\n"
                "all five taking part in the calculation.\n"
                "x is measured from the root leading edge of wing 1, positive aft.";
    EXPECT_EQ(tvtest::slurp(examplePath("default.tv4")), tv::projectFileBytes(tv::computeAircraft(d), std::nullopt));
}

// The starting aircraft of "New" are written in the writer's layout, so that opening one and
// saving it unchanged gives the same bytes.
TEST(Examples, StartingAircraftAreTheWritersOutput) {
    for (const char* name : {"glider-2m.tv4", "canard.tv4", "tandem.tv4", "flying-wing.tv4"}) {
        SCOPED_TRACE(name);
        const auto r = tv::readProjectFile(examplePath(name));
        ASSERT_TRUE(r.ok());
        tv::AircraftTexts texts = tv::defaultAircraftTexts();
        tv::applyProjectTable(r.value, texts);
        EXPECT_FALSE(r.value.ReferenceArea);
        EXPECT_EQ(tvtest::slurp(examplePath(name)), tv::projectFileBytes(tv::computeAircraft(texts), std::nullopt));
    }
}

TEST(Examples, TwoWingProjectAndOlderFileRead) {
    const auto twoWing = tv::readProjectFile(examplePath("two-wing.tv4"));
    ASSERT_TRUE(twoWing.ok());
    EXPECT_EQ(twoWing.value.WingCount, 2);
    EXPECT_EQ(twoWing.value.wings[2].PositionX, 1167);
    EXPECT_EQ(twoWing.value.wings[3].PositionX, 10);
    EXPECT_FALSE(twoWing.value.ReferenceArea);

    const auto older = tv::readProjectFile(examplePath("classic.da4"));
    ASSERT_TRUE(older.ok());
    EXPECT_TRUE(older.value.olderLayout);
    EXPECT_EQ(older.value.WingCount, 2);
    EXPECT_EQ(older.value.wings[1].TrapeziumCount, 2);
    EXPECT_EQ(older.value.wings[2].PositionX, 800);
    EXPECT_DOUBLE_EQ(older.value.ReferenceArea.value_or(-1), 0.0);
    EXPECT_EQ(older.value.Comment, "Older-format example: a two-wing glider.\nOpened as it is; saving writes classic.tv4.");
}

} // namespace
