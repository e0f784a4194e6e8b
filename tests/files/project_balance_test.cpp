// The balance block of a project: its bytes, its round trip, and that the rules of the readers
// from before it (which apply every line to the aircraft by its tag) read the same aircraft.
#include "files/projectfile.h"
#include "model/planform.h"

#include <gtest/gtest.h>

namespace {

tv::Aircraft twoWings(const tv::BalanceTexts& balance, const std::string& comment = "remark") {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.WingCount = 2;
    t.Comment = comment;
    t.Balance = balance;
    return tv::computeAircraft(t);
}

tv::BalanceTexts nastyBalance() {
    tv::BalanceTexts b;
    b.MyCg = "25";
    b.MyCgInput = tv::CgInput::PercentMac;
    b.Rows = {
        {"Battery 3S µ ñ", "300", "40"},
        {"<x>999</x>", "<wing_id>1", "<z>5</z>"},          // tags of the wing lines
        {"</comment>", "<\\/comment>", "x</comment>y"},    // the remark's end
        {"a</item_name>b", "12a", "1,5"},                   // its own closing tag, mistyped numbers
        {"", "", ""},
        {"  padded  ", "<comment>", "<sb>5</sb>"},
        {"<wings_count>1</wings_count>", "<section_id>9", "<chord>7"},
    };
    return b;
}

const tv::ReferenceValues kRef{400000, 200, 100};

} // namespace

TEST(BalanceBlock, LayoutBetweenTheReferenceAndTheRemark) {
    tv::BalanceTexts b;
    b.MyCg = "72.5";
    b.MyCgInput = tv::CgInput::BehindRootLe;
    b.MyCgFromTable = true;
    b.Rows = {{"Akku µ", "300", "40"}};
    const std::string bytes = tv::projectFileBytes(twoWings(b), kRef);
    const std::string block = " <xnp>100.00</xnp>\r\n \r\n"
                              " <balance>\r\n"
                              "  <my_cg>72.5</my_cg>\r\n"
                              "  <my_cg_input>root_le</my_cg_input>\r\n"
                              "  <my_cg_from_table>1</my_cg_from_table>\r\n"
                              "  <balance_item>\r\n"
                              "   <item_name>Akku \xB5</item_name>\r\n"
                              "   <item_mass>300</item_mass>\r\n"
                              "   <item_x>40</item_x>\r\n"
                              "  </balance_item>\r\n"
                              " </balance>\r\n \r\n"
                              " <comment>remark</comment>\r\n";
    EXPECT_NE(bytes.find(block), std::string::npos) << bytes;
    // Without balance data the bytes are those of a project from before the block.
    const std::string plain = tv::projectFileBytes(twoWings({}), kRef);
    EXPECT_EQ(plain.find("balance"), std::string::npos);
    EXPECT_EQ(bytes.substr(0, bytes.find(" <balance>")), plain.substr(0, plain.find(" <comment>")));
}

TEST(BalanceBlock, EveryTypedTextReadsBackAsItself) {
    tv::BalanceTexts b = nastyBalance();
    for (tv::CgInput mode : {tv::CgInput::AircraftFrame, tv::CgInput::BehindRootLe, tv::CgInput::PercentMac}) {
        b.MyCgInput = mode;
        b.MyCgFromTable = mode == tv::CgInput::BehindRootLe;
        const tv::ProjectTable t = tv::parseProjectFile(tv::projectFileBytes(twoWings(b), kRef), "plane.tv4");
        ASSERT_TRUE(t.Balance);
        EXPECT_EQ(*t.Balance, b) << int(mode);
    }
    // A line break in a name is written as a blank: the next line must not become a tag.
    b.Rows = {{"two\nlines\r\n<x>5</x>", "1", "2"}};
    const tv::ProjectTable t = tv::parseProjectFile(tv::projectFileBytes(twoWings(b), kRef), "plane.tv4");
    EXPECT_EQ(t.Balance->Rows[0].Name, "two lines  <x>5</x>");
    EXPECT_EQ(t.wings[2].PositionX, twoWings({}).Wings[2].PositionX);
}

TEST(BalanceBlock, OlderRulesReadTheSameAircraft) {
    // The reader passes every line through the rules of the readers from before the block; so the
    // table of a file with the block, the balance data aside, is what they read.
    const std::string remarks[] = {"remark", "<balance>\n<my_cg>5</my_cg>\n</balance>", ""};
    for (const std::string& remark : remarks) {
        tv::ProjectTable with = tv::parseProjectFile(tv::projectFileBytes(twoWings(nastyBalance(), remark), kRef), "p.tv4");
        const tv::ProjectTable without = tv::parseProjectFile(tv::projectFileBytes(twoWings({}, remark), kRef), "p.tv4");
        EXPECT_TRUE(with.Balance) << remark;
        EXPECT_FALSE(without.Balance) << remark; // a block inside the remark is the remark's text
        tv::AircraftTexts a = tv::defaultAircraftTexts(), b = a;
        with.Balance.reset();
        tv::applyProjectTable(with, a);
        tv::applyProjectTable(without, b);
        EXPECT_EQ(a.WingCount, b.WingCount);
        for (int w = 1; w <= tv::kWingMax; ++w) {
            EXPECT_EQ(a.wings[w].field, b.wings[w].field) << w;
            EXPECT_EQ(a.wings[w].TrapeziumCount, b.wings[w].TrapeziumCount) << w;
        }
        EXPECT_EQ(a.Comment, remark);
        EXPECT_EQ(with.NeutralPointX, without.NeutralPointX);
        EXPECT_EQ(with.projectTags, without.projectTags);
    }
}

TEST(BalanceBlock, TagsOutsideTheBlockAndRowsBeyondThirtyAreIgnored) {
    tv::BalanceTexts b;
    b.Rows.assign(tv::kBalanceRowMax, {"Lead", "5", "10"});
    std::string bytes = tv::projectFileBytes(twoWings(b), kRef);
    // A thirty-first row, and item tags after the block, as a hand-edited file might hold them.
    const size_t end = bytes.find(" </balance>");
    bytes.insert(end, "  <balance_item>\r\n   <item_name>31st</item_name>\r\n  </balance_item>\r\n");
    bytes.insert(bytes.find(" <comment>"), "   <item_mass>999</item_mass>\r\n  <my_cg>1</my_cg>\r\n");
    const tv::ProjectTable t = tv::parseProjectFile(bytes, "plane.tv4");
    EXPECT_EQ(*t.Balance, b);
    EXPECT_EQ(t.BalanceRowsLeftOut, 1u) << "the row left out is counted, to be said";
    EXPECT_EQ(tv::parseProjectFile(tv::projectFileBytes(twoWings(b), kRef), "plane.tv4").BalanceRowsLeftOut, 0u);
}

TEST(BalanceBlock, OpeningAProjectWithoutABlockClearsTheTable) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    texts.Balance = nastyBalance();
    tv::applyProjectTable(tv::parseProjectFile(tv::projectFileBytes(twoWings({}), kRef), "plane.tv4"), texts);
    EXPECT_TRUE(texts.Balance.empty());
}
