#include "model/parse.h"
#include "comma_locale.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

using tv::parseLenientInt;
using tv::parseReal;

TEST(LenientInt, FormsOfInput) {
    struct Row {
        const char* text;
        int32_t expected;
    } rows[] = {
        {"", 0},          {"abc", 0},      {"12", 12},         {"  12", 12},    {"12.5", 12},
        {"12a", 12},      {"1e3", 1},      {"$10", 16},        {"x1F", 31},     {"X1f", 31},
        {"0x10", 16},     {"0X10", 16},    {"-300", -300},     {"+7", 7},       {"-$10", -16},
        {"  -0x1F", -31}, {"- 5", 0},      {"$", 0},           {"0x", 0},       {"$G", 0},
        {"007", 7},       {"\t42", 42},    {"1 2", 1},         {"0", 0},        {"-0", 0},
    };
    for (const auto& r : rows) EXPECT_EQ(parseLenientInt(r.text), r.expected) << "text: '" << r.text << "'";
}

TEST(LenientInt, SaturatesBeyond32Bits) {
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    constexpr int32_t min = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(parseLenientInt("2147483647"), max);
    EXPECT_EQ(parseLenientInt("-2147483648"), min);
    EXPECT_EQ(parseLenientInt("2147483648"), max);
    EXPECT_EQ(parseLenientInt("-2147483649"), min);
    EXPECT_EQ(parseLenientInt("99999999999999999999999999999999999999"), max);
    EXPECT_EQ(parseLenientInt("-$FFFFFFFFFFFFFFFFFFFFFFFF"), min);
    EXPECT_EQ(parseLenientInt(std::string(100000, '9')), max);
}

TEST(LenientInt, AbsoluteValueNeverOverflows) {
    EXPECT_EQ(tv::saturatingAbs(-300), 300);
    EXPECT_EQ(tv::saturatingAbs(300), 300);
    EXPECT_EQ(tv::saturatingAbs(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::max());
}

TEST(RealParse, FormsOfInput) {
    struct Row {
        const char* text;
        double expected;
    } rows[] = {
        {"7.5", 7.5},   {" 7.5", 7.5},  {"-12.25", -12.25}, {"+3", 3},     {"1e3", 1000},
        {"2.5E-1", 0.25}, {".5", 0.5},  {"5.", 5},          {"", 0},       {"abc", 0},
        {"inf", 0},     {"nan", 0},     {"7,5", 7},         {"329.70", 329.7}, {"1.5x", 1.5},
    };
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(parseReal(r.text), r.expected) << "text: '" << r.text << "'";
}

TEST(RealParse, OverflowAndUnderflowStayFinite) {
    EXPECT_EQ(parseReal("1e999"), std::numeric_limits<double>::max());
    EXPECT_EQ(parseReal("-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(parseReal("1e-999"), 0.0);
    EXPECT_EQ(parseReal("0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000001"),
              0.0);
}

TEST(StrictRealParse, TheWholeTextOrNothing) {
    struct Row {
        const char* text;
        std::optional<double> expected;
    } rows[] = {
        {"7.5", 7.5},     {" 7.5\t", 7.5}, {"+3", 3},         {"-.5", -0.5},     {"2.5E-1", 0.25},
        {"5.", 5},        {"", {}},        {"  ", {}},        {"7,5", {}},       {"1.5x", {}},
        {"1 5", {}},      {"inf", {}},     {"-nan", {}},      {"1e999", {}},     {"+-5", {}},
        {".", {}},        {"0x10", {}},
    };
    for (const auto& r : rows) EXPECT_EQ(tv::parseStrictReal(r.text), r.expected) << "text: '" << r.text << "'";
}

TEST(RealParse, IgnoresTheLocale) {
    const tvtest::CommaLocale german(LC_NUMERIC);
    if (!german.active()) GTEST_SKIP() << tvtest::kNoCommaLocale;
    EXPECT_DOUBLE_EQ(parseReal("116.5"), 116.5);
    EXPECT_DOUBLE_EQ(parseReal("-2.5e1"), -25.0);
}
