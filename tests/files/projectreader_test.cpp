// The reader on the older layout and on hostile input.
#include "files/projectfile.h"
#include "model/planform.h"
#include "tempdir.h"

#include <climits>
#include <gtest/gtest.h>
#include <random>

namespace {

/// An older file: wing count 2; wing w's 17 values are 100*w + 1..17; then the reals and comment.
std::string olderFile(int lines) {
    std::vector<std::string> all{"2"};
    for (int w = 1; w <= 3; ++w) {
        all.push_back(std::to_string(w)); // trapezium count w
        for (int i = 2; i <= 17; ++i) all.push_back(std::to_string(100 * w + i));
    }
    for (const char* rest : {"0", "unused", "123456.7", "245.25", "-12.5", "unused", "first", "second <b>"})
        all.push_back(rest);
    std::string out;
    for (int i = 0; i < lines && i < static_cast<int>(all.size()); ++i) out += all[static_cast<size_t>(i)] + "\r\n";
    return out;
}

TEST(OlderLayout, ReadsWings1To3ReferenceValuesAndComment) {
    const tv::ProjectTable t = tv::parseProjectFile(olderFile(1000), "plane.da4");
    EXPECT_TRUE(t.olderLayout);
    EXPECT_FALSE(t.taggedName);
    EXPECT_EQ(t.WingCount, 2);
    for (int w = 1; w <= 3; ++w) {
        const tv::ProjectWingSlots& s = t.wings[w];
        EXPECT_EQ(s.TrapeziumCount, w);
        EXPECT_EQ(s.Chord[1], 100 * w + 2);
        EXPECT_EQ(s.Chord[5], 100 * w + 6);
        EXPECT_EQ(s.Y[1], 100 * w + 7);
        EXPECT_EQ(s.Y[5], 100 * w + 11);
        EXPECT_EQ(s.XOffset[2], 100 * w + 12);
        EXPECT_EQ(s.XOffset[5], 100 * w + 15);
        EXPECT_EQ(s.PositionX, 100 * w + 16);
        EXPECT_EQ(s.PositionZ, 100 * w + 17);
    }
    EXPECT_EQ(t.wings[4].Chord[1], 10);
    EXPECT_DOUBLE_EQ(t.ReferenceArea.value_or(0), 123456.7);
    EXPECT_DOUBLE_EQ(t.ReferenceChord.value_or(0), 245.25);
    EXPECT_DOUBLE_EQ(t.NeutralPointX.value_or(0), -12.5);
    EXPECT_EQ(t.Comment, "first\nsecond <b>");
}

TEST(OlderLayout, KeepsWings4And5AndSetsWings1To3) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    tv::applyProjectTable(tv::parseProjectFile(olderFile(1000), "PLANE.DA4"), texts);
    const tv::AircraftTexts def = tv::defaultAircraftTexts();
    EXPECT_EQ(texts.WingCount, 2);
    EXPECT_EQ(texts.wings[2].TrapeziumCount, 2);
    EXPECT_EQ(texts.wings[3][tv::WingField::Chord1], " 302");
    EXPECT_EQ(texts.wings[1][tv::WingField::Span1], " 108");   // y of section 2
    EXPECT_EQ(texts.wings[1][tv::WingField::RootOffset], " 107");
    EXPECT_EQ(texts.wings[4].field, def.wings[4].field);
    EXPECT_EQ(texts.wings[5].field, def.wings[5].field);
    EXPECT_EQ(texts.wings[4].TrapeziumCount, def.wings[4].TrapeziumCount);
}

TEST(OlderLayout, TruncatedFileStopsAtItsEnd) {
    const struct { int lines; int32_t lastChord; bool reference; const char* comment; } rows[] = {
        {0, 10, false, " "}, {3, 10, false, " "}, {20, 10, false, " "}, {54, 306, false, " "},
        {55, 306, true, " "}, {58, 306, true, " "}, {59, 306, true, "first"},
    };
    for (const auto& r : rows) {
        const tv::ProjectTable t = tv::parseProjectFile(olderFile(r.lines), "p.da4");
        EXPECT_EQ(t.wings[3].Chord[5], r.lastChord) << r.lines;
        EXPECT_EQ(t.ReferenceArea.has_value(), r.reference) << r.lines;
        EXPECT_EQ(t.Comment, r.comment) << r.lines;
    }
}

// ---- Hostile input ----------------------------------------------------------------------------

void expectUntouchedBeyondTheTables(const tv::ProjectTable& t) {
    // Slot [0] of each array is never written: an index outside 1..5 would land there or beyond.
    for (int w = 1; w <= 5; ++w) {
        EXPECT_EQ(t.wings[w].Chord[0], 10);
        EXPECT_EQ(t.wings[w].Y[0], 10);
        EXPECT_EQ(t.wings[w].XOffset[0], 10);
        EXPECT_EQ(t.wings[w].XOffset[1], 10);
    }
}

TEST(TaggedLayout, IdsAndCountsOutsideTheirRangesAreIgnored) {
    const std::string file =
        "<wings_count>99999999999</wings_count>\n"       // beyond 32 bits: saturates, not applied
        "<wing_id>0</wing_id>\n<wingsections>3</wingsections>\n<section_id>1</section_id>\n<chord>7</chord>\n"
        "<wing_id>6</wing_id>\n<z>7</z>\n<section_id>2</section_id>\n<y>7</y>\n"
        "<wing_id>-2147483648</wing_id>\n<wingsections>-2147483648</wingsections>\n"
        "<wing_id>2</wing_id>\n<wingsections>-2147483648</wingsections>\n"
        "<section_id>0</section_id>\n<y>7</y>\n<chord>7</chord>\n"
        "<section_id>1</section_id>\n<x>7</x>\n"                // x of the root section is ignored
        "<section_id>6</section_id>\n<chord>7</chord>\n"
        "<section_id>4294967301</section_id>\n<chord>7</chord>\n" // would be 5 if it wrapped
        "<wing_id>3</wing_id>\n<wingsections>99999999999</wingsections>\n";
    const tv::ProjectTable t = tv::parseProjectFile(file, "p.tv4");
    EXPECT_EQ(t.WingCount, INT32_MAX);
    EXPECT_EQ(t.wings[2].TrapeziumCount, INT32_MIN);
    EXPECT_EQ(t.wings[3].TrapeziumCount, INT32_MAX - 1);
    for (int w = 1; w <= 5; ++w) {
        for (int s = 1; s <= 5; ++s) {
            EXPECT_EQ(t.wings[w].Chord[s], 10) << w << "/" << s;
            EXPECT_EQ(t.wings[w].Y[s], 10) << w << "/" << s;
        }
        EXPECT_EQ(t.wings[w].PositionZ, 10);
    }
    expectUntouchedBeyondTheTables(t);

    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    tv::applyProjectTable(t, texts);
    EXPECT_EQ(texts.WingCount, 5);
    EXPECT_EQ(texts.wings[2].TrapeziumCount, 4);
    EXPECT_EQ(texts.wings[3].TrapeziumCount, 4);
}

TEST(TaggedLayout, LongLinesAreReadWholeOrCutAsTheValueWindowSays) {
    const std::string digits(100000, '7');
    const std::string longComment(100000, 'c');
    const std::string file = "<wing_id>1</wing_id>\n<wing_position>\n<x>" + digits + "\n<z>" + std::string(100000, ' ') +
                             "42</z>\n" + std::string(100000, '<') + "\n<" + std::string(100000, 'q') + "\n" +
                             "<comment>" + longComment + "\n" + longComment + "</comment>\n";
    const tv::ProjectTable t = tv::parseProjectFile(file, "p.tv4");
    EXPECT_EQ(t.wings[1].PositionX, INT32_MAX);
    EXPECT_EQ(t.wings[1].PositionZ, 0); // only blanks inside the 500-character window
    EXPECT_EQ(t.Comment, longComment + "\n" + longComment);
}

TEST(TaggedLayout, UnclosedCommentRunsToTheEndOfTheFile) {
    const tv::ProjectTable t = tv::parseProjectFile(" <comment>one\r\ntwo\r\n<wing_id>1</wing_id>\r\n", "p.tv4");
    EXPECT_EQ(t.Comment, "one\ntwo\n<wing_id>1</wing_id>");
}

TEST(TaggedLayout, AnyPrefixOfAValidFileParsesWithoutHarm) {
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    texts.Comment = "two\nlines µ";
    const std::string bytes = tv::projectFileBytes(tv::computeAircraft(texts), tv::ReferenceValues{1, 2, 3});
    for (size_t n = 0; n <= bytes.size(); ++n) {
        const tv::ProjectTable t = tv::parseProjectFile(std::string_view(bytes).substr(0, n), "p.tv4");
        expectUntouchedBeyondTheTables(t);
        tv::AircraftTexts applied = texts;
        tv::applyProjectTable(t, applied);
        ASSERT_GE(applied.WingCount, 1);
        ASSERT_LE(applied.WingCount, 5);
    }
}

TEST(TaggedLayout, BinaryJunkParsesWithoutHarm) {
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string alphabet[] = {"<", ">", "</comment>", "<comment>", "<wing_id>", "<section_id>", "<chord>",
                                    "<x>", "\r", "\n", std::string(1, '\0'), "-", "9"};
    for (int round = 0; round < 300; ++round) {
        std::string junk;
        for (int i = 0; i < 400; ++i) {
            if (byte(rng) < 64) junk += alphabet[static_cast<size_t>(byte(rng)) % std::size(alphabet)];
            else junk += static_cast<char>(byte(rng));
        }
        for (const char* name : {"j.tv4", "j.da4"}) {
            const tv::ProjectTable t = tv::parseProjectFile(junk, name);
            expectUntouchedBeyondTheTables(t);
            tv::AircraftTexts applied = tv::defaultAircraftTexts();
            tv::applyProjectTable(t, applied);
            for (int w = 1; w <= 5; ++w) ASSERT_TRUE(applied.wings[w].TrapeziumCount >= 1 && applied.wings[w].TrapeziumCount <= 4);
        }
    }
}

TEST(TaggedLayout, OtherNamesApplyOnlyWings1To3) {
    const std::string file = "<wing_id>4</wing_id>\n<wingsections>2</wingsections>\n<wing_position>\n<x>55</x>\n";
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    const tv::ProjectTable t = tv::parseProjectFile(file, "plane.txt");
    EXPECT_EQ(t.wings[4].PositionX, 55);
    tv::applyProjectTable(t, texts);
    EXPECT_EQ(texts.wings[4].TrapeziumCount, 1);                       // counts apply to every wing
    EXPECT_EQ(texts.wings[4][tv::WingField::PositionX], "-400");       // fields only for ".tv4" names
    EXPECT_EQ(texts.wings[1][tv::WingField::PositionX], "  10");
}

TEST(ReadProjectFile, AFileWithoutAnyProjectTagIsNotAProject) {
    tvtest::TempDir dir;
    const struct {
        const char* name;
        std::string bytes;
        tv::ReadStatus status;
    } rows[] = {
        {"empty.tv4", "", tv::ReadStatus::NotAProject},
        {"binary.tv4", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe<\x01>", 16), tv::ReadStatus::NotAProject},
        {"text.tv4", "Dear reader,\r\nthis is a letter.\r\n", tv::ReadStatus::NotAProject},
        {"page.tv4", "<html><body><p>1</p></body></html>\n", tv::ReadStatus::NotAProject},
        {"plane", "just words\n", tv::ReadStatus::NotAProject},
        {"partial.tv4", "<wings_count>2</wings_count>\n", tv::ReadStatus::Ok},
        {"closing.TV4", "</aircraft>\n", tv::ReadStatus::Ok},
        {"old.da4", "", tv::ReadStatus::Ok},
        {"old.DA4", "words\n", tv::ReadStatus::Ok},
    };
    for (const auto& row : rows) {
        tvtest::spit(dir.file(row.name), row.bytes);
        EXPECT_EQ(tv::readProjectFile(dir.file(row.name)).status, row.status) << row.name;
    }
}

TEST(ReadProjectFile, ReportsAnIoErrorAfterTheOpen) {
    tvtest::TempDir dir;
    tvtest::spit(dir.file("p.tv4"), "<aircraft>\r\n");
    tv::FileOps ops = tv::systemFileOps();
    ops.read = [](int, void*, size_t) -> ssize_t { errno = EIO; return -1; };
    const auto r = tv::readProjectFile(dir.file("p.tv4"), ops);
    EXPECT_EQ(r.status, tv::ReadStatus::Failed);
    EXPECT_EQ(r.error.path, dir.file("p.tv4"));
}

} // namespace
