// The trim block of a project: round trip of every typed text, and that the rules of the readers
// from before it read the same aircraft.
#include "files/airfoil_file.h"
#include "files/projectfile.h"
#include "tempdir.h"
#include "model/planform.h"

#include <gtest/gtest.h>

namespace {

tv::Aircraft twoWings(const tv::TrimTexts& trim, const tv::BalanceTexts& balance = {}) {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.WingCount = 2;
    t.Comment = "remark";
    t.Trim = trim;
    t.Balance = balance;
    return tv::computeAircraft(t);
}

// Values that hold the older readers' tags, the remark's end and this block's own tags.
tv::TrimTexts nastyTrim() {
    tv::TrimTexts t;
    t.Mass = "1450";
    t.Density = "1,2";
    t.Wings[1].Incidence = "<x>999</x>";
    t.Wings[1].Sections[1] = {"0", "NACA 2412", "-2.08", "-0.053"};
    t.Wings[1].Sections[3] = {"-2", "Clark Y </comment>", "<y>5", "</cm0>x"};
    t.Wings[2].Incidence = "-1.5";
    t.Wings[2].Sections[2] = {"", "<trim_wing_no>1</trim_wing_no>", "", "<wings_count>1"};
    t.Wings[5].Sections[5].Airfoil = "µ-profile ñ";
    return t;
}

const tv::ReferenceValues kRef{400000, 200, 100};

} // namespace

TEST(TrimBlock, EveryTypedTextReadsBackAsItself) {
    tv::BalanceTexts balance;
    balance.MyCg = "25";
    const tv::ProjectTable t = tv::parseProjectFile(tv::projectFileBytes(twoWings(nastyTrim(), balance), kRef), "p.tv4");
    ASSERT_TRUE(t.Trim);
    EXPECT_EQ(*t.Trim, nastyTrim());
    EXPECT_EQ(t.Balance->MyCg, "25");
    // Without settings the bytes are those of a project from before the block.
    const std::string plain = tv::projectFileBytes(twoWings({}), kRef);
    EXPECT_EQ(plain.find("trim"), std::string::npos);
    EXPECT_FALSE(tv::parseProjectFile(plain, "p.tv4").Trim);
}

TEST(TrimBlock, OlderRulesReadTheSameAircraft) {
    tv::ProjectTable with = tv::parseProjectFile(tv::projectFileBytes(twoWings(nastyTrim()), kRef), "p.tv4");
    const tv::ProjectTable without = tv::parseProjectFile(tv::projectFileBytes(twoWings({}), kRef), "p.tv4");
    tv::AircraftTexts a = tv::defaultAircraftTexts(), b = a;
    with.Trim.reset();
    tv::applyProjectTable(with, a);
    tv::applyProjectTable(without, b);
    EXPECT_EQ(a.WingCount, b.WingCount);
    for (int w = 1; w <= tv::kWingMax; ++w) {
        EXPECT_EQ(a.wings[w].field, b.wings[w].field) << w;
        EXPECT_EQ(a.wings[w].TrapeziumCount, b.wings[w].TrapeziumCount) << w;
    }
    EXPECT_EQ(a.Comment, b.Comment);
    EXPECT_EQ(with.NeutralPointX, without.NeutralPointX);
}

TEST(TrimBlock, NumbersOutsideTheWingsAndSectionsAreIgnoredAndOpeningClearsOldSettings) {
    const std::string bytes = "<aircraft>\r\n <trim>\r\n  <trim_wing>\r\n   <trim_wing_no>7</trim_wing_no>\r\n"
                              "   <incidence>3</incidence>\r\n  </trim_wing>\r\n  <trim_wing>\r\n"
                              "   <trim_wing_no>2</trim_wing_no>\r\n   <incidence>4</incidence>\r\n"
                              "   <trim_section>\r\n    <trim_section_no>0</trim_section_no>\r\n"
                              "    <twist>9</twist>\r\n   </trim_section>\r\n  </trim_wing>\r\n </trim>\r\n"
                              " <incidence>5</incidence>\r\n</aircraft>\r\n";
    const tv::ProjectTable t = tv::parseProjectFile(bytes, "p.tv4");
    ASSERT_TRUE(t.Trim);
    tv::TrimTexts expected;
    expected.Wings[2].Incidence = "4";
    EXPECT_EQ(*t.Trim, expected);

    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    texts.Trim = nastyTrim();
    tv::applyProjectTable(tv::parseProjectFile(tv::projectFileBytes(twoWings({}), kRef), "p.tv4"), texts);
    EXPECT_TRUE(texts.Trim.empty());
}

TEST(AirfoilFile, AFileThatCannotBeReadIsUnreadableWithItsReason) {
    tvtest::TempDir dir;
    std::ofstream(dir.file("clark.dat")) << "CLARK Y\n1 0\n0.5 0.08\n0 0\n0.5 -0.02\n1 0\n";
    const tv::Airfoil ok = tv::readAirfoilFile(dir.file("clark.dat"));
    EXPECT_TRUE(ok.ok());
    EXPECT_EQ(ok.Name, "CLARK Y");
    EXPECT_LT(ok.Coefficients.Alpha0Deg, 0);
    for (const std::string& path : {dir.file("missing.dat"), dir.path(), std::string("/dev/null")}) {
        std::string reason;
        EXPECT_EQ(tv::readAirfoilFile(path, &reason).Error, tv::AirfoilError::Unreadable) << path;
        EXPECT_FALSE(reason.empty()) << path;
    }
}
