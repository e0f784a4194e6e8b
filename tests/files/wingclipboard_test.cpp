#include "files/wingclipboard.h"
#include "model/planform.h"
#include "tempdir.h"

#include <gtest/gtest.h>

namespace {

using tvtest::crlf;

const char* kDefaultWing1Lines = "   0\n   4\n 335\n 335\n 335\n 295\n 120\n   0\n 220\n 764\n  50\n  66\n"
                                 "   0\n 131\n 140\n 215\n   0\n-190\n \n";

TEST(WingClipboardFile, ExactLinesBeforeAndAfterACalculation) {
    const tv::Wing w1 = tv::computeAircraft(tv::defaultAircraftTexts()).Wings[1];
    EXPECT_EQ(tv::wingClipboardBytes(w1, std::nullopt), crlf(std::string(kDefaultWing1Lines) + "0\n0\n0\n"));
    EXPECT_EQ(tv::wingClipboardBytes(w1, tv::ReferenceValues{412345.375, 5.5, -7.0625}),
              crlf(std::string(kDefaultWing1Lines) + "412345.4\n5.50\n-7.06\n"));

    const tv::Wing w4 = tv::computeAircraft(tv::defaultAircraftTexts()).Wings[4];
    const std::string bytes = tv::wingClipboardBytes(w4, std::nullopt);
    EXPECT_EQ(bytes.substr(0, 24), crlf("   0\n   3\n1850\n1550\n"));
}

TEST(WingClipboardFile, CopyOfWing1InsertedIntoWing4KeepsWing4sPosition) {
    tvtest::TempDir dir;
    const std::string path = dir.file(tv::kWingClipboardFileName);
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    ASSERT_FALSE(tv::writeWingClipboard(path, tv::computeAircraft(texts).Wings[1], std::nullopt));
    const auto clip = tv::readWingClipboard(path);
    ASSERT_TRUE(clip.ok());
    tv::applyWingClipboard(clip.value, texts.wings[4]);

    const tv::Wing w1 = tv::computeWing(texts.wings[1]);
    const tv::Wing w4 = tv::computeWing(texts.wings[4]);
    EXPECT_EQ(w4.TrapeziumCount, 4);
    EXPECT_EQ(w4.Chord, w1.Chord);
    EXPECT_EQ(w4.TrapeziumSpan, w1.TrapeziumSpan);
    EXPECT_EQ(w4.XOffset, w1.XOffset);
    EXPECT_DOUBLE_EQ(w4.planform.S, w1.planform.S);
    EXPECT_EQ(texts.wings[4][tv::WingField::PositionX], "-400");
    EXPECT_EQ(texts.wings[4][tv::WingField::PositionZ], "-60");
    EXPECT_EQ(texts.wings[4][tv::WingField::Span3], "  50");
}

TEST(WingClipboardFile, LenientReadingOfShortAndOddFiles) {
    // Line 2 of 7 leaves the count; missing lines are 0; junk parses as far as it goes.
    const tv::WingClipboard clip = tv::parseWingClipboard("0\r\n7\r\n12.5\r\nabc\r\n$10\r\n");
    EXPECT_EQ(clip.line[3], 12);
    EXPECT_EQ(clip.line[4], 0);
    EXPECT_EQ(clip.line[5], 16);
    tv::WingTexts w = tv::defaultAircraftTexts().wings[5];
    tv::applyWingClipboard(clip, w);
    EXPECT_EQ(w.TrapeziumCount, 2);
    EXPECT_EQ(w[tv::WingField::Chord1], "  12");
    EXPECT_EQ(w[tv::WingField::XOffset5], "   0");
    EXPECT_EQ(w[tv::WingField::PositionX], "-135");

    const tv::WingClipboard huge = tv::parseWingClipboard(std::string(100000, '9') + "\n" + std::string(3, '\0'));
    EXPECT_EQ(huge.line[1], INT32_MAX);
    EXPECT_EQ(huge.line[2], 0);
}

TEST(WingClipboardFile, MissingFileIsNotOpened) {
    tvtest::TempDir dir;
    EXPECT_EQ(tv::readWingClipboard(dir.file("wingcopy.fl4")).status, tv::ReadStatus::NotOpened);
}

TEST(WingExchange, SwapsTextsAndCountsUnchanged) {
    tv::AircraftTexts t = tv::defaultAircraftTexts();
    t.wings[1][tv::WingField::Chord1] = "  0335 mm";
    const tv::AircraftTexts before = t;
    tv::exchangeWings(t, 1, 5);
    EXPECT_EQ(t.wings[1].field, before.wings[5].field);
    EXPECT_EQ(t.wings[5].field, before.wings[1].field);
    EXPECT_EQ(t.wings[1].TrapeziumCount, 2);
    EXPECT_EQ(t.wings[5].TrapeziumCount, 4);
    for (auto [a, b] : {std::pair{0, 1}, {1, 6}, {3, 3}}) {
        tv::AircraftTexts u = before;
        tv::exchangeWings(u, a, b);
        for (int w = 1; w <= 5; ++w) EXPECT_EQ(u.wings[w].field, before.wings[w].field);
    }
}

TEST(WingExchange, SelectorsNameTheMenuPairs) {
    EXPECT_EQ(tv::exchangePair(1), std::make_pair(1, 2));
    EXPECT_EQ(tv::exchangePair(3), std::make_pair(2, 3));
    EXPECT_EQ(tv::exchangePair(5), std::make_pair(4, 5));
    EXPECT_FALSE(tv::exchangePair(0));
    EXPECT_FALSE(tv::exchangePair(6));
}

} // namespace
