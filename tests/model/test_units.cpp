#include "i18n/unit_texts.h"
#include "model/aircraft.h"
#include "model/parse.h"
#include "model/units.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

constexpr Unit kLengthUnits[] = {Unit::Millimetre, Unit::Centimetre, Unit::Inch};

// Shown and read back, every whole millimetre a field can hold in this range comes back as itself.
TEST(Units, LengthFieldRoundTripIsExact) {
    for (Unit u : kLengthUnits)
        for (int64_t mm = -5000; mm <= 5000; ++mm) {
            const LengthReading r = readLengthField(lengthFieldText(mm, u), u, kLengthLimit);
            ASSERT_TRUE(r.ok && r.mm == mm) << unitKey(u) << " " << mm << " -> " << lengthFieldText(mm, u);
        }
}

TEST(Units, LengthFieldTexts) {
    EXPECT_EQ(lengthFieldText(318, Unit::Millimetre), "318");
    EXPECT_EQ(lengthFieldText(-5, Unit::Centimetre), "-0.5");
    EXPECT_EQ(lengthFieldText(1000, Unit::Inch), "39.370");
    EXPECT_EQ(lengthFieldText(0, Unit::Inch), "0.000");
}

struct Typed {
    const char* text;
    Unit chosen;
    int64_t mm;
};

// A unit written after the number wins over the choice; without one, the chosen unit's lenient
// reading holds (in mm exactly today's integer parse, hexadecimal and all).
TEST(Units, TypedLengths) {
    const Typed rows[] = {
        {"12.5in", Unit::Millimetre, 318},   {"318 mm", Unit::Inch, 318},     {"12.5\"", Unit::Centimetre, 318},
        {" -2 IN ", Unit::Millimetre, -51},  {"31.8 cm", Unit::Inch, 318},    {"1 ft", Unit::Millimetre, 305},
        {"1.2m", Unit::Inch, 1200},          {"3 Zoll", Unit::Millimetre, 76}, {"3 pulg", Unit::Millimetre, 76},
        {"12.7mm", Unit::Millimetre, 13},    {"0.5mm", Unit::Inch, 0},        {"1.5mm", Unit::Inch, 2},
        {"12.5", Unit::Inch, 318},           {"12,5", Unit::Inch, 305},       {"abc", Unit::Inch, 0},
        {"31.8", Unit::Centimetre, 318},     {"12.5", Unit::Millimetre, 12},  {"$10", Unit::Millimetre, 16},
        {"12 oz", Unit::Millimetre, 12},     {"12 parsecs", Unit::Inch, 305}, {"", Unit::Centimetre, 0},
    };
    for (const Typed& r : rows) {
        const LengthReading got = readLengthField(r.text, r.chosen, kLengthLimit);
        EXPECT_TRUE(got.ok) << r.text;
        EXPECT_EQ(got.mm, r.mm) << r.text << " in " << unitKey(r.chosen);
    }
    // Nothing a metric user types without a unit changes meaning, even beyond the limit: the
    // calculation refuses that as it always has.
    for (const char* text : {"99999999", "-0x1F", "1e3", "12a", "  7"})
        EXPECT_EQ(readLengthField(text, Unit::Millimetre, kLengthLimit).mm, parseLenientInt(text)) << text;
}

TEST(Units, ConvertedLengthBeyondTheLimitIsRefusedInTheChosenUnit) {
    const LengthReading inch = readLengthField("40000", Unit::Inch, kLengthLimit);
    EXPECT_FALSE(inch.ok);
    EXPECT_EQ(inch.refusal, "the value lies beyond the limit of ±39370.079 in");
    EXPECT_EQ(readLengthField("2 km", Unit::Inch, kLengthLimit).mm, 51) << "km is no unit it knows: 2 in";
    EXPECT_EQ(readLengthField("1e9 mm", Unit::Centimetre, kLengthLimit, UiLanguage::German).refusal,
              "der Wert liegt jenseits der Grenze von ±100000.0 cm");
    EXPECT_EQ(readLengthField("1e999in", Unit::Inch, kLengthLimit, UiLanguage::Spanish).refusal,
              "el valor está fuera del límite de ±39370.079 pulg");
    EXPECT_TRUE(readLengthField("39370.079in", Unit::Millimetre, kLengthLimit).ok) << "the limit written is accepted";
    EXPECT_FALSE(readLengthField("-1000001 mm", Unit::Millimetre, kLengthLimit).ok);
}

TEST(Units, Entries) {
    EXPECT_DOUBLE_EQ(*readEntry("4 oz", Unit::Gram), 4 * 28.349523125);
    EXPECT_DOUBLE_EQ(*readEntry("1.5", Unit::Kilogram), 1500);
    EXPECT_DOUBLE_EQ(*readEntry("36 km/h", Unit::MilePerHour), 10);
    EXPECT_FALSE(readEntry("4 in", Unit::Gram)) << "a unit of another quantity";
    EXPECT_FALSE(readEntry("7,5", Unit::Gram)) << "a mistyped number stays refused";
    EXPECT_FALSE(readEntry("1e999 g", Unit::Gram));
}

// Figures written with their unit: metric exactly as before, imperial by hand conversion.
TEST(Units, MeasureTexts) {
    EXPECT_EQ(measureText(UiLanguage::English, 80.0, Unit::Millimetre, 1), "80.0 mm");
    EXPECT_EQ(measureText(UiLanguage::English, 80.0, Unit::Inch, 1), "3.150 in");
    EXPECT_EQ(measureText(UiLanguage::German, 400000.0, Unit::SquareDecimetre, 2), "40.00 dm²");
    EXPECT_EQ(measureText(UiLanguage::English, 400000.0, Unit::SquareInch, 2), "620.0 in²");
    EXPECT_EQ(measureText(UiLanguage::Spanish, 400000.0, Unit::SquareFoot, 2), "4.306 pie²");
    EXPECT_EQ(measureText(UiLanguage::English, 1000.0, Unit::Ounce, 1), "35.274 oz");
    EXPECT_EQ(measureText(UiLanguage::English, 25.0, Unit::OuncePerFt2, 1), "8.19 oz/ft²");
    EXPECT_EQ(measureText(UiLanguage::English, 10.0, Unit::MilePerHour, 1), "22.4 mph");
}

TEST(Units, Choices) {
    EXPECT_EQ(parseUnitsChoice("metric"), kMetricUnits);
    EXPECT_EQ(parseUnitsChoice("imperial"), kImperialUnits);
    DisplayUnits mixed = kImperialUnits;
    mixed.mass = Unit::Gram;
    mixed.area = Unit::SquareFoot;
    EXPECT_EQ(parseUnitsChoice("imperial,g,ft2"), mixed);
    for (const char* bad : {"", "Imperial", "metric,furlong", "in,imperial", "metric,"})
        EXPECT_FALSE(parseUnitsChoice(bad)) << bad;
}

// Every unit has its words in every language, and every key and symbol names its unit.
TEST(Units, EveryUnitHasWordsAndAKey) {
    for (int i = 0; i <= static_cast<int>(Unit::MilePerHour); ++i) {
        const Unit u = static_cast<Unit>(i);
        EXPECT_EQ(unitFromKey(unitKey(u)), u);
        EXPECT_EQ(readEntry(std::string("2") + unitKey(u), u), toBase(2, u)) << unitKey(u);
        for (UiLanguage lang : {UiLanguage::English, UiLanguage::German, UiLanguage::Spanish}) {
            ASSERT_NE(unitWords(lang, unitKey(u)).symbol, nullptr) << unitKey(u);
            EXPECT_NE(unitWords(lang, unitKey(u)).name, nullptr) << unitKey(u);
            // What a figure is written with can be typed back, in every language, as that unit.
            EXPECT_EQ(readEntry("2 " + unitSymbol(lang, u), u), toBase(2, u)) << unitSymbol(lang, u);
        }
    }
}

} // namespace
} // namespace tv
