// The exact bytes of written project files, the save name, and what reads back.
#include "files/projectfile.h"
#include "model/numformat.h"
#include "model/parse.h"
#include "model/planform.h"
#include "tempdir.h"

#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace {

using tvtest::crlf;

std::string sectionText(int id, int x, int y, int chord) {
    return "  <section>\n   <section_id>" + std::to_string(id) + "</section_id>\n   <x>" + std::to_string(x) +
           "</x>\n   <y>" + std::to_string(y) + "</y>\n   <chord>" + std::to_string(chord) + "</chord>\n  </section>\n";
}

const std::string kDefaultWing1 =
    " <wing>\n  <wing_id>1</wing_id>\n  <wingsections>5</wingsections>\n"
    "  <wing_position>\n   <x>0</x>\n   <z>-190</z>\n  </wing_position>\n" +
    sectionText(1, 0, 0, 335) + sectionText(2, 0, 220, 335) + sectionText(3, 131, 764, 335) +
    sectionText(4, 140, 50, 295) + sectionText(5, 215, 66, 120) + " </wing>\n \n";

const std::string kDefaultWing2 =
    " <wing>\n  <wing_id>2</wing_id>\n  <wingsections>5</wingsections>\n"
    "  <wing_position>\n   <x>1167</x>\n   <z>0</z>\n  </wing_position>\n" +
    sectionText(1, 0, 0, 135) + sectionText(2, 0, 105, 282) + sectionText(3, 0, 210, 282) +
    sectionText(4, 48, 75, 180) + sectionText(5, 116, 18, 50) + " </wing>\n \n";

TEST(ProjectWriter, DefaultAircraftWithoutNeutralPoint) {
    const std::string expected =
        "<aircraft>\n <wings_count>5</wings_count>\n \n" + kDefaultWing1 + kDefaultWing2 +
        " <wing>\n  <wing_id>3</wing_id>\n  <wingsections>5</wingsections>\n"
        "  <wing_position>\n   <x>-135</x>\n   <z>240</z>\n  </wing_position>\n" +
        sectionText(1, 0, 0, 335) + sectionText(2, 0, 220, 335) + sectionText(3, 131, 764, 335) +
        sectionText(4, 140, 50, 295) + sectionText(5, 215, 66, 120) + " </wing>\n \n" +
        " <wing>\n  <wing_id>4</wing_id>\n  <wingsections>4</wingsections>\n"
        "  <wing_position>\n   <x>-400</x>\n   <z>-60</z>\n  </wing_position>\n" +
        sectionText(1, 0, 0, 1850) + sectionText(2, 0, 25, 1550) + sectionText(3, 10, 50, 1100) +
        sectionText(4, 40, 25, 700) + " </wing>\n \n" +
        " <wing>\n  <wing_id>5</wing_id>\n  <wingsections>3</wingsections>\n"
        "  <wing_position>\n   <x>-135</x>\n   <z>-350</z>\n  </wing_position>\n" +
        sectionText(1, 0, 300, 600) + sectionText(2, -80, 38, 680) + sectionText(3, 0, 38, 600) +
        " </wing>\n \n <comment></comment>\n</aircraft>\n \n";
    const tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    EXPECT_EQ(tv::projectFileBytes(a, std::nullopt), crlf(expected));
}

tv::AircraftTexts twoWingTexts() {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.WingCount = 2;
    t.wings[2].TrapeziumCount = 2;
    t.wings[1][tv::WingField::Chord1] = "-335"; // stored as the model's absolute value
    t.Comment = "first line\nzweite Zeile: Flügel\nµ and ñ";
    return t;
}

TEST(ProjectWriter, TwoWingsWithNeutralPointAndThreeLineComment) {
    const std::string expected =
        "<aircraft>\n <wings_count>2</wings_count>\n \n" + kDefaultWing1 +
        " <wing>\n  <wing_id>2</wing_id>\n  <wingsections>3</wingsections>\n"
        "  <wing_position>\n   <x>1167</x>\n   <z>0</z>\n  </wing_position>\n" +
        sectionText(1, 0, 0, 135) + sectionText(2, 0, 105, 282) + sectionText(3, 0, 210, 282) + " </wing>\n \n" +
        " <sb> 5.5</sb>\n <lmue>245.19</lmue>\n <xnp>-12.75</xnp>\n \n"
        " <comment>first line\nzweite Zeile: Fl\xFCgel\n\xB5 and \xF1</comment>\n</aircraft>\n \n";
    const tv::ReferenceValues ref{5.5, 245.1875, -12.75};
    EXPECT_EQ(tv::projectFileBytes(tv::computeAircraft(twoWingTexts()), ref), crlf(expected));
}

TEST(ProjectWriter, WindowsLineBreaksInTheCommentAreNotDoubled) {
    tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    a.Comment = "a\r\nb\rc";
    const std::string bytes = tv::projectFileBytes(a, std::nullopt);
    EXPECT_NE(bytes.find(" <comment>a\r\nb\r\nc</comment>\r\n"), std::string::npos);
}

TEST(ProjectWriter, CountsOutsideTheirRangesAreClampedNotIndexed) {
    tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    a.WingCount = 1000;
    a.Wings[1].TrapeziumCount = -7;
    const std::string bytes = tv::projectFileBytes(a, std::nullopt);
    EXPECT_NE(bytes.find("<wings_count>5</wings_count>"), std::string::npos);
    EXPECT_NE(bytes.find("<wingsections>2</wingsections>"), std::string::npos);
    a.WingCount = -3;
    EXPECT_NE(tv::projectFileBytes(a, std::nullopt).find("<wings_count>1</wings_count>"), std::string::npos);
}

// The writer keeps to the size the reader accepts: a file of exactly kMaxReadBytes is written and
// reads back; one byte more is refused with its size, and the file saved before stays.
TEST(ProjectWriter, AProjectTheReaderWouldRefuseIsNotWritten) {
    tvtest::TempDir dir;
    const std::string path = dir.file("plane.tv4");
    tv::Aircraft a = tv::computeAircraft(tv::defaultAircraftTexts());
    const size_t frame = tv::projectFileBytes(a, std::nullopt).size();
    a.Comment = std::string(tv::kMaxReadBytes - frame, 'r');
    ASSERT_FALSE(tv::writeProjectFile(path, a, std::nullopt));
    EXPECT_TRUE(tv::readProjectFile(path).ok());
    const std::string saved = tvtest::slurp(path);
    a.Comment += 'r';
    const auto err = tv::writeProjectFile(path, a, std::nullopt);
    ASSERT_TRUE(err);
    EXPECT_TRUE(err->tooLargeToSave);
    EXPECT_EQ(err->size, tv::kMaxReadBytes + 1);
    EXPECT_EQ(tvtest::slurp(path), saved);
}

TEST(ProjectFileName, SaveNormalisation) {
    const std::pair<const char*, const char*> rows[] = {
        {"plane.da4", "plane.tv4"}, {"PLANE.DA4", "PLANE.TV4"}, {"plane", "plane.tv4"},
        {"plane.tv4", "plane.tv4"}, {"plane.TV4", "plane.TV4"}, {"dir.tv4/plane", "dir.tv4/plane.tv4"},
        {"old.da4/plane.da4", "old.da4/plane.tv4"},
        {"plane.da4.bak", "plane.da4.bak.tv4"}, {"plane.Tv4", "plane.Tv4.tv4"}, {"", ".tv4"},
    };
    for (const auto& [in, out] : rows) EXPECT_EQ(tv::normaliseProjectFileName(in), out) << in;
}

TEST(ProjectFileName, BarePatternsAreNotOpened) {
    tvtest::TempDir dir;
    for (const char* p : {"*.da4", "*.DA4", "*.tv4", "*.TV4"}) {
        EXPECT_TRUE(tv::isBareProjectPattern(p));
        EXPECT_EQ(tv::readProjectFile(p).status, tv::ReadStatus::NotOpened);
    }
    EXPECT_FALSE(tv::isBareProjectPattern("a*.tv4"));
    EXPECT_EQ(tv::readProjectFile(dir.file("missing.tv4")).status, tv::ReadStatus::NotOpened);
}

// ---- Round trips through the disk ---------------------------------------------------------------

/// The section (1..5) a field belongs to: its chord, its x offset, or the span ending at it.
int sectionOf(tv::WingField f) {
    for (int s = 2; s <= 5; ++s)
        if (f == tv::chordField(s) || f == tv::xOffsetField(s) || f == tv::spanField(s - 1)) return s;
    return 1;
}

class ProjectRoundTrip : public ::testing::Test {
protected:
    tvtest::TempDir dir;
    std::string path = dir.file("plane.tv4");

    tv::AircraftTexts writeAndReload(const tv::AircraftTexts& written, const tv::AircraftTexts& before,
                                     const std::optional<tv::ReferenceValues>& ref, tv::ProjectTable* table = nullptr) {
        EXPECT_FALSE(tv::writeProjectFile(path, tv::computeAircraft(written), ref));
        const auto r = tv::readProjectFile(path);
        EXPECT_TRUE(r.ok());
        if (table) *table = r.value;
        tv::AircraftTexts loaded = before;
        tv::applyProjectTable(r.value, loaded);
        return loaded;
    }
};

TEST_F(ProjectRoundTrip, DefaultAircraftReadsBackItsValuesRightAligned) {
    const tv::AircraftTexts def = tv::defaultAircraftTexts();
    tv::AircraftTexts before;
    for (int w = 1; w <= 5; ++w) before.wings[w].TrapeziumCount = 1;
    before.WingCount = 1;
    tv::ProjectTable table;
    const tv::AircraftTexts loaded = writeAndReload(def, before, std::nullopt, &table);
    EXPECT_FALSE(table.ReferenceArea || table.ReferenceChord || table.NeutralPointX);
    EXPECT_EQ(loaded.WingCount, 5);
    for (int w = 1; w <= 5; ++w) {
        EXPECT_EQ(loaded.wings[w].TrapeziumCount, def.wings[w].TrapeziumCount) << w;
        const int sections = def.wings[w].TrapeziumCount + 1;
        for (int f = 0; f < tv::kWingFieldCount; ++f) {
            const auto field = static_cast<tv::WingField>(f);
            // Sections beyond the wing's count are not written and come back as 10.
            const bool written = sectionOf(field) <= sections;
            const std::string expected = written ? tv::formatInt(tv::parseLenientInt(def.wings[w][field]), 4) : "  10";
            EXPECT_EQ(loaded.wings[w][field], expected) << "wing " << w << " " << tv::wingFieldName(w, field);
        }
    }
}

TEST_F(ProjectRoundTrip, TwoWingsLeaveTenInAbsentWingsAndKeepTheirButtons) {
    tv::AircraftTexts before = tv::defaultAircraftTexts();
    before.wings[4].TrapeziumCount = 1;
    before.Comment = "old";
    tv::ProjectTable table;
    const tv::AircraftTexts loaded = writeAndReload(twoWingTexts(), before, tv::ReferenceValues{5.5, 245.1875, -12.75}, &table);
    EXPECT_EQ(loaded.WingCount, 2);
    EXPECT_EQ(loaded.wings[1][tv::WingField::Chord1], " 335");
    EXPECT_EQ(loaded.wings[1][tv::WingField::PositionZ], "-190");
    EXPECT_EQ(loaded.wings[2].TrapeziumCount, 2);
    EXPECT_EQ(loaded.wings[2][tv::WingField::Span2], " 210");
    EXPECT_EQ(loaded.wings[2][tv::WingField::Chord4], "  10"); // section 4 of a 2-trapezium wing
    for (int w = 3; w <= 5; ++w) {
        EXPECT_EQ(loaded.wings[w].TrapeziumCount, before.wings[w].TrapeziumCount) << w;
        for (const std::string& text : loaded.wings[w].field) EXPECT_EQ(text, "  10") << w;
    }
    EXPECT_EQ(loaded.Comment, "first line\nzweite Zeile: Flügel\nµ and ñ");
    EXPECT_DOUBLE_EQ(table.ReferenceArea.value_or(0), 5.5);
    EXPECT_DOUBLE_EQ(table.ReferenceChord.value_or(0), 245.19);
    EXPECT_DOUBLE_EQ(table.NeutralPointX.value_or(0), -12.75);
}

/// Wing count, trapezium counts and every field text: what a remark must never change.
void expectSameAircraft(const tv::AircraftTexts& a, const tv::AircraftTexts& b, const std::string& remark) {
    EXPECT_EQ(a.WingCount, b.WingCount) << remark;
    for (int w = 1; w <= 5; ++w) {
        EXPECT_EQ(a.wings[w].TrapeziumCount, b.wings[w].TrapeziumCount) << w << " " << remark;
        EXPECT_EQ(a.wings[w].field, b.wings[w].field) << w << " " << remark;
    }
}

TEST_F(ProjectRoundTrip, AnyRemarkReadsBackAsItselfAndNeverAsTags) {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.WingCount = 3;
    const tv::AircraftTexts withoutRemark = writeAndReload(t, tv::defaultAircraftTexts(), tv::ReferenceValues{1, 2, 3});
    std::vector<std::string> remarks = {
        "", "a<b", "3 < 4 and 5 > 2", "<x>1</x>\n<wing_id>7</wing_id>\n  ", "ends with <", "\n\nthird", "µ<ä>ñ",
        "tab\there", "<comment>nested", "</comment>", "x</comment>\n<wings_count>1</wings_count>",
        "</comment>\n <wing>\n  <wing_id>1</wing_id>\n  <wing_position>\n   <x>999</x>\n <sb>5</sb>",
        "<\\/comment>", "<\\\\/comment></comment>", "ends with <\\", "</COMMENT> stays", "</comment",
    };
    // Random remarks built from the pieces that matter to the reader.
    std::mt19937 rng(2024);
    const char* pieces[] = {"<", "/", "\\", "comment", ">", "</comment>", "<\\/comment>", "\n", "<x>5</x>", "a"};
    for (int round = 0; round < 200; ++round) {
        std::string r;
        for (int i = 0; i < 12; ++i) r += pieces[rng() % std::size(pieces)];
        remarks.push_back(r);
    }
    for (const std::string& remark : remarks) {
        t.Comment = remark;
        tv::ProjectTable table;
        const tv::AircraftTexts loaded = writeAndReload(t, tv::defaultAircraftTexts(), tv::ReferenceValues{1, 2, 3}, &table);
        EXPECT_EQ(loaded.Comment, remark);
        expectSameAircraft(loaded, withoutRemark, remark);
        EXPECT_DOUBLE_EQ(table.ReferenceArea.value_or(0), 1) << remark;
    }
}

TEST_F(ProjectRoundTrip, AFolderNamedLikeAnOlderFileDoesNotChangeTheLayout) {
    ASSERT_EQ(::mkdir(dir.file("gliders.da4").c_str(), 0777), 0);
    path = dir.file("gliders.da4/plane.tv4");
    tv::ProjectTable table;
    const tv::AircraftTexts loaded = writeAndReload(twoWingTexts(), tv::defaultAircraftTexts(), std::nullopt, &table);
    EXPECT_FALSE(table.olderLayout);
    EXPECT_TRUE(table.taggedName);
    EXPECT_EQ(loaded.WingCount, 2);
    EXPECT_EQ(loaded.wings[2][tv::WingField::PositionX], "1167");
}

TEST_F(ProjectRoundTrip, CharactersOutsideWindows1252AreSavedAsQuestionMarks) {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.Comment = "a→b";
    EXPECT_EQ(writeAndReload(t, t, std::nullopt).Comment, "a?b");
}

} // namespace
