#include "files/units_settings.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

using tv::DisplayUnits;
using tv::kImperialUnits;
using tv::kMetricUnits;

TEST(UnitsSettings, Place) {
    EXPECT_EQ(tv::unitsSettingsPath("/x/conf", "/home/u"), "/x/conf/Tarvolin4/units.conf");
    EXPECT_EQ(tv::unitsSettingsPath(nullptr, "/home/u"), "/home/u/.config/Tarvolin4/units.conf");
    EXPECT_EQ(tv::unitsSettingsPath("relative", "/home/u"), "/home/u/.config/Tarvolin4/units.conf");
    EXPECT_EQ(tv::unitsSettingsPath(nullptr, nullptr), "units.conf");
}

TEST(UnitsSettings, WrittenAndReadBackIntoANewFolder) {
    tvtest::TempDir dir;
    const std::string path = dir.file("config/Tarvolin4/units.conf");
    DisplayUnits mixed = kImperialUnits;
    mixed.mass = tv::Unit::Gram;
    ASSERT_FALSE(tv::writeUnitsSettings(path, mixed));
    EXPECT_EQ(tv::readUnitsSettings(path), mixed);
    EXPECT_EQ(tv::readUnitsSettings(dir.file("missing.conf")), kMetricUnits);
}

// A failed write leaves the previous choice in place.
TEST(UnitsSettings, FailedWriteKeepsThePreviousFile) {
    tvtest::TempDir dir;
    const std::string path = dir.file("units.conf");
    ASSERT_FALSE(tv::writeUnitsSettings(path, kImperialUnits));
    tv::FileOps ops = tv::systemFileOps();
    ops.rename = [](const char*, const char*) { errno = EIO; return -1; };
    EXPECT_TRUE(tv::writeUnitsSettings(path, kMetricUnits, ops));
    EXPECT_EQ(tv::readUnitsSettings(path), kImperialUnits);
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(UnitsSettings, Reading) {
    DisplayUnits lengthOnly;
    lengthOnly.length = tv::Unit::Centimetre;
    const struct {
        const char* name;
        const char* bytes;
        DisplayUnits expected;
    } rows[] = {
        {"empty", "", kMetricUnits},
        {"one line, the rest metric", "length=cm\n", lengthOnly},
        {"CR LF and a newer quantity", "length=cm\r\ntorque=Nm\r\n", lengthOnly},
        {"unknown unit", "length=cm\nmass=stone\n", kMetricUnits},
        {"unit of another quantity", "length=cm\nmass=in\n", kMetricUnits},
        {"binary junk", "\xFF\x01=\x02\nlength", kMetricUnits},
        {"written by the program", "length=in\narea=in2\nmass=oz\nwing-loading=oz/ft2\ncubic-loading=oz/ft3\nspeed=mph\n",
         kImperialUnits},
    };
    for (const auto& r : rows) EXPECT_EQ(tv::parseUnitsSettings(r.bytes), r.expected) << r.name;
    EXPECT_EQ(tv::parseUnitsSettings(tv::unitsSettingsBytes(kImperialUnits)), kImperialUnits);
}

} // namespace
