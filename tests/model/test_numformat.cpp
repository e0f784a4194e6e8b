#include "model/numformat.h"
#include "comma_locale.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using tv::formatFixed;
using tv::formatInt;
using tv::roundHalfEven;

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(32.5), 32);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999999), 2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
}

TEST(RoundHalfEven, LimitsDoNotOverflow) {
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()), std::numeric_limits<int64_t>::max());
}

TEST(FormatFixed, WidthAndDecimals) {
    struct Row {
        double v;
        int width, decimals;
        const char* expected;
    } rows[] = {
        {5.5, 4, 1, " 5.5"},       {7.5, 4, 1, " 7.5"},        {30.0, 4, 1, "30.0"},
        {0.0, 4, 1, " 0.0"},       {1000, 4, 0, "1000"},       {20.0, 4, 2, "20.00"},
        {45.6, 0, 2, "45.60"},     {216.66666, 4, 1, "216.7"}, {116.5, 5, 1, "116.5"},
        {-12.25, 7, 1, "  -12.2"}, {329.7, 0, 2, "329.70"},    {3, 0, 0, "3"},
        {123456.789, 2, 1, "123456.8"}, {-0.04, 4, 1, " 0.0"}, {0.125, 0, 2, "0.12"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(formatFixed(r.v, r.width, r.decimals), r.expected) << r.v << " " << r.width << " " << r.decimals;
}

TEST(FormatFixed, NonFiniteAndHugeValuesAreWritten) {
    EXPECT_EQ(formatFixed(std::nan(""), 4, 1), " 0.0");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 4, 0), "   0");
    const std::string huge = formatFixed(1e300, 4, 2);
    EXPECT_EQ(huge.size(), 304u);
    EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
}

TEST(FormatFixed, PointUnderACommaLocale) {
    const tvtest::CommaLocale german(LC_ALL);
    if (!german.active()) GTEST_SKIP() << tvtest::kNoCommaLocale;
    EXPECT_EQ(formatFixed(7.5, 4, 1), " 7.5");
    EXPECT_EQ(formatFixed(-1234.25, 0, 2), "-1234.25");
}

TEST(FormatInt, RightAligned) {
    EXPECT_EQ(formatInt(50, 4), "  50");
    EXPECT_EQ(formatInt(1850, 4), "1850");
    EXPECT_EQ(formatInt(-135, 4), "-135");
    EXPECT_EQ(formatInt(-5, 4), "  -5");
    EXPECT_EQ(formatInt(123456, 4), "123456");
    EXPECT_EQ(formatInt(7), "7");
}
